#pragma once

#include "skin/controls/skin_custom_control.h"

// A control that frames an editor widget doing the typing (the skinned edit
// and memo): it is active while the mouse is over it or the editor, its focus
// proxy, has the focus, and its face and text colours follow that state.
class TbsSkinEditorControl : public TbsSkinCustomControl {
    Q_OBJECT

public:
    explicit TbsSkinEditorControl(QWidget* parent = nullptr);

    // The mouse is inside or the control has the focus: the active face and
    // font colour show.
    bool IsActive() const { return m_mouseInside || hasFocus(); }

protected:
    bool MouseInside() const { return m_mouseInside; }
    FaceInputs CurrentFaceInputs() const override;
    // Gives the editor the text colours of the current state.
    virtual void ApplyColors() = 0;
    // Takes up a change of the active state: the editor's colours and the
    // face.
    void ActiveStateChanged();

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_mouseInside { false };
};
