#include "face_pixels.h"
#include "synthetic_skin.h"

#include "skin/controls/check_radio_box.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRgb kKey = Rgb(255, 0, 255);
// The marks lie side by side, 15 pixels apart, in this order.
const QRgb kMarks[] = { Rgb(10, 10, 150), Rgb(150, 150, 10), Rgb(0, 160, 0), Rgb(90, 90, 90), Rgb(160, 0, 0),
    Rgb(0, 160, 160) };
enum Mark { kCheck, kUncheck, kHotCheck, kDisabledCheck, kGrayed, kHotGrayed };

QImage MakePicture()
{
    QImage picture(90, 15, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int i = 0; i < 6; ++i) {
        painter.fillRect(QRect(15 * i, 0, 15, 15), QColor::fromRgb(kMarks[i]));
        // Each mark names its transparent colour at its bottom-left.
        painter.fillRect(QRect(15 * i, 14, 1, 1), QColor::fromRgb(kKey));
    }
    return picture;
}

// The flat box draws its mark from (3, 5); (10, 10) lies inside it.
QRgb MarkShown(TbsSkinCheckRadioBox& box)
{
    return PixelAt(GrabFace(box), 10, 10);
}

} // namespace

TEST(CheckMarkSkinned, EachLookShowsItsOwnMarkOrTheNormalOne)
{
    SyntheticSkin skin(MakePicture(),
        { { "checkbox", "checkradio",
            "pictureindex=0\ncheckimagerect=0,0,15,15\nuncheckimagerect=15,0,30,15\n"
            "activecheckimagerect=30,0,45,15\nunenabledcheckimagerect=45,0,60,15\n"
            "grayedcheckimagerect=60,0,75,15\nactivegrayedcheckimagerect=75,0,90,15\n" } });
    TbsSkinCheckRadioBox box;
    box.SetSkinData(skin.Data());
    EXPECT_EQ(MarkShown(box), kMarks[kUncheck]);
    box.SetChecked(true);
    EXPECT_EQ(MarkShown(box), kMarks[kCheck]);

    const QPointF inside(2, 2);
    QEnterEvent enter(inside, inside, box.mapToGlobal(inside));
    QApplication::sendEvent(&box, &enter);
    EXPECT_EQ(MarkShown(box), kMarks[kHotCheck]);
    box.SetChecked(false);
    EXPECT_EQ(MarkShown(box), kMarks[kUncheck]) << "no hot unchecked mark: the normal one shows";
    box.SetState(cbGrayed);
    EXPECT_EQ(MarkShown(box), kMarks[kHotGrayed]);

    box.setEnabled(false);
    EXPECT_EQ(MarkShown(box), kMarks[kGrayed]) << "a disabled box is not hot";
    box.SetState(cbChecked);
    EXPECT_EQ(MarkShown(box), kMarks[kDisabledCheck]);
}
