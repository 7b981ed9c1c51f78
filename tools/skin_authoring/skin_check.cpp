#include "tools/skin_authoring/skin_check.h"

#include "app/window/main_window_skin_use.h"
#include "skin/data/control_definitions_edits.h"
#include "skin/data/definition_factory.h"
#include "skin/data/form_info.h"
#include "skin/data/hint_window_definition.h"
#include "skin/data/menu_item_definitions.h"
#include "skin/data/popup_window_definition.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_budgets.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_package_builder.h"
#include "skin/data/skin_text_codec.h"
#include "skin/data/skin_values.h"
#include "tools/skin_authoring/check_faces.h"
#include "tools/skin_authoring/check_keys.h"
#include "tools/skin_authoring/near_names.h"
#include "tools/skin_authoring/skin_folder_pack.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <vector>

namespace {

const QString kPictures = QStringLiteral("PICTURES");
const QStringList kRequiredSections { QStringLiteral("VERSION"), kPictures, QStringLiteral("FORMINFO"),
    QStringLiteral("SKINOBJECTS"), QStringLiteral("SKINCONTROLS") };
const QStringList kVersionKeys { QStringLiteral("ver"), QStringLiteral("skinname"), QStringLiteral("skinauthor"),
    QStringLiteral("authoremail"), QStringLiteral("authorurl"), QStringLiteral("skincomments") };

bool IsListIndex(QStringView key, int& index)
{
    return ParseSkinInteger(key, index) && index >= 0 && key == QString::number(index);
}

class Checker {
public:
    Checker(const SkinCheckSource& source, SkinProblems& problems)
        : m_source(source)
        , m_problems(problems)
    {
    }

    void Run();

private:
    void CheckSectionsPresent();
    void LoadPictures();
    QImage LoadNamedPicture(int line, const QString& key, const QString& name);
    void CheckPictureBudgets();
    void CheckUnnamedPictureFiles();
    void CheckVersion();
    std::unique_ptr<SkinKeyChecker> CheckKeys(const KeyedSection& section);
    void CheckUnknownKeys(int section, const QStringList& known,
        const QString& why = QStringLiteral("no definition of this kind reads this key"));
    void CheckResourceStrings();
    void CheckFrameSections();
    template<typename Definition, typename Create>
    void CheckDefinitionList(const QString& section, Create create, const QStringList& types,
        std::vector<std::unique_ptr<Definition>>& definitions);
    void CheckDefinitions();
    void CheckUnknownSections();
    void CheckMainWindowNeeds();

    // A near name for an unknown section or key; a crafted skin with
    // thousands of them gets suggestions for the first ones only, so that
    // the check stays quick.
    QString Suggest(const QString& typed, const QStringList& known);

    QImage ActivePicture(int index) const { return index >= 0 && index < m_active.size() ? m_active[index] : QImage(); }
    QString ActivePictureName(int index) const { return m_activeNames.value(index); }

