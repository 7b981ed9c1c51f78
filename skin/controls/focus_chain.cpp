#include "skin/controls/focus_chain.h"

#include <QWidget>

bool FocusFirstControlIn(QWidget& container)
{
    // The focus chain is a ring through every widget of the window, so the
    // walk ends at the container at the latest.
    for (QWidget* widget = container.nextInFocusChain(); widget && widget != &container;
         widget = widget->nextInFocusChain()) {
        if (container.isAncestorOf(widget) && widget->isVisible() && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}
