#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>

class QDropEvent;
class QWidget;
class QWindow;

// Lets files be dropped anywhere on a window, over its memos and edits too: a
// drag that carries local files belongs to the window, every other drag (text
// for a memo) goes to the control under the mouse as before. The first file
// of a drop and the point it was dropped at (in the window's coordinates) are
// handed to onDrop once the drop has ended, so that whatever onDrop shows does
// not hold up the application the file came from.
class WindowFileDrop : public QObject {
    Q_OBJECT

public:
    using DropHandler = std::function<void(const QString& path, const QPoint& at)>;
    WindowFileDrop(QWidget& window, DropHandler onDrop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Drags reach the window's platform window before any of its widgets.
    void WatchPlatformWindow();

    QWidget& m_window;
    QPointer<QWindow> m_watched;
    DropHandler m_onDrop;
};

// The first local file a drop carries; empty for none.
QString DroppedLocalFile(const QDropEvent& event);
