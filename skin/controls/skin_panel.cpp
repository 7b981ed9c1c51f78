#include "skin/controls/skin_panel.h"

#include "skin/controls/fallback_drawing.h"

#include <QPainter>

TbsSkinPanel::TbsSkinPanel(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("panel"));
    m_forceBackground = true;
    resize(150, 150);
    UpdateClientArea();
}

void TbsSkinPanel::SetCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle style)
{
    m_borderStyle = style;
    UpdateClientArea();
}

void TbsSkinPanel::SetCaptionMode(bool on)
{
    m_captionMode = on;
    UpdateClientArea();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int height)
{
    if (height < 0)
        return;
    m_defaultCaptionHeight = height;
    UpdateClientArea();
}

void TbsSkinPanel::SetDefaultAlignment(Alignment alignment)
{
    m_defaultAlignment = alignment;
    update();
}

QRect TbsSkinPanel::ClientRect() const
{
    QRect client = rect();
    if (m_borderStyle != bvNone)
        client.adjust(1, 1, -1, -1);
    if (m_captionMode)
        client.setTop(client.top() + m_defaultCaptionHeight);
    return client;
}

QRect TbsSkinPanel::CaptionBarRect() const
{
    QRect bar = rect();
    if (m_borderStyle != bvNone)
        bar.adjust(1, 1, -1, -1);
    bar.setHeight(m_defaultCaptionHeight);
    return bar;
}

void TbsSkinPanel::UpdateClientArea()
{
    const QRect client = ClientRect();
    setContentsMargins(client.left(), client.top(), width() - client.right() - 1, height() - client.bottom() - 1);
    update();
}

void TbsSkinPanel::CreateControlDefaultImage(QImage& image)
{
    image.fill(SkinColorToQColor(clBtnFace));
    QPainter painter(&image);
    const QColor highlight = SkinColorToQColor(clBtnHighlight);
    const QColor shadow = SkinColorToQColor(clBtnShadow);
    switch (m_borderStyle) {
    case bvFrame:
        fallback::FrameRect(painter, image.rect(), shadow);
        break;
    case bvRaised:
        fallback::Frame3D(painter, image.rect(), highlight, shadow);
        break;
    case bvLowered:
        fallback::Frame3D(painter, image.rect(), shadow, highlight);
        break;
    case bvNone:
        break;
    }
    if (!m_captionMode)
        return;

    const QRect bar = CaptionBarRect();
    fallback::Frame3D(painter, bar, SkinColorToQColor(cl3DLight), SkinColorToQColor(cl3DDkShadow));
    fallback::Frame3D(painter, bar.adjusted(1, 1, -1, -1), highlight, shadow);
    if (m_caption.isEmpty())
        return;
    const QRect textArea = bar.adjusted(2, 0, -2, 0);
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    switch (m_defaultAlignment) {
    case Alignment::taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case Alignment::taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case Alignment::taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    painter.setFont(DefaultFont());
    painter.setPen(SkinColorToQColor(DefaultFontColor()));
    painter.setClipRect(textArea);
    painter.drawText(textArea, flags, m_caption);
}
