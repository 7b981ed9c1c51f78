#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/page_control.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/skin_messages.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QRgb kFrame = Rgb(0, 0, 90);
const QRgb kPageClient = Rgb(200, 220, 240);
const QRgb kMarker = Rgb(250, 120, 0);
const QRgb kTabLeft = Rgb(120, 60, 0);
const QRgb kTab = Rgb(230, 230, 180);
const QRgb kTabRight = Rgb(60, 120, 0);
const QRgb kActiveTab = Rgb(250, 250, 250);
const QRgb kFocusTab = Rgb(180, 230, 230);
const QRgb kHotTab = Rgb(230, 180, 230);
const QRgb kStripA = Rgb(90, 90, 90);
const QRgb kStripB = Rgb(170, 170, 170);
const QRgb kClose = Rgb(140, 0, 40);
const QRgb kCloseHot = Rgb(40, 0, 140);
const QRgb kKey = Rgb(255, 0, 255);
const QRgb kParent = Rgb(32, 160, 64);
// Caption colours, one channel each so that no face colour is taken for them.
const QRgb kRed = Rgb(255, 0, 0);
const QRgb kGreen = Rgb(0, 255, 0);
const QRgb kBlue = Rgb(0, 0, 255);

QImage MakePicture()
{
    QImage picture(200, 60, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const auto fill = [&painter](int left, int top, int right, int bottom, QRgb rgb) {
        painter.fillRect(QRect(left, top, right - left, bottom - top), QColor::fromRgb(rgb));
    };
    fill(0, 0, 20, 20, kFrame);
    fill(2, 2, 18, 18, kPageClient);
    fill(2, 2, 3, 3, kMarker);
    fill(20, 0, 23, 10, kTabLeft);
    fill(23, 0, 37, 10, kTab);
    fill(37, 0, 40, 10, kTabRight);
    fill(40, 0, 60, 12, kActiveTab);
    fill(60, 0, 80, 12, kFocusTab);
    fill(80, 0, 100, 10, kHotTab);
    fill(100, 0, 104, 4, kStripB);
    fill(100, 0, 101, 1, kStripA);
    fill(0, 30, 8, 38, kClose);
    fill(0, 30, 1, 31, kKey);
    fill(8, 30, 16, 38, kCloseHot);
    return picture;
}

// Colours are written blue-green-red; the ones above are chosen to read the
// same.
const QString kTabKeys = QStringLiteral("pictureindex=0\nskinrect=0,0,20,20\nclientrect=2,2,18,18\n"
                                        "lefttoppoint=2,2\nrighttoppoint=18,2\nleftbottompoint=2,"
                                        "18\nrightbottompoint=18,18\n"
                                        "tabrect=20,0,40,10\nactivetabrect=40,0,60,12\nfocustabrect=60,0,80,"
                                        "12\nmouseintabrect=80,0,100,10\n"
                                        "tableftoffset=3\ntabrightoffset=3\ntabstretcheffect=1\ntabsbgrect=100,0,"
                                        "104,4\n"
                                        "closebuttonrect=0,30,8,38\nclosebuttonactiverect=8,30,16,38\n"
                                        "buttontransparent=1\nbuttontransparentcolor=16711935\n"
                                        "fontname=Arial\nfontheight=14\nfontcolor=255\nactivefontcolor="
                                        "65280\nmouseinfontcolor=16711680\n"
                                        "focusfontcolor=8421504\n");

std::unique_ptr<SyntheticSkin> MakeSkin(const QString& extraKeys = {})
{
    return std::make_unique<SyntheticSkin>(
        MakePicture(), QList<SyntheticSkin::Control> { { "tab", "tab", kTabKeys + extraKeys } });
}

// The skin with one of its key lines written otherwise.
std::unique_ptr<SyntheticSkin> MakeSkinWithLine(const QString& line, const QString& replacement)
{
    const QString keys = QString(kTabKeys).replace(line, replacement);
    EXPECT_NE(keys, kTabKeys) << line.toStdString();
    return std::make_unique<SyntheticSkin>(MakePicture(), QList<SyntheticSkin::Control> { { "tab", "tab", keys } });
}

struct SkinnedPages {
    std::unique_ptr<SyntheticSkin> skin;
    QWidget parent;
    TbsSkinPageControl* control { new TbsSkinPageControl(&parent) };
    TbsSkinTabSheet* first { new TbsSkinTabSheet(control) };
    TbsSkinTabSheet* second { new TbsSkinTabSheet(control) };

    explicit SkinnedPages(std::unique_ptr<SyntheticSkin> loaded)
        : skin(std::move(loaded))
    {
        parent.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor::fromRgb(kParent));
        parent.setPalette(palette);
        parent.resize(200, 100);
        first->SetCaption(QStringLiteral("HHH"));
        second->SetCaption(QStringLiteral("HHH"));
        control->setGeometry(0, 0, 200, 100);
        control->SetSkinData(skin->Data());
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
        // The window hands its focus to the control; the tests give it back
        // only where they look at the focused faces.
        control->clearFocus();
    }

    QImage Face() { return control->RenderFace(); }
};

