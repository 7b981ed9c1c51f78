#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMenu;

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
// a separator and Select All, each enabled as the commands say.
std::unique_ptr<QMenu> CreateEditContextMenu(const EditMenuCommands& commands);
