#pragma once

#include "skin/controls/skin_button.h"

// A push button that, where the skin has no definition for it, can draw
// itself from pictures of its own: DefImage normally, DefActiveImage while
// hovered or focused, DefDownImage while pressed, shaped by the black pixels of
// DefMask. Without a definition and without DefImage it looks like any
// TbsSkinButton.
class TbsSkinXFormButton : public TbsSkinButton {
    Q_OBJECT

public:
    explicit TbsSkinXFormButton(QWidget* parent = nullptr);

    const QImage& DefImage() const { return m_defImage; }
    // A non-empty picture also becomes DefaultWidth × DefaultHeight.
    void SetDefImage(const QImage& image);
    const QImage& DefActiveImage() const { return m_defActiveImage; }
    void SetDefActiveImage(const QImage& image);
    const QImage& DefDownImage() const { return m_defDownImage; }
    void SetDefDownImage(const QImage& image);
    const QImage& DefMask() const { return m_defMask; }
    void SetDefMask(const QImage& mask);

    SkinColor DefActiveFontColor() const { return m_defActiveFontColor; }
    void SetDefActiveFontColor(SkinColor color);
    SkinColor DefDownFontColor() const { return m_defDownFontColor; }
    void SetDefDownFontColor(SkinColor color);

    void ChangeSkinData() override;
    void SetControlRegion() override;

protected:
    void CreateControlDefaultImage(QImage& image) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool DrawsOwnPictures() const { return !HasSkinDefinition() && !m_defImage.isNull(); }

    QImage m_defImage;
    QImage m_defActiveImage;
    QImage m_defDownImage;
    QImage m_defMask;
    SkinColor m_defActiveFontColor { clBlack };
    SkinColor m_defDownFontColor { clBlack };
};