// Counts the parent-background-changed messages a child receives.
struct BackgroundListener : QWidget {
    using QWidget::QWidget;
    int changes { 0 };

    bool event(QEvent* event) override
    {
        if (event->type() == WM_BACKGROUND_CHANGED)
            ++changes;
        return QWidget::event(event);
    }
};

} // namespace

// A skin can write its tab rectangle upside down (bottom above top): the
// pages must still lie in the control, under tabs that can be clicked.
TEST(PageControlSkinnedTest, AnUpsideDownTabRectangleKeepsThePagesInTheControl)
{
    SkinnedPages pages(MakeSkinWithLine(QStringLiteral("\ntabrect=20,0,40,10\n"), QStringLiteral("\ntabrect=20,230,40,10\n")));
    ASSERT_TRUE(pages.control->HasSkinDefinition());
    const QRect control(QPoint(0, 0), pages.control->size());
    EXPECT_TRUE(control.contains(pages.control->PageArea()));
    EXPECT_TRUE(control.contains(pages.first->geometry()));
    const QRect tab = pages.control->TabRect(1);
    EXPECT_FALSE(tab.isEmpty());
    EXPECT_LE(tab.bottom(), pages.control->PageArea().top());
    QTest::mouseClick(pages.control, Qt::LeftButton, {}, tab.center());
    EXPECT_EQ(pages.control->ActivePage(), pages.second);
}

// A tab rectangle whose bottom a crafted skin writes at the int limit gives
// tabs as high as the face the 60-pixel picture holds, not two billion
// pixels of them.
TEST(PageControlSkinnedTest, ATabRectangleBelowThePictureGivesTabsOfThePicturesHeight)
{
    SkinnedPages pages(MakeSkinWithLine(QStringLiteral("\ntabrect=20,0,40,10\n"), QStringLiteral("\ntabrect=20,50,40,2147483647\n")));
    ASSERT_TRUE(pages.control->HasSkinDefinition());
    EXPECT_EQ(pages.control->ItemHeight(), 60 - 50);
    EXPECT_TRUE(QRect(QPoint(0, 0), pages.control->size()).contains(pages.control->PageArea()));
}

// A client rectangle reaching past the frame's face gives no border on that
// side: the pages stay in the control.
TEST(PageControlSkinnedTest, AClientRectanglePastTheFaceKeepsThePagesInTheControl)
{
    SkinnedPages pages(MakeSkinWithLine(QStringLiteral("clientrect=2,2,18,18\n"), QStringLiteral("clientrect=2,2,24,24\n")));
    ASSERT_TRUE(pages.control->HasSkinDefinition());
    EXPECT_EQ(pages.control->PageArea(), QRect(2, 12, 198, 88));
    EXPECT_TRUE(QRect(QPoint(0, 0), pages.control->size()).contains(pages.first->geometry()));
}

