#include "skin/frame/skin_form.h"

#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/client_background.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

TbsSkinForm::TbsSkinForm(QWidget* form)
    : QObject(form)
    , m_form(form)
{
    Q_ASSERT(form);
    m_form->installEventFilter(this);
}

TbsSkinData* TbsSkinForm::SkinData() const
{
    return m_skinData;
}

void TbsSkinForm::SetSkinData(TbsSkinData* skinData)
{
    m_skinData = skinData;
    ApplySkin();
}

void TbsSkinForm::ApplySkin()
{
    m_skinned = m_skinData && !m_skinData->Empty();
    m_form->update();
    emit OnChangeSkinData();
}

bool TbsSkinForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form) {
        const QEvent::Type type = event->type();
        if (type == WM_SKINDATA_BEFORE_CHANGE)
            WMSkinDataBeforeChange(static_cast<TbsSkinDataEvent*>(event)->Sender());
        else if (type == WM_SKINDATA_CHANGE)
            WMSkinDataChange(static_cast<TbsSkinDataEvent*>(event)->Sender());
        else if (type == WM_SKINDATA_AFTER_CHANGE)
            WMSkinDataAfterChange(static_cast<TbsSkinDataEvent*>(event)->Sender());
        else if (type == QEvent::Paint)
            PaintClientBackground();
    }
    // The form sees every message too.
    return false;
}

void TbsSkinForm::WMSkinDataBeforeChange(TbsSkinData* sender)
{
    if (sender != m_skinData)
        return;
    m_changingSkin = true;
    m_skinned = false;
    ForEachControlOf(sender, &TbsSkinControl::BeforeChangeSkinData);
    emit OnBeforeChangeSkinData();
}

void TbsSkinForm::WMSkinDataChange(TbsSkinData* sender)
{
    m_changingSkin = false;
    if (sender == m_skinData)
        ApplySkin();
    ForEachControlOf(sender, &TbsSkinControl::ChangeSkinData);
}

void TbsSkinForm::WMSkinDataAfterChange(TbsSkinData*)
{
    emit OnAfterChangeSkinData();
}

void TbsSkinForm::PaintClientBackground()
{
    // Nothing of the old skin is left to draw while a new one loads.
    if (m_changingSkin)
        return;
    QPainter painter(m_form);
    painter.drawImage(0, 0, ClientBackground(m_skinned ? m_skinData.data() : nullptr, m_form->size()));
}

void TbsSkinForm::ForEachControlOf(TbsSkinData* skinData, void (TbsSkinControl::*operation)())
{
    const auto controls = m_form->findChildren<TbsSkinControl*>();
    for (TbsSkinControl* control : controls) {
        if (!skinData || control->SkinData() == skinData)
            (control->*operation)();
    }
}
