#include "app/window/window_file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

QString DroppedLocalFile(const QDropEvent& event)
{
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

WindowFileDrop::WindowFileDrop(QWidget& window, DropHandler onDrop)
    : QObject(&window)
    , m_window(window)
    , m_onDrop(std::move(onDrop))
{
    // Where the window system asks which windows take drops.
    m_window.setAcceptDrops(true);
    m_window.installEventFilter(this);
    WatchPlatformWindow();
}

void WindowFileDrop::WatchPlatformWindow()
{
    QWindow* handle = m_window.windowHandle();
    if (!handle || handle == m_watched)
        return;
    m_watched = handle;
    handle->installEventFilter(this);
}

bool WindowFileDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        // The platform window comes with the first show, and anew when the
        // window is recreated.
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            WatchPlatformWindow();
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (DroppedLocalFile(*drag).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedLocalFile(*drop);
        if (path.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const QPoint at = drop->position().toPoint();
        QMetaObject::invokeMethod(this, [this, path, at] { m_onDrop(path, at); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
