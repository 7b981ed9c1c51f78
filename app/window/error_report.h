#pragma once

#include <QString>
#include <functional>

class QWidget;
class TbsSkinData;

// Shows the message of an error that ended an event handler, captioned with
// the application's title. The window's default shows a message box with the
// critical icon, drawn in the window's skin; tests put a recorder in its
// place.
using ErrorReporter = std::function<void(const QString& caption, const QString& message)>;

// The message as the error box shows it: a full stop is added when the last
// character sorts after ".".
QString ErrorBoxText(const QString& message);

// A reporter that shows a modal critical message box over parent, drawn in the
// skin skinData holds at the time.
ErrorReporter MessageBoxReporter(QWidget* parent, TbsSkinData* skinData);
