#pragma once

#include "skin/menus/menu_item.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class QWidget;
class TbsSkinData;
class TbsSkinMenu;

// A popup menu a window offers of its own (a button's drop-down, a list's
// context menu): its rows, shown by the skinned menu engine of the window
// that owns it, drawn from SkinData (without one, the menu skin of the
// window's frame, else the plain look). The window's frame counts the menu
// as one of its own while it is open, as it does its system menu.
class TbsSkinPopupMenu : public QObject {
    Q_OBJECT

public:
    // owner is a widget of the window whose engine shows the menu.
    explicit TbsSkinPopupMenu(QWidget* owner);
    ~TbsSkinPopupMenu() override;

    // The rows; add them before showing the menu.
    TbsMenuItem& Items() { return m_items; }
    TbsSkinData* SkinData() const;
    void SetSkinData(TbsSkinData* skinData);

    // Runs before the menu shows, to update its rows.
    std::function<void()> OnPopup;
    // Runs once each time the menu closes.
    std::function<void()> OnMenuClose;

    // Shows the menu at the screen point (x, y); upward opens it above.
    void Popup(int x, int y, bool upward = false);
    // Shows the menu below (or, upward, above) a screen rectangle, as a
    // button shows its drop-down.
    void PopupAtRect(const QRect& screenRect, bool upward = false);

private:
    QWidget* m_owner;
    QPointer<TbsSkinData> m_skinData;
    QPointer<TbsSkinMenu> m_engine;
    TbsMenuItem m_items;
};
