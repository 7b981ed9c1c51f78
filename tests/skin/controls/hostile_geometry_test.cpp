// Skins whose rectangles reach far past their pictures, as a broken or crafted
// package may hold: every control keeps to its own size and its own rectangle.
#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/skin_button.h"
#include "skin/controls/skin_panel.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRgb kBorder = Rgb(0, 0, 90);
const QRgb kClient = Rgb(200, 220, 240);
const QRgb kCaption = Rgb(250, 0, 0);

QImage SmallPicture()
{
    QImage picture(48, 40, QImage::Format_RGB32);
    picture.fill(QColor::fromRgb(kBorder));
    QPainter(&picture).fillRect(QRect(1, 1, 46, 38), QColor::fromRgb(kClient));
    return picture;
}

QString PanelKeys(const QString& clientRect)
{
    return QStringLiteral("pictureindex=0\nmaskpictureindex=-1\nskinrect=0,0,48,40\n"
                          "lefttoppoint=1,1\nrighttoppoint=47,1\nleftbottompoint=1,39\nrightbottompoint=47,39\n"
                          "clientrect=%1\nbgpictureindex=-1\ncaptionrect=0,0,0,0\n")
        .arg(clientRect);
}

} // namespace

TEST(HostileGeometry, PanelClientAreaFarPastItsPictureStaysInsideThePanel)
{
    // A client rectangle 40000 wide once sent the contents-rectangle update
    // and the panel's client-area update into each other until the stack ran
    // out; 32767 and 10000 hung the window instead.
    for (const QString& clientRect : { QStringLiteral("1,1,40000,39"), QStringLiteral("1,1,32767,39"),
             QStringLiteral("-10000,-5,10000,39000") }) {
        SyntheticSkin skin(SmallPicture(), { { QStringLiteral("panel"), QStringLiteral("panel"), PanelKeys(clientRect) } });
        QWidget window;
        window.resize(300, 200);
        auto* panel = new TbsSkinPanel(&window);
        panel->setGeometry(10, 10, 200, 100);
        auto* child = new QWidget(panel);
        child->setGeometry(panel->contentsRect());
        window.show();
        panel->SetSkinData(skin.Data());
        ASSERT_TRUE(panel->HasSkinDefinition()) << clientRect.toStdString();
        EXPECT_EQ(panel->size(), QSize(200, 100));
        EXPECT_TRUE(panel->rect().contains(panel->contentsRect())) << clientRect.toStdString();
        EXPECT_TRUE(panel->rect().contains(panel->ClientRect())) << clientRect.toStdString();
        panel->resize(260, 120);
        EXPECT_TRUE(panel->rect().contains(panel->contentsRect())) << clientRect.toStdString();
        const QImage face = GrabFace(*panel);
        EXPECT_EQ(face.size(), QSize(260, 120));
        EXPECT_EQ(PixelAt(face, 0, 0), kBorder);
    }
}

TEST(HostileGeometry, ButtonSkinRectFarLargerThanItsPictureFacesAtTheButtonsSize)
{
    // Full mode: a 30000 x 30000 face on a 48 x 40 picture is cut to the
    // picture; the button keeps its own size and draws the picture's pixels.
    SyntheticSkin skin(SmallPicture(),
        { { QStringLiteral("button"), QStringLiteral("button"),
            QStringLiteral("pictureindex=0\nmaskpictureindex=-1\nskinrect=0,0,30000,30000\n"
                           "lefttoppoint=1,1\nrighttoppoint=29999,1\nleftbottompoint=1,29999\n"
                           "rightbottompoint=29999,29999\nclientrect=1,1,29999,29999\n"
                           "activeskinrect=0,0,30000,30000\ndownskinrect=0,0,30000,30000\n") } });
    TbsSkinButton button;
    button.resize(121, 25);
    button.SetSkinData(skin.Data());
    ASSERT_TRUE(button.HasSkinDefinition());
    EXPECT_EQ(button.Piece().skinRect, (SkinRect { 0, 0, 48, 40 }.ToQRect()));
    EXPECT_EQ(button.size(), QSize(121, 25));
    const QImage face = button.RenderFace();
    EXPECT_EQ(face.size(), QSize(121, 25));
    // The left and top borders stay; the client reaches the far edges.
    EXPECT_EQ(PixelAt(face, 0, 0), kBorder);
    EXPECT_EQ(PixelAt(face, 0, 24), kBorder);
    EXPECT_EQ(PixelAt(face, 120, 0), kBorder);
    EXPECT_EQ(PixelAt(face, 120, 24), kClient);
    EXPECT_EQ(CountColor(face, face.rect(), kBorder) + CountColor(face, face.rect(), kClient), 121 * 25);
}

TEST(SkinButton, WithoutSkinSizeTheCaptionFollowsTheCurrentSize)
{
    // The caption area used to be the one an earlier size computation left
    // behind; with UseSkinSize off no such computation ran, and the caption
    // was laid out in an empty rectangle at the top-left corner.
    SyntheticSkin skin(SmallPicture(),
        { { QStringLiteral("button"), QStringLiteral("button"),
            QStringLiteral("pictureindex=0\nmaskpictureindex=-1\nskinrect=0,0,48,40\n"
                           "lefttoppoint=1,1\nrighttoppoint=47,1\nleftbottompoint=1,39\nrightbottompoint=47,39\n"
                           "clientrect=1,1,47,39\nfontname=Arial\nfontheight=14\nfontcolor=250\n") } });
    TbsSkinButton button;
    button.SetUseSkinSize(false);
    button.SetCaption(QStringLiteral("MMMM"));
    button.resize(160, 60);
    button.SetSkinData(skin.Data());
    ASSERT_TRUE(button.HasSkinDefinition());
    QImage face = button.RenderFace();
    const QRect middle(40, 15, 80, 30);
    EXPECT_GT(CountColor(face, middle, kCaption), 0) << "caption centred in the client area";
    EXPECT_EQ(CountColor(face, QRect(0, 0, 30, 12), kCaption), 0);

    button.resize(300, 90);
    face = button.RenderFace();
    EXPECT_GT(CountColor(face, QRect(110, 30, 80, 30), kCaption), 0) << "caption follows the new size";
    EXPECT_EQ(CountColor(face, middle, kCaption), 0);
}
