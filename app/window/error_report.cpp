#include "app/window/error_report.h"

#include "skin/data/skin_data.h"
#include "skin/dialogs/skin_message_box.h"

#include <QPointer>

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

ErrorReporter MessageBoxReporter(QWidget* parent, TbsSkinData* skinData)
{
    return [owner = QPointer<QWidget>(parent), skin = QPointer<TbsSkinData>(skinData)](const QString& caption, const QString& message) {
        TbsSkinMessageBox box(skin, QMessageBox::Critical, caption, message, QMessageBox::Ok, QMessageBox::Ok, owner);
        box.exec();
    };
}
