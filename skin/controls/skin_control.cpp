#include "skin/controls/skin_control.h"

#include "skin/data/skin_messages.h"

#include <QPaintEvent>
#include <QPainter>

#if __has_include("skin/data/skin_data.h")
#include "skin/data/skin_data.h"
#define LUMENO_SKIN_DATA_COMPLETE 1
#endif

TbsSkinControl::TbsSkinControl(QWidget* parent)
    : QWidget(parent)
{
    // The face covers every pixel, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

TbsSkinControl::~TbsSkinControl()
{
    QObject::disconnect(m_skinDataDestroyed);
}

void TbsSkinControl::SetSkinData(TbsSkinData* skinData)
{
    if (skinData == m_skinData)
        return;
    QObject::disconnect(m_skinDataDestroyed);
    m_skinData = skinData;
#ifdef LUMENO_SKIN_DATA_COMPLETE
    if (m_skinData) {
        m_skinDataDestroyed = connect(m_skinData, &QObject::destroyed, this, [this] { DropSkinData(); });
        if (!m_skinData->Empty())
            ChangeSkinData();
    }
#endif
}

void TbsSkinControl::DropSkinData()
{
    m_skinData = nullptr;
    m_skinIndex = -1;
    update();
}

void TbsSkinControl::SetSkinDataName(const QString& name)
{
    m_skinDataName = name;
}

void TbsSkinControl::GetSkinData()
{
    m_skinIndex = -1;
#ifdef LUMENO_SKIN_DATA_COMPLETE
    if (m_skinData && !m_skinData->Empty())
        m_skinIndex = m_skinData->GetControlIndex(m_skinDataName);
#endif
}

void TbsSkinControl::ChangeSkinData()
{
    GetSkinData();
    update();
}

void TbsSkinControl::BeforeChangeSkinData()
{
    m_skinIndex = -1;
}

void TbsSkinControl::AfterChangeSkinData()
{
}

void TbsSkinControl::ParentBackgroundChanged()
{
}

void TbsSkinControl::CreateControlDefaultImage(QImage&)
{
}

void TbsSkinControl::CreateControlSkinImage(QImage&)
{
}

QImage TbsSkinControl::RenderFace()
{
    if (width() <= 0 || height() <= 0)
        return {};
    GetSkinData();
    QImage face(size(), kFaceFormat);
    face.fill(Qt::black);
    if (m_skinIndex == -1)
        CreateControlDefaultImage(face);
    else
        CreateControlSkinImage(face);
    return face;
}

void TbsSkinControl::paintEvent(QPaintEvent*)
{
    m_painting = true;
    const QImage face = RenderFace();
    if (!face.isNull()) {
        QPainter painter(this);
        painter.drawImage(0, 0, face);
    }
    m_painting = false;
}

bool TbsSkinControl::event(QEvent* event)
{
    if (event->type() == WM_BACKGROUND_CHANGED) {
        ParentBackgroundChanged();
        return true;
    }
    return QWidget::event(event);
}

void TbsSkinControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    emit OnMouseEnter();
}

void TbsSkinControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit OnMouseLeave();
}

void TbsSkinControl::changeEvent(QEvent* event)
{
    // Enabled state and font take part in most faces.
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}
