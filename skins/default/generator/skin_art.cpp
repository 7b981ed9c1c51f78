// Draws the default skin "Lumeno Light" and writes its pictures and skin.ini
// into the folder given on the command line. Nothing but this program and
// Qt's painter shapes the output (no fonts, no clock, no environment), so a
// second run reproduces the committed files byte for byte.
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
#include <exception>

namespace {

void AddDescription(SkinIniWriter& ini)
{
    ini.Section("VERSION")
        .Set("skinname", "Lumeno Light")
        .Set("skinauthor", "Lumeno")
        .Set("authoremail", "")
        .Set("authorurl", "")
        .Set("skincomments", "Light surfaces, one blue accent; drawn by lumeno-skin-art");

    IniSection& pictures = ini.Section("PICTURES")
                               .Set("picture", kFramePictureFile)
                               .Set("inactivepicture", "")
                               .Set("mask", kFrameMaskFile)
                               .Set("activepicturescount", kActivePictureCount);
    for (int i = 0; i < kActivePictureCount; ++i)
        pictures.Set(QString::number(i), kActivePictureFiles[i]);
}

void AddColors(SkinIniWriter& ini)
{
    ini.Section("SKINCOLORS")
        .SetColor("cbtnface", palette::kSurface)
        .SetColor("cbtntext", palette::kText)
        .SetColor("cwindow", palette::kWhite)
        .SetColor("cwindowtext", palette::kTextStrong)
        .SetColor("chighlight", palette::kAccent)
        .SetColor("chighlighttext", palette::kWhite)
        .SetColor("cbtnhighlight", palette::kWhite)
        .SetColor("cbtnshadow", palette::kBorder);
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: lumeno-skin-art <output folder>\n");
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        if (!folder.exists())
            throw std::runtime_error("no such folder: " + folder.path().toStdString());

        SkinIniWriter ini;
        SkinPictures pictures;
        AddDescription(ini);
        DrawFrame(ini, pictures);
        DrawPopupAndHintWindows(ini, pictures);
        AddColors(ini);

        // [SKINOBJECTS] lists the definitions in the order they are added.
        const CaptionButtonArt buttons = DrawCaptionButtons(pictures);
        AddCaptionButtonObjects(ini, buttons);
        AddCaptionObject(ini);
        DrawMenuItems(ini, pictures);
        AddMenuBarButtonObjects(ini, buttons);

        DrawControls(ini, pictures);

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
