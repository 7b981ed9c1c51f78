#include "tools/preview/skin_gallery.h"

#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/std_label.h"
#include "skin/hints/hint_face.h"
#include "skin/menus/menu_item.h"
#include "skin/menus/popup_face.h"
#include "skin/menus/popup_look.h"
#include "tools/preview/gallery_samples.h"
#include "tools/skin/render_menu_command.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr QSize kFrameSampleSize { 320, 150 };
// A menu is never scrolled in the gallery: any menu fits a screen this high.
constexpr int kMenuScreenHeight = 4096;

// Pixels outside a window's shape show the gallery's background.
QImage CutToShape(QImage image, const std::optional<QRegion>& shape)
{
    if (!shape)
        return image;
    image = std::move(image).convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& outside : QRegion(image.rect()).subtracted(*shape))
        painter.fillRect(outside, Qt::transparent);
    return image;
}

// Texts of the gallery are the skin's labels, so that they read on its
// panel as the window's labels do.
TbsSkinStdLabel* Text(TbsSkinData& skinData, const QString& text)
{
    auto* label = new TbsSkinStdLabel;
    label->SetSkinDataName(QStringLiteral("stdlabel"));
    label->SetUseSkinColor(true);
    label->SetSkinData(&skinData);
    label->SetCaption(text);
    label->adjustSize();
    return label;
}

QLabel* Picture(const QImage& image)
{
    auto* label = new QLabel;
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size());
    return label;
}

} // namespace

// Lays the gallery out on its panel, row under row, each sample with its
// state beneath it. The samples lie on the panel itself, as the window's
// controls lie on its tool strip, so that they draw on its background; and
// each keeps the size it was given, or that the skin gave it.
class GalleryFlow {
public:
    GalleryFlow(QWidget& panel, TbsSkinData& skinData)
        : m_panel(panel)
        , m_skinData(skinData)
    {
    }

    void Row(const QString& title, const QList<std::pair<QWidget*, QString>>& items)
    {
        Place(Text(m_skinData, title), kMargin, m_y);
        m_y += m_lastHeight + kGap;
        int x = kMargin + kIndent;
        int rowHeight = 0;
        for (const auto& [shown, caption] : items) {
            Place(shown, x, m_y);
            int width = shown->width();
            int height = shown->height();
            if (!caption.isEmpty()) {
                QWidget* text = Text(m_skinData, caption);
                Place(text, x, m_y + height + kGap);
                width = qMax(width, text->width());
                height += kGap + text->height();
            }
            x += width + kSpacing;
            rowHeight = qMax(rowHeight, height);
        }
        m_width = qMax(m_width, x);
        m_y += rowHeight + kRowSpacing;
    }

    QSize Size() const { return QSize(m_width + kMargin, m_y + kMargin); }

private:
    static constexpr int kMargin = 12;
    static constexpr int kIndent = 6;
    static constexpr int kGap = 4;
    static constexpr int kSpacing = 16;
    static constexpr int kRowSpacing = 20;

    void Place(QWidget* widget, int x, int y)
    {
        widget->setParent(&m_panel);
        widget->move(x, y);
        m_lastHeight = widget->height();
    }

    QWidget& m_panel;
    TbsSkinData& m_skinData;
    int m_y { kMargin };
    int m_width { 0 };
    int m_lastHeight { 0 };
};

