#pragma once

#include <QSize>

class TForm1;

// The smallest client size of the main window at which every control of its
// tool strip shows whole, worked out from where the controls stand and how
// large they are in the skin in use, and the pages still show their tabs and
// kArticleLinesAtMinimum lines of the article.
constexpr int kArticleLinesAtMinimum = 3;
QSize MinimumClientSize(const TForm1& form);

// Keeps the window from being made smaller than that, in the frame of the
// skin in use, and the tool strip high enough for its controls in the skin's
// fonts: now, and again after every skin change.
void KeepToolStripWhole(TForm1& form);