// A frame face whose right edge a crafted skin writes far past its 200-pixel
// picture is as wide as the picture holds it: the right border runs from the
// client rectangle's right (18) to the picture's edge, 182 pixels, and the
// pages keep the 16 pixels left of the 200-pixel control instead of none.
// Naming a picture the skin does not hold, the frame is not drawn at all and
// takes no room: the pages fill the control under the 10-pixel tabs.
TEST(PageControlSkinnedTest, AFaceReachingPastItsPictureKeepsTheBordersThePictureHolds)
{
    const QString wideFace = QStringLiteral("\nskinrect=0,0,32768,20\n");
    SkinnedPages pages(MakeSkinWithLine(QStringLiteral("\nskinrect=0,0,20,20\n"), wideFace));
    ASSERT_TRUE(pages.control->HasSkinDefinition());
    EXPECT_EQ(pages.control->PageArea(), QRect(2, 12, 200 - 2 - (200 - 18), 86));
    EXPECT_EQ(pages.first->geometry(), pages.control->PageArea());

    SkinnedPages noPicture(MakeSkinWithLine(
        QStringLiteral("pictureindex=0\nskinrect=0,0,20,20\n"), QStringLiteral("pictureindex=5") + wideFace));
    ASSERT_TRUE(noPicture.control->HasSkinDefinition());
    EXPECT_EQ(noPicture.control->PageArea(), QRect(0, 10, 200, 90));
    EXPECT_EQ(noPicture.first->geometry(), noPicture.control->PageArea());
}

TEST(PageControlSkinnedTest, FrameTabsStripAndPagesComeFromTheDefinition)
{
    SkinnedPages pages(MakeSkin());
    ASSERT_TRUE(pages.control->HasSkinDefinition());
    EXPECT_EQ(pages.control->size(), QSize(200, 100));
    EXPECT_EQ(pages.control->ItemHeight(), 10);
    // The frame's 2-pixel borders lie around the pages, right under the tabs.
    EXPECT_EQ(pages.control->PageArea(), QRect(2, 12, 196, 86));
    EXPECT_EQ(pages.first->geometry(), QRect(2, 12, 196, 86));

    const QImage face = pages.Face();
    EXPECT_EQ(CountColor(face, face.rect(), 0x000000u), 0);
    EXPECT_EQ(PixelAt(face, 0, 10), kFrame);
    EXPECT_EQ(PixelAt(face, 1, 60), kFrame);
    EXPECT_EQ(PixelAt(face, 199, 99), kFrame);
    EXPECT_EQ(PixelAt(face, 198, 50), kFrame);

    // The strip behind the tabs repeats its 4 x 4 piece from the control's
    // corner.
    EXPECT_EQ(PixelAt(face, 196, 0), kStripA);
    EXPECT_EQ(PixelAt(face, 197, 0), kStripB);
    EXPECT_EQ(PixelAt(face, 196, 8), kStripA);
    EXPECT_EQ(PixelAt(face, 0, 4), kStripA);

    // The inactive tab keeps 3 skin columns at each end and stretches the middle.
    const QRect inactive = pages.control->TabFaceArea(1);
    EXPECT_EQ(inactive, pages.control->TabRect(1));
    EXPECT_EQ(PixelAt(face, inactive.left(), 5), kTabLeft);
    EXPECT_EQ(PixelAt(face, inactive.left() + 2, 9), kTabLeft);
    EXPECT_EQ(PixelAt(face, inactive.left() + 3, 0), kTab);
    EXPECT_EQ(PixelAt(face, inactive.right() - 3, 9), kTab);
    EXPECT_EQ(PixelAt(face, inactive.right() - 2, 9), kTabRight);
    EXPECT_EQ(PixelAt(face, inactive.left() + 4, 10), kFrame) << "the inactive tab ends on the frame";
    EXPECT_GT(CountColor(face, inactive, kRed), 0) << "inactive caption colour";

    // The active tab is 2 rows taller and covers the frame's top edge.
    const QRect active = pages.control->TabFaceArea(0);
    EXPECT_EQ(active, pages.control->TabRect(0).adjusted(0, 0, 0, 2));
    EXPECT_EQ(PixelAt(face, active.left(), 0), kActiveTab);
    EXPECT_EQ(PixelAt(face, active.left() + 1, 11), kActiveTab);
    EXPECT_EQ(PixelAt(face, active.right(), 11), kActiveTab);
    EXPECT_GT(CountColor(face, active, kGreen), 0) << "active caption colour";
    EXPECT_EQ(CountColor(face, active, kRed), 0);

    // The pages show the frame's client piece repeated from their corner.
    const QImage page = GrabFace(*pages.first);
    EXPECT_EQ(PixelAt(page, 0, 0), kMarker);
    EXPECT_EQ(PixelAt(page, 1, 0), kPageClient);
    EXPECT_EQ(PixelAt(page, 16, 16), kMarker);
    EXPECT_EQ(PixelAt(page, 17, 32), kPageClient);
    EXPECT_EQ(PixelAt(page, 192, 64), kMarker);

    // Switching pages swaps the faces.
    pages.control->SetActivePage(pages.second);
    const QImage switched = pages.Face();
    EXPECT_EQ(PixelAt(switched, pages.control->TabRect(1).left() + 1, 11), kActiveTab);
    EXPECT_EQ(PixelAt(switched, pages.control->TabRect(0).left(), 5), kTabLeft);
    EXPECT_EQ(PixelAt(switched, pages.control->TabRect(0).left() + 4, 10), kFrame);
}

