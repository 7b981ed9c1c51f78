#include "menu_test_skin.h"

#include "skin/data/skin_messages.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Records the menu messages that reach it, in order.
class MessageLog : public QObject {
public:
    std::vector<int> types;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == WM_SKINMENU_CLOSED || event->type() == WM_SKINMENU_COMMAND) {
            types.push_back(event->type());
            return true;
        }
        return QObject::event(event);
    }
};

// A shown window with a menu of six rows: Alpha, a separator, a disabled
// Beta, Gamma with two children, Delta.
struct MenuFixture {
    QWidget form;
    TbsMenuItem root;
    int alphaClicks { 0 };
    TbsSkinMenu* engine { nullptr };

    MenuFixture()
    {
        form.resize(400, 300);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        root.Add(QStringLiteral("&Alpha"), [this] { ++alphaClicks; });
        root.AddSeparator();
        root.Add(QStringLiteral("Beta"))->SetEnabled(false);
        TbsMenuItem* gamma = root.Add(QStringLiteral("&Gamma"));
        gamma->Add(QStringLiteral("One"));
        gamma->Add(QStringLiteral("Two"));
        root.Add(QStringLiteral("&Delta"));
        engine = TbsSkinMenu::Of(&form);
    }

    void Open(QObject* control = nullptr) { engine->PopupAt(control, nullptr, false, &root, QRect(100, 100, 0, 0)); }
    TbsSkinPopupWindow* Last() const { return engine->Popups().back(); }
    QPoint RowCentre(int index) const { return Last()->Items()[static_cast<std::size_t>(index)].rect.center(); }
    void Key(Qt::Key key) { QTest::keyClick(&form, key); }
    // The mouse moves over a row of a popup.
    static void Hover(TbsSkinPopupWindow* popup, int index)
    {
        const QPoint point = popup->Items()[static_cast<std::size_t>(index)].rect.center();
        QMouseEvent move(QEvent::MouseMove, point, popup->mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(popup, &move);
    }
};

} // namespace

TEST(SkinMenu, KeyboardWalksEnabledRowsAndLevels)
{
    MenuFixture menu;
    menu.Open();
    ASSERT_TRUE(menu.engine->Visible());
    ASSERT_EQ(menu.engine->Popups().size(), 1u);
    EXPECT_EQ(menu.Last()->ActiveItem(), 0);
    EXPECT_TRUE(menu.Last()->Items()[0].keySelected);

    // Down passes over the separator and the disabled row.
    menu.Key(Qt::Key_Down);
    EXPECT_EQ(menu.Last()->ActiveItem(), 3);
    // Right opens Gamma's children, their first row selected.
    menu.Key(Qt::Key_Right);
    ASSERT_EQ(menu.engine->Popups().size(), 2u);
    EXPECT_EQ(menu.Last()->ActiveItem(), 0);
    EXPECT_TRUE(menu.engine->Popups().front()->Items()[3].submenuOpen);
    // Left closes one level.
    menu.Key(Qt::Key_Left);
    ASSERT_EQ(menu.engine->Popups().size(), 1u);
    EXPECT_FALSE(menu.Last()->Items()[3].submenuOpen);
    // Down wraps from the last row to the first.
    menu.Key(Qt::Key_Down);
    EXPECT_EQ(menu.Last()->ActiveItem(), 4);
    menu.Key(Qt::Key_Down);
    EXPECT_EQ(menu.Last()->ActiveItem(), 0);
    menu.Key(Qt::Key_Up);
    EXPECT_EQ(menu.Last()->ActiveItem(), 4);

    // Escape closes a submenu level first, then the menu.
    menu.Key(Qt::Key_Up);
    menu.Key(Qt::Key_Right);
    ASSERT_EQ(menu.engine->Popups().size(), 2u);
    menu.Key(Qt::Key_Escape);
    EXPECT_EQ(menu.engine->Popups().size(), 1u);
    EXPECT_TRUE(menu.engine->Visible());
    menu.Key(Qt::Key_Escape);
    EXPECT_FALSE(menu.engine->Visible());
    EXPECT_EQ(menu.alphaClicks, 0);
}