    const SkinCheckSource& m_source;
    SkinProblems& m_problems;
    TbsIniFile m_ini;
    QImage m_picture;
    QImage m_inactivePicture;
    QImage m_mask;
    QList<QImage> m_active;
    QStringList m_activeNames;
    QStringList m_namedFiles;
    std::vector<std::unique_ptr<TbsDataSkinObject>> m_objects;
    std::vector<std::unique_ptr<TbsDataSkinControl>> m_controls;
    QStringList m_definitionSections;
    int m_suggestionsLeft { 200 };
};

QString Checker::Suggest(const QString& typed, const QStringList& known)
{
    if (m_suggestionsLeft == 0)
        return {};
    --m_suggestionsLeft;
    return DidYouMean(typed, known);
}

void Checker::Run()
{
    if (m_source.definitionText.size() > kMaxSkinDefinitionTextSize) {
        m_problems.Error(0, {}, {}, QStringLiteral("the definition has %1 bytes; a skin may have at most %2")
                                        .arg(m_source.definitionText.size())
                                        .arg(kMaxSkinDefinitionTextSize));
        return;
    }
    m_ini = TbsIniFile::FromText(DecodeAuthoredSkinText(m_source.definitionText));
    CheckSectionsPresent();
    LoadPictures();
    CheckVersion();
    CheckFrameSections();
    CheckDefinitions();
    CheckResourceStrings();
    CheckUnknownSections();
    CheckMainWindowNeeds();
    CheckUnnamedPictureFiles();
}

void Checker::CheckSectionsPresent()
{
    for (const QString& section : kRequiredSections) {
        if (!m_ini.SectionExists(section))
            m_problems.Error(0, {}, {}, QStringLiteral("there is no [%1] section; a skin needs [%2]")
                                            .arg(section, kRequiredSections.join(QStringLiteral("], ["))));
    }
}

QImage Checker::LoadNamedPicture(int line, const QString& key, const QString& name)
{
    if (name.isEmpty())
        return {};
    m_namedFiles.append(name.toLower());
    QString why;
    QImage image = m_source.picture(name, why);
    if (image.isNull())
        m_problems.Error(line, kPictures, key, QStringLiteral("picture \"%1\" cannot be read: %2").arg(name, why));
    return image;
}

void Checker::LoadPictures()
{
    const int section = m_ini.FindSection(kPictures);
    QStringList known { QStringLiteral("picture"), QStringLiteral("inactivepicture"), QStringLiteral("mask"),
        QStringLiteral("activepicturescount") };
    const auto load = [&](const QString& key) {
        return LoadNamedPicture(m_ini.KeyLine(section, QStringView(key)), key, SkinStringValue(m_ini.Value(section, QStringView(key))));
    };
    m_picture = load(QStringLiteral("picture"));
    m_inactivePicture = load(QStringLiteral("inactivepicture"));
    m_mask = load(QStringLiteral("mask"));

    const QString countKey = QStringLiteral("activepicturescount");
    int count = 0;
    if (const auto countText = m_ini.Value(section, QStringView(countKey)); countText && !ParseSkinInteger(*countText, count))
        m_problems.Error(m_ini.KeyLine(section, QStringView(countKey)), kPictures, countKey,
            QStringLiteral("\"%1\" is not a whole number").arg(*countText));
    m_activeNames = ReadSkinStringList(m_ini, kPictures, QStringLiteral("activepictures"));
    if (m_activeNames.size() > kMaxSkinActivePictures) {
        m_problems.Error(m_ini.KeyLine(section, QStringView(countKey)), kPictures, countKey,
            QStringLiteral("%1 active pictures; a skin may have at most %2").arg(m_activeNames.size()).arg(kMaxSkinActivePictures));
        m_activeNames = m_activeNames.first(kMaxSkinActivePictures);
    }
    for (int i = 0; i < m_activeNames.size(); ++i) {
        const QString key = QString::number(i);
        known.append(key);
        if (m_activeNames[i].isEmpty())
            m_problems.Error(m_ini.KeyLine(section, QStringView(key)) ? m_ini.KeyLine(section, QStringView(key)) : m_ini.SectionLine(section),
                kPictures, key, QStringLiteral("active picture %1 has no file name").arg(i));
        m_active.append(LoadNamedPicture(m_ini.KeyLine(section, QStringView(key)), key, m_activeNames[i]));
    }
    CheckUnknownKeys(section, known);
    if (!m_mask.isNull() && !m_picture.isNull() && m_mask.size() != m_picture.size())
        m_problems.Error(m_ini.KeyLine(section, QLatin1StringView("mask")), kPictures, QStringLiteral("mask"),
            QStringLiteral("the mask is %1 x %2 but the picture it shapes is %3 x %4")
                .arg(m_mask.width())
                .arg(m_mask.height())
                .arg(m_picture.width())
                .arg(m_picture.height()));
    CheckPictureBudgets();
}

void Checker::CheckPictureBudgets()
{
    qint64 pixels = 0;
    QList<QImage> all { m_picture, m_inactivePicture, m_mask };
    all += m_active;
    for (const QImage& image : all) {
        if (image.width() > kMaxSkinPictureSide || image.height() > kMaxSkinPictureSide)
            m_problems.Error(0, kPictures, {}, QStringLiteral("a picture of %1 x %2 pixels is larger than the %3 pixels a side may have")
                                                  .arg(image.width())
                                                  .arg(image.height())
                                                  .arg(kMaxSkinPictureSide));
        pixels += qint64(image.width()) * image.height();
    }
    if (pixels > kMaxSkinPixels)
        m_problems.Error(0, kPictures, {}, QStringLiteral("the pictures hold %1 pixels together; a skin may have at most %2")
                                              .arg(pixels)
                                              .arg(kMaxSkinPixels));
}

void Checker::CheckUnnamedPictureFiles()
{
    for (const QString& file : m_source.pictureFiles) {
        if (!m_namedFiles.contains(file.toLower()))
            m_problems.FileWarning(file, QStringLiteral("[PICTURES] never names this picture, so it is not part of the skin"));
    }
}

void Checker::CheckVersion()
{
    CheckUnknownKeys(m_ini.FindSection(QStringLiteral("VERSION")), kVersionKeys);
}

void Checker::CheckResourceStrings()
{
    QStringList known;
    for (const QString& entry : DefaultResStrings())
        known.append(entry.section(u'=', 0, 0));
    CheckUnknownKeys(m_ini.FindSection(QStringLiteral("RESOURCESTRINGS")), known,
        QStringLiteral("the program shows no text of this name"));
}

void Checker::CheckUnknownKeys(int section, const QStringList& known, const QString& why)
{
    for (qsizetype i = 0; i < m_ini.KeyCount(section); ++i) {
        const QString key = m_ini.KeyAt(section, i).toString();
        if (!known.contains(key, Qt::CaseInsensitive))
            m_problems.Warning(m_ini.KeyLineAt(section, i), m_ini.SectionNameAt(section).toString(), key,
                why + Suggest(key, known));
    }
}

std::unique_ptr<SkinKeyChecker> Checker::CheckKeys(const KeyedSection& definition)
{
    const int section = m_ini.FindSection(definition.SectionName());
    auto keys = std::make_unique<SkinKeyChecker>(m_ini, section, static_cast<int>(m_active.size()), m_problems);
    definition.InspectKeys(*keys);
    CheckUnknownKeys(section, keys->KnownKeys());
    return keys;
}

void Checker::CheckFrameSections()
{
    // Read as the loader reads them, so that the geometry is checked on the
    // values the window will use.
    TbsFormInfo form;
    TbsDataSkinPopupWindow popup;
    TbsDataSkinHintWindow hint;
    TbsSkinColors colors;
    const auto read = [this](auto& section, auto readFromIni) {
        try {
            readFromIni(section);
        } catch (const SkinConversionError&) {
            // The key checker names the value.
        }
        return CheckKeys(section);
    };
    const auto formKeys = read(form, [this](TbsFormInfo& f) { f.ReadFromIni(m_ini, !m_mask.isNull()); });
    const auto popupKeys = read(popup, [this](KeyedSection& s) { s.ReadFromIni(m_ini); });
    const auto hintKeys = read(hint, [this](KeyedSection& s) { s.ReadFromIni(m_ini); });
    read(colors, [this](KeyedSection& s) { s.ReadFromIni(m_ini); });

    FaceChecks faces(m_ini, m_problems);
    faces.RectsInside(*formKeys, m_picture, QStringLiteral("the frame picture"), { QStringLiteral("maskrectarea") });
    faces.RectsInside(*formKeys, m_mask, QStringLiteral("the mask"), {}, { QStringLiteral("maskrectarea") });
    faces.PointsInside(*formKeys, m_picture.size(), QStringLiteral("the frame picture"));
    for (const auto& [window, keys] : { std::pair<const SkinnedWindowPicture*, const SkinKeyChecker*> { &popup, popupKeys.get() },
             { &hint, hintKeys.get() } }) {
        const QImage picture = ActivePicture(window->windowPictureIndex);
        faces.RectsInside(*keys, picture, ActivePictureName(window->windowPictureIndex));
        faces.PointsInside(*keys, picture.size(), ActivePictureName(window->windowPictureIndex));
        faces.MaskFits(*keys, ActivePicture(window->maskPictureIndex), picture);
    }
}

template<typename Definition, typename Create>
void Checker::CheckDefinitionList(const QString& listSection, Create create, const QStringList& types,
    std::vector<std::unique_ptr<Definition>>& definitions)
{
    const int section = m_ini.FindSection(listSection);
    if (section < 0)
        return;
    const QString countKey = QStringLiteral("count");
    const auto countText = m_ini.Value(section, QStringView(countKey));
    int count = 0;
    if (!countText)
        m_problems.Warning(m_ini.SectionLine(section), listSection, {}, QStringLiteral("there is no count, so the list is empty"));
    else if (!ParseSkinInteger(*countText, count))
        m_problems.Error(m_ini.KeyLine(section, QStringView(countKey)), listSection, countKey,
            QStringLiteral("\"%1\" is not a whole number").arg(*countText));
    for (qsizetype i = 0; i < m_ini.KeyCount(section); ++i) {
        const QStringView key = m_ini.KeyAt(section, i);
        int index = 0;
        if (key.compare(countKey, Qt::CaseInsensitive) == 0)
            continue;
        if (!IsListIndex(key, index))
            m_problems.Warning(m_ini.KeyLineAt(section, i), listSection, key.toString(),
                QStringLiteral("a list has only count and the numbered entries 0, 1, ..."));
        else if (index >= count)
            m_problems.Warning(m_ini.KeyLineAt(section, i), listSection, key.toString(),
                QStringLiteral("entry %1 is past count=%2 and is ignored").arg(index).arg(count));
    }

    QStringList names;
    for (const int index : PresentListIndexes(m_ini, listSection, count)) {
        const QString key = QString::number(index);
        const int line = m_ini.KeyLine(section, QStringView(key));
        const QString value = SkinStringValue(m_ini.Value(section, QStringView(key)));
        const DefinitionEntry entry = SplitDefinitionEntry(value);
        if (entry.name.isEmpty() && entry.type.isEmpty()) {
            m_problems.Error(line, listSection, key, QStringLiteral("\"%1\" needs the form name:type").arg(value));
            continue;
        }
        std::unique_ptr<Definition> definition = create(entry.type, entry.name);
        if (!definition) {
            m_problems.Error(line, listSection, key,
                QStringLiteral("\"%1\" is not a type of [%2]%3").arg(entry.type, listSection, DidYouMean(entry.type, types)));
            continue;
        }
        if (names.contains(entry.name)) {
            m_problems.Warning(line, listSection, key,
                QStringLiteral("a second definition named \"%1\"; the window uses the first").arg(entry.name));
            continue;
        }
        if (static_cast<int>(definitions.size()) == kMaxSkinDefinitions) {
            m_problems.Error(line, listSection, key, QStringLiteral("more than the %1 definitions a skin may have").arg(kMaxSkinDefinitions));
            break;
        }
        names.append(entry.name);
        m_definitionSections.append(entry.name);
        if (!m_ini.SectionExists(entry.name))
            m_problems.Warning(line, listSection, key,
                QStringLiteral("there is no section [%1], so every key takes its default").arg(entry.name));
        try {
            definition->ReadFromIni(m_ini);
        } catch (const SkinConversionError&) {
            // The key checker names the value.
        }
        definitions.push_back(std::move(definition));
    }
}

void Checker::CheckDefinitions()
{
    CheckDefinitionList(QStringLiteral("SKINOBJECTS"), CreateObjectDefinition, ObjectDefinitionTypes(), m_objects);
    CheckDefinitionList(QStringLiteral("SKINCONTROLS"), CreateControlDefinition, ControlDefinitionTypes(), m_controls);

    FaceChecks faces(m_ini, m_problems);
    for (const auto& object : m_objects) {
        const auto keys = CheckKeys(*object);
        const bool menuItem = dynamic_cast<const TbsDataSkinMenuItem*>(object.get())
            || dynamic_cast<const TbsDataSkinMainMenuItem*>(object.get());
        const int index = object->activePictureIndex;
        const QImage active = index >= 0 ? ActivePicture(index) : m_picture;
        const QString activeName = index >= 0 ? ActivePictureName(index) : QStringLiteral("the frame picture");
        // A caption button's normal face is cut from the frame picture,
        // where it also stands, unless the skin says otherwise.
        if (menuItem || object->skinRectInAPicture) {
            faces.RectsInside(*keys, active, activeName);
        } else {
            faces.RectsInside(*keys, m_picture, QStringLiteral("the frame picture"), {}, { QStringLiteral("skinrect") });
            faces.RectsInside(*keys, active, activeName, { QStringLiteral("skinrect") });
        }
        if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(object.get()))
            faces.CaptionContrast(*caption, m_picture, m_inactivePicture);
        if (menuItem)
            faces.TextContrast(*keys, active);
    }
    for (const auto& control : m_controls) {
        const auto keys = CheckKeys(*control);
        const QImage picture = ActivePicture(control->pictureIndex);
        const QString pictureName = ActivePictureName(control->pictureIndex);
        faces.RectsInside(*keys, picture, pictureName);
        faces.MaskFits(*keys, ActivePicture(control->maskPictureIndex), picture);
        if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(control.get())) {
            const QSize face(custom->skinRect.Width(), custom->skinRect.Height());
            faces.PointsInside(*keys, face, QStringLiteral("skinrect"));
            faces.RectsInside(*keys, face, QStringLiteral("skinrect (%1 x %2)").arg(face.width()).arg(face.height()), {},
                { QStringLiteral("clientrect") });
        }
        if (const auto* memo = dynamic_cast<const TbsDataSkinMemoControl*>(control.get()))
            faces.ColorContrast(*keys, QStringLiteral("fontcolor"), memo->fontColor, memo->bgColor, QStringLiteral("bgcolor"));
        else
            faces.TextContrast(*keys, picture);
    }
}

