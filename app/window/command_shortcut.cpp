#include "app/window/command_shortcut.h"

#include "skin/controls/skin_button.h"

#include <QShortcut>

QList<QShortcut*> AddCommandShortcut(TbsSkinButton& button, const QList<QKeySequence>& keys)
{
    QList<QShortcut*> shortcuts;
    if (keys.isEmpty())
        return shortcuts;
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, &button);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &button, [&button] {
            if (button.isEnabled())
                button.ButtonClick();
        });
        shortcuts.append(shortcut);
    }
    button.setToolTip(QStringLiteral("%1 (%2)").arg(button.Caption(), keys.first().toString(QKeySequence::NativeText)));
    return shortcuts;
}
