#pragma once

#include <QEvent>

class TbsSkinData;

// The messages by which a skin data component tells the forms about a skin
// change. They are custom events sent synchronously (QCoreApplication::sendEvent)
// and keep the numbers of the window messages they stand for.
constexpr QEvent::Type WM_SKINDATA_BEFORE_CHANGE = static_cast<QEvent::Type>(1225);
constexpr QEvent::Type WM_SKINDATA_CHANGE = static_cast<QEvent::Type>(1226);
constexpr QEvent::Type WM_SKINDATA_AFTER_CHANGE = static_cast<QEvent::Type>(1227);
constexpr QEvent::Type WM_SKINMENU_CLOSED = static_cast<QEvent::Type>(1228);
constexpr QEvent::Type WM_SKINMENU_COMMAND = static_cast<QEvent::Type>(1229);
constexpr QEvent::Type WM_SKINDATA_RESSTRINGS = static_cast<QEvent::Type>(1274);
constexpr QEvent::Type WM_BACKGROUND_CHANGED = static_cast<QEvent::Type>(1284);
constexpr QEvent::Type WM_SKINDATA_SKINNABLEFORM = static_cast<QEvent::Type>(1294);

// One skin data message: the sending component and the constant 1000 of the
// second parameter.
class TbsSkinDataEvent : public QEvent {
public:
    TbsSkinDataEvent(QEvent::Type type, TbsSkinData* sender)
        : QEvent(type)
        , m_sender(sender)
    {
    }
    TbsSkinData* Sender() const { return m_sender; }
    static constexpr int kParam = 1000;

private:
    TbsSkinData* m_sender;
};
