#include "app/window/skin_switch.h"

#include "app/window/form1.h"
#include "app/window/skin_choice.h"
#include "app/window/skin_load_failure.h"

#include <QSettings>

bool SwitchSkin(TForm1& form, const QString& choice)
{
    const QString reason = ApplySkinChoice(form, choice);
    if (!reason.isEmpty()) {
        form.ShowErrorBox(SkinLoadFailureMessage(choice, reason));
        return false;
    }
    // The settings the program reads its skin from at start.
    QSettings settings(QStringLiteral("Lumeno"), QStringLiteral("Lumeno"));
    RememberSkinChoice(settings, choice);
    return true;
}
