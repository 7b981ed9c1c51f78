// Checks each committed built-in skin folder (skins/default, skins/dark): its
// definition text, the pictures it names, and that every rectangle and point
// it gives lies inside the picture (or the face) it refers to.
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/data_skin_control.h"
#include "skin/data/data_skin_object.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_values.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <optional>

namespace {

struct BuiltInFolder {
    const char* folder;
    const char* skinName;
};

void PrintTo(const BuiltInFolder& skin, std::ostream* out) { *out << skin.folder; }

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int BitsPerPixel(const QByteArray& bmp) { return bmp.size() < 30 ? 0 : static_cast<uchar>(bmp[28]) | static_cast<uchar>(bmp[29]) << 8; }

// The names the main window and its frame look up, with the type each needs.
const std::map<QString, QString> kRequiredControls {
    { "button", "button" },
    { "checkbox", "checkradio" },
    { "radiobox", "checkradio" },
    { "panel", "panel" },
    { "stdlabel", "stdlabel" },
    { "label", "label" },
    { "edit", "edit" },
    { "memo", "memo" },
    { "vscrollbar", "scrollbar" },
    { "hscrollbar", "scrollbar" },
    { "bothhscrollbar", "scrollbar" },
    { "slider", "slider" },
    { "tab", "tab" },
    { "hupdown", "updown" },
    { "gauge", "gauge" },
    { "vgauge", "gauge" },
};

const std::map<QString, QString> kRequiredObjects {
    { "closebutton", "stdbutton" },
    { "maxbutton", "stdbutton" },
    { "minbutton", "stdbutton" },
    { "rollupbutton", "stdbutton" },
    { "sysmenubutton", "stdbutton" },
    { "traybutton", "stdbutton" },
    { "caption", "caption" },
    { "menuitem", "menuitem" },
    { "mainmenubaritem", "mainmenubaritem" },
    { "menubarsysmenubutton", "mainmenubarbutton" },
    { "menubarclosebutton", "mainmenubarbutton" },
    { "menubarmaxbutton", "mainmenubarbutton" },
    { "menubarminbutton", "mainmenubarbutton" },
};

const std::map<QString, QString> kCommands {
    { "closebutton", "cmclose" },
    { "maxbutton", "cmmaximize" },
    { "minbutton", "cmminimize" },
    { "rollupbutton", "cmrollup" },
    { "sysmenubutton", "cmsysmenu" },
    { "traybutton", "cmminimizetotray" },
};

bool IsRectKey(const QString& key) { return key.endsWith("rect") || key.endsWith("area") || key == "disableskinrsect"; }
bool IsPointKey(const QString& key) { return key.endsWith("point"); }

bool Inside(const SkinRect& rect, QSize bounds)
{
    return !rect.IsEmpty() && rect.left >= 0 && rect.top >= 0 && rect.right <= bounds.width() && rect.bottom <= bounds.height();
}

bool Inside(QPoint point, QSize bounds)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() <= bounds.width() && point.y() <= bounds.height();
}

struct Definition {
    QString name;
    QString type;
};

class BuiltInSkinFolder : public testing::TestWithParam<BuiltInFolder> {
protected:
    static QString SkinFolder()
    {
        return QDir::cleanPath(QStringLiteral(LUMENO_TEST_DATA_DIR "/../../../../skins/") + GetParam().folder);
    }

    void SetUp() override
    {
        m_text = ReadFile(SkinFolder() + "/skin.ini");
        ASSERT_FALSE(m_text.isEmpty()) << "no skin.ini in " << SkinFolder().toStdString();
        m_ini = TbsIniFile::FromText(QString::fromLatin1(m_text));
        m_frame = QImage(PicturePath(m_ini.ReadString("PICTURES", "picture")));
        for (const QString& name : ReadSkinStringList(m_ini, "PICTURES", "activepictures"))
            m_active.push_back(QImage(PicturePath(name)));
    }

    QString PicturePath(const QString& name) const { return SkinFolder() + "/" + name; }

