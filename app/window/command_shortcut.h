#pragma once

#include <QKeySequence>
#include <QList>

class QShortcut;
class TbsSkinButton;

// Gives a command button that takes no focus a keyboard way: each of keys,
// pressed anywhere in the button's window, clicks the button as the mouse
// does, but only while the button is enabled. The button's hint names its
// caption and the first of keys.
QList<QShortcut*> AddCommandShortcut(TbsSkinButton& button, const QList<QKeySequence>& keys);
