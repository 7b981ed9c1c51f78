// Draws one of the built-in skins, "Lumeno Light" or "Lumeno Dark", and
// writes its pictures and skin.ini into the folder given on the command line.
// Both come from the same drawing code in their own palettes. Nothing but
// this program and Qt's painter shapes the output (no fonts, no clock, no
// environment), so a second run reproduces the committed files byte for byte.
// With --icons it draws the application icon instead.
#include "app_icon_art.h"
#include "art_palette.h"
#include "bmp_writer.h"
#include "caption_button_art.h"
#include "control_art.h"
#include "frame_art.h"
#include "menu_art.h"
#include "skin_ini_writer.h"
#include "skin_pictures.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {

struct SkinTheme {
    const char* id;
    const char* name;
    const char* comments;
    const SkinPalette& colors;
};

const SkinTheme kThemes[] = {
    { "light", "Lumeno Light", "Light surfaces, one blue accent; drawn by lumeno-skin-art", LightPalette() },
    { "dark", "Lumeno Dark", "Graphite surfaces, light text, one blue accent; drawn by lumeno-skin-art", DarkPalette() },
};

const SkinTheme* FindTheme(const char* id)
{
    for (const SkinTheme& theme : kThemes) {
        if (std::strcmp(theme.id, id) == 0)
            return &theme;
    }
    return nullptr;
}

void AddDescription(SkinIniWriter& ini, const SkinTheme& theme)
{
    ini.Section("VERSION")
        .Set("skinname", theme.name)
        .Set("skinauthor", "Lumeno")
        .Set("authoremail", "")
        .Set("authorurl", "")
        .Set("skincomments", theme.comments);

    IniSection& pictures = ini.Section("PICTURES")
                               .Set("picture", kFramePictureFile)
                               .Set("inactivepicture", "")
                               .Set("mask", kFrameMaskFile)
                               .Set("activepicturescount", kActivePictureCount);
    for (int i = 0; i < kActivePictureCount; ++i)
        pictures.Set(QString::number(i), kActivePictureFiles[i]);
}

void AddColors(SkinIniWriter& ini, const SkinPalette& colors)
{
    ini.Section("SKINCOLORS")
        .SetColor("cbtnface", colors.surface)
        .SetColor("cbtntext", colors.text)
        .SetColor("cwindow", colors.field)
        .SetColor("cwindowtext", colors.textStrong)
        .SetColor("chighlight", colors.accent)
        .SetColor("chighlighttext", colors.onAccent)
        .SetColor("cbtnhighlight", colors.bevelHighlight)
        .SetColor("cbtnshadow", colors.border);
}

// The texts of the system menu, the caption button hints, the edit menus
// and the message boxes, for Chinese users; the accelerators of the English
// texts stay.
void AddResourceStrings(SkinIniWriter& ini)
{
    ini.Section("RESOURCESTRINGS")
        .Set("MI_MINCAPTION", QStringLiteral("最小化(&N)"))
        .Set("MI_MAXCAPTION", QStringLiteral("最大化(&X)"))
        .Set("MI_CLOSECAPTION", QStringLiteral("关闭(&C)"))
        .Set("MI_RESTORECAPTION", QStringLiteral("还原(&R)"))
        .Set("MI_MINTOTRAYCAPTION", QStringLiteral("最小化到托盘(&T)"))
        .Set("MI_ROLLUPCAPTION", QStringLiteral("卷起(&L)"))
        .Set("MINBUTTON_HINT", QStringLiteral("最小化"))
        .Set("MAXBUTTON_HINT", QStringLiteral("最大化"))
        .Set("CLOSEBUTTON_HINT", QStringLiteral("关闭"))
        .Set("TRAYBUTTON_HINT", QStringLiteral("最小化到托盘"))
        .Set("ROLLUPBUTTON_HINT", QStringLiteral("卷起"))
        .Set("MENUBUTTON_HINT", QStringLiteral("系统菜单"))
        .Set("EDIT_UNDO", QStringLiteral("撤销"))
        .Set("EDIT_COPY", QStringLiteral("复制"))
        .Set("EDIT_CUT", QStringLiteral("剪切"))
        .Set("EDIT_PASTE", QStringLiteral("粘贴"))
        .Set("EDIT_DELETE", QStringLiteral("删除"))
        .Set("EDIT_SELECTALL", QStringLiteral("全选"))
        .Set("MSG_BTN_OK", QStringLiteral("确定"))
        .Set("MSG_BTN_CANCEL", QStringLiteral("取消"))
        .Set("MSG_BTN_YES", QStringLiteral("是(&Y)"))
        .Set("MSG_BTN_NO", QStringLiteral("否(&N)"))
        .Set("MSG_BTN_CLOSE", QStringLiteral("关闭"))
        .Set("MSG_CAP_WARNING", QStringLiteral("警告"))
        .Set("MSG_CAP_ERROR", QStringLiteral("错误"))
        .Set("MSG_CAP_INFORMATION", QStringLiteral("信息"))
        .Set("MSG_CAP_CONFIRM", QStringLiteral("确认"));
}

void Save(const QByteArray& bytes, const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

bool IsMask(int activePicture) { return activePicture == kPopupMaskPicture || activePicture == kHintMaskPicture; }

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0)
        return WriteAppIcons(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    const SkinTheme* theme = argc == 3 ? FindTheme(argv[1]) : nullptr;
    if (!theme) {
        std::fprintf(stderr, "usage: lumeno-skin-art light|dark <output folder>\n");
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[2]));
        if (!folder.exists())
            throw std::runtime_error("no such folder: " + folder.path().toStdString());

        const SkinPalette& colors = theme->colors;
        SkinIniWriter ini;
        SkinPictures pictures;
        AddDescription(ini, *theme);
        DrawFrame(ini, pictures, colors);
        DrawPopupAndHintWindows(ini, pictures, colors);
        AddColors(ini, colors);

        // [SKINOBJECTS] lists the definitions in the order they are added.
        const CaptionButtonArt buttons = DrawCaptionButtons(pictures, colors);
        AddCaptionButtonObjects(ini, buttons);
        AddCaptionObject(ini, colors);
        DrawMenuItems(ini, pictures, colors);
        AddMenuBarButtonObjects(ini, buttons);

        DrawControls(ini, pictures, colors);
        AddResourceStrings(ini);
        Save(EncodeBmp24(pictures.frame), folder, kFramePictureFile);
        Save(EncodeBmpMask(pictures.frameMask), folder, kFrameMaskFile);
        for (int i = 0; i < kActivePictureCount; ++i) {
            const QImage& picture = pictures.active[i];
            Save(IsMask(i) ? EncodeBmpMask(picture) : EncodeBmp24(picture), folder, kActivePictureFiles[i]);
        }
        Save(ini.ToBytes(), folder, "skin.ini");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumeno-skin-art: %s\n", error.what());
        return 1;
    }
    return 0;
}