TEST(PageControlSkinnedTest, MouseOverAndFocusTakeTheirFacesAndColours)
{
    SkinnedPages pages(MakeSkin());
    const QRect inactive = pages.control->TabRect(1);
    const QRect active = pages.control->TabFaceArea(0);

    QTest::mouseMove(pages.control, inactive.center());
    QImage face = pages.Face();
    EXPECT_EQ(PixelAt(face, inactive.left(), 5), kHotTab);
    EXPECT_GT(CountColor(face, inactive, kBlue), 0);
    EXPECT_EQ(CountColor(face, inactive, kRed), 0);

    // The active tab never takes the mouse-over look; the other one goes back.
    QTest::mouseMove(pages.control, active.center());
    face = pages.Face();
    EXPECT_EQ(PixelAt(face, active.left(), 5), kActiveTab);
    EXPECT_EQ(PixelAt(face, inactive.left(), 5), kTabLeft);
    EXPECT_GT(CountColor(face, inactive, kRed), 0);

    pages.parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages.parent));
    pages.control->setFocus();
    ASSERT_TRUE(pages.control->hasFocus());
    face = pages.Face();
    EXPECT_EQ(PixelAt(face, active.left(), 5), kFocusTab);
    EXPECT_EQ(CountColor(face, active, kGreen), 0) << "the focused tab has its own caption colour";
}

TEST(PageControlSkinnedTest, FocusMarkSitsInsideTheFocusedTabByItsOffsets)
{
    SkinnedPages pages(MakeSkin(QStringLiteral("showfocus=1\nfocusoffsetx=2\nfocusoffsety=3\n")));
    const QRect active = pages.control->TabFaceArea(0);
    const QRgb inverted = ~kFocusTab & 0xFFFFFFu;
    EXPECT_EQ(CountColor(pages.Face(), active, inverted), 0) << "no mark without focus";

    pages.parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages.parent));
    pages.control->setFocus();
    const QImage face = pages.Face();
    const QRect mark = active.adjusted(2, 3, -2, -3);
    EXPECT_GT(CountColor(face, QRect(mark.left(), mark.top(), mark.width(), 1), inverted), 0);
    EXPECT_GT(CountColor(face, QRect(mark.left(), mark.top(), 1, mark.height()), inverted), 0);
    EXPECT_EQ(CountColor(face, active.adjusted(0, 0, 0, -(active.height() - 3)), inverted), 0)
        << "nothing above the mark";
}

