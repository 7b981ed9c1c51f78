#include "face_pixels.h"

#include "skin/controls/check_radio_box.h"
#include "skin/controls/kept_face.h"
#include "skin/controls/page_control.h"
#include "skin/controls/plain_look_colors.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/skin_messages.h"
#include "skin/draw/system_colors.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CountingButton : public TbsSkinButton {
public:
    int compositions { 0 };

protected:
    void CreateControlDefaultImage(QImage& image) override
    {
        ++compositions;
        TbsSkinButton::CreateControlDefaultImage(image);
    }
};

// Paints column x in red x, so what shows through a face tells where it sits.
class ColumnsParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int x = 0; x < width(); ++x)
            painter.fillRect(x, 0, 1, height(), QColor(x % 256, 0, 0));
    }
};

QRgb Shown(SkinColor color)
{
    return SkinColorToQColor(color).rgb() & 0xFFFFFFu;
}

} // namespace

TEST(KeptFace, IsBuiltAgainOnlyWhenSomethingItShowsChanges)
{
    CountingButton button;
    button.resize(75, 25);
    button.SetGroupIndex(1);
    QWidget* const widget = &button;
    QImage face = GrabFace(button);
    ASSERT_EQ(button.compositions, 1);
    EXPECT_EQ(PixelAt(face, 10, 12), Shown(clBtnFace));

    button.move(7, 3);
    QEvent background(WM_BACKGROUND_CHANGED);
    QCoreApplication::sendEvent(&button, &background);
    QEvent language(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&button, &language);
    widget->update();
    face = GrabFace(button);
    EXPECT_EQ(button.compositions, 1) << "an opaque face does not care where it sits, nor about the language";

    button.SetDown(true);
    widget->update();
    face = GrabFace(button);
    EXPECT_EQ(button.compositions, 2);
    EXPECT_EQ(PixelAt(face, 10, 12), Shown(kPlainDownFill)) << "the pressed fill inside the button at (10, 12)";
    EXPECT_EQ(PixelAt(face, 0, 0), Shown(clNavy)) << "the pressed frame at (0, 0)";

    widget->setEnabled(false);
    face = GrabFace(button);
    EXPECT_EQ(button.compositions, 3);
    EXPECT_EQ(PixelAt(face, 10, 12), Shown(clBtnFace)) << "a disabled button lets go of its Down state";
}

TEST(KeptFace, AFaceOverItsParentFollowsTheControlWhenItMoves)
{
    ColumnsParent parent;
    parent.resize(200, 40);
    auto* box = new TbsSkinCheckRadioBox(&parent);
    box->resize(60, 20);
    box->move(10, 5);
    EXPECT_EQ(PixelAt(GrabFace(*box), 1, 1), Rgb(11, 0, 0)) << "the parent's column 11 at the box's (1, 1)";
    box->move(30, 5);
    EXPECT_EQ(PixelAt(GrabFace(*box), 1, 1), Rgb(31, 0, 0)) << "the parent's column 31 once it has moved";
}

namespace {

// Paints column x of its face in blue x, and counts its compositions.
class ColumnsControl : public TbsSkinControl {
public:
    int compositions { 0 };

protected:
    void CreateControlDefaultImage(QImage& image) override
    {
        ++compositions;
        QPainter painter(&image);
        for (int x = 0; x < width(); ++x)
            painter.fillRect(x, 0, 1, height(), QColor(0, 0, x % 256));
    }
};

qsizetype WholeFaceBytes(const QWidget& control)
{
    return qsizetype(control.width()) * control.height() * 4;
}

// A child that fills its background with fill: Qt counts it opaque, and
// leaves it out of the parent's paints, only when fill is.
QWidget* AddFilledChild(QWidget& parent, const QRect& place, const QColor& fill)
{
    auto* child = new QWidget(&parent);
    child->setGeometry(place);
    child->setAutoFillBackground(true);
    QPalette palette = child->palette();
    palette.setColor(QPalette::Window, fill);
    child->setPalette(palette);
    return child;
}

} // namespace

