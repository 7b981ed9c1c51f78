#pragma once

#include "skin/controls/auto_repeat.h"
#include "skin/controls/part_faces.h"
#include "skin/controls/skin_active_control.h"
#include "skin/draw/glyph_text_layout.h"

#include <QTimer>

// The skinned push button: a click is a press and a release inside the button
// (or space released, or Enter while it has focus); with RepeatMode it also
// clicks while held, first after 500 ms + RepeatInterval, then every
// RepeatInterval ms. A grouped button clicks when pressed and stays down.
class TbsDataSkinButtonControl;
class TbsSkinButton : public TbsSkinActiveControl {
    Q_OBJECT

public:
    static constexpr int kRepeatDelay = 500;

    explicit TbsSkinButton(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    bool UseSkinSize() const { return m_useSkinSize; }
    void SetUseSkinSize(bool use);
    bool UseSkinFontColor() const { return m_useSkinFontColor; }
    void SetUseSkinFontColor(bool use);

    bool RepeatMode() const { return m_repeatMode; }
    void SetRepeatMode(bool repeat) { m_repeatMode = repeat; }
    int RepeatInterval() const { return m_repeatInterval; }
    void SetRepeatInterval(int interval);

    bool Down() const { return m_down; }
    // Putting a grouped button down releases the others of its group unless
    // AllowAllUp is on.
    void SetDown(bool down);

    // A non-zero group makes the button a toggle that stays down; the
    // buttons of one parent with the same group act together. Setting a
    // group turns CanFocused off.
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    // Whether a grouped button that is down can be released by a click.
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { m_allowAllUp = allow; }

    // Caption distance from the left edge; −1 centres it. Values below −1
    // are refused.
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

    // A strip of 1 to 4 equal frames: normal, disabled, pressed, mouse-over.
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count);
    TbsButtonLayout Layout() const { return m_layout; }
    void SetLayout(TbsButtonLayout layout);

    // How far the face has blended from normal towards mouse-over, 0 to 1.
    double MorphProgress() const { return m_morph.Progress(); }

    void ChangeSkinData() override;

    void GetSkinData() override;
    void CalcSize(int& width, int& height) override;

    // The click action shared by mouse, keyboard and auto-repeat.
    virtual void ButtonClick();

signals:
    void OnClick();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    // The pressed face shows while Down and either the mouse is over the
    // button or it was pressed from the keyboard.
    bool ShowsPressed() const;
    FaceInputs CurrentFaceInputs() const override;
    // Caption and glyph laid out in area, the glyph frame chosen by the
    // face's state.
    void DrawCaptionAndGlyph(QPainter& painter, const QRect& area, bool active, bool down) const;

    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    // Draws one skin face with its caption: faceRect composed to the button,
    // the caption coloured as an active and/or down face.
    void CreateButtonImage(QImage& image, const QRect& faceRect, bool active, bool down);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool MorphEnabled() const override;
    // The frame animation the skin may give the mouse-over transition.
    bool AnimationEnabled() const;
    void StartAnimation(bool forward);
    // The face a running animation showed gives way to the one it led to.
    void StopAnimation();
    void AnimationTick();
    QRect AnimationFrameRect() const;
    // The area the caption is laid out in, at the current size.
    QRect SkinCaptionArea() const;
    void StartRepeat();
    void StopRepeat();

    QString m_caption;
    bool m_useSkinSize { true };
    bool m_useSkinFontColor { true };
    bool m_repeatMode { false };
    int m_repeatInterval { 100 };
    bool m_down { false };
    int m_groupIndex { 0 };
    bool m_allowAllUp { false };
    bool m_pressedAgain { false };
    int m_margin { -1 };
    int m_spacing { 1 };
    QImage m_glyph;
    int m_numGlyphs { 1 };
    TbsButtonLayout m_layout { blGlyphLeft };
    bool m_pressedWithMouse { false };
    AutoRepeat m_repeat { [this] { ButtonClick(); } };
    bool m_animationForward { true };
    int m_animationFrame { 0 };
    QTimer m_animationTimer;
    KeptDefinition<TbsDataSkinButtonControl> m_definition { *this };
    // The faces in the picture, taken at the skin change; the disabled and
    // focused faces are empty where the skin has none.
    struct ButtonFaces {
        PartFaces looks;
        QRect disabled;
        QRect focused;
        QRect animationStrip;
    };
    ButtonFaces m_faces;
};