    std::vector<Definition> Entries(const QString& list) const
    {
        std::vector<Definition> entries;
        const int count = m_ini.ReadInteger(list, "count");
        for (int i = 0; i < count; ++i) {
            const QString entry = m_ini.ReadString(list, QString::number(i));
            const qsizetype colon = entry.indexOf(':');
            entries.push_back({ entry.left(colon), colon < 0 ? QString() : entry.mid(colon + 1) });
        }
        return entries;
    }

    // The active picture an index names, or nothing for -1 or a bad index.
    std::optional<QSize> ActiveSize(int index) const
    {
        if (index < 0 || index >= static_cast<int>(m_active.size()))
            return std::nullopt;
        return m_active[index].size();
    }

    // Checks every rectangle and point key of a section: those listed in
    // relativeKeys against the size of the section's skinrect, all others
    // against the picture.
    void ExpectKeysInside(const QString& section, QSize picture, const QSet<QString>& relativeKeys,
        std::optional<QSize> skinRectPicture = std::nullopt) const
    {
        const SkinRect skinRect = ReadSkinRect(m_ini, section, "skinrect");
        const QSize face(skinRect.Width(), skinRect.Height());
        for (const QString& rawKey : m_ini.Keys(section)) {
            const QString key = rawKey.toLower();
            const std::string where = "[" + section.toStdString() + "] " + key.toStdString();
            if (IsRectKey(key)) {
                const SkinRect rect = ReadSkinRect(m_ini, section, key);
                if (rect == SkinRect {})
                    continue;
                QSize bounds = relativeKeys.contains(key) ? face : picture;
                if (key == "skinrect" && skinRectPicture)
                    bounds = *skinRectPicture;
                EXPECT_TRUE(Inside(rect, bounds)) << where << " = " << m_ini.ReadString(section, key).toStdString()
                                                  << " outside " << bounds.width() << "x" << bounds.height();
            } else if (IsPointKey(key)) {
                EXPECT_TRUE(Inside(ReadSkinPoint(m_ini, section, key), face)) << where << " outside the face";
            }
        }
    }

    QByteArray m_text;
    TbsIniFile m_ini;
    QImage m_frame;
    std::vector<QImage> m_active;
};

TEST_P(BuiltInSkinFolder, TextUsesCrLfLowerCaseKeysAndDescribesTheSkin)
{
    EXPECT_TRUE(m_text.endsWith("\r\n"));
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (m_text[i] == '\n') {
            ASSERT_TRUE(i > 0 && m_text[i - 1] == '\r') << "bare line feed at byte " << i;
        }
        if (m_text[i] == '\r') {
            ASSERT_TRUE(i + 1 < m_text.size() && m_text[i + 1] == '\n') << "bare carriage return at byte " << i;
        }
    }
    for (const QString& section : m_ini.Sections()) {
        for (const QString& key : m_ini.Keys(section))
            EXPECT_EQ(key, key.toLower()) << "[" << section.toStdString() << "]";
    }
    for (const char* section : { "VERSION", "PICTURES", "FORMINFO", "POPUPWINDOW", "HINTWINDOW", "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS" })
        EXPECT_TRUE(m_ini.SectionExists(section)) << section;
    EXPECT_EQ(m_ini.ReadString("VERSION", "skinname"), GetParam().skinName);
    EXPECT_EQ(m_ini.ReadString("VERSION", "skinauthor"), "Lumeno");
}

TEST_P(BuiltInSkinFolder, NamesEveryPictureAsAReadableBmpOfTheRightDepth)
{
    ASSERT_FALSE(m_frame.isNull());
    const QByteArray mask = ReadFile(PicturePath(m_ini.ReadString("PICTURES", "mask")));
    EXPECT_EQ(QImage::fromData(mask, "BMP").size(), m_frame.size());
    EXPECT_TRUE(BitsPerPixel(mask) == 1 || BitsPerPixel(mask) == 8);
    EXPECT_TRUE(m_ini.ReadString("PICTURES", "inactivepicture").isEmpty());

    const QStringList names = ReadSkinStringList(m_ini, "PICTURES", "activepictures");
    ASSERT_EQ(names.size(), static_cast<qsizetype>(m_active.size()));
    qint64 totalBytes = ReadFile(PicturePath(m_ini.ReadString("PICTURES", "picture"))).size() + mask.size();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QByteArray bytes = ReadFile(PicturePath(names[i]));
        totalBytes += bytes.size();
        EXPECT_FALSE(m_active[i].isNull()) << names[i].toStdString();
        EXPECT_TRUE(bytes.startsWith("BM")) << names[i].toStdString();
        const int expectedDepth = names[i].endsWith("mask.bmp") ? 1 : 24;
        EXPECT_EQ(BitsPerPixel(bytes), expectedDepth) << names[i].toStdString();
    }
    EXPECT_LT(totalBytes, 1024 * 1024) << "the pictures should stay small";
}

