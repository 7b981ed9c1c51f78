#include "app/window/shuffle_mode_setting.h"

#include "app/window/form1.h"
#include "skin/controls/check_radio_box.h"

#include <QSettings>

void KeepShuffleModeInSettings(TForm1& form, QSettings& settings)
{
    TbsSkinCheckRadioBox* const box = form.bschck3;
    box->SetChecked(settings.value(QLatin1String(kWholeSentencesSettingsKey), false).toBool());
    QObject::connect(box, &TbsSkinCheckRadioBox::OnClick, box, [box, &settings] {
        settings.setValue(QLatin1String(kWholeSentencesSettingsKey), box->Checked());
        // Written now: a program that is killed still starts with it next time.
        settings.sync();
    });
}
