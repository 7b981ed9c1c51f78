#include "skin/data/skin_data.h"

#include "skin/data/definition_factory.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_budgets.h"
#include "skin/data/skin_messages.h"
#include "skin/data/skin_message_route.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"

#include <algorithm>
#include <new>

namespace {

template<typename Definition, typename Factory>
void ReadDefinitionList(const TbsIniFile& ini, const QString& section, Factory create,
    std::vector<std::unique_ptr<Definition>>& definitions)
{
    // An entry whose key is missing reads as empty and creates nothing, so only
    // the entries present need a look; a huge count then costs nothing.
    const int found = ini.FindSection(section);
    const int count = SkinIntegerValue(ini.Value(found, QLatin1StringView("count")));
    for (const int index : PresentListIndexes(ini, section, count)) {
        const DefinitionEntry entry = SplitDefinitionEntry(SkinStringValue(ini.Value(found, QStringView(QString::number(index)))));
        std::unique_ptr<Definition> definition = create(entry.type, entry.name);
        if (!definition)
            continue;
        if (definitions.size() == kMaxSkinDefinitions)
            throw SkinBudgetError(QStringLiteral("[%1] has more than the %2 definitions a skin may have")
                                      .arg(section)
                                      .arg(kMaxSkinDefinitions)
                                      .toStdString());
        definition->ReadFromIni(ini);
        definitions.push_back(std::move(definition));
    }
}

// The user-interface texts a skin carries, one "NAME=text" key each; none
// without the section.
std::shared_ptr<TbsResourceStrData> ReadSkinResourceStrings(const TbsIniFile& ini)
{
    const QString section = QStringLiteral("RESOURCESTRINGS");
    if (!ini.SectionExists(section))
        return nullptr;
    QStringList entries;
    for (const QString& name : ini.Keys(section))
        entries.append(name + u'=' + ini.ReadString(section, name));
    auto strings = std::make_shared<TbsResourceStrData>();
    strings->SetResStrings(entries);
    return strings;
}

template<typename Definition>
int FindDefinitionIndex(const std::vector<std::unique_ptr<Definition>>& definitions, const QString& name)
{
    const auto found = std::find_if(definitions.begin(), definitions.end(),
        [&name](const std::unique_ptr<Definition>& definition) { return definition->IDName() == name; });
    return found == definitions.end() ? -1 : static_cast<int>(found - definitions.begin());
}

// What remains of skin once its definitions and active pictures are freed.
std::shared_ptr<TbsLoadedSkin> WithoutDefinitions(const TbsLoadedSkin& skin)
{
    auto rest = std::make_shared<TbsLoadedSkin>();
    rest->picture = skin.picture;
    rest->inactivePicture = skin.inactivePicture;
    rest->maskPicture = skin.maskPicture;
    rest->pictureName = skin.pictureName;
    rest->inactivePictureName = skin.inactivePictureName;
    rest->maskName = skin.maskName;
    rest->skinName = skin.skinName;
    rest->skinAuthor = skin.skinAuthor;
    rest->authorEmail = skin.authorEmail;
    rest->authorUrl = skin.authorUrl;
    rest->skinComments = skin.skinComments;
    rest->formInfo = skin.formInfo;
    rest->popupWindow = skin.popupWindow;
    rest->popupWindow.windowPictureIndex = -1;
    rest->hintWindow = skin.hintWindow;
    rest->hintWindow.windowPictureIndex = -1;
    rest->skinColors.ResetToDefaults();
    rest->resourceStrData = skin.resourceStrData;
    return rest;
}

} // namespace

int TbsLoadedSkin::FindObjectIndex(const QString& name) const
{
    return FindDefinitionIndex(objectDefinitions, name);
}

int TbsLoadedSkin::FindControlIndex(const QString& name) const
{
    return FindDefinitionIndex(controlDefinitions, name);
}

