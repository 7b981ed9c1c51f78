#include "skin/controls/skin_custom_control.h"

#include "skin/controls/system_colors.h"
#include "skin/data/skin_messages.h"

#include <QCoreApplication>
#include <QResizeEvent>

TbsSkinCustomControl::TbsSkinCustomControl(QWidget* parent)
    : TbsSkinControl(parent)
{
}

QFont TbsSkinCustomControl::StandardDefaultFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    return font;
}

void TbsSkinCustomControl::SetDefaultFont(const QFont& font)
{
    m_defaultFont = font;
    DefaultFontChanged();
    if (!HasSkinDefinition())
        update();
}

void TbsSkinCustomControl::SetDefaultFontColor(SkinColor color)
{
    m_defaultFontColor = color;
    DefaultFontChanged();
    if (!HasSkinDefinition())
        update();
}

void TbsSkinCustomControl::DefaultFontChanged()
{
}

void TbsSkinCustomControl::SetDefaultWidth(int width)
{
    m_defaultWidth = width;
    if (!HasSkinDefinition() && width > 0)
        resize(width, height());
}

void TbsSkinCustomControl::SetDefaultHeight(int height)
{
    m_defaultHeight = height;
    if (!HasSkinDefinition() && height > 0)
        resize(width(), height);
}

void TbsSkinCustomControl::SetUseSkinFont(bool use)
{
    m_useSkinFont = use;
    update();
}

void TbsSkinCustomControl::ApplyDefaultSize()
{
    const int w = m_defaultWidth > 0 ? m_defaultWidth : width();
    const int h = m_defaultHeight > 0 ? m_defaultHeight : height();
    resize(w, h);
}

void TbsSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    const QSize before = size();
    if (!HasSkinDefinition()) {
        ApplyDefaultSize();
    } else {
        int w = width();
        int h = height();
        CalcSize(w, h);
        resize(w, h);
    }
    // A size change has already reshaped and repainted through resizeEvent.
    if (size() == before || !HasSkinDefinition()) {
        SetControlRegion();
        update();
    }
}

void TbsSkinCustomControl::CalcSize(int&, int&)
{
}

void TbsSkinCustomControl::SetControlRegion()
{
    if (!parentWidget())
        return;
    // Without a mask the control keeps its rectangle.
    if (!HasSkinDefinition())
        clearMask();
}

void TbsSkinCustomControl::CreateControlDefaultImage(QImage& image)
{
    image.fill(SkinColorToQColor(clBtnFace));
}

void TbsSkinCustomControl::resizeEvent(QResizeEvent* event)
{
    GetSkinData();
    if (HasSkinDefinition()) {
        int w = event->size().width();
        int h = event->size().height();
        CalcSize(w, h);
        if (QSize(w, h) != event->size()) {
            // The definition fixes this extent; the corrected resize reshapes.
            resize(w, h);
            return;
        }
    }
    TbsSkinControl::resizeEvent(event);
    SetControlRegion();
    update();
}
