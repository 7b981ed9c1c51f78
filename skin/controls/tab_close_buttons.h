#pragma once

#include <QPointer>

class TbsSkinTabSheet;

// The state of the close buttons on a page control's tabs: the page whose
// button the mouse is over, and the page whose button the left button went
// down on. A page freed in between matches neither.
class TabCloseButtons {
public:
    bool MouseIn(const TbsSkinTabSheet* page) const;
    bool Down(const TbsSkinTabSheet* page) const;

    // The mouse is over page's button, or over none; true when that changed.
    bool Hover(TbsSkinTabSheet* page);
    // Presses page's button when the mouse is over it; true when it did.
    bool Press(TbsSkinTabSheet* page);
    // Lets go; returns the page whose button was pressed and released over
    // it, which is to close, else null.
    TbsSkinTabSheet* Release();
    void Clear();

private:
    QPointer<TbsSkinTabSheet> m_hovered;
    QPointer<TbsSkinTabSheet> m_pressed;
};
