#include "tools/preview/preview_error_strip.h"

#include <QEvent>

PreviewErrorStrip::PreviewErrorStrip(QWidget& over)
    : QLabel(&over)
{
    setObjectName(QStringLiteral("previewErrorStrip"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setMargin(6);
    setAutoFillBackground(true);
    // Plain colours of its own: the skin that failed is not to be trusted
    // with the message about it.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x8b, 0x1a, 0x1a));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    over.installEventFilter(this);
    hide();
}

void PreviewErrorStrip::ShowError(const QString& message)
{
    setText(QStringLiteral("This save cannot be used; the last good skin stays on screen until the next good "
                           "save.\n%1")
                .arg(message));
    Place();
    show();
    raise();
}

bool PreviewErrorStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        Place();
    return QLabel::eventFilter(watched, event);
}

void PreviewErrorStrip::Place()
{
    const QWidget* over = parentWidget();
    const int height = qMin(heightForWidth(over->width()), over->height());
    setGeometry(0, over->height() - height, over->width(), height);
}
