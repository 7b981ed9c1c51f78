#include "face_pixels.h"

#include "skin/controls/check_radio_box.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kShadow = 0x808080;
constexpr QRgb kNavy = 0x000080;
constexpr QRgb kParent = 0x20A040;

// A parent with a colour no face uses, so what shows through can be told.
class PlainParent : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor::fromRgb(kParent)); }
};

void SendEnter(QWidget& widget)
{
    const QPointF inside(2, 2);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

int MarkPixels(const QImage& face, QRgb color)
{
    const int middle = face.height() / 2;
    return CountColor(face, QRect(4, middle - 6, 12, 12), color);
}

} // namespace

TEST(SkinCheckRadioBox, FlatFallbackShowsParentBoxAndMark)
{
    PlainParent parent;
    parent.resize(200, 60);
    TbsSkinCheckRadioBox box(&parent);
    box.setGeometry(10, 10, 76, 25);
    box.SetCaption(QStringLiteral("Wx"));
    EXPECT_TRUE(box.Flat());

    QImage face = GrabFace(box);
    // Box frame (3, 5)-(16, 18), everything around it the parent's colour.
    EXPECT_EQ(PixelAt(face, 3, 5), kShadow);
    EXPECT_EQ(PixelAt(face, 16, 18), kShadow);
    EXPECT_EQ(PixelAt(face, 2, 5), kParent);
    EXPECT_EQ(PixelAt(face, 10, 11), kParent) << "the box is not filled";
    EXPECT_EQ(PixelAt(face, 74, 1), kParent);
    EXPECT_EQ(MarkPixels(face, 0x000000), 0);
    // The caption starts at x = 22.
    EXPECT_EQ(CountColor(face, QRect(17, 0, 5, 25), 0x000000), 0);
    EXPECT_GT(CountColor(face, QRect(22, 0, 54, 25), 0x000000), 0);

    box.SetChecked(true);
    face = GrabFace(box);
    EXPECT_GT(MarkPixels(face, 0x000000), 10);

    SendEnter(box);
    face = GrabFace(box);
    EXPECT_EQ(PixelAt(face, 3, 5), kNavy) << "hovered";

    box.setEnabled(false);
    face = GrabFace(box);
    EXPECT_EQ(MarkPixels(face, 0x000000), 0);
    EXPECT_GT(MarkPixels(face, kShadow), 10) << "disabled mark";
}

TEST(SkinCheckRadioBox, ClickTogglesOnlyWhenReleasedInside)
{
    TbsSkinCheckRadioBox box;
    box.resize(76, 25);
    box.SetChecked(true);
    QSignalSpy clicks(&box, &TbsSkinCheckRadioBox::OnClick);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(8, 12));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(8, 40));
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(60, 12));
    EXPECT_TRUE(box.Checked()) << "a click on the caption counts too";
    EXPECT_EQ(box.State(), cbChecked);
}

TEST(SkinCheckRadioBox, SpaceTogglesAndFocusIsMarked)
{
    QWidget window;
    TbsSkinCheckRadioBox box(&window);
    box.resize(76, 25);
    box.SetCaption(QStringLiteral("Wx"));
    box.SetTabStop(true);
    EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    box.clearFocus();
    const QImage unfocused = GrabFace(box);
    box.setFocus();
    ASSERT_TRUE(box.hasFocus());

    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Checked());
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.Checked());

    // The focus marker runs around the caption, one pixel above it.
    const QRect caption = box.CaptionRect();
    const QImage focused = GrabFace(box);
    const QRect markerRow(caption.left(), caption.top() - 1, caption.width(), 1);
    int changed = 0;
    for (int x = markerRow.left(); x <= markerRow.right(); ++x)
        changed += PixelAt(focused, x, markerRow.top()) != PixelAt(unfocused, x, markerRow.top()) ? 1 : 0;
    EXPECT_GT(changed, caption.width() / 3);

    box.SetCanFocused(false);
    EXPECT_EQ(box.focusPolicy(), Qt::NoFocus);
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.Checked());
}

TEST(SkinCheckRadioBox, AllowGrayedCyclesThroughThreeStates)
{
    TbsSkinCheckRadioBox box;
    box.resize(76, 25);
    box.SetAllowGrayed(true);
    QSignalSpy clicks(&box, &TbsSkinCheckRadioBox::OnClick);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_EQ(box.State(), cbGrayed);
    EXPECT_GT(MarkPixels(GrabFace(box), 0x808080), 10) << "grayed mark";
    box.SetChecked(false);
    EXPECT_EQ(box.State(), cbGrayed) << "unchecking keeps a grayed box grayed";
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_EQ(box.State(), cbChecked);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_EQ(box.State(), cbUnchecked);
    EXPECT_EQ(clicks.count(), 4);
}

TEST(SkinCheckRadioBox, RadioGroupKeepsOneChecked)
{
    QWidget parent;
    TbsSkinCheckRadioBox first(&parent);
    TbsSkinCheckRadioBox second(&parent);
    TbsSkinCheckRadioBox otherGroup(&parent);
    for (TbsSkinCheckRadioBox* radio : { &first, &second, &otherGroup }) {
        radio->SetRadio(true);
        radio->resize(76, 25);
    }
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
    otherGroup.SetGroupIndex(2);
    otherGroup.SetChecked(true);
    first.SetChecked(true);
    QSignalSpy firstClicks(&first, &TbsSkinCheckRadioBox::OnClick);

    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_TRUE(second.Checked());
    EXPECT_FALSE(first.Checked());
    EXPECT_TRUE(otherGroup.Checked()) << "another group is left alone";
    EXPECT_EQ(firstClicks.count(), 0) << "a radio button announces only being checked";

    QSignalSpy secondClicks(&second, &TbsSkinCheckRadioBox::OnClick);
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(8, 12));
    EXPECT_TRUE(second.Checked());
    EXPECT_EQ(secondClicks.count(), 0);
}

TEST(SkinCheckRadioBox, NonFlatFallbackIsAButtonFaceFramedWhenHovered)
{
    TbsSkinCheckRadioBox box;
    box.resize(100, 25);
    box.SetFlat(false);
    QImage face = GrabFace(box);
    EXPECT_EQ(PixelAt(face, 0, 0), 0xD4D0C8u);
    SendEnter(box);
    face = GrabFace(box);
    EXPECT_EQ(PixelAt(face, 0, 0), kShadow);
    EXPECT_EQ(PixelAt(face, 99, 24), kShadow);
}
