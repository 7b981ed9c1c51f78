#include "skin/controls/edit_context_menu.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/skin_menu.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

namespace {

void AddItem(TbsMenuItem& menu, const TbsSkinData* skinData, const QString& textName, bool enabled,
    const std::function<void()>& action)
{
    TbsMenuItem* item = menu.Add(SkinResStr(skinData, textName), action);
    item->SetName(textName);
    item->SetEnabled(enabled && action);
}

// The few reads and the one command in which the two editors differ.
bool HasSelection(const QLineEdit& editor) { return editor.hasSelectedText(); }
bool HasSelection(const QPlainTextEdit& editor) { return editor.textCursor().hasSelection(); }
bool CanUndo(const QLineEdit& editor) { return editor.isUndoAvailable(); }
bool CanUndo(const QPlainTextEdit& editor) { return editor.document()->isUndoAvailable(); }
bool AllSelected(const QLineEdit& editor) { return editor.selectedText() == editor.text(); }
bool AllSelected(const QPlainTextEdit& editor)
{
    const QTextCursor selection = editor.textCursor();
    return selection.selectionStart() == 0 && selection.selectionEnd() == editor.document()->characterCount() - 1;
}
void DeleteSelection(QLineEdit& editor) { editor.del(); }
void DeleteSelection(QPlainTextEdit& editor)
{
    if (!editor.isReadOnly())
        editor.textCursor().removeSelectedText();
}

template <typename Editor> EditMenuCommands CommandsOf(Editor& editor, bool readOnlyGreysChanges)
{
    const bool hasSelection = HasSelection(editor);
    const bool changeable = !(readOnlyGreysChanges && editor.isReadOnly());
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    EditMenuCommands commands;
    commands.canUndo = CanUndo(editor);
    commands.canCut = hasSelection && changeable;
    commands.canCopy = hasSelection;
    commands.canPaste = clipboard && clipboard->hasText() && changeable;
    commands.canDelete = hasSelection && changeable;
    commands.canSelectAll = !AllSelected(editor);
    Editor* target = &editor;
    commands.undo = [target] { target->undo(); };
    commands.cut = [target] { target->cut(); };
    commands.copy = [target] { target->copy(); };
    commands.paste = [target] { target->paste(); };
    commands.deleteSelection = [target] { DeleteSelection(*target); };
    commands.selectAll = [target] { target->selectAll(); };
    return commands;
}

} // namespace

EditMenuCommands EditorMenuCommands(QLineEdit& editor)
{
    return CommandsOf(editor, true);
}

EditMenuCommands EditorMenuCommands(QPlainTextEdit& editor)
{
    return CommandsOf(editor, false);
}

std::unique_ptr<TbsMenuItem> CreateEditContextMenu(const EditMenuCommands& commands, const TbsSkinData* skinData)
{
    auto menu = std::make_unique<TbsMenuItem>();
    AddItem(*menu, skinData, QStringLiteral("EDIT_UNDO"), commands.canUndo, commands.undo);
    menu->AddSeparator();
    AddItem(*menu, skinData, QStringLiteral("EDIT_CUT"), commands.canCut, commands.cut);
    AddItem(*menu, skinData, QStringLiteral("EDIT_COPY"), commands.canCopy, commands.copy);
    AddItem(*menu, skinData, QStringLiteral("EDIT_PASTE"), commands.canPaste, commands.paste);
    AddItem(*menu, skinData, QStringLiteral("EDIT_DELETE"), commands.canDelete, commands.deleteSelection);
    menu->AddSeparator();
    AddItem(*menu, skinData, QStringLiteral("EDIT_SELECTALL"), commands.canSelectAll, commands.selectAll);
    return menu;
}

bool IsContextMenuShortcut(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
}

std::optional<QPoint> ContextMenuRequestPos(const QEvent& event, const QWidget& control)
{
    const QPoint centre = control.mapToGlobal(control.rect().center());
    if (IsContextMenuShortcut(event))
        return centre;
    if (event.type() != QEvent::ContextMenu)
        return std::nullopt;
    const auto& request = static_cast<const QContextMenuEvent&>(event);
    return request.reason() == QContextMenuEvent::Keyboard ? centre : request.globalPos();
}

EditContextMenu::EditContextMenu(QWidget& control, QLineEdit& editor)
    : QObject(&control)
    , m_control(control)
    , m_commands([&editor] { return EditorMenuCommands(editor); })
{
}

EditContextMenu::EditContextMenu(QWidget& control, QPlainTextEdit& editor)
    : QObject(&control)
    , m_control(control)
    , m_commands([&editor] { return EditorMenuCommands(editor); })
{
}

EditContextMenu::~EditContextMenu()
{
    // An open menu must not outlive its items.
    if (m_engine)
        m_engine->CloseIfShowing(m_menu.get());
}

bool EditContextMenu::ShowOnRequest(const QEvent& event, TbsSkinData* skinData)
{
    const std::optional<QPoint> pos = ContextMenuRequestPos(event, m_control);
    if (pos)
        Show(m_commands(), skinData, *pos);
    return pos.has_value();
}

void EditContextMenu::Show(const EditMenuCommands& commands, TbsSkinData* skinData, const QPoint& globalPos)
{
    std::unique_ptr<TbsMenuItem> menu = CreateEditContextMenu(commands, skinData);
    m_engine = TbsSkinMenu::Of(&m_control);
    // The menu shown before closes with its notifications, so the window's
    // frame hears of it; the old items go only after.
    if (m_engine->Visible())
        m_engine->CloseMenus();
    m_engine->FrameMenuOpening();
    m_engine->PopupAt(this, skinData, false, menu.get(), QRect(globalPos, QSize(0, 0)));
    m_menu = std::move(menu);
    if (!m_engine->Visible())
        m_engine->CloseMenus();
}

bool EditContextMenu::event(QEvent* event)
{
    if (event->type() == WM_SKINMENU_COMMAND) {
        m_menu.reset();
        return true;
    }
    return QObject::event(event);
}