TEST(SkinMenu, AcceleratorAndEnterRunTheirRow)
{
    MenuFixture menu;
    menu.Open();
    QTest::keyClick(&menu.form, Qt::Key_A);
    EXPECT_EQ(menu.alphaClicks, 1);
    EXPECT_FALSE(menu.engine->Visible());

    menu.Open();
    menu.Key(Qt::Key_Return);
    EXPECT_EQ(menu.alphaClicks, 2);
    EXPECT_FALSE(menu.engine->Visible());
}

TEST(SkinMenu, ASubmenuOpensHalfASecondAfterItsRowIsHovered)
{
    MenuFixture menu;
    menu.Open();
    TbsSkinPopupWindow* first = menu.Last();
    QElapsedTimer clock;
    clock.start();
    MenuFixture::Hover(first, 3);
    EXPECT_EQ(first->ActiveItem(), 3);
    EXPECT_TRUE(menu.engine->Waiting());
    EXPECT_EQ(menu.engine->Popups().size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.engine->Popups().size() == 2; }, 5000));
    EXPECT_GE(clock.elapsed(), TbsSkinMenu::kSubmenuDelay - 10);

    // Hovering another row of the first level closes the submenu at once.
    MenuFixture::Hover(first, 4);
    EXPECT_EQ(first->ActiveItem(), 4);
    EXPECT_EQ(menu.engine->Popups().size(), 1u);
    EXPECT_FALSE(menu.engine->Waiting());
}

TEST(SkinMenu, ASeparatorClickDoesNothingAndACommandRunsOnceThenClosedThenCommand)
{
    MenuFixture menu;
    MessageLog control;
    menu.Open(&control);
    QTest::mouseClick(menu.Last(), Qt::LeftButton, {}, menu.RowCentre(1));
    EXPECT_TRUE(menu.engine->Visible());
    QTest::mouseClick(menu.Last(), Qt::LeftButton, {}, menu.RowCentre(2));
    EXPECT_TRUE(menu.engine->Visible());
    EXPECT_TRUE(control.types.empty());

    QTest::mouseClick(menu.Last(), Qt::LeftButton, {}, menu.RowCentre(0));
    EXPECT_EQ(menu.alphaClicks, 1);
    EXPECT_FALSE(menu.engine->Visible());
    EXPECT_EQ(control.types, (std::vector<int> { WM_SKINMENU_CLOSED, WM_SKINMENU_COMMAND }));
    QTest::qWait(50);
    EXPECT_TRUE(menu.engine->Popups().empty());
}

TEST(SkinMenu, AClickOutsideClosesTheMenuWithoutACommand)
{
    MenuFixture menu;
    MessageLog control;
    menu.Open(&control);
    QTest::mouseClick(&menu.form, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(menu.engine->Visible());
    EXPECT_EQ(control.types, (std::vector<int> { WM_SKINMENU_CLOSED }));
    EXPECT_EQ(menu.alphaClicks, 0);
}

TEST(SkinMenu, FiveOfEightRowsShowAndTheKeyboardScrollsThem)
{
    MenuFixture menu;
    TbsMenuItem many;
    for (int i = 0; i < 8; ++i)
        many.Add(QStringLiteral("Row %1").arg(i));
    menu.engine->SetMaxMenuItemsInWindow(5);
    menu.engine->PopupAt(nullptr, nullptr, false, &many, QRect(100, 100, 0, 0));
    TbsSkinPopupWindow* popup = menu.Last();
    EXPECT_TRUE(popup->Scroll());
    EXPECT_TRUE(popup->LimitScroll());
    EXPECT_EQ(popup->VisibleCount(), 5);
    for (int i = 0; i < 5; ++i)
        menu.Key(Qt::Key_Down);
    EXPECT_EQ(popup->ActiveItem(), 5);
    EXPECT_EQ(popup->FirstVisible(), 1);
    EXPECT_TRUE(popup->Items()[5].visible);
    // Wrapping to the top brings the first row back.
    menu.Key(Qt::Key_Down);
    menu.Key(Qt::Key_Down);
    menu.Key(Qt::Key_Down);
    EXPECT_EQ(popup->ActiveItem(), 0);
    EXPECT_EQ(popup->FirstVisible(), 0);
}

TEST(SkinMenu, ThePlainLookHighlightsTheActiveRow)
{
    MenuFixture menu;
    menu.Open();
    TbsSkinPopupWindow* popup = menu.Last();
    const QImage face = popup->RenderFace();
    const QRect active = popup->Items()[0].rect;
    const QRect normal = popup->Items()[4].rect;
    // The active row: a navy frame around a pale blue fill.
    EXPECT_EQ(face.pixel(active.topLeft()) & 0xFFFFFF, 0x000080u);
    EXPECT_EQ(face.pixel(active.left() + 2, active.top() + 2) & 0xFFFFFF, 0xB6BDD2u);
    // A normal row: the button-face column, then the window colour.
    EXPECT_EQ(face.pixel(normal.left() + 2, normal.top() + 2) & 0xFFFFFF, 0xD4D0C8u);
    EXPECT_EQ(face.pixel(normal.right() - 2, normal.top() + 2) & 0xFFFFFF, 0xFFFFFFu);
    // The window's frame.
    EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFF, 0x808080u);
}

