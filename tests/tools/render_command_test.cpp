#include "skin/data/compressed_stored_skin.h"
#include "tests/tools/skin_tool_run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Red holds x and green y of every pixel, so a rendered face tells which
// skin pixel each of its pixels came from.
QImage CoordinatePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

// A packed skin with a 42 x 22 horizontal button (ends 3 and 7 pixels wide,
// an active face below the normal one), a label definition that has no
// picture geometry, a button whose picture index points nowhere, and a
// fixed-size panel whose skin rectangle is far larger than its 50 x 60 picture.
class RenderCommand : public testing::Test {
protected:
    void SetUp() override
    {
        const QDir folder(m_dir.path());
        QFile ini(folder.filePath("skin.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[VERSION]\r\n"
                  "skinname=render test\r\n"
                  "[PICTURES]\r\n"
                  "activepicturescount=1\r\n"
                  "0=controls.bmp\r\n"
                  "[FORMINFO]\r\n"
                  "buttonsrect=0,0,0,0\r\n"
                  "[SKINOBJECTS]\r\n"
                  "count=0\r\n"
                  "[SKINCONTROLS]\r\n"
                  "count=4\r\n"
                  "0=button:button\r\n"
                  "1=caption:stdlabel\r\n"
                  "2=lost:button\r\n"
                  "3=huge:panel\r\n"
                  "[button]\r\n"
                  "pictureindex=0\r\n"
                  "skinrect=4,5,46,27\r\n"
                  "lefttoppoint=3,0\r\n"
                  "righttoppoint=35,0\r\n"
                  "clientrect=2,2,40,20\r\n"
                  "activeskinrect=4,30,46,52\r\n"
                  "[caption]\r\n"
                  "fontheight=12\r\n"
                  "[lost]\r\n"
                  "pictureindex=3\r\n"
                  "skinrect=4,5,46,27\r\n"
                  "[huge]\r\n"
                  "pictureindex=0\r\n"
                  "skinrect=0,0,20000,20000\r\n");
        ini.close();
        ASSERT_TRUE(CoordinatePicture(50, 60).save(folder.filePath("controls.bmp"), "BMP"));
        // Packed past the checker, which refuses the broken definitions that
        // these tests are about.
        TbsCompressedStoredSkin packed;
        packed.LoadFromSkinFile(folder.filePath("skin.ini"));
        QFile file(Path("skin.skn"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        packed.WriteFramed(file);
    }

    QString Path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
};

// The x of the skin column that the horizontal composition puts at x.
int ButtonColumn(int x, int width)
{
    if (x < 3)
        return x;
    if (x >= width - 7)
        return 35 + x - (width - 7);
    return 3 + (x - 3) % 32;
}

::testing::AssertionResult IsButtonFace(const QImage& face, int top)
{
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QRgb want = qRgb(4 + ButtonColumn(x, face.width()), top + y, 7);
            if ((face.pixel(x, y) & 0xffffff) != (want & 0xffffff))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ")";
        }
    return ::testing::AssertionSuccess();
}

}

TEST_F(RenderCommand, HorizontalButtonKeepsItsSkinHeight)
{
    const ToolRun run = RunTool({ "render", Path("skin.skn"), "button", "121", "25", Path("normal.png") });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "121 x 22 (asked for 121 x 25: a horizontal face keeps its skin height)\n");
    const QImage face(Path("normal.png"));
    ASSERT_EQ(face.size(), QSize(121, 22));
    EXPECT_TRUE(IsButtonFace(face, 5));

    const ToolRun active
        = RunTool({ "render", Path("skin.skn"), "button", "60", "10", Path("active.png"), "--face", "active" });
    ASSERT_EQ(active.status, 0) << active.err.toStdString();
    EXPECT_EQ(active.out, "60 x 22 (asked for 60 x 10: a horizontal face keeps its skin height)\n");
    EXPECT_TRUE(IsButtonFace(QImage(Path("active.png")), 30));

    const ToolRun asked = RunTool({ "render", Path("skin.skn"), "button", "40", "22", Path("kept.png") });
    EXPECT_EQ(asked.out, "40 x 22\n") << "a size the face can keep needs no explanation";
}

TEST_F(RenderCommand, RefusesWhatItCannotDrawWithStatusTwo)
{
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        { { "render", Path("skin.skn"), "Button", "50", "20", Path("x.png") }, "no control definition named 'Button'" },
        { { "render", Path("skin.skn"), "caption", "50", "20", Path("x.png") }, "not drawn from a resizable picture" },
        { { "render", Path("skin.skn"), "lost", "50", "20", Path("x.png") }, "has no picture" },
        { { "render", Path("skin.skn"), "button", "50", "20", Path("x.png"), "--face", "down" }, "has no down face" },
        { { "render", Path("skin.skn"), "button", "50", "20", Path("x.png"), "--face", "hover" }, "unknown face" },
        { { "render", Path("skin.skn"), "button", "0", "20", Path("x.png") }, "WIDTH and HEIGHT" },
        { { "render", Path("skin.skn"), "button", "50", "2x", Path("x.png") }, "WIDTH and HEIGHT" },
        { { "render", Path("missing.skn"), "button", "50", "20", Path("x.png") }, "missing.skn" },
        { { "render", Path("skin.skn"), "button", "50" }, "usage" },
        { { "render", Path("skin.skn"), "button", "50", "20", Path("x.png"), "--side", "down" }, "usage" },
    };
    for (const Case& c : cases) {
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message)))
            << c.arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("x.png")));
}

TEST_F(RenderCommand, SkinRectFarPastItsPictureRendersNoMoreThanThePicture)
{
    // The fixed face once took the 20000 x 20000 skin rectangle as its size
    // and wrote a picture of gigabytes for a 1 x 1 request.
    const ToolRun run = RunTool({ "render", Path("skin.skn"), "huge", "1", "1", Path("huge.png") });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "50 x 60 (asked for 1 x 1: a fixed face keeps its skin size)\n");
    const QImage face(Path("huge.png"));
    ASSERT_EQ(face.size(), QSize(50, 60));
    EXPECT_EQ(face.pixel(49, 59) & 0xffffff, qRgb(49, 59, 7) & 0xffffff);
}
