#include "app/window/error_report.h"

#include <QMessageBox>
#include <QPointer>

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

ErrorReporter MessageBoxReporter(QWidget* parent)
{
    return [owner = QPointer<QWidget>(parent)](const QString& caption, const QString& message) {
        QMessageBox box(QMessageBox::Critical, caption, message, QMessageBox::Ok, owner);
        box.exec();
    };
}
