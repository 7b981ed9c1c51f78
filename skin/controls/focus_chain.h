#pragma once

class QWidget;

// Gives the focus to the first control inside container, in the window's tab
// order, that can take it from the keyboard; false when none can.
bool FocusFirstControlIn(QWidget& container);