TEST_P(BuiltInSkinFolder, ListsEveryDefinitionTheWindowUsesEachWithItsSection)
{
    QSet<QString> names;
    std::map<QString, QString> controls;
    for (const Definition& entry : Entries("SKINCONTROLS")) {
        EXPECT_FALSE(names.contains(entry.name)) << "named twice: " << entry.name.toStdString();
        names.insert(entry.name);
        controls[entry.name] = entry.type;
        EXPECT_TRUE(m_ini.SectionExists(entry.name)) << "no section for " << entry.name.toStdString();
    }
    std::map<QString, QString> objects;
    for (const Definition& entry : Entries("SKINOBJECTS")) {
        EXPECT_FALSE(names.contains(entry.name)) << "named twice: " << entry.name.toStdString();
        names.insert(entry.name);
        objects[entry.name] = entry.type;
        EXPECT_TRUE(m_ini.SectionExists(entry.name)) << "no section for " << entry.name.toStdString();
    }
    for (const auto& [name, type] : kRequiredControls)
        EXPECT_EQ(controls[name], type) << "control " << name.toStdString();
    for (const auto& [name, type] : kRequiredObjects)
        EXPECT_EQ(objects[name], type) << "object " << name.toStdString();
    for (const auto& [name, command] : kCommands)
        EXPECT_EQ(m_ini.ReadString(name, "command"), command) << name.toStdString();
}

TEST_P(BuiltInSkinFolder, PictureIndexesNameExistingPictures)
{
    const int count = static_cast<int>(m_active.size());
    for (const QString& section : m_ini.Sections()) {
        for (const QString& key : m_ini.Keys(section)) {
            if (!key.endsWith("pictureindex"))
                continue;
            const int index = PictureIndexValue(m_ini.Value(section, key));
            EXPECT_TRUE(index >= -1 && index < count) << "[" << section.toStdString() << "] " << key.toStdString();
        }
    }
    // Every picture-based control has its picture, and all but the slider
    // (which has only ruler and thumb images) a face in it.
    for (const Definition& entry : Entries("SKINCONTROLS")) {
        if (entry.type == "stdlabel")
            continue;
        EXPECT_TRUE(ActiveSize(PictureIndexValue(m_ini.Value(entry.name, "pictureindex")))) << entry.name.toStdString();
        if (entry.type != "slider") {
            EXPECT_FALSE(ReadSkinRect(m_ini, entry.name, "skinrect").IsEmpty()) << entry.name.toStdString();
        }
    }
}

TEST_P(BuiltInSkinFolder, EveryControlRectangleLiesInsideItsPictureOrFace)
{
    const QSet<QString> relative { "clientrect", "trackarea", "checkimagearea", "textarea", "progressarea", "captionrect", "frametextrect" };
    for (const Definition& entry : Entries("SKINCONTROLS")) {
        const std::optional<QSize> picture = ActiveSize(PictureIndexValue(m_ini.Value(entry.name, "pictureindex")));
        if (!picture)
            continue;
        QSet<QString> relativeKeys = relative;
        // The arrow buttons of these two give their place on the face; their
        // hover and pressed images are cut from the picture.
        if (entry.type == "scrollbar" || entry.type == "updown")
            relativeKeys += { "upbuttonrect", "downbuttonrect" };
        SCOPED_TRACE(entry.name.toStdString());
        ExpectKeysInside(entry.name, *picture, relativeKeys);
    }
}

