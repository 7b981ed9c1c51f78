#include "skin/controls/skin_gauge.h"

#include "skin/controls/animation_frame.h"
#include "skin/controls/fallback_drawing.h"
#include "skin/controls/plain_look_colors.h"
#include "skin/draw/skin_font.h"
#include "skin/data/control_definitions_gauge.h"
#include "skin/draw/compose_skin_face.h"
#include "skin/draw/keyed_copy.h"
#include "skin/draw/engine_bitmap.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <optional>

TbsSkinGauge::TbsSkinGauge(QWidget* parent)
    : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("gauge"));
    resize(100, 20);
    connect(&m_pauseTimer, &QTimer::timeout, this, &TbsSkinGauge::PauseTick);
    connect(&m_animationTimer, &QTimer::timeout, this, &TbsSkinGauge::AnimationTick);
}

void TbsSkinGauge::SetMinValue(int value)
{
    if (value == m_range.Min())
        return;
    m_range.SetMin(value);
    RangeChanged();
}

void TbsSkinGauge::SetMaxValue(int value)
{
    if (value == m_range.Max())
        return;
    m_range.SetMax(value);
    RangeChanged();
}

void TbsSkinGauge::RangeChanged()
{
    // While a range is being set up the bounds may cross; the lower one wins.
    m_range.Clamp();
    FaceChanged();
    ReportValueChange(m_range.Value());
}

void TbsSkinGauge::SetValue(int value)
{
    if (!m_range.SetValue(value))
        return;
    FaceChanged();
    ReportValueChange(m_range.Value());
}

void TbsSkinGauge::SetVertical(bool vertical)
{
    m_vertical = vertical;
    FaceChanged();
}

void TbsSkinGauge::SetUseSkinSize(bool use)
{
    m_useSkinSize = use;
    ChangeSkinData();
}

void TbsSkinGauge::SetShowProgressText(bool show)
{
    m_showProgressText = show;
    FaceChanged();
}

void TbsSkinGauge::SetProgressText(const QString& text)
{
    m_progressText = text;
    FaceChanged();
}

void TbsSkinGauge::SetShowPercent(bool show)
{
    m_showPercent = show;
    FaceChanged();
}

void TbsSkinGauge::SetProgressAnimationPause(int pause)
{
    if (pause < 0)
        return;
    m_progressAnimationPause = pause;
    if (m_pauseTimer.isActive())
        m_pauseTimer.start(pause);
}

void TbsSkinGauge::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    RestartAnimation();
}

void TbsSkinGauge::RestartAnimation()
{
    m_pauseTimer.stop();
    m_animationTimer.stop();
    m_animationFrame = 0;
    const auto* definition = m_definition.get();
    if (!definition || definition->progressAnimationSkinRect.IsEmpty() || definition->progressAnimationCountFrames <= 0)
        return;
    m_animationTimer.setInterval(std::max(1, definition->progressAnimationTimerInterval));
    m_pauseTimer.start(m_progressAnimationPause);
}

void TbsSkinGauge::PauseTick()
{
    m_pauseTimer.stop();
    m_animationFrame = 0;
    m_animationTimer.start();
}

void TbsSkinGauge::AnimationTick()
{
    const auto* definition = m_definition.get();
    ++m_animationFrame;
    if (!definition || m_animationFrame > definition->progressAnimationCountFrames) {
        m_animationFrame = 0;
        m_animationTimer.stop();
        if (definition)
            m_pauseTimer.start(m_progressAnimationPause);
    }
    FaceChanged();
}

QRect TbsSkinGauge::AnimationFrameRect() const
{
    const auto* definition = m_definition.get();
    return ::AnimationFrame(m_barPlaces.progressAnimation, definition->progressAnimationCountFrames,
        m_animationFrame, m_barPlaces.progressPiece.width());
}

double TbsSkinGauge::Fraction() const
{
    return m_range.Fraction();
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

void TbsSkinGauge::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    if (const auto* definition = m_definition.get())
        m_vertical = definition->vertical;
    // A face stretched to any size no longer fits the mask's shape.
    if (!m_useSkinSize)
        m_maskPicture = {};
}

QRect TbsSkinGauge::ProgressArea(int width, int height) const
{
    if (!m_definition.get())
        return QRect(0, 0, width, height).adjusted(1, 1, -1, -1);
    const BarPlaces& places = m_barPlaces;
    if (Mode() == CompositionMode::Fixed)
        return places.progressArea;
    // The area grows along the bar with the face.
    if (m_vertical)
        return places.progressArea.adjusted(0, 0, 0, height - places.face.height());
    return places.progressArea.adjusted(0, 0, width - places.face.width(), 0);
}

