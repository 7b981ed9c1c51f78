#pragma once

#include "skin/controls/face_morph.h"
#include "skin/controls/skin_custom_control.h"

// A control whose face answers the mouse and the focus, as push buttons and
// check boxes do: it is active while the mouse is over it or it has the
// focus, and where MorphEnabled allows it blends between its normal and its
// active face whenever that changes. A program chooses whether it takes the
// focus at all (CanFocused) and whether Tab reaches it (TabStop).
class TbsSkinActiveControl : public TbsSkinCustomControl {
    Q_OBJECT

public:
    explicit TbsSkinActiveControl(QWidget* parent = nullptr);

    // Whether the control takes focus, which its focused face shows; setting
    // it also sets TabStop.
    bool CanFocused() const { return m_canFocused; }
    void SetCanFocused(bool can);
    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    // Without TabStop a control that can be focused still takes focus by a
    // click.
    void SetTabStop(bool stop);

    bool MouseInside() const { return m_mouseInside; }

protected:
    FaceInputs CurrentFaceInputs() const override;
    // The active face also shows while the control has focus.
    bool IsActive() const { return m_mouseInside || hasFocus(); }
    void SetMouseInside(bool inside);
    // Whether the face blends: the definition asks for it and effects run.
    virtual bool MorphEnabled() const = 0;
    // Sets the blend off towards the face IsActive chooses, or repaints at
    // once where the face does not blend.
    void StartMorph();

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Enabled or disabled, the control forgets the mouse and shows its normal
    // face at once.
    void changeEvent(QEvent* event) override;

    FaceMorph m_morph { *this, [this] { return IsActive(); } };

private:
    bool m_canFocused { true };
    bool m_mouseInside { false };
};