QImage TbsLoadedSkin::ActivePicture(int index) const
{
    if (index < 0 || index >= activePictures.size())
        return {};
    return activePictures.at(index);
}

TbsSkinData::TbsSkinData(QObject* parent)
    : QObject(parent)
    , m_skin(std::make_shared<const TbsLoadedSkin>())
{
    // The numbered messages ride on the signals, so a listener of either
    // hears of the same changes in the same order.
    const std::pair<void (TbsSkinData::*)(), QEvent::Type> messages[] = {
        { &TbsSkinData::SkinAboutToChange, WM_SKINDATA_BEFORE_CHANGE },
        { &TbsSkinData::SkinChanged, WM_SKINDATA_CHANGE },
        { &TbsSkinData::SkinChangeFinished, WM_SKINDATA_AFTER_CHANGE },
        { &TbsSkinData::ResourceStringsChanged, WM_SKINDATA_RESSTRINGS },
        { &TbsSkinData::SkinnableFormChanged, WM_SKINDATA_SKINNABLEFORM },
    };
    for (const auto& [signal, message] : messages)
        connect(this, signal, this, [this, message = message] { RelayMessage(message); });
}

// Whoever still holds the skin keeps it; nothing is announced from here, as
// the receivers may be going away with this component.
TbsSkinData::~TbsSkinData()
{
    m_empty = true;
}

void TbsSkinData::SetSkinnableForm(bool value)
{
    if (value == m_skinnableForm)
        return;
    m_skinnableForm = value;
    emit SkinnableFormChanged();
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* value)
{
    // Taken only once its skin is in: a refused skin leaves the data pointing
    // at the skin that is still shown.
    if (value)
        LoadCompressedStoredSkin(*value);
    m_compressedStoredSkin = value;
}

TbsResourceStrData* TbsSkinData::ResourceStrData() const
{
    return m_resourceStrData ? m_resourceStrData.data() : m_skin->resourceStrData.get();
}

QString SkinResStr(const TbsSkinData* skinData, const QString& name)
{
    const TbsResourceStrData* strings = skinData ? skinData->ResourceStrData() : nullptr;
    const QString text = strings ? strings->GetResStr(name) : QString();
    return text.isEmpty() ? DefaultResStr(name) : text;
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* value)
{
    m_resourceStrData = value;
    emit ResourceStringsChanged();
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* value)
{
    m_skinList = value;
    LoadSkinListEntry();
}

void TbsSkinData::SetSkinIndex(int value)
{
    if (value == m_skinIndex)
        return;
    if (!m_skinList) {
        m_skinIndex = value;
        return;
    }
    if (value < 0 || value >= m_skinList->Skins().Count())
        return;
    m_skinIndex = value;
    LoadSkinListEntry();
}

void TbsSkinData::LoadSkinListEntry()
{
    if (!m_skinList || m_skinIndex < 0 || m_skinIndex >= m_skinList->Skins().Count())
        return;
    LoadCompressedStoredSkin(m_skinList->Skins().Item(m_skinIndex).StoredSkin());
}

void TbsSkinData::LoadCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin)
{
    if (storedSkin.IsEmpty())
        return;
    // The whole skin is read aside before anyone hears of the change: a skin
    // that is corrupt, over its budgets or too big for memory is refused
    // before anything is freed, and the forms keep the skin they have.
    TbsSharedSkin next = ReadSkin(storedSkin.CompressedData());

    // Goes out while the old skin is still the one in use.
    m_empty = true;
    m_skinChanging = true;
    emit SkinAboutToChange();
    m_skin = std::move(next);
    m_empty = false;
    emit SkinChanged();
    m_skinChanging = false;
    emit SkinChangeFinished();
}