QRect TbsSkinGauge::FilledPart(const QRect& area) const
{
    QRect filled = area;
    const double fraction = Fraction();
    if (m_vertical) {
        const int length = static_cast<int>(std::trunc(area.height() * fraction));
        filled.setTop(area.bottom() + 1 - length);
    } else {
        filled.setWidth(static_cast<int>(std::trunc(area.width() * fraction)));
    }
    return filled;
}

QRect TbsSkinGauge::FilledRect()
{
    return FilledPart(ProgressArea(width(), height()));
}

void TbsSkinGauge::CalcSize(int& width, int& height)
{
    if (m_useSkinSize)
        TbsSkinCustomControl::CalcSize(width, height);
}

void TbsSkinGauge::DrawText(QPainter& painter, const QFont& font, SkinColor color) const
{
    const QString text = GaugeText();
    if (text.isEmpty())
        return;
    painter.setFont(font);
    painter.setPen(SkinColorToQColor(color));
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
    fallback::FrameRect(painter, LogicalRect(image), SkinColorToQColor(clBtnShadow));
    const QRect filled = FilledPart(ProgressArea(width(), height()));
    if (filled.width() > 0 && filled.height() > 0)
        painter.fillRect(filled, SkinColorToQColor(kPlainHotFill));
    DrawText(painter, DefaultFont(), DefaultFontColor());
}

void TbsSkinGauge::DrawBar(QImage& face, const QRect& filled) const
{
    const auto* definition = m_definition.get();
    const QRect& source = m_barPlaces.progressPiece;
    const int length = m_vertical ? filled.height() : filled.width();
    const int begin = definition->beginOffset;
    const int end = definition->endOffset;
    if (length <= 0 || filled.isEmpty() || source.isEmpty())
        return;
    // The bar is built along x and turned for a vertical gauge: caps at both
    // ends, the middle of the bar picture stretched or repeated between them.
    const auto alongBar = [this](const QRect& piece) {
        const QImage cut = m_picture.copy(piece);
        return m_vertical ? cut.transformed(QTransform(0, 1, 1, 0, 0, 0)) : cut;
    };
    const QImage picture = alongBar(source);
    const int thickness = m_vertical ? filled.width() : filled.height();
    QImage bar = MakeSkinBitmap(length, thickness);
    const int sourceLength = picture.width();
    const QRect middle(begin, 0, sourceLength - begin - end, picture.height());
    const QRect span(begin, 0, length - begin - end, thickness);
    if (length > begin + end && m_animationFrame > 0) {
        // A running animation stretches its frame over the whole middle.
        const QImage framePicture = alongBar(AnimationFrameRect());
        DrawPiece(bar, span, framePicture, framePicture.rect());
    } else if (length > begin + end && !middle.isEmpty()) {
        if (definition->progressStretch)
            DrawPiece(bar, span, picture, middle);
        else
            TilePiece(bar, span, picture, middle);
    }
    DrawPiece(bar, QRect(0, 0, begin, thickness), picture, QRect(0, 0, begin, picture.height()));
    DrawPiece(
        bar, QRect(length - end, 0, end, thickness), picture, QRect(sourceLength - end, 0, end, picture.height()));
    if (m_vertical)
        bar = bar.transformed(QTransform(0, 1, 1, 0, 0, 0));

    std::optional<QRgb> key;
    if (definition->progressTransparent)
        key = SkinColorToRgb(definition->progressTransparentColor) & 0x00FFFFFFu;
    DrawKeyed(face, filled.topLeft(), bar, key);
}

void TbsSkinGauge::CreateControlSkinImage(QImage& image)
{
    const auto* definition = m_definition.get();
    const QFont font
        = ControlFont(definition->fontName, definition->fontHeight, definition->fontStyle);
    if (m_useSkinSize) {
        CreateSkinFace(image, m_barPlaces.face);
        DrawBar(image, FilledPart(ProgressArea(LogicalSize(image).width(), LogicalSize(image).height())));
    } else {
        // The face is built at the size its mode allows and then stretched.
        QImage face = ComposeSkinFace(m_picture, Piece(), Mode(), m_barPlaces.face, width(), height());
        if (face.isNull())
            return;
        DrawBar(face, FilledPart(ProgressArea(LogicalSize(face).width(), LogicalSize(face).height())));
        DrawPiece(image, LogicalRect(image), face, LogicalRect(face));
    }
    QPainter painter(&image);
    DrawText(painter, font, definition->fontColor);
}

bool TbsSkinGauge::TakeDefinition(const TbsDataSkinControl* definition)
{
    const auto* kept = m_definition.Take(definition);
    if (kept) {
        m_barPlaces = { .face = kept->skinRect.ToQRect(),
            .progressArea = kept->progressArea.ToQRect(),
            .progressPiece = kept->progressRect.ToQRect(),
            .progressAnimation = kept->progressAnimationSkinRect.ToQRect() };
    }
    return kept != nullptr;
}
