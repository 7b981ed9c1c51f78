#pragma once

#include "skin/controls/edit_skin_definition.h"
#include "skin/controls/skin_editor_control.h"
#include "skin/data/skin_values.h"

#include <QRect>

class EditContextMenu;
class QLineEdit;
class TbsDataSkinEditControl;

// A single-line edit: a QLineEdit does the typing, caret, selection, undo and
// clipboard, while this control draws the frame and the background behind the
// text, so the look follows the skin and the text lands on it.
//
// With a definition the frame is the skin rectangle composed to the control's
// width (its active rectangle while the mouse is inside or the edit has the
// focus) and the text area is the definition's client rectangle; with
// UseSkinFont the skin also gives the font and the height.
class TbsSkinEdit : public TbsSkinEditorControl {
    Q_OBJECT

public:
    explicit TbsSkinEdit(QWidget* parent = nullptr);

    QLineEdit* Editor() const { return m_editor; }

    QString Text() const;
    void SetText(const QString& text);

    // Background and text colour used when there is no skin.
    SkinColor DefaultColor() const { return m_defaultColor; }
    void SetDefaultColor(SkinColor color);
    SkinColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(SkinColor color);

    bool ButtonMode() const { return m_buttonMode; }
    void SetButtonMode(bool buttonMode);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    ::Alignment Alignment() const { return m_alignment; }
    void SetAlignment(::Alignment alignment);

    // The text area inside the frame, and the button at the right end in
    // button mode (empty otherwise).
    QRect TextRect() const;
    QRect ButtonRect() const;

    void ChangeSkinData() override;
    void DefaultFontChanged() override;
    void CalcSize(int& width, int& height) override;
    // The edit keeps its rectangle whatever the definition's mask.
    void SetControlRegion() override;

signals:
    void OnButtonClick();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The height the current font and skin allow for a proposed one.
    int RequiredHeight(int proposed);
    void ApplyFont();
    void ApplyColors() override;
    void PlaceEditor();
    // The skin's text area at the current size, before the button takes its
    // room.
    QRect SkinClientArea(const TbsDataSkinEditControl& definition) const;
    void DrawSkinButton(QImage& image) const;

    // Where the button's faces lie in the picture, taken at the skin change;
    // a look without a picture of its own shows the normal one, and down is
    // empty without a pressed picture.
    struct ButtonPieces {
        QRect normal;
        QRect disabled;
        QRect active;
        QRect down;
    };

    QLineEdit* m_editor;
    EditContextMenu* m_contextMenu;
    SkinColor m_defaultColor;
    SkinColor m_defaultFontColor;
    ::Alignment m_alignment { ::Alignment::taLeftJustify };
    bool m_buttonMode { false };
    bool m_buttonDown { false };
    KeptDefinition<TbsDataSkinEditControl> m_definition { *this };
    ButtonPieces m_buttonPieces;
    EditFacePieces m_facePieces;
};
