#include "skin/controls/skin_control.h"

#include "skin/draw/system_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/draw/whole_pixel_scaling.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

TbsSkinControl::TbsSkinControl(QWidget* parent)
    : QWidget(parent)
{
    // The face covers every pixel, so the background is never erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

TbsSkinData* TbsSkinControl::SkinData() const
{
    return m_skinData;
}

void TbsSkinControl::SetSkinData(TbsSkinData* skinData)
{
    for (const QMetaObject::Connection& connection : std::as_const(m_skinDataConnections))
        disconnect(connection);
    m_skinDataConnections.clear();
    m_skinData = skinData;
    if (m_skinData) {
        m_skinDataConnections = {
            connect(m_skinData, &TbsSkinData::SkinAboutToChange, this, &TbsSkinControl::BeforeChangeSkinData),
            connect(m_skinData, &TbsSkinData::SkinChanged, this, &TbsSkinControl::ChangeSkinData),
            connect(m_skinData, &TbsSkinData::SkinChangeFinished, this, &TbsSkinControl::AfterChangeSkinData),
            connect(m_skinData, &TbsSkinData::SkinCleared, this, &TbsSkinControl::ChangeSkinData),
            connect(m_skinData, &QObject::destroyed, this, &TbsSkinControl::DropSkin),
        };
    }
    // An empty skin is taken up later, when its load announces the change.
    if (m_skinData && !m_skinData->Empty())
        ChangeSkinData();
}

void TbsSkinControl::SetSkinDataName(const QString& name)
{
    if (name == m_skinDataName)
        return;
    m_skinDataName = name;
    // The definition is looked up here and at skin changes, never per paint.
    if (m_skinData && !m_skinData->Empty())
        ChangeSkinData();
}

void TbsSkinControl::GetSkinData()
{
    m_skinIndex = -1;
    m_skin = m_skinData ? m_skinData->Skin() : nullptr;
    if (m_skin && !m_skinData->Empty())
        m_skinIndex = m_skin->FindControlIndex(m_skinDataName);
    if (!TakeDefinition(SkinDefinition()))
        m_skinIndex = -1;
}

bool TbsSkinControl::TakeDefinition(const TbsDataSkinControl* definition)
{
    return definition != nullptr;
}

bool TbsSkinControl::SkinEffectsEnabled() const
{
    return m_skinData && m_skinData->EnableSkinEffects();
}

const TbsDataSkinControl* TbsSkinControl::SkinDefinition() const
{
    if (!m_skin || SkinIndex() < 0)
        return nullptr;
    const auto& definitions = m_skin->controlDefinitions;
    if (static_cast<std::size_t>(SkinIndex()) >= definitions.size())
        return nullptr;
    return definitions[static_cast<std::size_t>(SkinIndex())].get();
}

QImage TbsSkinControl::SkinPicture(int index) const
{
    return m_skin ? m_skin->ActivePicture(index) : QImage();
}

void TbsSkinControl::ChangeSkinData()
{
    GetSkinData();
    FaceChanged();
}

void TbsSkinControl::BeforeChangeSkinData()
{
    DropSkin();
}

void TbsSkinControl::DropSkin()
{
    m_skinIndex = -1;
    m_skin.reset();
    FaceChanged();
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

void TbsSkinControl::DrawParentBackground(QImage& image) const
{
    m_drewParent = true;
    // A parent that paints no background of its own shows the form's colour.
    image.fill(SkinColorToQColor(clBtnFace));
    QWidget* const parent = parentWidget();
    if (!parent)
        return;
    QPainter painter(&image);
    parent->render(&painter, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
}

QImage TbsSkinControl::RenderFace()
{
    QImage face;
    BuildFace(face);
    return face;
}

bool TbsSkinControl::BuildFace(QImage& face)
{
    if (width() <= 0 || height() <= 0)
        return false;
    // The face has the screen's whole pixel ratio: the skin's art enlarged by
    // whole pixels, text drawn at the device's resolution.
    FitFaceBuffer(face, size(), WholePixelRatio(devicePixelRatio()));
    face.fill(Qt::black);
    PaintFace(face);
    return true;
}

void TbsSkinControl::PaintFace(QImage& face)
{
    if (m_skinIndex == -1)
        CreateControlDefaultImage(face);
    else
        CreateControlSkinImage(face);
}

void TbsSkinControl::FaceChanged()
{
    ++m_faceRevision;
    update();
}

void TbsSkinControl::FaceChanged(const QRect& part)
{
    ++m_faceRevision;
    update(part);
}

FaceInputs TbsSkinControl::CurrentFaceInputs() const
{
    return { .enabled = isEnabled(), .focused = hasFocus() };
}

FaceKey TbsSkinControl::CurrentFaceKey() const
{
    return { .size = size(),
        .ratio = WholePixelRatio(devicePixelRatio()),
        .skin = m_skin,
        .definitionIndex = m_skinIndex,
        .revision = m_faceRevision,
        .inputs = CurrentFaceInputs() };
}

QRegion TbsSkinControl::ReachableRegion() const
{
    QRegion reachable(rect());
    for (QObject* object : children()) {
        const auto* child = qobject_cast<const QWidget*>(object);
        if (child && !child->isWindow() && child->isVisible() && child->mask().isEmpty()
            && (child->testAttribute(Qt::WA_OpaquePaintEvent) || child->autoFillBackground()))
            reachable -= child->geometry();
    }
    return reachable;
}

void TbsSkinControl::paintEvent(QPaintEvent* event)
{
    m_painting = true;
    const FaceKey key = CurrentFaceKey();
    if (key != m_faceKey || !m_face.Covers(event->region(), devicePixelRatio())) {
        // A paint that reaches past the parts kept of this very face keeps
        // it whole from now on rather than building it at every paint.
        const bool pastParts = key == m_faceKey && !m_face.IsEmpty();
        QImage face = m_face.TakeWhole();
        m_drewParent = false;
        if (BuildFace(face)) {
            const QRegion reachable = pastParts ? QRegion(rect()) : ReachableRegion() + event->region();
            m_face.Keep(std::move(face), reachable, devicePixelRatio());
        }
        m_faceKey = key;
        m_faceShowsParent = m_drewParent;
    }
    if (!m_face.IsEmpty()) {
        QPainter painter(this);
        m_face.Draw(painter, event->region());
    }
    m_painting = false;
}

void TbsSkinControl::hideEvent(QHideEvent* event)
{
    // A hidden control holds no face; the next paint builds one again.
    m_face.Clear();
    QWidget::hideEvent(event);
}

bool TbsSkinControl::event(QEvent* event)
{
    // What shows through a face depends on where the control sits.
    if ((event->type() == QEvent::Move || event->type() == QEvent::ParentChange) && m_faceShowsParent)
        FaceChanged();
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
        FaceChanged();
    QWidget::changeEvent(event);
}

void SendBackgroundChanged(QWidget* container)
{
    const auto children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        QEvent message(WM_BACKGROUND_CHANGED);
        QCoreApplication::sendEvent(child, &message);
    }
}

void TbsSkinControl::ReportValueChange(int value)
{
    QAccessibleValueChangeEvent valueChange(this, value);
    QAccessible::updateAccessibility(&valueChange);
}
