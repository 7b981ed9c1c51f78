#pragma once

#include "skin/controls/skin_control.h"
#include "skin/draw/system_colors.h"
#include "skin/data/data_skin_control.h"
#include "skin/draw/composition_mode.h"

#include <QFont>
#include <QRect>

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
    // The font a definition names when UseSkinFont is on, else DefaultFont.
    QFont ControlFont(const QString& name, int height, FontStyles style) const;
    // The same for a definition with fontname, fontheight and fontstyle keys;
    // DefaultFont without a definition.
    template <typename FontDefinition> QFont ControlFont(const FontDefinition* definition) const
    {
        return definition ? ControlFont(definition->fontName, definition->fontHeight, definition->fontStyle)
                          : m_defaultFont;
    }

    void GetSkinData() override;
    void ChangeSkinData() override;

    virtual void DefaultFontChanged();
    // Turns a proposed size into the one the definition allows; without a
    // definition the proposal stands.
    virtual void CalcSize(int& width, int& height);
    virtual void SetControlRegion();

    CompositionMode Mode() const { return m_mode; }
    const SkinPieceGeometry& Piece() const { return m_piece; }
    // Where the piece's client rectangle lies in the picture.
    QRect ClientPiece() const;
    // Where the definition's points and client rectangle lie at the current
    // size; a function of the definition and the size alone.
    SkinTargetGeometry Target() const;
    // The client rectangle placed for the current size.
    QRect PlacedClientRect() const;
    // A rectangle in skin coordinates placed for the current size.
    QRect MapSkinRect(const QRect& rect) const;

protected:
    void PaintFace(QImage& face) override;
    void CreateControlDefaultImage(QImage& image) override;
    void CreateControlSkinImage(QImage& image) override;
    // The control's picture composed at its size with faceRect standing in
    // for the skin rectangle; the fixed mode gives faceRect's own size.
    void CreateSkinFace(QImage& image, const QRect& faceRect) const;
    // For a control that takes any size where its definition's mode would
    // fix an extent: the client rectangle grown with the control, and the
    // face with its client piece stretched to the control (a fixed face
    // stretched whole). A full-mode face takes any size anyway and is placed
    // as usual.
    QRect ClientRectAtAnySize() const;
    void CreateSkinFaceAtAnySize(QImage& image, const QRect& faceRect) const;
    // The four border strips of a full-mode face drawn around its client
    // area; the top strip passes through CreateControlSkinImage first.
    void DrawSkinBorders(QImage& face);
    void resizeEvent(QResizeEvent* event) override;

    QImage m_picture;
    QImage m_maskPicture;

    // The panel family lets its children show through the client area.
    bool m_forceBackground { false };
    bool m_drawBackground { true };

private:
    void ApplyDefaultSize();
    void PaintForcedBackground(QImage& face);

    SkinPieceGeometry m_piece;
    CompositionMode m_mode { CompositionMode::None };

    QFont m_defaultFont { StandardDefaultFont() };
    SkinColor m_defaultFontColor { clWindowText };
    int m_defaultWidth { 0 };
    int m_defaultHeight { 0 };
    bool m_useSkinFont { true };
};
