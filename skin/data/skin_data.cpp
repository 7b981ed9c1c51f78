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
std::unique_ptr<TbsResourceStrData> ReadSkinResourceStrings(const TbsIniFile& ini)
{
    const QString section = QStringLiteral("RESOURCESTRINGS");
    if (!ini.SectionExists(section))
        return nullptr;
    QStringList entries;
    for (const QString& name : ini.Keys(section))
        entries.append(name + u'=' + ini.ReadString(section, name));
    auto strings = std::make_unique<TbsResourceStrData>();
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

} // namespace

TbsSkinData::TbsSkinData(QObject* parent)
    : QObject(parent)
{
}

TbsSkinData::~TbsSkinData()
{
    m_empty = true;
    FreeDefinitions();
}

void TbsSkinData::SetSkinnableForm(bool value)
{
    if (value == m_skinnableForm)
        return;
    m_skinnableForm = value;
    SendSkinDataMessage(WM_SKINDATA_SKINNABLEFORM);
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
    return m_resourceStrData ? m_resourceStrData.data() : m_skin.resourceStrData.get();
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
    SendSkinDataMessage(WM_SKINDATA_RESSTRINGS);
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

int TbsSkinData::FindObjectIndex(const QString& name) const
{
    return FindDefinitionIndex(m_skin.objectDefinitions, name);
}

int TbsSkinData::FindControlIndex(const QString& name) const
{
    return FindDefinitionIndex(m_skin.controlDefinitions, name);
}

void TbsSkinData::LoadCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin)
{
    if (storedSkin.IsEmpty())
        return;
    // The whole skin is read aside before anyone hears of the change: a skin
    // that is corrupt, over its budgets or too big for memory is refused
    // before anything is freed, and the forms keep the skin they have.
    Contents next = ReadContents(storedSkin.CompressedData());

    // The forms drop every index into the old skin on this message, so it
    // must go out before anything is freed.
    m_empty = true;
    m_skinChanging = true;
    SendSkinDataMessage(WM_SKINDATA_BEFORE_CHANGE);
    m_skin = std::move(next);
    ++m_definitionsGeneration;
    m_empty = false;
    SendSkinDataMessage(WM_SKINDATA_CHANGE);
    m_skinChanging = false;
    SendSkinDataMessage(WM_SKINDATA_AFTER_CHANGE);
}

TbsSkinData::Contents TbsSkinData::ReadContents(const QByteArray& compressed)
{
    try {
        SkinPackage package = ReadSkinPackage(DecompressSkinPackage(compressed), BmpPixels::Engine);
        Contents skin;
        skin.picture = std::move(package.picture);
        skin.inactivePicture = std::move(package.inactivePicture);
        skin.maskPicture = std::move(package.mask);
        skin.activePictures = std::move(package.activePictures);
        skin.skinColors.ResetToDefaults();
        ReadDefinitions(TbsIniFile::FromText(DecodeSkinText(package.definitionText)), skin);
        return skin;
    } catch (const std::bad_alloc&) {
        throw SkinPackageError("there is not enough memory to load the skin");
    }
}

void TbsSkinData::ReadDefinitions(const TbsIniFile& ini, Contents& skin)
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
    FreeDefinitions();
    m_skin.picture = QImage();
    m_skin.maskPicture = QImage();
    m_skin.inactivePicture = QImage();
    // The names and descriptive texts go with the pictures, so that nothing of
    // the skin that came before shows any more.
    m_skin.pictureName.clear();
    m_skin.inactivePictureName.clear();
    m_skin.maskName.clear();
    m_skin.skinName.clear();
    m_skin.skinAuthor.clear();
    m_skin.authorEmail.clear();
    m_skin.authorUrl.clear();
    m_skin.skinComments.clear();
    m_skin.resourceStrData.reset();
    m_empty = true;
}

void TbsSkinData::FreeDefinitions()
{
    ++m_definitionsGeneration;
    m_skin.objectDefinitions.clear();
    m_skin.controlDefinitions.clear();
    m_skin.activePictures.clear();
    m_skin.popupWindow.windowPictureIndex = -1;
    m_skin.hintWindow.windowPictureIndex = -1;
    m_skin.activePictureNames.clear();
    m_skin.skinColors.ResetToDefaults();
}

void TbsSkinData::SendSkinDataMessage(QEvent::Type message)
{
    if (const SkinMessageRoute route = CurrentSkinMessageRoute())
        route(*this, message);
}