SkinGallery::SkinGallery(TbsSkinData& skinData)
    : m_skinData(skinData)
    , m_skinForm(new TbsSkinForm(this))
    , m_scroll(new QScrollArea(m_skinForm->ClientArea()))
    , m_frameSample(std::make_unique<QWidget>())
    , m_frameSampleForm(new TbsSkinForm(m_frameSample.get()))
{
    setObjectName(QStringLiteral("skinGallery"));
    setWindowTitle(QStringLiteral("Skin gallery"));
    auto* layout = new QVBoxLayout(m_skinForm->ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_skinForm->SetSkinData(&m_skinData);
    m_frameSampleForm->SetSkinData(&m_skinData);
    m_skinForm->SetFormClientSize(QSize(760, 620));
    Rebuild();
}

SkinGallery::~SkinGallery() = default;

QWidget* SkinGallery::Content() const
{
    return m_scroll->widget();
}

void SkinGallery::Rebuild()
{
    setWindowTitle(QStringLiteral("Skin gallery: %1").arg(m_skinData.SkinName()));
    const int scrolled = m_scroll->verticalScrollBar()->value();
    m_scroll->setWidget(BuildContent());
    m_scroll->widget()->adjustSize();
    m_scroll->verticalScrollBar()->setValue(scrolled);
}

QWidget* SkinGallery::BuildContent()
{
    // Everything lies on the skin's panel, as the window's tool strip does.
    auto* content = new TbsSkinPanel;
    content->SetSkinDataName(QStringLiteral("panel"));
    content->SetCaptionMode(false);
    content->SetBorderStyle(bvNone);
    content->SetSkinData(&m_skinData);
    GalleryFlow flow(*content, m_skinData);
    AddFrameRow(flow);
    AddMenuAndHintRow(flow);
    for (const auto& definition : m_skinData.ControlDefinitions())
        AddDefinitionRow(flow, *definition);
    content->setMinimumSize(flow.Size());
    return content;
}

void SkinGallery::AddFrameRow(GalleryFlow& flow)
{
    TbsSkinForm* const form = m_frameSampleForm;
    m_frameSample->setWindowTitle(m_skinData.SkinName().isEmpty() ? QStringLiteral("Window") : m_skinData.SkinName());
    m_frameSample->resize(kFrameSampleSize.expandedTo(QSize(form->GetMinWidth(), form->GetMinHeight())));
    flow.Row(QStringLiteral("Window frame"),
        { { Picture(form->RenderWindow(true)), QStringLiteral("active") },
            { Picture(form->RenderWindow(false)), QStringLiteral("inactive") } });
}

void SkinGallery::AddMenuAndHintRow(GalleryFlow& flow)
{
    // The memo's context menu, as a right click with a selection opens it,
    // its third row under the mouse.
    const std::unique_ptr<TbsMenuItem> menu = SampleEditMenu(m_skinData, false);
    PopupLookOptions options;
    options.defaultFont = DefaultMenuItemFont();
    PopupFace face(LookUpPopupLook(&m_skinData, options), *menu, 0, 0, kMenuScreenHeight);
    constexpr std::size_t kActiveRow = 2;
    if (face.Items().size() > kActiveRow) {
        face.Items()[kActiveRow].active = true;
        face.Items()[kActiveRow].morph = 1;
    }
    const QImage menuPicture = CutToShape(face.Render(PopupScrollCode::None), face.Region());

    const HintLook hint = LookUpHintLook(&m_skinData);
    const QString text = QStringLiteral("词频: 5");
    const HintGeometry geometry = CalcHintGeometry(hint, HintTextSize(hint.font, text));
    const QImage hintPicture = CutToShape(RenderHintFace(hint, geometry, text), HintRegion(hint, geometry));

    flow.Row(QStringLiteral("Popup menu and hint"),
        { { Picture(menuPicture), QStringLiteral("open menu, a row under the mouse") },
            { Picture(hintPicture), QStringLiteral("hint") } });
}

void SkinGallery::AddDefinitionRow(GalleryFlow& flow, const TbsDataSkinControl& definition)
{
    const QString title = QStringLiteral("%1 (%2)").arg(definition.IDName(), definition.TypeName());
    const QList<GallerySample> samples = MakeGallerySamples(definition, m_skinData);
    if (samples.isEmpty()) {
        flow.Row(title, { { Text(m_skinData, QStringLiteral("No control of the program draws this kind of definition.")), {} } });
        return;
    }
    QList<std::pair<QWidget*, QString>> items;
    for (const GallerySample& sample : samples)
        items.append({ sample.control, sample.state });
    flow.Row(title, items);
}