TEST(PageControlSkinnedTest, SetTabHeightStretchesTheFacesOnBothAxes)
{
    SkinnedPages pages(MakeSkin());
    pages.control->SetTabHeight(16);
    EXPECT_EQ(pages.control->ItemHeight(), 16);
    EXPECT_EQ(pages.control->PageArea().top(), 18);
    const QRect inactive = pages.control->TabRect(1);
    EXPECT_EQ(inactive.height(), 16);
    EXPECT_EQ(pages.control->TabFaceArea(0).height(), 18);
    const QImage face = pages.Face();
    EXPECT_EQ(PixelAt(face, inactive.left(), 15), kTabLeft);
    EXPECT_EQ(PixelAt(face, inactive.left() + 5, 15), kTab);
    EXPECT_EQ(PixelAt(face, inactive.right(), 0), kTabRight);
    EXPECT_EQ(PixelAt(face, inactive.left() + 5, 16), kFrame);
    EXPECT_EQ(PixelAt(face, pages.control->TabRect(0).left() + 1, 17), kActiveTab);
}

TEST(PageControlSkinnedTest, CloseButtonsUseTheSkinsImagesWithTheirTransparentColour)
{
    SkinnedPages pages(MakeSkin());
    const int plainWidth = pages.control->TabRect(1).width();
    pages.control->SetShowCloseButtons(true);
    EXPECT_EQ(pages.control->CloseButtonWidth(), 8);
    EXPECT_EQ(pages.control->TabRect(1).width(), plainWidth + 8);
    const QRect close = pages.control->CloseButtonRect(1);
    EXPECT_EQ(close.size(), QSize(8, 8));
    EXPECT_EQ(close.top(), 1);

    QImage face = pages.Face();
    EXPECT_EQ(PixelAt(face, close.left(), close.top()), kTab) << "the transparent colour shows the tab";
    EXPECT_EQ(PixelAt(face, close.left() + 1, close.top()), kClose);
    EXPECT_EQ(PixelAt(face, close.right(), close.bottom()), kClose);

    QTest::mouseMove(pages.control, close.center());
    face = pages.Face();
    EXPECT_EQ(PixelAt(face, close.left() + 1, close.top()), kCloseHot);

    QObject::connect(
        pages.control, &TbsSkinPageControl::OnClose, [](TbsSkinTabSheet*, bool& canClose) { canClose = true; });
    QTest::mouseClick(pages.control, Qt::LeftButton, {}, close.center());
    QTest::mouseClick(pages.control, Qt::LeftButton, {}, close.center());
    EXPECT_FALSE(pages.second->TabVisible());
    EXPECT_EQ(pages.control->ActivePage(), pages.first);
}

TEST(PageControlSkinnedTest, WithoutCloseButtonImagesTheToolButtonLendsItsFaces)
{
    QImage picture = MakePicture();
    QPainter(&picture).fillRect(QRect(0, 40, 10, 10), QColor::fromRgb(kClose));
    QPainter(&picture).fillRect(QRect(10, 40, 10, 10), QColor::fromRgb(kCloseHot));
    QString tabKeys = kTabKeys;
    tabKeys.replace(QStringLiteral("closebuttonrect=0,30,8,38"), QStringLiteral("closebuttonrect=0,0,0,0"));
    auto skin = std::make_unique<SyntheticSkin>(picture,
        QList<SyntheticSkin::Control> { { "tab", "tab", tabKeys },
            { "resizetoolbutton", "button",
                QStringLiteral("pictureindex=0\nskinrect=0,40,10,50\nactiveskinrect="
                               "10,40,20,50\nclientrect=2,2,8,8\n"
                               "lefttoppoint=2,2\nrighttoppoint=8,"
                               "2\nleftbottompoint=2,8\nrightbottompoint=8,8\n"
                               "fontcolor=255\nactivefontcolor=16711680\n") } });
    SkinnedPages pages(std::move(skin));
    pages.control->SetShowCloseButtons(true);
    const QRect close = pages.control->CloseButtonRect(1);
    EXPECT_EQ(close.size(), QSize(14, 14));
    // The cell is taller than the 10-pixel tab and shows only inside it.
    QImage face = pages.Face();
    EXPECT_EQ(PixelAt(face, close.left(), 0), kClose);
    EXPECT_EQ(PixelAt(face, close.right(), 9), kClose);
    EXPECT_GT(CountColor(face, close, kRed), 0) << "the glyph in the tool button's colour";

    QTest::mouseMove(pages.control, close.center());
    face = pages.Face();
    EXPECT_EQ(PixelAt(face, close.left(), 0), kCloseHot);
    EXPECT_GT(CountColor(face, close, kBlue), 0);
}

