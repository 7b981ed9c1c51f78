#pragma once

#include "skin/controls/skin_custom_control.h"

enum TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// A container drawn from the "panel" definition; without one it is a
// button-face area with the frame BorderStyle names and, in CaptionMode, a
// caption bar at the top. Its contents margins follow its client area, so
// children laid out inside it keep clear of border and caption bar.
class TbsDataSkinPanelControl;
class TbsSkinPanel : public TbsSkinCustomControl {
    Q_OBJECT

public:
    explicit TbsSkinPanel(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    TbsSkinBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TbsSkinBorderStyle style);
    bool CaptionMode() const { return m_captionMode; }
    void SetCaptionMode(bool on);
    int DefaultCaptionHeight() const { return m_defaultCaptionHeight; }
    void SetDefaultCaptionHeight(int height);
    Alignment DefaultAlignment() const { return m_defaultAlignment; }
    void SetDefaultAlignment(Alignment alignment);
    // The full height of a rolled-up panel; −1 while it is not rolled up.
    int RealHeight() const { return m_realHeight; }
    void SetRealHeight(int height) { m_realHeight = height; }

    // Off, the panel takes any size even where its definition's mode would
    // fix its height or width: a panel whose children stand at fixed places
    // then holds them whatever the skin; the face stretches to the panel.
    bool UseSkinSize() const { return m_useSkinSize; }
    void SetUseSkinSize(bool use);

    // The area left to children.
    QRect ClientRect();

    void GetSkinData() override;
    void ChangeSkinData() override;
    void CalcSize(int& width, int& height) override;

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void PaintFace(QImage& face) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The panel's own background picture, null when it has none.
    QImage BackgroundPicture() const;
    bool FillsWholePanel() const;
    void PaintPanelFace(QImage& face);
    // The caption in the definition's caption rectangle, when it has one.
    void DrawSkinCaption(QImage& face);
    QRect CaptionBarRect() const;
    void UpdateClientArea();

    QString m_caption;
    TbsSkinBorderStyle m_borderStyle { bvFrame };
    bool m_captionMode { false };
    int m_defaultCaptionHeight { 22 };
    Alignment m_defaultAlignment { Alignment::taLeftJustify };
    int m_realHeight { -1 };
    bool m_updatingClientArea { false };
    bool m_useSkinSize { true };
    KeptDefinition<TbsDataSkinPanelControl> m_definition { *this };
    // The caption's room on the face, in skin coordinates.
    QRect m_captionArea;
};
