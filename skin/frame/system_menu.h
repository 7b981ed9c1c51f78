#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <memory>

class TbsMenuItem;
class TbsSkinForm;
class TbsSkinMenu;

// The system menu of a skinned form: rebuilt at every showing from the form's
// state (minimize, maximize, restore, roll up, minimize to tray, a separator
// and close, each present only where it applies), with the skin's texts, and
// shown by the form's menu engine. A user's own SystemMenu is shown instead,
// or, with UseDefaultSysMenu, merged with the standard rows.
class TbsSystemMenu : public QObject {
    Q_OBJECT

public:
    explicit TbsSystemMenu(TbsSkinForm& skinForm);
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

    TbsSkinForm& m_skinForm;
    TbsMenuItem* m_systemMenu { nullptr };
    bool m_useDefaultSysMenu { true };
    std::unique_ptr<TbsMenuItem> m_defaultMenu;
    QPointer<TbsSkinMenu> m_engine;
};