TEST(SkinPopupMenu, UpdatesItsRowsBeforeShowingAndReportsItsCloseOnce)
{
    MenuFixture window;
    TbsSkinPopupMenu menu(&window.form);
    int closes = 0;
    menu.OnPopup = [&menu] {
        menu.Items().Clear();
        menu.Items().Add(QStringLiteral("Fresh"));
    };
    menu.OnMenuClose = [&closes] { ++closes; };
    menu.Popup(120, 130);
    ASSERT_TRUE(window.engine->Visible());
    TbsSkinPopupWindow* popup = window.Last();
    EXPECT_EQ(popup->pos(), QPoint(120, 130));
    EXPECT_EQ(&popup->ParentItem(), &menu.Items());
    EXPECT_EQ(menu.Items().Items(0)->Caption(), "Fresh");

    window.Key(Qt::Key_Escape);
    EXPECT_FALSE(window.engine->Visible());
    EXPECT_EQ(closes, 1);
    // Another menu of the same window closes without this one's handler.
    window.Open();
    window.Key(Qt::Key_Escape);
    EXPECT_EQ(closes, 1);
}

TEST(SkinMenu, TheFirstPopupFadesInToTheMenuOpacityAndSubmenusShowAtIt)
{
    MenuFixture menu;
    menu.engine->SetAlphaBlend(true);
    menu.engine->SetAlphaBlendAnimation(true);
    menu.engine->SetAlphaBlendValue(150);
    menu.Open();
    TbsSkinPopupWindow* first = menu.Last();
    EXPECT_LT(first->windowOpacity(), 0.1);
    ASSERT_TRUE(QTest::qWaitFor([first] { return qRound(first->windowOpacity() * 255) == 150; }, 5000));
    menu.Key(Qt::Key_Down);
    menu.Key(Qt::Key_Right);
    ASSERT_EQ(menu.engine->Popups().size(), 2u);
    EXPECT_EQ(qRound(menu.Last()->windowOpacity() * 255), 150);
}

TEST(SkinMenu, ASkinThatMorphsBlendsTheRowsStepByStep)
{
    MenuFixture menu;
    MenuSkin skin("40,40", "0,0,100,20", 48, QStringLiteral("morphing=1\nmorphkind=mkdefault"));
    menu.engine->PopupAt(nullptr, skin.Data(), false, &menu.root, QRect(100, 100, 0, 0));
    TbsSkinPopupWindow* popup = menu.Last();
    ASSERT_EQ(popup->ActiveItem(), 0);
    EXPECT_EQ(popup->Items()[0].morph, 1.0);

    MenuFixture::Hover(popup, 4);
    EXPECT_EQ(popup->Items()[4].morph, 0.0);
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->Items()[4].morph > 0 && popup->Items()[4].morph < 1; }, 2000));
    // Half way the row is neither face.
    const QRect row = popup->Items()[4].rect;
    const QRgb middle = popup->RenderFace().pixel(row.left() + 5, row.top() + 2) | 0xFF000000;
    EXPECT_NE(middle, MenuSkin::kNormalRow);
    EXPECT_NE(middle, MenuSkin::kActiveRow);
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->Items()[4].morph == 1.0 && popup->Items()[0].morph == 0.0; }, 2000));
    EXPECT_EQ(popup->RenderFace().pixel(row.left() + 5, row.top() + 2) | 0xFF000000, MenuSkin::kActiveRow);
    menu.engine->CloseMenus();
}
