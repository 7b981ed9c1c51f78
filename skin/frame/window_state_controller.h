#pragma once

#include "skin/frame/window_state.h"

#include <QBasicTimer>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// What the window-state controller and the window's tray need of the frame
// around them: the size rules the frame sets, the client area it lays out,
// and where the state changes are reported.
class TbsWindowStateHost {
public:
    virtual ~TbsWindowStateHost() = default;

    // The frame is drawn by the program; off, the window system's frame and
    // its own window states serve.
    virtual bool FrameTakenOver() const = 0;
    virtual TbsBorderIcons BorderIcons() const = 0;
    // The smallest window the frame allows in the current state: a rolled-up
    // or minimized window is its caption alone.
    virtual QSize MinimumSize() const = 0;
    // Sets the window's size limits for the current state.
    virtual void ApplySizeLimits() = 0;
    // A rolled-down window takes the client height it asks for; false where
    // it asks for none, and the height before the roll-up comes back.
    virtual bool ApplyRequestedClientHeight() = 0;
    virtual void LayoutClientArea() = 0;
    // Another window of the program that is minimized in the frame's own way
    // (it takes one of the slots along the work area's bottom edge).
    virtual bool IsMinimizedFrame(const QWidget& window) const = 0;

    // The state changes, reported after they took effect.
    virtual void Minimized() = 0;
    virtual void Maximized() = 0;
    virtual void Restored() = 0;
    virtual void RollUpChanged() = 0;
    virtual void MinimizedToTray() = 0;
    virtual void RestoredFromTray() = 0;
};

// The states a framed window is shown in, kept apart from the frame's look
// and input: maximized to the work area, minimized (a main window by the
// window system, a secondary one to a caption-sized slot along the work
// area's bottom), rolled up to its caption, its place at the first show and
// its opacity with the fade-in. It remembers the bounds a
// restore goes back to and the height a roll-down gives back.
class TbsWindowStateController : public QObject {
    Q_OBJECT

public:
    TbsWindowStateController(QWidget& window, TbsWindowStateHost& host, QObject* parent = nullptr);
    ~TbsWindowStateController() override;

    TbsWindowState State() const { return m_state; }
    // Maximizes, minimizes or restores the window; a state it is in already
    // does nothing.
    void SetState(TbsWindowState state);
    // Back to the normal state and the remembered bounds, whatever the state.
    void Restore();
    // A maximized window fills its work area again (the frame around it changed).
    void RefillWorkArea();
    bool RolledUp() const { return m_rolledUp; }
    // Rolls the window up to its caption or down again. Refused without the
    // roll-up border icon, while minimized, and for a window that was rolled
    // up before it was maximized while it stays maximized.
    void SetRolledUp(bool value);
    bool RolledUpWhileMaximized() const { return m_rolledUpWhileMaximized; }
    // The bounds a restore goes back to; empty in the normal state.
    const QRect& RestoreBounds() const { return m_restoreBounds; }

    TbsPositionInMonitor PositionInMonitor() const { return m_positionInMonitor; }
    void SetPositionInMonitor(TbsPositionInMonitor value) { m_positionInMonitor = value; }
    // Maximized, the window covers the whole screen rather than its work area.
    bool MaximizeOnFullScreen() const { return m_maximizeOnFullScreen; }
    void SetMaximizeOnFullScreen(bool value) { m_maximizeOnFullScreen = value; }
    // The window was shown: the first time it takes its place on the
    // monitor; with a blend it fades in.
    void Shown();

    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool value);
    int AlphaBlendValue() const { return m_alphaBlendValue; }
    void SetAlphaBlendValue(int value);
    bool AlphaBlendAnimation() const { return m_alphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { m_alphaBlendAnimation = value; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void Maximize();
    void Minimize();
    // The top-left of the first free caption-sized slot along the bottom of area.
    QPoint FreeMinimizedSlot(const QRect& area, const QSize& size) const;
    void PlaceAtFirstShow();
    void FadeIn();

    QWidget& m_window;
    TbsWindowStateHost& m_host;

    TbsWindowState m_state { TbsWindowState::wsNormal };
    QRect m_restoreBounds;
    bool m_rolledUp { false };
    bool m_rolledUpWhileMaximized { false };
    bool m_rolledUpAtMaximize { false };
    int m_heightBeforeRollUp { 0 };
    TbsPositionInMonitor m_positionInMonitor { TbsPositionInMonitor::bspDefault };
    bool m_maximizeOnFullScreen { false };
    bool m_firstShow { true };

    bool m_alphaBlend { false };
    int m_alphaBlendValue { 200 };
    bool m_alphaBlendAnimation { false };
    QBasicTimer m_fadeTimer;
};
