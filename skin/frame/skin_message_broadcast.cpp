#include "skin/frame/skin_message_broadcast.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_message_route.h"
#include "skin/data/skin_messages.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

void BroadcastSkinDataMessage(TbsSkinData& sender, QEvent::Type message)
{
    auto* const owner = qobject_cast<QWidget*>(sender.parent());
    QWidget* const ownerForm = owner && owner->isWindow() ? owner : nullptr;
    // A receiver may close other windows while it handles the message.
    QList<QPointer<QWidget>> recipients;
    if (ownerForm)
        recipients.append(ownerForm);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != ownerForm)
            recipients.append(widget);
    }

    for (const QPointer<QWidget>& recipient : recipients) {
        if (!recipient)
            continue;
        TbsSkinDataEvent event(message, &sender);
        QCoreApplication::sendEvent(recipient, &event);
    }
}

void InstallSkinMessageBroadcast() { SetSkinMessageRoute(&BroadcastSkinDataMessage); }