TEST(PageControlSkinnedTest, TransparentTabStripShowsTheParent)
{
    SkinnedPages pages(MakeSkin());
    pages.control->SetTabsBGTransparent(true);
    const QImage face = pages.Face();
    EXPECT_EQ(PixelAt(face, 196, 0), kParent);
    EXPECT_EQ(PixelAt(face, 197, 9), kParent);
    EXPECT_EQ(PixelAt(face, pages.control->TabRect(1).left(), 5), kTabLeft);
}

TEST(PageControlSkinnedTest, PageBackgroundPictureAndStretchedClientPiece)
{
    {
        SkinnedPages pages(MakeSkin(QStringLiteral("bgpictureindex=0\n")));
        const QImage page = GrabFace(*pages.first);
        const QImage picture = MakePicture();
        for (const QPoint point : { QPoint(0, 0), QPoint(21, 5), QPoint(41, 11), QPoint(195, 70) })
            EXPECT_EQ(PixelAt(page, point.x(), point.y()), PixelAt(picture, point.x() % 200, point.y() % 60))
                << point.x() << "," << point.y();
    }
    {
        // Stretched over the whole control: the 1-pixel marker grows to 12.5
        // x 6.25.
        SkinnedPages pages(MakeSkin(QStringLiteral("stretcheffect=1\nstretchtype=stfull\n")));
        const QImage page = GrabFace(*pages.first);
        EXPECT_EQ(PixelAt(page, 0, 0), kMarker);
        EXPECT_EQ(PixelAt(page, 11, 5), kMarker);
        EXPECT_EQ(PixelAt(page, 15, 8), kPageClient);
        EXPECT_EQ(PixelAt(page, 195, 85), kPageClient);

        // A stretched background changes with the page's size: children that
        // show it hear so.
        BackgroundListener child(pages.first);
        pages.control->resize(220, 110);
        EXPECT_EQ(pages.first->size(), QSize(216, 96));
        EXPECT_EQ(child.changes, 1);
    }
}

TEST(PageControlSkinnedTest, ATabDefinitionOfAnotherKindLeavesTheBuiltInLook)
{
    auto skin = std::make_unique<SyntheticSkin>(MakePicture(),
        QList<SyntheticSkin::Control> { { "tab", "panel", QStringLiteral("pictureindex=0\nskinrect=0,0,20,20\n") } });
    SkinnedPages pages(std::move(skin));
    EXPECT_FALSE(pages.control->HasSkinDefinition());
    EXPECT_EQ(pages.control->ItemHeight(), 20);
    EXPECT_EQ(pages.control->PageArea(), QRect(1, 21, 198, 78));
    EXPECT_EQ(PixelAt(pages.Face(), pages.control->TabRect(0).left(), 0), 0x000080u);
    EXPECT_EQ(PixelAt(GrabFace(*pages.first), 5, 5), 0xD4D0C8u);
}

