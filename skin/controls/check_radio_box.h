#pragma once

#include "skin/controls/skin_active_control.h"

class QPainter;
class TbsDataSkinCheckRadioControl;

enum TCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

// One class for the skinned check box and radio button. A left click released
// inside it, or space released while it has focus, toggles it (a radio button
// only turns on); with AllowGrayed a check box cycles unchecked, grayed,
// checked. In Flat mode only the box and the caption are drawn, over the
// parent's background.
class TbsSkinCheckRadioBox : public TbsSkinActiveControl {
    Q_OBJECT

public:
    explicit TbsSkinCheckRadioBox(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool allow);
    bool UseSkinFontColor() const { return m_useSkinFontColor; }
    void SetUseSkinFontColor(bool use);

    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return m_checked; }
    // Checking a box of a non-zero group unchecks the others of its parent's
    // group; a grayed box set to false stays grayed.
    void SetChecked(bool checked);

    bool Radio() const { return m_radio; }
    void SetRadio(bool radio);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }

    void Toggle();

    void GetSkinData() override;
    void ChangeSkinData() override;
    void CalcSize(int& width, int& height) override;
    void ParentBackgroundChanged() override;

    // Where the caption is drawn now; the focus marker runs around it.
    QRect CaptionRect();

signals:
    void OnClick();

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // Tells assistive technology that the checked or grayed state changed.
    void ReportCheckStateChange();
    void DrawDefaultMark(QPainter& painter) const;
    int CaptionFlags() const;
    QRect FlatCaptionRect(int left, const QFont& font) const;
    QFont CaptionFont() const;
    // Where the marks of one look lie in the picture.
    struct MarkLook {
        QRect checked;
        QRect unchecked;
    };
    // The marks of every look, taken at the skin change.
    struct MarkPieces {
        MarkLook normal;
        MarkLook hot;
        MarkLook disabled;
        // Empty where the skin has no grayed mark of its own.
        QRect grayed;
        QRect hotGrayed;
    };
    static MarkPieces TakeMarkPieces(const TbsDataSkinCheckRadioControl& definition);
    // The check mark picture for the current state, hover and enabled state.
    QImage CheckImage() const;
    SkinColor SkinCaptionColor(SkinColor enabledColor) const;
    void DrawSkinCaption(QPainter& painter, const QRect& area, SkinColor color);
    // Flat: check image and caption over the parent's background.
    void DrawFlatSkinFace(QImage& image, const TbsDataSkinCheckRadioControl& definition);
    // Not flat: the whole face, normal or active, with image and caption.
    void DrawSkinFace(QImage& image, const TbsDataSkinCheckRadioControl& definition, bool active);
    // Only a box that is not flat blends between its faces.
    bool MorphEnabled() const override;

    QString m_caption;
    bool m_flat { true };
    bool m_wordWrap { false };
    bool m_allowGrayed { false };
    bool m_useSkinFontColor { true };
    TCheckBoxState m_state { cbUnchecked };
    bool m_checked { false };
    bool m_radio { false };
    int m_groupIndex { 0 };
    KeptDefinition<TbsDataSkinCheckRadioControl> m_definition { *this };
    MarkPieces m_marks;
    // The normal and the active face in the picture (the normal one where
    // the skin has no active face), and the caption's and the mark's room on
    // the face in skin coordinates, taken at the skin change.
    QRect m_face;
    QRect m_activeFace;
    QRect m_textArea;
    QRect m_markArea;
};
