#include "skin/frame/form_requests.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A control that records the keys that reach it.
class KeyLog : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

// An active form of the default frame with a system-menu button and a
// focused control in its client area.
struct FormWithFocus {
    QWidget form;
    TbsSkinForm* controller { new TbsSkinForm(&form) };
    KeyLog* control { new KeyLog(controller->ClientArea()) };

    FormWithFocus()
    {
        controller->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
        form.resize(400, 300);
        control->setGeometry(10, 10, 100, 30);
        control->setFocusPolicy(Qt::StrongFocus);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        control->setFocus();
    }

    TbsSkinMenu* Engine() { return TbsSkinMenu::Of(&form); }
    const TbsActiveSkinObject& SystemMenuButton() const
    {
        for (const auto& object : controller->Objects()) {
            if (object->IDName == QStringLiteral("sysmenubutton"))
                return *object;
        }
        throw std::runtime_error("no system-menu button");
    }
};

bool Has(const std::vector<int>& keys, int key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

TEST(SkinFormKeys, AltSpaceOpensTheSystemMenuAndAltOrF10CloseIt)
{
    FormWithFocus window;
    QSignalSpy closed(window.controller, &TbsSkinForm::OnSkinMenuClose);

    QTest::keyClick(window.control, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(window.Engine()->Visible());
    const QRect button = window.SystemMenuButton().ObjectRect;
    EXPECT_EQ(window.Engine()->Popups().front()->pos(), window.form.mapToGlobal(QPoint(button.left(), button.bottom() + 1)));
    EXPECT_FALSE(Has(window.control->keys, Qt::Key_Space));

    QTest::keyClick(window.control, Qt::Key_F10);
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(window.controller->SkinMenuOpen());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(Has(window.control->keys, Qt::Key_F10));

    QTest::keyClick(window.control, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(window.Engine()->Visible());
    QTest::keyClick(window.control, Qt::Key_Alt);
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_EQ(closed.count(), 2);

    // Alt that is part of a combination is no keyboard-menu key.
    QTest::keyClick(window.control, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(window.Engine()->Visible());
    QTest::keyClick(window.control, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(window.Engine()->Visible());
    window.Engine()->CloseMenus();

    // Other keys reach the control; a form without a system-menu button
    // opens the menu below the caption's left end, unless its system menu is
    // disabled.
    QTest::keyClick(window.control, Qt::Key_A);
    EXPECT_TRUE(Has(window.control->keys, Qt::Key_A));
    window.controller->SetBorderIcons(biMinimize);
    window.control->keys.clear();
    QTest::keyClick(window.control, Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(window.Engine()->Visible());
    const QMargins frame = window.controller->FrameMargins();
    EXPECT_EQ(window.Engine()->Popups().front()->pos(), window.form.mapToGlobal(QPoint(frame.left(), frame.top())));
    EXPECT_FALSE(Has(window.control->keys, Qt::Key_Space));
    window.Engine()->CloseMenus();
    window.controller->SetDisableSystemMenu(true);
    QTest::keyClick(window.control, Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(Has(window.control->keys, Qt::Key_Space));
}

TEST(SkinFormKeys, TheFormsShortCutHandlerSeesKeysFirstAndCanKeepThem)
{
    FormWithFocus window;
    std::vector<int> seen;
    window.controller->OnShortCut = [&seen](QKeyEvent& key, bool& handled) {
        seen.push_back(key.key());
        handled = key.key() == Qt::Key_Space || key.key() == Qt::Key_B;
    };
    QTest::keyClick(window.control, Qt::Key_Space, Qt::AltModifier);
    EXPECT_FALSE(window.Engine()->Visible());
    QTest::keyClick(window.control, Qt::Key_B);
    QTest::keyClick(window.control, Qt::Key_C);
    EXPECT_TRUE(Has(seen, Qt::Key_Space));
    EXPECT_TRUE(Has(seen, Qt::Key_C));
    EXPECT_FALSE(Has(window.control->keys, Qt::Key_B));
    EXPECT_TRUE(Has(window.control->keys, Qt::Key_C));
}

TEST(SkinFormRequests, TheFormAnswersWhetherItIsSkinnedAndPaintsItsFrameOnRequest)
{
    FormWithFocus window;
    TbsFormRequestEvent query(WM_SKINFORM_QUERY);
    QCoreApplication::sendEvent(&window.form, &query);
    EXPECT_EQ(query.Result(), kFormFrameTakenOver);

    const QImage expected = window.controller->RenderWindow();
    QImage image(window.form.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    TbsFormRequestEvent paint(WM_SKINFORM_PAINTFRAME, &painter);
    QCoreApplication::sendEvent(&window.form, &paint);
    EXPECT_EQ(paint.Result(), kFramePainted);
    const QPoint caption(window.form.width() / 2, 8);
    const QPoint border(1, window.form.height() / 2);
    EXPECT_EQ(image.pixel(caption), expected.pixel(caption));
    EXPECT_EQ(image.pixel(border), expected.pixel(border));

    // The keyed request answers only its key.
    TbsFormRequestEvent wrongKey(WM_SKINFORM_PAINTFRAME_KEYED, &painter, 1);
    QCoreApplication::sendEvent(&window.form, &wrongKey);
    EXPECT_EQ(wrongKey.Result(), 0);
    TbsFormRequestEvent keyed(WM_SKINFORM_PAINTFRAME_KEYED, &painter, kPaintFrameKey);
    QCoreApplication::sendEvent(&window.form, &keyed);
    EXPECT_EQ(keyed.Result(), kPaintFrameKey);

    // With the window system's frame back nothing is painted.
    window.controller->SetSkinnableFrame(false);
    TbsFormRequestEvent systemFrame(WM_SKINFORM_QUERY);
    QCoreApplication::sendEvent(&window.form, &systemFrame);
    EXPECT_EQ(systemFrame.Result(), kFormFrameOwnedBySystem);
    image.fill(Qt::magenta);
    TbsFormRequestEvent none(WM_SKINFORM_PAINTFRAME, &painter);
    QCoreApplication::sendEvent(&window.form, &none);
    EXPECT_EQ(none.Result(), 0);
    EXPECT_EQ(image.pixel(caption), QColor(Qt::magenta).rgb());
}
