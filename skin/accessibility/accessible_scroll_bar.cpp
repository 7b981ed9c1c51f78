#include "skin/accessibility/accessible_scroll_bar.h"

#include "skin/controls/scroll_bar.h"

AccessibleScrollBar::AccessibleScrollBar(TbsSkinScrollBar* bar)
    : AccessibleRangeControl(bar, QAccessible::ScrollBar)
{
}

TbsSkinScrollBar* AccessibleScrollBar::Bar() const { return static_cast<TbsSkinScrollBar*>(widget()); }

int AccessibleScrollBar::Value() const { return Bar()->Position(); }

void AccessibleScrollBar::SetValue(int value) { Bar()->SetPosition(value); }

int AccessibleScrollBar::Minimum() const { return Bar()->Min(); }

int AccessibleScrollBar::Maximum() const { return Bar()->Max(); }

int AccessibleScrollBar::Step() const { return Bar()->SmallChange(); }
