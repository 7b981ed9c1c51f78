#pragma once

#include "skin/controls/range_value.h"
#include "skin/controls/skin_custom_control.h"

#include <QTimer>

class TbsDataSkinGaugeControl;
class QPainter;

// A progress bar: the part of its progress area that Value fills, with the
// filled length truncated to whole pixels, and optionally a text of
// ProgressText and the percentage over it. A skin may animate the bar: after
// every ProgressAnimationPause ms its middle runs once through the frames of
// the definition's animation picture.
class TbsSkinGauge : public TbsSkinCustomControl {
    Q_OBJECT

public:
    explicit TbsSkinGauge(QWidget* parent = nullptr);

    int MinValue() const { return m_range.Min(); }
    // Either bound pulls Value into the range; no event fires.
    void SetMinValue(int value);
    int MaxValue() const { return m_range.Max(); }
    void SetMaxValue(int value);
    int Value() const { return m_range.Value(); }
    // Clamped to the range; repaints only on a change.
    void SetValue(int value);

    bool Vertical() const { return m_vertical; }
    void SetVertical(bool vertical);
    bool UseSkinSize() const { return m_useSkinSize; }
    void SetUseSkinSize(bool use);
    bool ShowProgressText() const { return m_showProgressText; }
    void SetShowProgressText(bool show);
    const QString& ProgressText() const { return m_progressText; }
    void SetProgressText(const QString& text);
    bool ShowPercent() const { return m_showPercent; }
    void SetShowPercent(bool show);
    int ProgressAnimationPause() const { return m_progressAnimationPause; }
    // Negative pauses are refused.
    void SetProgressAnimationPause(int pause);

    // How much of the range Value covers, 0 to 1; 0 for an empty range.
    double Fraction() const;
    // The text drawn over the bar; empty when none is shown.
    QString GaugeText() const;
    // The part of the progress area that Value fills at the current size.
    QRect FilledRect();

    // The animation frame shown in the bar's middle, 0 between runs.
    int AnimationFrame() const { return m_animationFrame; }

    void GetSkinData() override;
    void ChangeSkinData() override;
    void CalcSize(int& width, int& height) override;

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;

private:
    // The area the bar grows in for a face of width x height.
    QRect ProgressArea(int width, int height) const;
    QRect FilledPart(const QRect& area) const;
    void DrawBar(QImage& face, const QRect& filled) const;
    void DrawText(QPainter& painter, const QFont& font, SkinColor color) const;
    // A bound moved: the value is brought inside the range.
    void RangeChanged();
    void RestartAnimation();
    void PauseTick();
    void AnimationTick();
    // Where the current animation frame lies in the skin picture.
    QRect AnimationFrameRect() const;

    // The definition's face size, the area the bar grows in and the bar's
    // picture, taken at the skin change.
    struct BarPlaces {
        QRect face;
        QRect progressArea;
        QRect progressPiece;
        QRect progressAnimation;
    };

    RangeValue m_range { 0, 100, 50 };
    bool m_vertical { false };
    bool m_useSkinSize { true };
    bool m_showProgressText { false };
    QString m_progressText;
    bool m_showPercent { false };
    int m_progressAnimationPause { 3000 };
    int m_animationFrame { 0 };
    QTimer m_pauseTimer;
    QTimer m_animationTimer;
    KeptDefinition<TbsDataSkinGaugeControl> m_definition { *this };
    BarPlaces m_barPlaces;
};