void Checker::CheckUnknownSections()
{
    QStringList known = kRequiredSections;
    known << QStringLiteral("POPUPWINDOW") << QStringLiteral("HINTWINDOW") << QStringLiteral("SKINCOLORS")
          << QStringLiteral("RESOURCESTRINGS") << m_definitionSections;
    QSet<QString> folded;
    for (const QString& name : known)
        folded.insert(name.toLower());
    const QStringList sections = m_ini.Sections();
    for (int i = 0; i < sections.size(); ++i) {
        if (folded.contains(sections[i].toLower()))
            continue;
        m_problems.Warning(m_ini.SectionLine(i), sections[i], {},
            QStringLiteral("no list entry names this section, so nothing reads it%1").arg(Suggest(sections[i], known)));
    }
}

void Checker::CheckMainWindowNeeds()
{
    const int controls = m_ini.FindSection(QStringLiteral("SKINCONTROLS"));
    QStringList controlNames;
    for (const auto& control : m_controls)
        controlNames.append(control->IDName());
    for (const QLatin1StringView name : main_window_skin::kControlDefinitions) {
        if (!controlNames.contains(name))
            m_problems.Warning(m_ini.SectionLine(controls), QStringLiteral("SKINCONTROLS"), {},
                QStringLiteral("no control definition \"%1\": the main window draws its plain look there%2")
                    .arg(name, DidYouMean(name, controlNames)));
    }
    const int objects = m_ini.FindSection(QStringLiteral("SKINOBJECTS"));
    const auto hasObject = [this](auto&& matches) {
        return std::any_of(m_objects.begin(), m_objects.end(), [&](const auto& object) { return matches(*object); });
    };
    for (const TbsStdCommand command : main_window_skin::kCaptionButtonCommands) {
        if (!hasObject([command](const TbsDataSkinObject& object) {
                const auto* button = dynamic_cast<const TbsDataSkinStdButton*>(&object);
                return button && button->command == command;
            }))
            m_problems.Warning(m_ini.SectionLine(objects), QStringLiteral("SKINOBJECTS"), {},
                QStringLiteral("no stdbutton with command=%1: the main window's frame has no such button")
                    .arg(StdCommandWord(command)));
    }
    if (!hasObject([](const TbsDataSkinObject& object) { return dynamic_cast<const TbsDataSkinCaption*>(&object); }))
        m_problems.Warning(m_ini.SectionLine(objects), QStringLiteral("SKINOBJECTS"), {},
            QStringLiteral("no caption: the main window's title is not drawn"));
    if (!hasObject([](const TbsDataSkinObject& object) { return dynamic_cast<const TbsDataSkinMenuItem*>(&object); }))
        m_problems.Warning(m_ini.SectionLine(objects), QStringLiteral("SKINOBJECTS"), {},
            QStringLiteral("no menuitem: the window's menus draw their plain look"));
}

} // namespace

