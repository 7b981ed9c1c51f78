#pragma once

#include "skin/controls/skin_control.h"
#include "skin/draw/system_colors.h"

#include <QFont>
#include <QFontMetrics>
#include <QPointer>

enum TbsEllipsType { bsetNone, bsetEndEllips, bsetPathEllips };

// text when it fits in limit pixels; otherwise the part before its last path
// separator shortened from its end with "..." put in its place.
QString PathWithEllipsis(const QFontMetrics& metrics, const QString& text, int limit);

// A text label whose font and colour follow the "stdlabel" definition. It
// draws no background, so its parent shows through. Disabled, it shows its
// text embossed: once one pixel down and right in the highlight colour, then
// in the shadow colour.
class TbsDataSkinStdLabelControl;
class TbsSkinStdLabel : public TbsSkinControl {
    Q_OBJECT

public:
    explicit TbsSkinStdLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    Alignment TextAlignment() const { return m_alignment; }
    void SetTextAlignment(Alignment alignment);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    // With it on, "&" marks the next character as the accelerator.
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);
    TbsEllipsType EllipsType() const { return m_ellipsType; }
    void SetEllipsType(TbsEllipsType type);

    // The label's own font and colour, used when it does not follow the skin.
    SkinColor FontColor() const { return m_fontColor; }
    void SetFontColor(SkinColor color);
    const QFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const QFont& font);
    SkinColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(SkinColor color);
    // The control the label names, as a label's buddy.
    QWidget* FocusControl() const { return m_focusControl; }
    void SetFocusControl(QWidget* control) { m_focusControl = control; }

    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use);
    bool UseSkinColor() const { return m_useSkinColor; }
    void SetUseSkinColor(bool use);

    // With it on the label takes the size of its text (of one space when it
    // has none), keeping its top-left corner; with WordWrap only its height
    // follows the text.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

    // The font and colour the text is drawn in now.
    QFont TextFont() const;
    SkinColor TextColor() const;

    void ChangeSkinData() override;

protected:
    bool TakeDefinition(const TbsDataSkinControl* definition) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString DisplayedText(const QFontMetrics& metrics) const;
    // Sizes an auto-sized label to its text and repaints.
    void AdjustBounds();
    int TextFlags() const;

    QString m_caption;
    Alignment m_alignment { Alignment::taLeftJustify };
    bool m_wordWrap { false };
    bool m_showAccelChar { true };
    TbsEllipsType m_ellipsType { bsetNone };
    SkinColor m_fontColor { clWindowText };
    QFont m_defaultFont;
    SkinColor m_defaultFontColor { clWindowText };
    bool m_useSkinFont { true };
    bool m_useSkinColor { true };
    bool m_autoSize { true };
    QPointer<QWidget> m_focusControl;
    KeptDefinition<TbsDataSkinStdLabelControl> m_definition { *this };
};
