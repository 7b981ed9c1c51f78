#pragma once

#include <QStringList>
#include <QTextStream>

// render-menu FILE OUT.png [--active N]: draws a sample popup menu (commands
// with short cuts, a separator, a checked row, a disabled row and a submenu
// row) from the skin's popup window and menu item definitions exactly as the
// menu engine draws it, row N highlighted (the first enabled row unless
// given), writes it as PNG and prints its size. Needs a GUI application for
// the fonts.
void RunRenderMenuCommand(const QStringList& arguments, QTextStream& out);
