#pragma once

#include "skin/data/frame_command.h"
#include "skin/frame/window_state.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>

class QWidget;
class TbsMenuItem;
class TbsSkinData;
class TbsSkinMenu;

// What the system menu needs of its window: the state its rows follow and
// the operations they run.
class TbsSystemMenuHost {
public:
    virtual ~TbsSystemMenuHost() = default;

    virtual TbsWindowState WindowState() const = 0;
    virtual TbsBorderIcons BorderIcons() const = 0;
    virtual bool RolledUp() const = 0;
    virtual bool RolledUpWhileMaximized() const = 0;
    // The window the menu opens for; the skin its rows are drawn with; the
    // skin its texts come from (null for the program's own).
    virtual QWidget* Window() const = 0;
    virtual TbsSkinData* MenuSkin() const = 0;
    virtual const TbsSkinData* TextSkin() const = 0;

    virtual void RunCommand(TbsStdCommand command) = 0;
    virtual void SetWindowState(TbsWindowState state) = 0;
    virtual void SetRolledUp(bool rolledUp) = 0;
    // The menu opened by Show has closed, or never opened.
    virtual void MenuClosed() = 0;
};

// The system menu of a skinned form: rebuilt at every showing from its
// window's state (minimize, maximize, restore, roll up, minimize to tray, a separator
// and close, each present only where it applies), with the skin's texts, and
// shown by the form's menu engine. A user's own SystemMenu is shown instead,
// or, with UseDefaultSysMenu, merged with the standard rows.
class TbsSystemMenu : public QObject {
    Q_OBJECT

public:
    TbsSystemMenu(TbsSystemMenuHost& host, QObject* parent);
    ~TbsSystemMenu() override;

    // The user's menu, which must outlive this one; null for the standard rows.
    TbsMenuItem* SystemMenu() const { return m_systemMenu; }
    void SetSystemMenu(TbsMenuItem* menu) { m_systemMenu = menu; }
    bool UseDefaultSysMenu() const { return m_useDefaultSysMenu; }
    void SetUseDefaultSysMenu(bool value) { m_useDefaultSysMenu = value; }

    // The rows as the form's state has them now.
    std::unique_ptr<TbsMenuItem> BuildDefaultMenu() const;
    // Shows the menu at (a point) or below (a rectangle) anchor, in screen
    // coordinates.
    void Show(const QRect& screenAnchor);
    // The menu shown last, while it is in use.
    const TbsMenuItem* ShownMenu() const;

private:
    // The standard rows inserted at the top of the user's menu, close at its end.
    void MergeIntoSystemMenu();

    TbsSystemMenuHost& m_host;
    TbsMenuItem* m_systemMenu { nullptr };
    bool m_useDefaultSysMenu { true };
    std::unique_ptr<TbsMenuItem> m_defaultMenu;
    QPointer<TbsSkinMenu> m_engine;
};
