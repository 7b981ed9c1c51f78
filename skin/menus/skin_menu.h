#pragma once

#include "skin/menus/popup_look.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;
class TbsMenuItem;
class TbsSkinData;
class TbsSkinPopupWindow;

// The engine that shows a window's popup menus in skinned windows: one
// popup window per open level, delayed submenus, scrolling, the keyboard,
// and the notifications when the menu closes (WM_SKINMENU_CLOSED) and when
// an item's command has run (WM_SKINMENU_COMMAND), both sent to the control
// that asked for the menu. One menu is open at a time.
//
// While a menu is open the engine watches the application's events: key
// presses go to the last open popup, a click outside the popups or the
// window losing activation closes the menu, the mouse wheel is swallowed.
class TbsSkinMenu : public QObject {
    Q_OBJECT

public:
    static constexpr int kSubmenuDelay = 500;

    explicit TbsSkinMenu(QWidget* form);
    ~TbsSkinMenu() override;

    // The engine of widget's window, created with it on first use.
    static TbsSkinMenu* Of(QWidget* widget);

    // Shows the children of parentItem from startIndex on, at anchor (screen
    // coordinates; a point is an empty rectangle at it), below it or, with
    // upward, above it. Any open menu closes first.
    void PopupAt(QObject* popupControl, TbsSkinData* skinData, bool upward, TbsMenuItem* parentItem,
        const QRect& anchor, int startIndex = 0);
    // Closes everything and tells the window too.
    void CloseMenus();
    // Closes the menu when it shows the children of parentItem: their owner
    // calls it before it frees them.
    void CloseIfShowing(const TbsMenuItem* parentItem);

    bool Visible() const { return m_visible; }
    QWidget* Form() const { return m_form; }
    // The open windows, the first level first.
    std::vector<TbsSkinPopupWindow*> Popups() const;
    // The open window at a screen point; the deepest one where they overlap.
    TbsSkinPopupWindow* PopupUnder(const QPoint& globalPoint) const;

    int MaxMenuItemsInWindow() const { return m_maxMenuItemsInWindow; }
    void SetMaxMenuItemsInWindow(int value) { m_maxMenuItemsInWindow = value; }
    bool UseSkinFont() const { return m_lookOptions.useSkinFont; }
    void SetUseSkinFont(bool value) { m_lookOptions.useSkinFont = value; }
    int DefaultMenuItemHeight() const { return m_lookOptions.defaultItemHeight; }
    void SetDefaultMenuItemHeight(int value) { m_lookOptions.defaultItemHeight = value; }
    const QFont& DefaultMenuItemFont() const { return m_lookOptions.defaultFont; }
    void SetDefaultMenuItemFont(const QFont& font) { m_lookOptions.defaultFont = font; }
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool value) { m_alphaBlend = value; }
    bool AlphaBlendAnimation() const { return m_alphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { m_alphaBlendAnimation = value; }
    int AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(int value) { m_alphaBlendValue = value; }

    // Runs once when the open menu closes, then is cleared.
    std::function<void()> OnMenuClose;

    // The window's frame controller, when it has one: it hears of the menus
    // that popup menu components open in its window as of its own (the
    // menu-closed notification reaches it through the window), and lends
    // them its menu skin when they have none.
    struct FrameLink {
        std::function<void()> menuOpening;
        std::function<TbsSkinData*()> menuSkin;
    };
    void SetFrameLink(FrameLink link) { m_frameLink = std::move(link); }
    // Tells the frame that a menu of its window is about to open.
    void FrameMenuOpening() const;
    // The frame's menu skin; null without a frame.
    TbsSkinData* FrameMenuSkin() const;

    // What the popup windows ask of the engine.
    int LevelOf(const TbsSkinPopupWindow* window) const;
    // Frees the windows from level on; level 0 closes the menu.
    void CloseFrom(int level);
    // Runs an item (an enabled row without an open submenu): a command closes
    // the menu first, a submenu opens.
    void ItemCommand(TbsSkinPopupWindow& window, int index);
    void OpenSubmenu(TbsSkinPopupWindow& window, int index);
    void StartWait(TbsSkinPopupWindow& window, int index);
    void StopWait(const TbsSkinPopupWindow& window, int index);
    bool Waiting() const { return m_waitTimer.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPopup(TbsMenuItem& parentItem, int startIndex, const QRect& anchor, PopupOpening opening);
    void WaitTimeout();
    void FadeStep();
    bool InsidePopup(QObject* object) const;

    QPointer<QWidget> m_form;
    std::vector<QPointer<TbsSkinPopupWindow>> m_popups;
    // Closed windows waiting to be freed; they go with the engine at the latest.
    std::vector<QPointer<TbsSkinPopupWindow>> m_closedPopups;
    bool m_visible { false };
    bool m_first { false };
    QPointer<TbsSkinData> m_skinData;
    PopupLook m_look;
    PopupLookOptions m_lookOptions;
    QRect m_workArea;
    QPointer<QObject> m_popupControl;
    QPointer<QObject> m_commandTarget;
    QPointer<TbsSkinPopupWindow> m_waitWindow;
    int m_waitIndex { -1 };
    QTimer m_waitTimer;
    QTimer m_fadeTimer;
    int m_maxMenuItemsInWindow { 0 };
    bool m_alphaBlend { false };
    bool m_alphaBlendAnimation { false };
    int m_alphaBlendValue { 150 };
    FrameLink m_frameLink;
};