TEST_P(BuiltInSkinFolder, EveryFrameRectangleLiesInsideItsPicture)
{
    ASSERT_FALSE(m_frame.isNull());
    for (const Definition& entry : Entries("SKINOBJECTS")) {
        SCOPED_TRACE(entry.name.toStdString());
        const std::optional<QSize> picture = ActiveSize(PictureIndexValue(m_ini.Value(entry.name, "activepictureindex")));
        const bool inPicture = m_ini.ReadBool(entry.name, "skinrectinapicture");
        const QSet<QString> relativeKeys { "textrect", "imagerect", "frametextrect" };
        if (inPicture) {
            ASSERT_TRUE(picture);
            ExpectKeysInside(entry.name, *picture, relativeKeys);
        } else {
            // The normal face is a place on the frame picture; other faces,
            // if any, come from the active picture.
            ExpectKeysInside(entry.name, picture.value_or(QSize()), relativeKeys, m_frame.size());
        }
    }

    for (const QString& key : m_ini.Keys("FORMINFO")) {
        if (IsRectKey(key) && ReadSkinRect(m_ini, "FORMINFO", key) != SkinRect {}) {
            EXPECT_TRUE(Inside(ReadSkinRect(m_ini, "FORMINFO", key), m_frame.size())) << key.toStdString();
        }
        if (IsPointKey(key)) {
            EXPECT_TRUE(Inside(ReadSkinPoint(m_ini, "FORMINFO", key), m_frame.size())) << key.toStdString();
        }
    }

    for (const char* window : { "POPUPWINDOW", "HINTWINDOW" }) {
        SCOPED_TRACE(window);
        const std::optional<QSize> picture = ActiveSize(PictureIndexValue(m_ini.Value(window, "windowpictureindex")));
        ASSERT_TRUE(picture);
        EXPECT_EQ(ActiveSize(PictureIndexValue(m_ini.Value(window, "maskpictureindex"))), picture);
        for (const QString& key : m_ini.Keys(window)) {
            if (IsRectKey(key)) {
                EXPECT_TRUE(Inside(ReadSkinRect(m_ini, window, key), *picture)) << key.toStdString();
            }
            if (IsPointKey(key)) {
                EXPECT_TRUE(Inside(ReadSkinPoint(m_ini, window, key), *picture)) << key.toStdString();
            }
        }
    }
}

