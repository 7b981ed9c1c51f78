#pragma once

#include <QWidget>
#include <memory>

class GalleryFlow;
class QScrollArea;
class TbsDataSkinControl;
class TbsSkinData;
class TbsSkinForm;

// The second window of a skin preview: every control definition of the skin
// drawn by the program's own controls in each state they can show, the
// window frame active and inactive side by side, an open popup menu and a
// hint. The window wears the skin's frame itself. The controls are live; the
// frame, menu and hint pictures are drawn by the code that draws them in the
// program. Rebuild after each load: a new skin may have other definitions.
class SkinGallery : public QWidget {
    Q_OBJECT

public:
    explicit SkinGallery(TbsSkinData& skinData);
    ~SkinGallery() override;

    void Rebuild();

    // Frame, menu and hint pictures and one row per control definition.
    QWidget* Content() const;

private:
    QWidget* BuildContent();
    void AddFrameRow(GalleryFlow& flow);
    void AddMenuAndHintRow(GalleryFlow& flow);
    void AddDefinitionRow(GalleryFlow& flow, const TbsDataSkinControl& definition);

    TbsSkinData& m_skinData;
    TbsSkinForm* const m_skinForm;
    QScrollArea* const m_scroll;
    // A window that is never shown, framed by the skin for the frame's
    // pictures.
    std::unique_ptr<QWidget> m_frameSample;
    TbsSkinForm* const m_frameSampleForm;
};