std::shared_ptr<TbsLoadedSkin> TbsSkinData::ReadSkin(const QByteArray& compressed)
{
    try {
        SkinPackage package = ReadSkinPackage(DecompressSkinPackage(compressed), BmpPixels::Engine);
        auto loaded = std::make_shared<TbsLoadedSkin>();
        TbsLoadedSkin& skin = *loaded;
        skin.picture = std::move(package.picture);
        skin.inactivePicture = std::move(package.inactivePicture);
        skin.maskPicture = std::move(package.mask);
        skin.activePictures = std::move(package.activePictures);
        skin.skinColors.ResetToDefaults();
        ReadDefinitions(TbsIniFile::FromText(DecodeSkinText(package.definitionText)), skin);
        return loaded;
    } catch (const std::bad_alloc&) {
        throw SkinPackageError("there is not enough memory to load the skin");
    }
}

void TbsSkinData::ReadDefinitions(const TbsIniFile& ini, TbsLoadedSkin& skin)
{
    const QString version = QStringLiteral("VERSION");
    skin.skinName = ReadSkinString(ini, version, QStringLiteral("skinname"));
    skin.skinAuthor = ReadSkinString(ini, version, QStringLiteral("skinauthor"));
    skin.authorEmail = ReadSkinString(ini, version, QStringLiteral("authoremail"));
    skin.authorUrl = ReadSkinString(ini, version, QStringLiteral("authorurl"));
    skin.skinComments = ReadSkinString(ini, version, QStringLiteral("skincomments"));

    const QString pictures = QStringLiteral("PICTURES");
    skin.pictureName = ReadSkinString(ini, pictures, QStringLiteral("picture"));
    skin.inactivePictureName = ReadSkinString(ini, pictures, QStringLiteral("inactivepicture"));
    skin.maskName = ReadSkinString(ini, pictures, QStringLiteral("mask"));
    skin.activePictureNames = ReadSkinStringList(ini, pictures, QStringLiteral("activepictures"));

    skin.formInfo.ReadFromIni(ini, !skin.maskPicture.isNull());
    skin.popupWindow.ReadFromIni(ini);
    skin.hintWindow.ReadFromIni(ini);
    skin.skinColors.ReadFromIni(ini);
    skin.resourceStrData = ReadSkinResourceStrings(ini);
    ReadDefinitionList(ini, QStringLiteral("SKINOBJECTS"), CreateObjectDefinition, skin.objectDefinitions);
    ReadDefinitionList(ini, QStringLiteral("SKINCONTROLS"), CreateControlDefinition, skin.controlDefinitions);
}

void TbsSkinData::ClearSkin()
{
    // The names and descriptive texts go with the pictures, so that nothing
    // of the skin that came before shows any more.
    auto cleared = std::make_shared<TbsLoadedSkin>();
    cleared->formInfo = m_skin->formInfo;
    cleared->popupWindow = m_skin->popupWindow;
    cleared->popupWindow.windowPictureIndex = -1;
    cleared->hintWindow = m_skin->hintWindow;
    cleared->hintWindow.windowPictureIndex = -1;
    cleared->skinColors.ResetToDefaults();
    m_empty = true;
    Replace(std::move(cleared));
}

void TbsSkinData::FreeDefinitions()
{
    Replace(WithoutDefinitions(*m_skin));
}

void TbsSkinData::Replace(TbsSharedSkin skin)
{
    m_skin = std::move(skin);
    emit SkinCleared();
}

void TbsSkinData::SendSkinDataMessage(QEvent::Type message)
{
    if (message == WM_SKINDATA_BEFORE_CHANGE)
        emit SkinAboutToChange();
    else if (message == WM_SKINDATA_CHANGE)
        emit SkinChanged();
    else if (message == WM_SKINDATA_AFTER_CHANGE)
        emit SkinChangeFinished();
    else if (message == WM_SKINDATA_RESSTRINGS)
        emit ResourceStringsChanged();
    else if (message == WM_SKINDATA_SKINNABLEFORM)
        emit SkinnableFormChanged();
}

void TbsSkinData::RelayMessage(QEvent::Type message)
{
    if (const SkinMessageRoute route = CurrentSkinMessageRoute())
        route(*this, message);
}
