#pragma once

#include "skin/menus/popup_face.h"

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <vector>

class TbsMenuItem;
class TbsSkinMenu;

// One window of an open menu: the visible children of an item, drawn from
// the menu's look. It never takes the focus or activates, so the window the
// menu belongs to stays active; the menu engine routes the keyboard to it.
class TbsSkinPopupWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMouseInterval = 50;
    static constexpr int kScrollInterval = 100;
    static constexpr int kMorphInterval = 20;

    // Lays out the children of parentItem from startIndex on.
    TbsSkinPopupWindow(TbsSkinMenu& menu, const PopupLook& look, TbsMenuItem& parentItem, int startIndex,
        int maxItemsInWindow, const QRect& workArea);

    // Places the window at anchor (screen coordinates) and shows it with the
    // first enabled row selected.
    void PopupAt(const QRect& anchor, PopupOpening opening);

    TbsSkinMenu& Menu() const { return m_menu; }
    TbsMenuItem& ParentItem() const { return m_parentItem; }
    const std::vector<TbsSkinMenuItem>& Items() const { return m_face.Items(); }
    int ActiveItem() const { return m_activeItem; }
    bool Scroll() const { return m_face.Size().scroll; }
    bool LimitScroll() const { return m_face.Size().limitScroll; }
    int FirstVisible() const { return m_face.Layout().firstVisible; }
    int VisibleCount() const { return m_face.Layout().visibleCount; }
    PopupScrollCode ScrollCode() const { return m_scrollCode; }
    // A row's rectangle on the screen.
    QRect ItemScreenRect(int index) const;

    // The engine's hands on the rows.
    void SetSubmenuOpen(int index, bool open);
    void KeyDown(int key, const QString& text);
    // The mouse rests at point (window coordinates).
    void HoverAt(const QPoint& point);
    // Draws the window as it would show now.
    QImage RenderFace() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int RowCount() const;
    TbsSkinMenuItem& Row(int index);
    const TbsSkinMenuItem& Row(int index) const;
    bool Selectable(int index) const;
    int ItemAt(const QPoint& point) const;
    void EnterItem(int index, bool byKeyboard);
    void LeaveItem(int index);
    void RepaintItem(int index);
    // The frames of the rows' animation; 0 without one.
    int AnimationFrameCount() const;
    void StartMorph();
    void MorphTick();
    bool HoverScrollMarkers(const QPoint& point);
    void StopScrolling();
    void ScrollTick();
    void PollMouse();
    void SelectByKeyboard(int index);
    void StepSelection(int direction);
    void EnsureVisible(int index);
    void RunItem(int index);
    // Tells assistive technology which row is highlighted, as the focus.
    void ReportActiveItem();

    TbsSkinMenu& m_menu;
    TbsMenuItem& m_parentItem;
    QRect m_workArea;
    PopupFace m_face;
    int m_activeItem { -1 };
    PopupScrollCode m_scrollCode { PopupScrollCode::None };
    QPoint m_lastCursor { -1, -1 };
    QTimer m_mouseTimer;
    QTimer m_scrollTimer;
    QTimer m_morphTimer;
};
