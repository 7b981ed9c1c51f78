#pragma once

#include <QStringList>
#include <QTextStream>

#include <memory>

class TbsMenuItem;
class TbsSkinData;

// render-menu SKIN OUT.png [--menu edit|system] [--active N]: draws a menu
// the program shows, in the skin's texts — the memo's context menu (edit,
// the default) or the rows the frame gives the main window's system menu —
// from the skin's popup window and menu item definitions exactly as the menu
// engine draws it, row N highlighted (the first enabled row unless given),
// writes it as PNG and prints its size. Needs a widget application.
void RunRenderMenuCommand(const QStringList& arguments, QTextStream& out);

// The memo's context menu as a preview shows it, in the skin's texts: a
// selection and something to undo, so every row is enabled but Paste, which
// is as canPaste says. Its rows do nothing.
std::unique_ptr<TbsMenuItem> SampleEditMenu(const TbsSkinData& skin, bool canPaste);
