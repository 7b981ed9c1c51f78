#include "skin/controls/skin_xform_button.h"

#include "skin/draw/engine_bitmap.h"
#include "skin/draw/mask_region.h"

#include <QPainter>
#include <QResizeEvent>

TbsSkinXFormButton::TbsSkinXFormButton(QWidget* parent)
    : TbsSkinButton(parent)
{
    SetCanFocused(false);
}

void TbsSkinXFormButton::SetDefImage(const QImage& image)
{
    m_defImage = image;
    if (!m_defImage.isNull()) {
        SetDefaultWidth(m_defImage.width());
        SetDefaultHeight(m_defImage.height());
    }
    FaceChanged();
}

void TbsSkinXFormButton::SetDefActiveImage(const QImage& image)
{
    m_defActiveImage = image;
    FaceChanged();
}

void TbsSkinXFormButton::SetDefDownImage(const QImage& image)
{
    m_defDownImage = image;
    FaceChanged();
}

void TbsSkinXFormButton::SetDefMask(const QImage& mask)
{
    m_defMask = mask;
    SetControlRegion();
}

void TbsSkinXFormButton::SetDefActiveFontColor(SkinColor color)
{
    m_defActiveFontColor = color;
    FaceChanged();
}

void TbsSkinXFormButton::SetDefDownFontColor(SkinColor color)
{
    m_defDownFontColor = color;
    FaceChanged();
}

void TbsSkinXFormButton::ChangeSkinData()
{
    TbsSkinButton::ChangeSkinData();
    if (DrawsOwnPictures())
        resize(m_defImage.size());
}

void TbsSkinXFormButton::SetControlRegion()
{
    if (HasSkinDefinition() || !parentWidget()) {
        TbsSkinButton::SetControlRegion();
        return;
    }
    const QRegion region = RegionFromMask(m_defMask).value_or(QRegion());
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
}

void TbsSkinXFormButton::resizeEvent(QResizeEvent* event)
{
    // Its own pictures fix the button's size.
    if (DrawsOwnPictures() && event->size() != m_defImage.size()) {
        resize(m_defImage.size());
        return;
    }
    TbsSkinButton::resizeEvent(event);
}

void TbsSkinXFormButton::CreateControlDefaultImage(QImage& image)
{
    if (!DrawsOwnPictures()) {
        TbsSkinButton::CreateControlDefaultImage(image);
        return;
    }
    const bool pressed = ShowsPressed();
    const bool active = IsActive();
    const QImage* picture = &m_defImage;
    SkinColor captionColor = DefaultFontColor();
    if (pressed && !m_defDownImage.isNull())
        picture = &m_defDownImage;
    else if (active && !m_defActiveImage.isNull())
        picture = &m_defActiveImage;
    if (pressed)
        captionColor = m_defDownFontColor;
    else if (active)
        captionColor = m_defActiveFontColor;

    QPainter painter(&image);
    painter.fillRect(LogicalRect(image), SkinColorToQColor(clBtnFace));
    painter.drawImage(0, 0, *picture);
    painter.setFont(DefaultFont());
    painter.setPen(SkinColorToQColor(isEnabled() ? captionColor : clBtnShadow));
    DrawCaptionAndGlyph(painter, LogicalRect(image), pressed || active, pressed);
}
