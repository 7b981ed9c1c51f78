#pragma once

// What the window target does to a skinned window's frame and checks of it,
// for any window with a frame controller: the main window and the secondary
// ones beside it. A broken check aborts, as a finding.
#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <string>
#include <vector>

class QObject;
class QWidget;
class TbsSkinForm;

// How a broken check names what it found.
std::string Text(const QRect& rect);
std::string Text(const QSize& size);
std::string Text(const QObject* object);

// The frame's margins and the caption buttons it lays in its row fit in the
// window.
void RequireFrameWhole(const TbsSkinForm& frame);

void SendMouse(QWidget& window, QEvent::Type type, const QPoint& point, Qt::MouseButton button,
    Qt::MouseButtons held);

// The frame's morphs and animations step on timers of 25 ms; a step hands
// them their ticks at once instead of waiting, as many rounds as a morph
// takes from one face to the other (an animation of more frames is cut short).
void TickFrameTimers(TbsSkinForm& frame);

// The middles of the first shown objects of the frame; for clicks, without
// the one that leaves for the tray.
std::vector<QPoint> ObjectCentres(const TbsSkinForm& frame, bool toClick);

// The mouse moved onto the middle of the first objects of the frame (each
// lights up, morphs or animates to its end, may show its hint), then out of
// the window.
void HoverOverFrameObjects(TbsSkinForm& frame);

// Closes the menus the window's engine shows and deletes their windows.
void CloseMenus(QWidget& window);