TEST_P(BuiltInSkinFolder, FrameMaskCutsOnlyTheRoundedCorners)
{
    const QImage mask = QImage(PicturePath(m_ini.ReadString("PICTURES", "mask"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(mask.size(), m_frame.size());
    const auto inside = [&](int x, int y) { return mask.pixel(x, y) == qRgb(0, 0, 0); };
    const int w = mask.width();
    const int h = mask.height();
    for (const QPoint corner : { QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1) })
        EXPECT_FALSE(inside(corner.x(), corner.y())) << corner.x() << "," << corner.y();
    // Outside the mask area everything is part of the window; the corner
    // cuts lie in the strips around it.
    const SkinRect area = ReadSkinRect(m_ini, "FORMINFO", "maskrectarea");
    const SkinRect client = ReadSkinRect(m_ini, "FORMINFO", "clientrect");
    EXPECT_TRUE(area.left <= client.left && area.top <= client.top && area.right >= client.right && area.bottom >= client.bottom);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            ASSERT_TRUE(inside(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(inside(w / 2, 0));
    EXPECT_TRUE(inside(0, h / 2));
}

// Sizes that the main window's layout depends on.
TEST_P(BuiltInSkinFolder, ControlFacesFitTheMainWindow)
{
    const SkinRect button = ReadSkinRect(m_ini, "button", "skinrect");
    EXPECT_NE(ReadSkinPoint(m_ini, "button", "righttoppoint"), QPoint()); // horizontal composition
    EXPECT_EQ(ReadSkinPoint(m_ini, "button", "rightbottompoint"), QPoint());
    EXPECT_TRUE(button.Height() >= 22 && button.Height() <= 25);
    for (const char* face : { "activeskinrect", "downskinrect", "disabledskinrect", "focusedskinrect" }) {
        const SkinRect rect = ReadSkinRect(m_ini, "button", face);
        EXPECT_EQ(rect.Width(), button.Width()) << face;
        EXPECT_EQ(rect.Height(), button.Height()) << face;
    }

    // The memo's bar is 19 pixels wide and grows downward only.
    EXPECT_EQ(ReadSkinRect(m_ini, "vscrollbar", "skinrect").Width(), 19);
    EXPECT_EQ(ReadSkinPoint(m_ini, "vscrollbar", "righttoppoint"), QPoint());
    EXPECT_NE(ReadSkinPoint(m_ini, "vscrollbar", "leftbottompoint"), QPoint());
    EXPECT_EQ(ReadSkinRect(m_ini, "vscrollbar", "thumbrect").Width(), 19);

    const SkinRect check = ReadSkinRect(m_ini, "checkbox", "checkimagerect");
    for (const char* image : { "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect", "unenabledcheckimagerect",
             "unenableduncheckimagerect", "grayedcheckimagerect", "activegrayedcheckimagerect" }) {
        const SkinRect rect = ReadSkinRect(m_ini, "checkbox", image);
        EXPECT_EQ(rect.Width(), check.Width()) << image;
        EXPECT_EQ(rect.Height(), check.Height()) << image;
    }
    // Check marks are drawn transparently with their bottom-left pixel as
    // the key, so that pixel must not belong to the mark.
    const QImage& controls = m_active[PictureIndexValue(m_ini.Value("checkbox", "pictureindex"))];
    EXPECT_EQ(controls.pixel(check.left, check.bottom - 1), controls.pixel(check.left, check.top));

    // The selected tab is one pixel taller, to cover the page frame's edge.
    EXPECT_EQ(ReadSkinRect(m_ini, "tab", "activetabrect").Height(), ReadSkinRect(m_ini, "tab", "tabrect").Height() + 1);

    // The slider's thumb holds two states side by side.
    EXPECT_EQ(ReadSkinRect(m_ini, "slider", "hthumbrect").Width() % 2, 0);
}

// The pieces between the corner points repeat to any size, so each must be
// the same in every column (or row) that repeats, or seams would show.
TEST_P(BuiltInSkinFolder, RepeatedBandsTileWithoutSeams)
{
    const auto uniformColumns = [](const QImage& picture, const QRect& band) {
        for (int x = band.left() + 1; x <= band.right(); ++x) {
            for (int y = band.top(); y <= band.bottom(); ++y) {
                if (picture.pixel(x, y) != picture.pixel(band.left(), y))
                    return false;
            }
        }
        return true;
    };
    const auto uniformRows = [](const QImage& picture, const QRect& band) {
        for (int y = band.top() + 1; y <= band.bottom(); ++y) {
            for (int x = band.left(); x <= band.right(); ++x) {
                if (picture.pixel(x, y) != picture.pixel(x, band.top()))
                    return false;
            }
        }
        return true;
    };

    const QPoint leftTop = ReadSkinPoint(m_ini, "FORMINFO", "lefttoppoint");
    const QPoint rightTop = ReadSkinPoint(m_ini, "FORMINFO", "righttoppoint");
    const QPoint leftBottom = ReadSkinPoint(m_ini, "FORMINFO", "leftbottompoint");
    const SkinRect client = ReadSkinRect(m_ini, "FORMINFO", "clientrect");
    EXPECT_TRUE(uniformColumns(m_frame, QRect(QPoint(leftTop.x(), 0), QPoint(rightTop.x() - 1, m_frame.height() - 1))));
    EXPECT_TRUE(uniformRows(m_frame, QRect(QPoint(0, leftTop.y()), QPoint(m_frame.width() - 1, leftBottom.y() - 1))));
    EXPECT_TRUE(uniformColumns(m_frame, client.ToQRect()) && uniformRows(m_frame, client.ToQRect()));

    const std::map<QString, QStringList> horizontal {
        { "button", { "skinrect", "activeskinrect", "downskinrect", "disabledskinrect", "focusedskinrect" } },
        { "checkbox", { "skinrect", "activeskinrect" } },
        { "edit", { "skinrect", "activeskinrect" } },
        { "label", { "skinrect" } },
        { "gauge", { "skinrect" } },
        { "hscrollbar", { "skinrect" } },
        { "bothhscrollbar", { "skinrect" } },
    };
    for (const auto& [name, faces] : horizontal) {
        const QImage& picture = m_active[PictureIndexValue(m_ini.Value(name, "pictureindex"))];
        const int left = ReadSkinPoint(m_ini, name, "lefttoppoint").x();
        const int right = ReadSkinPoint(m_ini, name, "righttoppoint").x();
        for (const QString& face : faces) {
            const SkinRect rect = ReadSkinRect(m_ini, name, face);
            EXPECT_TRUE(uniformColumns(picture, QRect(QPoint(rect.left + left, rect.top), QPoint(rect.left + right - 1, rect.bottom - 1))))
                << name.toStdString() << " " << face.toStdString();
        }
    }
    for (const QString name : { "vscrollbar", "vgauge" }) {
        const QImage& picture = m_active[PictureIndexValue(m_ini.Value(name, "pictureindex"))];
        const SkinRect rect = ReadSkinRect(m_ini, name, "skinrect");
        const int top = ReadSkinPoint(m_ini, name, "lefttoppoint").y();
        const int bottom = ReadSkinPoint(m_ini, name, "leftbottompoint").y();
        EXPECT_TRUE(uniformRows(picture, QRect(QPoint(rect.left, rect.top + top), QPoint(rect.right - 1, rect.top + bottom - 1))))
            << name.toStdString();
    }
}

TEST_P(BuiltInSkinFolder, PacksAndLoadsIntoTheSkinData)
{
    TbsCompressedStoredSkin stored;
    stored.LoadFromSkinFile(SkinFolder() + "/skin.ini");
    ASSERT_FALSE(stored.IsEmpty());
    EXPECT_TRUE(stored.CompressedData().startsWith("\x78\xDA"));

    TbsSkinData skin;
    skin.LoadCompressedStoredSkin(stored);
    ASSERT_FALSE(skin.Empty());
    EXPECT_EQ(skin.SkinName(), GetParam().skinName);
    EXPECT_EQ(skin.Picture().size(), m_frame.size());
    EXPECT_EQ(skin.MaskPicture().size(), m_frame.size());
    EXPECT_EQ(skin.ActivePictures().size(), static_cast<qsizetype>(m_active.size()));
    for (const auto& [name, type] : kRequiredControls) {
        const int index = skin.FindControlIndex(name);
        ASSERT_GE(index, 0) << name.toStdString();
        EXPECT_EQ(skin.ControlDefinitions()[index]->TypeName(), type) << name.toStdString();
    }
    for (const auto& [name, type] : kRequiredObjects) {
        const int index = skin.FindObjectIndex(name);
        ASSERT_GE(index, 0) << name.toStdString();
        EXPECT_EQ(skin.ObjectDefinitions()[index]->TypeName(), type) << name.toStdString();
    }
    // Chinese texts for the system menu and the edit menus, the accelerators
    // of the English ones kept.
    const std::map<QString, QString> texts { { "MI_MINCAPTION", "最小化(&N)" }, { "MI_MAXCAPTION", "最大化(&X)" },
        { "MI_RESTORECAPTION", "还原(&R)" }, { "MI_CLOSECAPTION", "关闭(&C)" }, { "EDIT_UNDO", "撤销" },
        { "EDIT_CUT", "剪切" }, { "EDIT_COPY", "复制" }, { "EDIT_PASTE", "粘贴" }, { "EDIT_DELETE", "删除" },
        { "EDIT_SELECTALL", "全选" } };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(SkinResStr(&skin, name), text) << name.toStdString();
}

// The contrast ratio of two colours as the web's accessibility guidelines
// define it: 1 for equal colours, 21 for black on white.
double ContrastRatio(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb FromSkinColor(SkinColor colour) { return qRgb(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF); }

// Every text the window shows in a normal, hovered, pressed or selected
// state stands out from the face it is drawn on by at least 4.5 : 1, the
// guidelines' level for body text; only disabled texts may be fainter.
TEST_P(BuiltInSkinFolder, EveryTextReadsWellOnItsFace)
{
    struct Pair {
        const char* section;
        const char* colourKey;
        const char* faceKey;
    };
    const Pair pairs[] = {
        { "button", "fontcolor", "skinrect" },
        { "button", "activefontcolor", "activeskinrect" },
        { "button", "downfontcolor", "downskinrect" },
        { "button", "fontcolor", "focusedskinrect" },
        { "checkbox", "fontcolor", "skinrect" },
        { "checkbox", "activefontcolor", "activeskinrect" },
        { "label", "fontcolor", "skinrect" },
        { "panel", "fontcolor", "skinrect" },
        { "edit", "fontcolor", "skinrect" },
        { "edit", "activefontcolor", "activeskinrect" },
        { "memo", "fontcolor", "skinrect" },
        { "tab", "fontcolor", "tabrect" },
        { "tab", "activefontcolor", "activetabrect" },
        { "tab", "mouseinfontcolor", "mouseintabrect" },
        { "menuitem", "fontcolor", "skinrect" },
        { "menuitem", "activefontcolor", "activeskinrect" },
        { "mainmenubaritem", "fontcolor", "skinrect" },
        { "mainmenubaritem", "activefontcolor", "activeskinrect" },
        { "mainmenubaritem", "downfontcolor", "downrect" },
    };
    const auto faceCentre = [&](const QString& section, const QString& key, const QString& pictureKey) {
        const QImage& picture = m_active.at(PictureIndexValue(m_ini.Value(section, pictureKey)));
        const QPoint centre = ReadSkinRect(m_ini, section, key).ToQRect().center();
        return picture.pixel(centre);
    };
    for (const Pair& pair : pairs) {
        const bool isObject = m_ini.ReadString(pair.section, "activepictureindex").size() > 0;
        const QRgb face = faceCentre(pair.section, pair.faceKey, isObject ? "activepictureindex" : "pictureindex");
        const QRgb text = FromSkinColor(SkinColorValue(m_ini.Value(pair.section, pair.colourKey), 0));
        EXPECT_GE(ContrastRatio(text, face), 4.5) << "[" << pair.section << "] " << pair.colourKey << " on " << pair.faceKey;
    }
    // The labels without a picture stand on the tool strip's panel.
    const QRgb panel = faceCentre("panel", "skinrect", "pictureindex");
    EXPECT_GE(ContrastRatio(FromSkinColor(SkinColorValue(m_ini.Value("stdlabel", "fontcolor"), 0)), panel), 4.5);
    EXPECT_GE(ContrastRatio(FromSkinColor(SkinColorValue(m_ini.Value("memo", "fontcolor"), 0)),
                  FromSkinColor(SkinColorValue(m_ini.Value("memo", "bgcolor"), 0))),
        4.5);
    // The title on the caption, active and inactive, and the hint's text.
    const SkinRect caption = ReadSkinRect(m_ini, "caption", "skinrect");
    const QRgb captionFace = m_frame.pixel(caption.ToQRect().center());
    for (const char* key : { "activefontcolor", "fontcolor" })
        EXPECT_GE(ContrastRatio(FromSkinColor(SkinColorValue(m_ini.Value("caption", key), 0)), captionFace), 4.5) << key;
    const QImage& hint = m_active.at(PictureIndexValue(m_ini.Value("HINTWINDOW", "windowpictureindex")));
    EXPECT_GE(ContrastRatio(FromSkinColor(SkinColorValue(m_ini.Value("HINTWINDOW", "fontcolor"), 0)), hint.pixel(hint.rect().center())), 4.5);
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, BuiltInSkinFolder,
    testing::Values(BuiltInFolder { "default", "Lumeno Light" }, BuiltInFolder { "dark", "Lumeno Dark" }),
    [](const testing::TestParamInfo<BuiltInFolder>& info) { return std::string(info.param.folder); });

} // namespace
