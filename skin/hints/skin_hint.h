#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QTimer>

#include <memory>

class QHelpEvent;
class QWidget;
class TbsSkinData;
class TbsSkinHintWindow;

// The skinned hint component. Hints show in a window drawn from the skin's
// hint window (the plain tooltip look when the skin has none), looked up
// each time a hint shows, so the hint follows skin changes.
//
// While Active it shows the tooltips of the widgets in its parent's window in
// place of the platform's: a widget's (or its nearest ancestor's) toolTip(),
// below the mouse, until the mouse leaves the widget, a button or key is
// pressed, or HidePause passes. Frame objects and controls show their own
// hints through ActivateHint and take them away with HideHint.
class TbsSkinHint : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultHidePause = 10000;
    // From the mouse's hot spot to the hint's top-left, as the platform's
    // tooltips sit.
    static constexpr QPoint kCursorOffset { 2, 16 };

    explicit TbsSkinHint(QObject* parent = nullptr);
    ~TbsSkinHint() override;

    TbsSkinData* SkinData() const;
    void SetSkinData(TbsSkinData* skinData);
    bool Active() const { return m_active; }
    void SetActive(bool active);
    // Milliseconds a tooltip stays; 0 keeps it until something hides it.
    int HidePause() const { return m_hidePause; }
    void SetHidePause(int milliseconds);

    // The size of the window that text would show in now.
    QSize HintSize(const QString& text) const;
    // Shows text with the window's top-left at globalPos, moved as little as
    // it takes to stay on the screen. Replaces any hint shown before.
    void ActivateHint(const QPoint& globalPos, const QString& text);
    void HideHint();

    bool HintVisible() const;
    QString HintText() const;
    // The window the hints show in; null until the first hint.
    TbsSkinHintWindow* HintWindow() const { return m_window.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ShowsToolTipsOf(const QWidget& widget) const;
    bool ShowToolTip(QWidget& widget, const QHelpEvent& event);
    // Whether event, seen anywhere in the program, ends the tooltip shown.
    bool EndsToolTip(QObject* watched, const QEvent& event) const;

    QPointer<TbsSkinData> m_skinData;
    bool m_active { true };
    int m_hidePause { kDefaultHidePause };
    std::unique_ptr<TbsSkinHintWindow> m_window;
    // The widget whose tooltip shows; null while a hint of another kind
    // shows.
    QPointer<QWidget> m_toolTipWidget;
    QTimer m_hideTimer;
};
