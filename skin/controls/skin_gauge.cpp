#include "skin/controls/skin_gauge.h"

#include "skin/controls/fallback_drawing.h"

#include <QPainter>
#include <cmath>

TbsSkinGauge::TbsSkinGauge(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("gauge"));
    resize(100, 20);
}

void TbsSkinGauge::SetMinValue(int value)
{
    m_minValue = value;
    PullValueIntoRange();
    update();
}

void TbsSkinGauge::SetMaxValue(int value)
{
    m_maxValue = value;
    PullValueIntoRange();
    update();
}

void TbsSkinGauge::PullValueIntoRange()
{
    // While a range is being set up the bounds may cross; the lower one wins.
    if (m_value > m_maxValue)
        m_value = m_maxValue;
    if (m_value < m_minValue)
        m_value = m_minValue;
}

void TbsSkinGauge::SetValue(int value)
{
    const int old = m_value;
    m_value = value;
    PullValueIntoRange();
    if (m_value != old)
        update();
}

void TbsSkinGauge::SetVertical(bool vertical)
{
    m_vertical = vertical;
    update();
}

void TbsSkinGauge::SetUseSkinSize(bool use)
{
    m_useSkinSize = use;
    ChangeSkinData();
}

void TbsSkinGauge::SetShowProgressText(bool show)
{
    m_showProgressText = show;
    update();
}

void TbsSkinGauge::SetProgressText(const QString& text)
{
    m_progressText = text;
    update();
}

void TbsSkinGauge::SetShowPercent(bool show)
{
    m_showPercent = show;
    update();
}

void TbsSkinGauge::SetProgressAnimationPause(int pause)
{
    if (pause >= 0)
        m_progressAnimationPause = pause;
}

double TbsSkinGauge::Fraction() const
{
    if (m_maxValue <= m_minValue)
        return 0.0;
    return static_cast<double>(m_value - m_minValue) / (m_maxValue - m_minValue);
}

QString TbsSkinGauge::GaugeText() const
{
    QString text;
    if (m_showProgressText)
        text += m_progressText;
    if (m_showPercent)
        text += QString::number(static_cast<int>(std::trunc(Fraction() * 100))) + QLatin1Char('%');
    return text;
}

QRect TbsSkinGauge::DefaultProgressArea() const
{
    return rect().adjusted(1, 1, -1, -1);
}

QRect TbsSkinGauge::FilledRect() const
{
    QRect filled = DefaultProgressArea();
    const double fraction = Fraction();
    if (m_vertical) {
        const int length = static_cast<int>(std::trunc(filled.height() * fraction));
        filled.setTop(filled.bottom() + 1 - length);
    } else {
        const int length = static_cast<int>(std::trunc(filled.width() * fraction));
        filled.setWidth(length);
    }
    return filled;
}

void TbsSkinGauge::CalcSize(int& width, int& height)
{
    if (m_useSkinSize)
        TbsSkinCustomControl::CalcSize(width, height);
}

void TbsSkinGauge::DrawText(QPainter& painter) const
{
    const QString text = GaugeText();
    if (text.isEmpty())
        return;
    painter.setFont(DefaultFont());
    painter.setPen(SkinColorToQColor(DefaultFontColor()));
    const QFontMetrics metrics = painter.fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    if (!m_vertical) {
        const QRect cell((width() - textWidth) / 2, (height() - textHeight) / 2, textWidth, textHeight);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        return;
    }
    // The text reads upwards from its origin, its cell to the right of it.
    painter.save();
    painter.translate((width() - textHeight) / 2, textWidth / 2 + height() / 2);
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, textWidth, textHeight), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter.restore();
}

void TbsSkinGauge::CreateControlDefaultImage(QImage& image)
{
    image.fill(SkinColorToQColor(clWindow));
    QPainter painter(&image);
    fallback::FrameRect(painter, image.rect(), SkinColorToQColor(clBtnShadow));
    const QRect filled = FilledRect();
    if (filled.width() > 0 && filled.height() > 0)
        painter.fillRect(filled, SkinColorToQColor(kBarColor));
    DrawText(painter);
}