SkinCheckSource SkinFolderCheckSource(const QString& folderOrDefinition)
{
    const QString path = SkinDefinitionPath(folderOrDefinition);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SkinPackageError(QStringLiteral("cannot read skin definition '%1': %2").arg(path, file.errorString()).toStdString());
    SkinCheckSource source;
    source.definitionFile = QFileInfo(path).fileName();
    source.definitionText = file.read(kMaxSkinDefinitionTextSize + 1);
    const QDir folder = QFileInfo(path).absoluteDir();
    source.picture = [folder](const QString& name, QString& why) {
        try {
            return LoadSkinFolderPicture(folder, name);
        } catch (const std::exception& error) {
            why = QString::fromUtf8(error.what());
            return QImage();
        }
    };
    source.pictureFiles = folder.entryList({ QStringLiteral("*.bmp") }, QDir::Files, QDir::Name | QDir::IgnoreCase);
    return source;
}

SkinCheckSource SkinPackageCheckSource(const SkinPackage& package)
{
    SkinCheckSource source;
    source.definitionText = package.definitionText;
    const TbsIniFile ini = TbsIniFile::FromText(DecodeSkinText(package.definitionText));
    QHash<QString, QImage> pictures;
    const auto add = [&pictures](const QString& name, const QImage& image) {
        if (!name.isEmpty() && !image.isNull())
            pictures.insert(name.toLower(), image);
    };
    add(ReadSkinString(ini, kPictures, QStringLiteral("picture")), package.picture);
    add(ReadSkinString(ini, kPictures, QStringLiteral("inactivepicture")), package.inactivePicture);
    add(ReadSkinString(ini, kPictures, QStringLiteral("mask")), package.mask);
    const QStringList active = ReadSkinStringList(ini, kPictures, QStringLiteral("activepictures"));
    for (qsizetype i = 0; i < active.size() && i < package.activePictures.size(); ++i)
        add(active[i], package.activePictures[i]);
    source.picture = [pictures](const QString& name, QString& why) {
        const QImage image = pictures.value(name.toLower());
        if (image.isNull())
            why = QStringLiteral("the package holds no such picture");
        return image;
    };
    return source;
}

SkinProblems CheckSkin(const SkinCheckSource& source)
{
    SkinProblems problems(source.definitionFile);
    Checker(source, problems).Run();
    problems.SortByLine();
    return problems;
}
