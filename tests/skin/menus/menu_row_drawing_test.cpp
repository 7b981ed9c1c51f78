#include "menu_test_skin.h"

#include "skin/menus/menu_item.h"
#include "skin/menus/popup_face.h"
#include "skin/menus/popup_item_animation.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_window.h"

#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct ThreeRows {
    QWidget form;
    TbsMenuItem root;
    TbsSkinMenu* engine { nullptr };

    ThreeRows()
    {
        form.resize(300, 200);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        for (const char* caption : { "One", "Two", "Three" })
            root.Add(QString::fromLatin1(caption));
        engine = TbsSkinMenu::Of(&form);
    }
    ~ThreeRows() { engine->CloseMenus(); }

    TbsSkinPopupWindow* Open(TbsSkinData* skin)
    {
        engine->PopupAt(nullptr, skin, false, &root, QRect(50, 50, 0, 0));
        return engine->Popups().back();
    }
};

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

} // namespace

TEST(MenuRowAnimation, FramesAreCutFromTheStripAndCountBetweenTheFaces)
{
    // Stacked when the row's face is lower than the strip, else side by side.
    EXPECT_EQ(MenuItemAnimationFrame(QRect(0, 0, 100, 40), 20, 2, 2), QRect(0, 20, 100, 20));
    EXPECT_EQ(MenuItemAnimationFrame(QRect(0, 0, 100, 20), 20, 4, 3), QRect(50, 0, 25, 20));
    EXPECT_TRUE(MenuItemAnimationFrame(QRect(0, 0, 100, 20), 20, 4, 0).isEmpty());
    EXPECT_TRUE(MenuItemAnimationFrame(QRect(0, 0, 100, 20), 20, 4, 5).isEmpty());
    // More frames than the strip has pixels cut nothing.
    EXPECT_TRUE(MenuItemAnimationFrame(QRect(0, 0, 3, 20), 20, 4, 1).isEmpty());

    int frame = 0;
    std::vector<int> up;
    for (int tick = 0; tick < 5; ++tick)
        up.push_back(frame = NextMenuItemAnimationFrame(frame, true, 2));
    EXPECT_EQ(up, (std::vector<int> { 1, 2, 3, 3, 3 }));
    EXPECT_EQ(NextMenuItemAnimationFrame(1, false, 2), 0);
    EXPECT_EQ(NextMenuItemAnimationFrame(0, false, 2), 0);
    EXPECT_EQ(NextMenuItemAnimationFrame(99, false, 2), 2);
    EXPECT_EQ(MenuItemAnimationFrameOnLeave(1, 2, false), 3);
    EXPECT_EQ(MenuItemAnimationFrameOnLeave(1, 2, true), 1);
}

TEST(MenuRowAnimation, AHighlightedRowPlaysTheStripAndALeftRowPlaysItBack)
{
    ThreeRows menu;
    // Two frames side by side, each grey above and blue below.
    MenuSkin skin("40,40", "0,0,100,20", 48, QStringLiteral("animateskinrect=0,10,100,30\nframecount=2\nanimateinterval=150"));
    TbsSkinPopupWindow* popup = menu.Open(skin.Data());
    const auto& rows = popup->Items();
    const QRect first = rows[0].rect;
    const QRect second = rows[1].rect;
    EXPECT_EQ(rows[0].frame, 3);
    EXPECT_EQ(Pixel(popup->RenderFace(), first.left() + 5, first.top() + 2), MenuSkin::kActiveRow);

    popup->KeyDown(Qt::Key_Down, QString());
    ASSERT_TRUE(QTest::qWaitFor([&rows] { return rows[1].frame == 1; }, 3000));
    QImage face = popup->RenderFace();
    EXPECT_EQ(Pixel(face, second.left() + 5, second.top() + 2), MenuSkin::kNormalRow);
    EXPECT_EQ(Pixel(face, second.left() + 5, second.bottom() - 2), MenuSkin::kActiveRow);
    // The row left plays the strip back from its highlighted end.
    EXPECT_EQ(rows[0].frame, 2);
    EXPECT_EQ(Pixel(face, first.left() + 5, first.top() + 2), MenuSkin::kNormalRow);

    ASSERT_TRUE(QTest::qWaitFor([&rows] { return rows[1].frame == 3 && rows[0].frame == 0; }, 3000));
    face = popup->RenderFace();
    EXPECT_EQ(Pixel(face, second.left() + 5, second.top() + 2), MenuSkin::kActiveRow);
    EXPECT_EQ(Pixel(face, first.left() + 5, first.bottom() - 2), MenuSkin::kNormalRow);

    // Without skin effects the rows switch faces at once.
    menu.engine->CloseMenus();
    skin.Data()->SetEnableSkinEffects(false);
    popup = menu.Open(skin.Data());
    popup->KeyDown(Qt::Key_Down, QString());
    face = popup->RenderFace();
    EXPECT_EQ(Pixel(face, second.left() + 5, second.bottom() - 2), MenuSkin::kActiveRow);
    EXPECT_EQ(Pixel(face, second.left() + 5, second.top() + 2), MenuSkin::kActiveRow);
}