TEST(PageControlSkinnedTest, OversizedSkinRectanglesStayWithinTheControl)
{
    QString keys = kTabKeys;
    keys.replace(QStringLiteral("tabrect=20,0,40,10"), QStringLiteral("tabrect=20,0,40,900000"));
    keys.replace(QStringLiteral("activetabrect=40,0,60,12"), QStringLiteral("activetabrect=40,0,60,-900000"));
    SkinnedPages pages(
        std::make_unique<SyntheticSkin>(MakePicture(), QList<SyntheticSkin::Control> { { "tab", "tab", keys } }));
    ASSERT_TRUE(pages.control->HasSkinDefinition());
    // The tab's face is as high as the 60-pixel picture holds it.
    EXPECT_EQ(pages.control->ItemHeight(), 60);
    EXPECT_GE(pages.control->TabFaceArea(0).height(), 1);
    const QImage face = pages.Face();
    EXPECT_EQ(face.size(), QSize(200, 100));
    EXPECT_EQ(PixelAt(face, pages.control->TabRect(1).left(), 5), kTabLeft);

    // Client edges at the int limit, moved by the face's place in the
    // picture or added to the tabs' height, give no client piece and no
    // borders instead of overflowing.
    for (const QString client : { QStringLiteral("2,2,2147483647,18"), QStringLiteral("2,2147483647,18,18") }) {
        keys = kTabKeys;
        keys.replace(QStringLiteral("skinrect=0,0,20,20\nclientrect=2,2,18,18"),
            QStringLiteral("skinrect=5,0,25,20\nclientrect=") + client);
        ASSERT_NE(keys, kTabKeys);
        SkinnedPages farClient(
            std::make_unique<SyntheticSkin>(MakePicture(), QList<SyntheticSkin::Control> { { "tab", "tab", keys } }));
        ASSERT_TRUE(farClient.control->HasSkinDefinition());
        EXPECT_EQ(farClient.Face().size(), QSize(200, 100));
        EXPECT_TRUE(QRect(QPoint(0, 0), farClient.control->size()).contains(farClient.control->PageArea()))
            << client.toStdString();
    }
}

TEST(PageControlSkinnedTest, FacesTheSkinLeavesOutFallBackToTheOnesBeforeThem)
{
    QString keys = kTabKeys;
    for (const QString line : { QStringLiteral("activetabrect=40,0,60,12\n"),
             QStringLiteral("focustabrect=60,0,80,12\n"), QStringLiteral("tabsbgrect=100,0,104,4\n") }) {
        ASSERT_TRUE(keys.contains(line)) << line.toStdString();
        keys.remove(line);
    }
    SkinnedPages pages(
        std::make_unique<SyntheticSkin>(MakePicture(), QList<SyntheticSkin::Control> { { "tab", "tab", keys } }));

    // The selected tab takes the normal face, at the normal height.
    const QRect active = pages.control->TabFaceArea(0);
    EXPECT_EQ(active, pages.control->TabRect(0));
    QImage face = pages.Face();
    EXPECT_EQ(PixelAt(face, active.left(), 5), kTabLeft);
    EXPECT_EQ(PixelAt(face, active.left() + 4, 9), kTab);
    // The strip repeats the frame's 16 x 16 client piece, its marker at the
    // piece's corner, from the control's corner.
    EXPECT_EQ(PixelAt(face, 192, 0), kMarker);
    EXPECT_EQ(PixelAt(face, 193, 0), kPageClient);
    EXPECT_EQ(PixelAt(face, 192, 1), kPageClient);

    // Focused, it takes the selected face, which is the normal one.
    pages.parent.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pages.parent));
    pages.control->setFocus();
    ASSERT_TRUE(pages.control->hasFocus());
    face = pages.Face();
    EXPECT_EQ(PixelAt(face, active.left(), 5), kTabLeft);

    // A close button held down without a pressed face shows its hot one.
    pages.control->SetShowCloseButtons(true);
    const QPoint onClose = pages.control->CloseButtonRect(1).center();
    QTest::mouseMove(pages.control, onClose);
    QTest::mousePress(pages.control, Qt::LeftButton, {}, onClose);
    ASSERT_EQ(pages.control->ActivePage(), pages.second);
    const QRect held = pages.control->CloseButtonRect(1);
    face = pages.Face();
    EXPECT_EQ(PixelAt(face, held.left() + 1, held.top()), kCloseHot);
    EXPECT_EQ(PixelAt(face, held.right(), held.bottom()), kCloseHot);
    QTest::mouseRelease(pages.control, Qt::LeftButton, {}, QPoint(150, 60));
    EXPECT_TRUE(pages.second->TabVisible());
}
