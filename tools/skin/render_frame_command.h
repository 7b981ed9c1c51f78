#pragma once

#include <QStringList>
#include <QTextStream>

// render-frame FILE WIDTH HEIGHT OUT.png [--inactive] [--caption TEXT]:
// paints the whole window of WIDTH x HEIGHT as the skin frames it (strips,
// caption buttons, caption text, the inactive look with --inactive) with the
// client area filled by the client background, pixels outside the window's
// shape transparent, and writes it as PNG. A size below the skin's minimum
// window size is refused.
void RunRenderFrameCommand(const QStringList& arguments, QTextStream& out);