TEST(KeptFace, KeepsOnlyTheStripsAroundAnOpaqueChildAndBuildsAgainWhereItUncovers)
{
    ColumnsControl control;
    control.resize(200, 100);
    QWidget* const child = AddFilledChild(control, QRect(10, 20, 180, 70), Qt::red);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));

    QImage face = GrabFace(control);
    ASSERT_EQ(control.compositions, 1);
    EXPECT_EQ(PixelAt(face, 5, 5), Rgb(0, 0, 5));
    EXPECT_EQ(PixelAt(face, 195, 50), Rgb(0, 0, 195)) << "the strip right of the child";
    EXPECT_EQ(PixelAt(face, 100, 95), Rgb(0, 0, 100)) << "the strip below the child";
    EXPECT_EQ(PixelAt(face, 50, 50), Rgb(255, 0, 0));
    // The strips are 200x20, 10x70 twice and 200x10: 7,400 of 20,000 pixels.
    EXPECT_EQ(control.KeptFaceBytes(), 7400 * 4);

    child->hide();
    face = GrabFace(control);
    EXPECT_EQ(control.compositions, 2) << "the face under the child was let go, so it is built again";
    EXPECT_EQ(PixelAt(face, 50, 50), Rgb(0, 0, 50)) << "the face where the child was";
    EXPECT_EQ(control.KeptFaceBytes(), WholeFaceBytes(control)) << "kept whole once a paint reached past its parts";
    face = GrabFace(control);
    EXPECT_EQ(control.compositions, 2);
    EXPECT_EQ(PixelAt(face, 120, 60), Rgb(0, 0, 120));

    control.FaceChanged();
    child->show();
    face = GrabFace(control);
    EXPECT_EQ(control.compositions, 3);
    EXPECT_EQ(control.KeptFaceBytes(), 7400 * 4) << "a new face is kept in strips again";
}

TEST(KeptFace, PaintsUnderAChildThatShowsItsParentBuildTheFaceOnceMoreAndKeepItWhole)
{
    ColumnsControl control;
    control.resize(200, 100);
    AddFilledChild(control, QRect(0, 20, 200, 80), Qt::transparent);
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    QCoreApplication::processEvents();

    control.FaceChanged(QRect(0, 0, 5, 5));
    control.repaint(QRect(0, 0, 5, 5));
    const int built = control.compositions;
    ASSERT_LT(control.KeptFaceBytes(), WholeFaceBytes(control)) << "kept in parts as the child looks opaque";
    control.repaint(QRect(60, 60, 5, 5));
    EXPECT_EQ(control.compositions, built + 1);
    control.repaint(QRect(70, 70, 5, 5));
    control.repaint(QRect(80, 30, 5, 5));
    EXPECT_EQ(control.compositions, built + 1) << "kept whole after the first paint past its parts";
    EXPECT_EQ(PixelAt(GrabFace(control), 82, 32), Rgb(0, 0, 82));
}

TEST(KeptFace, PartsAreKeptOnlyWhereTheySaveMostOfTheFaceAndDrawnOnlyAtWholeRatios)
{
    QImage face(100, 50, QImage::Format_RGB32);
    for (int x = 0; x < face.width(); ++x)
        for (int y = 0; y < face.height(); ++y)
            face.setPixel(x, y, qRgb(x, y, 0));
    const QRegion band(QRect(0, 0, 100, 10));

    KeptFace kept;
    kept.Keep(face, band, 1);
    EXPECT_EQ(kept.Bytes(), 100 * 10 * 4);
    EXPECT_TRUE(kept.Covers(QRegion(QRect(20, 2, 30, 8)), 1));
    EXPECT_FALSE(kept.Covers(QRegion(QRect(20, 2, 30, 9)), 1)) << "a row past the band";
    EXPECT_FALSE(kept.Covers(band, 1.5)) << "a part is not reduced to a fractional device on its own";
    QImage shown(100, 50, QImage::Format_RGB32);
    shown.fill(Qt::white);
    {
        QPainter painter(&shown);
        kept.Draw(painter, QRegion(QRect(40, 3, 10, 10)));
    }
    EXPECT_EQ(PixelAt(shown, 45, 9), Rgb(45, 9, 0));
    EXPECT_EQ(PixelAt(shown, 45, 10), Rgb(255, 255, 255)) << "nothing drawn past the band";

    kept.Keep(face, band, 1.5);
    EXPECT_EQ(kept.Bytes(), face.sizeInBytes()) << "whole for a fractional device";
    EXPECT_TRUE(kept.Covers(band, 1.5));

    kept.Keep(face, QRegion(QRect(0, 0, 100, 26)), 1);
    EXPECT_EQ(kept.Bytes(), face.sizeInBytes()) << "whole when the parts are more than half of it";

    QRegion dots;
    for (int i = 0; i < 9; ++i)
        dots += QRect(i * 10, i * 5, 2, 2);
    kept.Keep(face, dots, 1);
    EXPECT_EQ(kept.Bytes(), face.sizeInBytes()) << "whole rather than in many small parts";
}

TEST(KeptFace, APageControlKeepsOnlyItsTabsAndFrameAroundItsPage)
{
    TbsSkinPageControl pages;
    pages.resize(400, 300);
    auto* page = new TbsSkinTabSheet(&pages);
    page->SetCaption(QStringLiteral("Page"));
    pages.SetActivePage(page);
    pages.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
    GrabFace(pages);
    EXPECT_GT(pages.KeptFaceBytes(), 0);
    EXPECT_LT(pages.KeptFaceBytes(), WholeFaceBytes(pages) / 4);
}
