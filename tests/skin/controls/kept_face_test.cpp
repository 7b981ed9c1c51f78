#include "face_pixels.h"

#include "skin/controls/check_radio_box.h"
#include "skin/controls/plain_look_colors.h"
#include "skin/controls/skin_button.h"
#include "skin/data/skin_messages.h"
#include "skin/draw/system_colors.h"

#include <QCoreApplication>
#include <QPainter>
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
