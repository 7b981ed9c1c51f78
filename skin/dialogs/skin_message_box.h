#pragma once

#include <QDialog>
#include <QMessageBox>
#include <vector>

class QLabel;
class TbsSkinButton;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinPanel;

// A message box drawn in a skin: the skin's frame, caption and close button
// around its panel face, the message in the skin's label colour beside the
// icon of its kind, and one skinned button per answer, captioned with the
// skin's MSG_BTN_* texts (the program's own where the skin has none). The
// kind's MSG_CAP_* text names the icon, and is the caption when none is given.
//
// The keyboard works as in any message box: the default button has the focus
// at first, Enter or Space answers with the focused button, Tab and the arrow
// keys walk the buttons, Alt with a caption's underlined letter answers with
// that button, and Escape (or the close button) with the escape button:
// Cancel, else No, else Close, else a lone button. With none of those Escape
// does nothing. Assistive technology hears a dialog named by the caption and
// described by the message; the buttons are named by their captions.
class TbsSkinMessageBox : public QDialog {
    Q_OBJECT

public:
    TbsSkinMessageBox(TbsSkinData* skinData, QMessageBox::Icon icon, const QString& caption, const QString& text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        QWidget* parent = nullptr);

    // The button the box was answered with; NoButton before an answer.
    QMessageBox::StandardButton ClickedButton() const { return m_clicked; }
    QMessageBox::StandardButton DefaultButton() const { return m_default; }
    QMessageBox::StandardButton EscapeButton() const { return m_escape; }
    // The skinned button of an answer, null when the box has none.
    TbsSkinButton* Button(QMessageBox::StandardButton which) const;
    QString Text() const;
    TbsSkinForm* SkinForm() const { return m_skinForm; }

    // The resource string names of an answer's caption and of a kind's
    // caption.
    static QString ButtonTextName(QMessageBox::StandardButton which);
    static QString CaptionTextName(QMessageBox::Icon icon);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    struct Answer {
        QMessageBox::StandardButton which;
        TbsSkinButton* button;
    };

    void AddButtons(TbsSkinData* skinData, QMessageBox::StandardButtons buttons);
    void LayOut();
    void AnswerWith(QMessageBox::StandardButton which);
    // Moves the focus one button on (or back), round the ends.
    void FocusNeighbour(int step);

    TbsSkinForm* const m_skinForm;
    TbsSkinPanel* const m_face;
    QLabel* const m_icon;
    QLabel* const m_text;
    std::vector<Answer> m_answers;
    QMessageBox::StandardButton m_default { QMessageBox::NoButton };
    QMessageBox::StandardButton m_escape { QMessageBox::NoButton };
    QMessageBox::StandardButton m_clicked { QMessageBox::NoButton };
};
