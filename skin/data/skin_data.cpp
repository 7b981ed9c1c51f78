#include "skin/data/skin_data.h"

#include "skin/data/definition_factory.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_messages.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace {

// The drawing code works on 32-bit pixels; converting once here spares it a
// conversion on every paint.
QImage ToEnginePixels(const QImage& picture)
{
    if (picture.isNull() || picture.format() == QImage::Format_RGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

template<typename Definition, typename Factory>
void ReadDefinitionList(const TbsIniFile& ini, const QString& section, Factory create,
    std::vector<std::unique_ptr<Definition>>& definitions)
{
    // An entry whose key is missing reads as empty and creates nothing, so only
    // the entries present need a look; a huge count then costs nothing.
    const int count = ReadSkinInteger(ini, section, QStringLiteral("count"));
    for (const int index : PresentListIndexes(ini, section, count)) {
        const DefinitionEntry entry = SplitDefinitionEntry(ReadSkinString(ini, section, QString::number(index)));
        std::unique_ptr<Definition> definition = create(entry.type, entry.name);
        if (!definition)
            continue;
        definition->ReadFromIni(ini);
        definitions.push_back(std::move(definition));
    }
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
    m_compressedStoredSkin = value;
    if (value)
        LoadCompressedStoredSkin(*value);
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
    return FindDefinitionIndex(m_objectDefinitions, name);
}

int TbsSkinData::FindControlIndex(const QString& name) const
{
    return FindDefinitionIndex(m_controlDefinitions, name);
}

void TbsSkinData::LoadCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin)
{
    if (storedSkin.IsEmpty())
        return;
    // A receiver of the message below may destroy the stored skin (or the list
    // entry that holds it); the load keeps its own reference to the bytes.
    const QByteArray compressed = storedSkin.CompressedData();
    // The forms drop every index into the old skin on this message, so it
    // must go out before anything is freed.
    m_empty = true;
    m_skinChanging = true;
    SendSkinDataMessage(WM_SKINDATA_BEFORE_CHANGE);
    ClearSkin();

    try {
        const SkinPackage package = ReadSkinPackage(DecompressSkinPackage(compressed));
        m_picture = ToEnginePixels(package.picture);
        m_inactivePicture = ToEnginePixels(package.inactivePicture);
        m_maskPicture = ToEnginePixels(package.mask);
        for (const QImage& picture : package.activePictures)
            m_activePictures.append(ToEnginePixels(picture));
        ReadSkin(TbsIniFile::FromText(DecodeSkinText(package.definitionText)));
    } catch (...) {
        // Half a skin is worse than none: whatever was read before the
        // failure goes, and the forms keep their fallback look.
        ClearSkin();
        throw;
    }

    m_empty = false;
    SendSkinDataMessage(WM_SKINDATA_CHANGE);
    m_skinChanging = false;
    SendSkinDataMessage(WM_SKINDATA_AFTER_CHANGE);
}

void TbsSkinData::ReadSkin(const TbsIniFile& ini)
{
    const QString version = QStringLiteral("VERSION");
    m_skinName = ReadSkinString(ini, version, QStringLiteral("skinname"));
    m_skinAuthor = ReadSkinString(ini, version, QStringLiteral("skinauthor"));
    m_authorEmail = ReadSkinString(ini, version, QStringLiteral("authoremail"));
    m_authorUrl = ReadSkinString(ini, version, QStringLiteral("authorurl"));
    m_skinComments = ReadSkinString(ini, version, QStringLiteral("skincomments"));

    const QString pictures = QStringLiteral("PICTURES");
    m_pictureName = ReadSkinString(ini, pictures, QStringLiteral("picture"));
    m_inactivePictureName = ReadSkinString(ini, pictures, QStringLiteral("inactivepicture"));
    m_maskName = ReadSkinString(ini, pictures, QStringLiteral("mask"));
    m_activePictureNames = ReadSkinStringList(ini, pictures, QStringLiteral("activepictures"));

    m_formInfo.ReadFromIni(ini, !m_maskPicture.isNull());
    m_popupWindow.ReadFromIni(ini);
    m_hintWindow.ReadFromIni(ini);
    m_skinColors.ReadFromIni(ini);
    ReadDefinitionList(ini, QStringLiteral("SKINOBJECTS"), CreateObjectDefinition, m_objectDefinitions);
    ReadDefinitionList(ini, QStringLiteral("SKINCONTROLS"), CreateControlDefinition, m_controlDefinitions);
}

void TbsSkinData::ClearSkin()
{
    FreeDefinitions();
    m_picture = QImage();
    m_maskPicture = QImage();
    m_inactivePicture = QImage();
    // The names and descriptive texts go with the pictures, so that a failed
    // load shows nothing of the skin that came before it.
    m_pictureName.clear();
    m_inactivePictureName.clear();
    m_maskName.clear();
    m_skinName.clear();
    m_skinAuthor.clear();
    m_authorEmail.clear();
    m_authorUrl.clear();
    m_skinComments.clear();
    m_empty = true;
}

void TbsSkinData::FreeDefinitions()
{
    m_objectDefinitions.clear();
    m_controlDefinitions.clear();
    m_activePictures.clear();
    m_popupWindow.windowPictureIndex = -1;
    m_hintWindow.windowPictureIndex = -1;
    m_activePictureNames.clear();
    m_skinColors.ResetToDefaults();
}

void TbsSkinData::SendSkinDataMessage(QEvent::Type message)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;

    auto* const owner = qobject_cast<QWidget*>(parent());
    QWidget* const ownerForm = owner && owner->isWindow() ? owner : nullptr;
    // A receiver may close other windows while it handles the message.
    QList<QPointer<QWidget>> recipients;
    if (ownerForm)
        recipients.append(ownerForm);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != ownerForm)
            recipients.append(widget);
    }

    for (const QPointer<QWidget>& recipient : recipients) {
        if (!recipient)
            continue;
        TbsSkinDataEvent event(message, this);
        QCoreApplication::sendEvent(recipient, &event);
    }
}
