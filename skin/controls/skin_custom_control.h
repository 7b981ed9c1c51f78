#pragma once

#include "skin/controls/skin_control.h"
#include "skin/controls/system_colors.h"

#include <QFont>

// A skinned control whose face is a picture resized to the control: adds the
// look and size it takes without a skin (DefaultFont, DefaultWidth,
// DefaultHeight), the choice between the skin's font and DefaultFont, the size
// rule of its definition (CalcSize) and its window shape (SetControlRegion).
class TbsSkinCustomControl : public TbsSkinControl {
    Q_OBJECT

public:
    explicit TbsSkinCustomControl(QWidget* parent = nullptr);

    // "Arial", 14 pixels high, no style.
    static QFont StandardDefaultFont();

    const QFont& DefaultFont() const { return m_defaultFont; }
    void SetDefaultFont(const QFont& font);

    // The colour that goes with DefaultFont (clWindowText unless set).
    SkinColor DefaultFontColor() const { return m_defaultFontColor; }
    void SetDefaultFontColor(SkinColor color);

    int DefaultWidth() const { return m_defaultWidth; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return m_defaultHeight; }
    void SetDefaultHeight(int height);

    bool UseSkinFont() const { return m_useSkinFont; }
    void SetUseSkinFont(bool use);

    void ChangeSkinData() override;

    virtual void DefaultFontChanged();
    // Turns a proposed size into the one the definition allows; without a
    // definition the proposal stands.
    virtual void CalcSize(int& width, int& height);
    virtual void SetControlRegion();

protected:
    void CreateControlDefaultImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;

    // The panel family lets its children show through the client area.
    bool m_forceBackground { false };
    bool m_drawBackground { true };

private:
    void ApplyDefaultSize();

    QFont m_defaultFont { StandardDefaultFont() };
    SkinColor m_defaultFontColor { clWindowText };
    int m_defaultWidth { 0 };
    int m_defaultHeight { 0 };
    bool m_useSkinFont { true };
};
