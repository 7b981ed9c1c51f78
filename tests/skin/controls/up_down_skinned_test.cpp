#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/skin_up_down.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRgb kRest = Rgb(40, 40, 40);
const QRgb kHotUp = Rgb(0, 200, 0);
const QRgb kHotDown = Rgb(0, 0, 200);
const QRgb kPressedDown = Rgb(200, 0, 0);

// The face at rest, the up button's hot face (it has no pressed one), and the
// down button's hot and pressed faces, side by side.
QImage MakePicture()
{
    QImage picture(100, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, 36, 20), QColor::fromRgb(kRest));
    painter.fillRect(QRect(40, 0, 18, 20), QColor::fromRgb(kHotUp));
    painter.fillRect(QRect(60, 0, 18, 20), QColor::fromRgb(kHotDown));
    painter.fillRect(QRect(80, 0, 18, 20), QColor::fromRgb(kPressedDown));
    return picture;
}

void SendMouse(QWidget& widget, QEvent::Type type, const QPoint& at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, {});
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(UpDownSkinned, AHotOrPressedButtonShowsItsOwnPieceOfThePicture)
{
    SyntheticSkin skin(MakePicture(),
        { { "hupdown", "updown",
            "pictureindex=0\nskinrect=0,0,36,20\nclientrect=1,1,35,19\n"
            "upbuttonrect=18,0,36,20\nactiveupbuttonrect=40,0,58,20\n"
            "downbuttonrect=0,0,18,20\nactivedownbuttonrect=60,0,78,20\ndowndownbuttonrect=80,0,98,20\n" } });
    TbsSkinUpDown upDown;
    upDown.SetSkinData(skin.Data());
    ASSERT_EQ(upDown.size(), QSize(36, 20));
    EXPECT_EQ(PixelAt(GrabFace(upDown), 27, 10), kRest);

    SendMouse(upDown, QEvent::MouseMove, QPoint(27, 10));
    QImage face = GrabFace(upDown);
    EXPECT_EQ(PixelAt(face, 27, 10), kHotUp) << "the up button under the mouse";
    EXPECT_EQ(PixelAt(face, 9, 10), kRest);

    SendMouse(upDown, QEvent::MouseButtonPress, QPoint(27, 10));
    EXPECT_EQ(PixelAt(GrabFace(upDown), 27, 10), kHotUp) << "without a pressed piece the hot one shows";
    SendMouse(upDown, QEvent::MouseButtonRelease, QPoint(27, 10));

    SendMouse(upDown, QEvent::MouseMove, QPoint(9, 10));
    EXPECT_EQ(PixelAt(GrabFace(upDown), 9, 10), kHotDown);
    SendMouse(upDown, QEvent::MouseButtonPress, QPoint(9, 10));
    face = GrabFace(upDown);
    EXPECT_EQ(PixelAt(face, 9, 10), kPressedDown) << "the pressed down button at (9, 10)";
    EXPECT_EQ(PixelAt(face, 27, 10), kRest);
    SendMouse(upDown, QEvent::MouseButtonRelease, QPoint(9, 10));
}
