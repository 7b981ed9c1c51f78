#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QWidget;
class TbsMenuItem;
class TbsSkinData;
class TbsSkinMenu;

// What the edit controls' context menu can do at the moment it opens, and how.
struct EditMenuCommands {
    bool canUndo { false };
    bool canCut { false };
    bool canCopy { false };
    bool canPaste { false };
    bool canDelete { false };
    bool canSelectAll { false };
    std::function<void()> undo;
    std::function<void()> cut;
    std::function<void()> copy;
    std::function<void()> paste;
    std::function<void()> deleteSelection;
    std::function<void()> selectAll;
};

// The edit and memo context menu: Undo, a separator, Cut, Copy, Paste, Delete,
// a separator and Select All, each enabled as the commands say, with the
// skin's texts (the program's own without them).
std::unique_ptr<TbsMenuItem> CreateEditContextMenu(const EditMenuCommands& commands, const TbsSkinData* skinData);

// What an editor's menu can do now. The single-line edit greys Cut, Paste and
// Delete while read-only; the memo leaves them to its editor, which refuses
// them then.
EditMenuCommands EditorMenuCommands(QLineEdit& editor);
EditMenuCommands EditorMenuCommands(QPlainTextEdit& editor);

// Shift+F10, the keyboard's second way to ask for a context menu (the menu
// key arrives as a context menu event of its own).
bool IsContextMenuShortcut(const QEvent& event);

// Where a context menu asked for by event opens, in screen coordinates: at
// the mouse, or at the control's centre when the keyboard asked; nothing when
// event asks for no menu.
std::optional<QPoint> ContextMenuRequestPos(const QEvent& event, const QWidget& control);

// The context menu of one edit control, shown by the skinned menu engine of
// the control's window. It stands for the control towards the engine: the
// engine's command message frees the menu once its command has run.
class EditContextMenu : public QObject {
    Q_OBJECT

public:
    // The menu of control, whose typing is done by editor.
    EditContextMenu(QWidget& control, QLineEdit& editor);
    EditContextMenu(QWidget& control, QPlainTextEdit& editor);
    ~EditContextMenu() override;

    // Shows the menu when event asks for one and tells whether it did.
    bool ShowOnRequest(const QEvent& event, TbsSkinData* skinData);
    // Replaces any menu shown before; skinData may be null (the plain look).
    void Show(const EditMenuCommands& commands, TbsSkinData* skinData, const QPoint& globalPos);
    const TbsMenuItem* Menu() const { return m_menu.get(); }

protected:
    bool event(QEvent* event) override;

private:
    QWidget& m_control;
    std::function<EditMenuCommands()> m_commands;
    QPointer<TbsSkinMenu> m_engine;
    std::unique_ptr<TbsMenuItem> m_menu;
};
