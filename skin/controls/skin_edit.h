#pragma once

#include "skin/controls/skin_custom_control.h"
#include "skin/data/skin_values.h"

#include <QRect>

class QLineEdit;

// A single-line edit: a QLineEdit does the typing, caret, selection, undo and
// clipboard, while this control draws the frame and the background behind the
// text, so the look follows the skin and the text lands on it.
class TbsSkinEdit : public TbsSkinCustomControl {
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

signals:
    void OnButtonClick();

protected:
    void CreateControlDefaultImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The height the current font and skin allow for a proposed one.
    int RequiredHeight(int proposed);
    void ApplyFont();
    void PlaceEditor();
    void ShowContextMenu(const QPoint& globalPos);

    QLineEdit* m_editor;
    SkinColor m_defaultColor;
    SkinColor m_defaultFontColor;
    ::Alignment m_alignment { ::Alignment::taLeftJustify };
    bool m_buttonMode { false };
    bool m_buttonDown { false };
};