TEST(MenuRowOwnerDraw, ARowWithItsOwnDrawingDrawsItselfOverItsFace)
{
    ThreeRows menu;
    struct Call {
        QRect textRect;
        bool active;
        QColor pen;
    };
    std::vector<Call> calls;
    menu.root.Items(0)->OnDrawItem = [&calls](QPainter& painter, const QRect& textRect, bool active) {
        calls.push_back({ textRect, active, painter.pen().color() });
        painter.fillRect(textRect.adjusted(2, 2, -2, -2), Qt::magenta);
    };

    // The plain look: the row less two pixels on each side, in the window text colour.
    TbsSkinPopupWindow* popup = menu.Open(nullptr);
    const QRect row = popup->Items()[0].rect;
    calls.clear();
    QImage face = popup->RenderFace();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].textRect, QRect(2, 2, row.width() - 4, row.height() - 4));
    EXPECT_TRUE(calls[0].active);
    EXPECT_EQ(calls[0].pen, QColor(Qt::black));
    EXPECT_EQ(Pixel(face, row.center().x(), row.center().y()), 0xFFFF00FFu);
    // The highlighted face is still the menu's.
    EXPECT_EQ(Pixel(face, row.left(), row.top()) & 0xFFFFFF, 0x000080u);
    menu.engine->CloseMenus();

    // A skin: the skin's text rectangle grown with the row, its active text colour.
    MenuSkin skin("40,40", "0,0,100,20", 48, QStringLiteral("activefontcolor=255"));
    popup = menu.Open(skin.Data());
    const int width = popup->Items()[0].rect.width();
    calls.clear();
    face = popup->RenderFace();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].textRect, QRect(QPoint(30, 0), QPoint(92 + width - 100 - 1, 19)));
    EXPECT_EQ(calls[0].pen, QColor(255, 0, 0));
}

TEST(MenuRowSizes, RowsAndTheWindowAreAsHighAsTheSkinSays)
{
    // The skin's edges, right and bottom exclusive: rows from y 0 to 20 of the
    // item picture, a divider from y 17 to 21 (three grey lines above one
    // blue one), items inside the 48-pixel window picture from 4 to 44.
    const int itemHeight = 20 - 0;
    const int dividerHeight = 21 - 17;
    const int windowFrameHeight = 48 - (44 - 4);
    MenuSkin skin("40,40", "0,0,100,20", 48, QStringLiteral("dividerrect=0,17,100,21"));
    TbsMenuItem root;
    root.Add(QStringLiteral("One"));
    root.AddSeparator();
    root.Add(QStringLiteral("Two"));
    const PopupFace face(skin.Look(), root, 0, 0, 1000);
    ASSERT_TRUE(face.Look().itemDivider);

    const QRect one = face.Items()[0].rect;
    const QRect divider = face.Items()[1].rect;
    const QRect two = face.Items()[2].rect;
    EXPECT_EQ(one.height(), itemHeight);
    EXPECT_EQ(divider.height(), dividerHeight);
    EXPECT_EQ(two.height(), itemHeight);
    EXPECT_EQ(divider.top(), one.top() + itemHeight);
    EXPECT_EQ(two.top(), divider.top() + dividerHeight);
    EXPECT_EQ(face.Size().height, 2 * itemHeight + dividerHeight + windowFrameHeight);

    // The divider's picture lies line for line in its row, its one blue line
    // last; the next row starts with its own grey face.
    const QImage image = face.Render(PopupScrollCode::None);
    const int x = divider.left() + 50;
    EXPECT_EQ(Pixel(image, x, divider.top() + dividerHeight - 2), MenuSkin::kNormalRow);
    EXPECT_EQ(Pixel(image, x, divider.top() + dividerHeight - 1), MenuSkin::kActiveRow);
    EXPECT_EQ(Pixel(image, x, two.top()), MenuSkin::kNormalRow);
}
