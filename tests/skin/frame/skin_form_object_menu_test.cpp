#include "skin/data/skin_data.h"
#include "skin/frame/frame_button_objects.h"
#include "skin/frame/skin_form.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "tests/skin/frame/frame_test_skin.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace frame_test;

// The stored skin's geometry with one more frame object: a plain button left
// of the caption, whose pressed face is the test's down face.
SkinPackage PackageWithMenuButton()
{
    SkinPackage package = StoredGeometryPackage();
    QString text = StoredGeometryDefinition()
                       .replace("count=7\n", "count=8\n")
                       .replace("6=caption:caption\n", "6=caption:caption\n7=menubutton:button\n")
                       .replace("[caption]\nskinrect=5,4,280,24", "[caption]\nskinrect=60,4,280,24")
        + QStringLiteral("[menubutton]\nactivepictureindex=0\nskinrectinapicture=0\nskinrect=30,5,51,26\n"
                         "activeskinrect=21,0,42,21\ndownrect=42,0,63,21\n");
    package.definitionText = text.replace("\n", "\r\n").toLatin1();
    return package;
}

struct FormWithMenuButton {
    std::unique_ptr<TbsSkinData> skin { LoadSkin(PackageWithMenuButton()) };
    QWidget form;
    TbsSkinForm* controller { new TbsSkinForm(&form) };
    TbsSkinPopupMenu menu { &form };
    int clicks { 0 };

    FormWithMenuButton()
    {
        menu.Items().Add(QStringLiteral("&First"), [this] { ++clicks; });
        menu.Items().Add(QStringLiteral("&Second"), [this] { ++clicks; });
        controller->SetBorderIcons(biMinimize | biMaximize);
        controller->SetObjectPopupMenu(QStringLiteral("menubutton"), &menu);
        controller->SetSkinData(skin.get());
        form.resize(600, 400);
        form.move(20, 20);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    TbsSkinButtonObject& Button()
    {
        for (const auto& object : controller->Objects()) {
            if (object->IDName == QStringLiteral("menubutton"))
                return dynamic_cast<TbsSkinButtonObject&>(*object);
        }
        throw std::runtime_error("no menu button");
    }
    TbsSkinMenu* Engine() { return TbsSkinMenu::Of(&form); }
    void Press()
    {
        const QPoint centre = Button().ObjectRect.center();
        QTest::mouseMove(&form, centre);
        QTest::mousePress(&form, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, centre);
    }
};

} // namespace

TEST(SkinFormObjectMenu, AFrameButtonsDropDownKeepsItDownUntilItClosesAndTheWindowActive)
{
    FormWithMenuButton window;
    QSignalSpy opened(window.controller, &TbsSkinForm::OnSkinMenuOpen);
    QSignalSpy closed(window.controller, &TbsSkinForm::OnSkinMenuClose);
    const QRect button = window.Button().ObjectRect;

    window.Press();
    ASSERT_TRUE(window.Engine()->Visible());
    TbsSkinPopupWindow* popup = window.Engine()->Popups().front();
    // Below the button, drawn with the frame's skin.
    EXPECT_EQ(popup->pos(), window.form.mapToGlobal(QPoint(button.left(), button.bottom() + 1)));
    EXPECT_EQ(&popup->ParentItem(), &window.menu.Items());
    EXPECT_TRUE(window.Button().Down());
    EXPECT_EQ(window.controller->RenderWindow().pixel(button.center()) & 0xFFFFFF, kDownFace);
    EXPECT_TRUE(window.controller->SkinMenuOpen());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(window.form.isActiveWindow());
    EXPECT_TRUE(window.controller->IsActive());

    // Escape closes the menu: the button comes up, the frame hears it once.
    popup->KeyDown(Qt::Key_Escape, QString());
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(window.Button().Down());
    EXPECT_FALSE(window.controller->SkinMenuOpen());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(window.form.isActiveWindow());

    // A row's command runs once and brings the button up too.
    window.Press();
    ASSERT_TRUE(window.Engine()->Visible());
    window.Engine()->Popups().front()->KeyDown(Qt::Key_S, QStringLiteral("s"));
    EXPECT_EQ(window.clicks, 1);
    EXPECT_FALSE(window.Button().Down());
    EXPECT_EQ(opened.count(), 2);
    EXPECT_EQ(closed.count(), 2);

    // The drop-down stays the button's across a skin change.
    window.controller->SetSkinData(window.skin.get());
    window.Press();
    EXPECT_TRUE(window.Engine()->Visible());
    window.Engine()->CloseMenus();
    EXPECT_FALSE(window.Button().Down());

    // A menu with nothing to show leaves the frame with no menu open.
    TbsSkinPopupMenu empty(&window.form);
    empty.Popup(100, 100);
    EXPECT_FALSE(window.Engine()->Visible());
    EXPECT_FALSE(window.controller->SkinMenuOpen());
}
