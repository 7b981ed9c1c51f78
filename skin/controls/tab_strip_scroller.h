#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class TbsSkinData;
class TbsSkinUpDown;

// The up-down that scrolls a page control's tabs on the top or bottom: made
// when the tabs first overflow, freed when they all fit again. It sits at the
// owner's right end, 2 x height wide, and calls moved when the user moves it.
class TabStripScroller {
public:
    TabStripScroller(QWidget& owner, std::function<void()> moved);

    TbsSkinUpDown* get() const;
    int Position() const;
    int Max() const;

    // The definition a scroller is made with or changes to.
    struct Skin {
        QString skinDataName;
        TbsSkinData* skinData { nullptr };
    };

    // Keeps a scroller with a range of 0 .. overflow while tabs overflow, or
    // frees it when overflow is 0; returns scrolled kept inside the range.
    int Update(int overflow, int scrolled, int height, bool atTop, const Skin& skin);
    // A scroller that exists takes the definition.
    void Bind(const Skin& skin);
    // Moves it as a user would, telling moved.
    void SetPosition(int position);

private:
    QWidget& m_owner;
    std::function<void()> m_moved;
    QPointer<TbsSkinUpDown> m_scroller;
};
