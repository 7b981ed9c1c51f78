#include "tools/preview/gallery_samples.h"

#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/skin_up_down.h"
#include "skin/controls/std_label.h"
#include "skin/controls/tab_sheet.h"
#include "skin/data/control_definitions_buttons.h"
#include "skin/data/control_definitions_check_radio.h"
#include "skin/data/control_definitions_edits.h"
#include "skin/data/control_definitions_gauge.h"
#include "skin/data/control_definitions_labels.h"
#include "skin/data/control_definitions_panels.h"
#include "skin/data/control_definitions_scroll_bar.h"
#include "skin/data/control_definitions_sliders.h"
#include "skin/data/control_definitions_tab.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>

namespace {

// Where the samples of one definition come from.
struct Source {
    const TbsDataSkinControl& definition;
    TbsSkinData& skinData;
};

// A new control of the definition, bound to the skin as a control of the
// program is, before its state is set.
template <typename Control> Control* Named(Control* control, const Source& source)
{
    control->SetSkinDataName(source.definition.IDName());
    control->SetSkinData(&source.skinData);
    return control;
}

QList<GallerySample> ButtonSamples(const Source& source)
{
    const auto make = [&source](const QString& caption) {
        auto* button = Named(new TbsSkinButton, source);
        button->resize(121, 25);
        button->SetCaption(caption);
        return button;
    };
    TbsSkinButton* hovered = make(QStringLiteral("Hover"));
    HoldHovered(*hovered);
    TbsSkinButton* pressed = make(QStringLiteral("Pressed"));
    HoldPressed(*pressed);
    TbsSkinButton* disabled = make(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    return { { QStringLiteral("normal"), make(QStringLiteral("Normal")) }, { QStringLiteral("hover"), hovered },
        { QStringLiteral("pressed"), pressed }, { QStringLiteral("disabled"), disabled } };
}

QList<GallerySample> CheckRadioSamples(const Source& source)
{
    const bool radio = source.definition.IDName().contains(QStringLiteral("radio"), Qt::CaseInsensitive);
    const auto make = [&source, radio](const QString& caption, bool checked) {
        auto* box = Named(new TbsSkinCheckRadioBox, source);
        box->resize(110, 25);
        box->SetRadio(radio);
        box->SetFlat(true);
        box->SetCaption(caption);
        box->SetChecked(checked);
        return box;
    };
    TbsSkinCheckRadioBox* hovered = make(QStringLiteral("Hover"), true);
    HoldHovered(*hovered);
    TbsSkinCheckRadioBox* disabledOn = make(QStringLiteral("Disabled"), true);
    disabledOn->setEnabled(false);
    TbsSkinCheckRadioBox* disabledOff = make(QStringLiteral("Disabled"), false);
    disabledOff->setEnabled(false);
    return { { QStringLiteral("unchecked"), make(QStringLiteral("Unchecked"), false) },
        { QStringLiteral("checked"), make(QStringLiteral("Checked"), true) }, { QStringLiteral("hover"), hovered },
        { QStringLiteral("disabled, checked"), disabledOn }, { QStringLiteral("disabled"), disabledOff } };
}

QList<GallerySample> GaugeSamples(const Source& source, const TbsDataSkinGaugeControl& definition)
{
    QList<GallerySample> samples;
    for (const int value : { 0, 30, 70, 100 }) {
        auto* gauge = Named(new TbsSkinGauge, source);
        gauge->SetVertical(definition.vertical);
        gauge->resize(definition.vertical ? QSize(20, 120) : QSize(160, 20));
        gauge->SetValue(value);
        samples.append({ QStringLiteral("%1 %").arg(value), gauge });
    }
    return samples;
}

QList<GallerySample> SliderSamples(const Source& source, const TbsDataSkinSlider& definition)
{
    const auto make = [&source](TbsSliderOrientation orientation, int value) {
        auto* slider = Named(new TbsSkinSlider, source);
        slider->SetOrientation(orientation);
        slider->resize(orientation == soVertical ? QSize(30, 120) : QSize(200, 30));
        slider->SetUseSkinThumb(true);
        slider->SetMinValue(0);
        slider->SetMaxValue(100);
        slider->SetValue(value);
        return slider;
    };
    QList<GallerySample> samples;
    for (const int value : { 0, 50, 100 })
        samples.append({ QStringLiteral("value %1").arg(value), make(soHorizontal, value) });
    TbsSkinSlider* disabled = make(soHorizontal, 30);
    disabled->setEnabled(false);
    samples.append({ QStringLiteral("disabled"), disabled });
    if (!definition.vRulerRect.IsEmpty())
        samples.append({ QStringLiteral("vertical"), make(soVertical, 30) });
    return samples;
}

QList<GallerySample> ScrollBarSamples(const Source& source, const TbsDataSkinScrollBarControl& definition)
{
    const bool vertical = definition.skinRect.Height() > definition.skinRect.Width();
    const auto make = [&source, vertical](int position) {
        auto* bar = Named(new TbsSkinScrollBar, source);
        bar->SetKind(vertical ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal);
        bar->resize(vertical ? QSize(19, 140) : QSize(160, 19));
        bar->SetRange(0, 100, 25, position);
        return bar;
    };
    TbsSkinScrollBar* disabled = make(0);
    disabled->setEnabled(false);
    return { { QStringLiteral("at the start"), make(0) }, { QStringLiteral("in the middle"), make(40) },
        { QStringLiteral("at the end"), make(75) }, { QStringLiteral("disabled"), disabled } };
}

QList<GallerySample> EditSamples(const Source& source)
{
    const bool memo = dynamic_cast<const TbsDataSkinMemoControl*>(&source.definition);
    const auto make = [&source, memo](const QString& text) -> QWidget* {
        if (memo) {
            auto* control = Named(new TbsSkinMemo, source);
            control->resize(180, 70);
            control->SetText(text + QStringLiteral("\n第二行文字。"));
            return control;
        }
        auto* control = Named(new TbsSkinEdit, source);
        control->resize(160, 20);
        control->SetText(text);
        return control;
    };
    QWidget* hovered = make(QStringLiteral("Hover 悬停"));
    HoldHovered(*hovered);
    QWidget* disabled = make(QStringLiteral("Disabled 禁用"));
    disabled->setEnabled(false);
    return { { QStringLiteral("normal"), make(QStringLiteral("Normal 正常")) }, { QStringLiteral("hover"), hovered },
        { QStringLiteral("disabled"), disabled } };
}

QList<GallerySample> TabSamples(const Source& source)
{
    auto* pages = Named(new TbsSkinPageControl, source);
    pages->resize(300, 110);
    for (const QString& caption : { QStringLiteral("原始文章内容"), QStringLiteral("打乱后的文章"), QStringLiteral("Third") })
        (new TbsSkinTabSheet(pages))->SetCaption(caption);
    pages->SetActivePageIndex(1);
    return { { QStringLiteral("second tab active"), pages } };
}

QList<GallerySample> PanelSamples(const Source& source)
{
    auto* panel = Named(new TbsSkinPanel, source);
    panel->resize(160, 60);
    panel->SetCaption(QStringLiteral("Panel 面板"));
    auto* captioned = Named(new TbsSkinPanel, source);
    captioned->resize(160, 60);
    captioned->SetCaptionMode(true);
    captioned->SetCaption(QStringLiteral("Caption 标题"));
    return { { QStringLiteral("normal"), panel }, { QStringLiteral("with caption"), captioned } };
}

QList<GallerySample> LabelSamples(const Source& source)
{
    auto* label = Named(new TbsSkinStdLabel, source);
    label->SetCaption(QStringLiteral("Label 加入关键词"));
    label->adjustSize();
    auto* disabled = Named(new TbsSkinStdLabel, source);
    disabled->SetCaption(QStringLiteral("Disabled 词频"));
    disabled->adjustSize();
    disabled->setEnabled(false);
    return { { QStringLiteral("normal"), label }, { QStringLiteral("disabled"), disabled } };
}

QList<GallerySample> UpDownSamples(const Source& source)
{
    const bool horizontal = source.definition.skinRect.Width() > source.definition.skinRect.Height();
    const auto make = [&source, horizontal] {
        auto* upDown = Named(new TbsSkinUpDown, source);
        upDown->SetOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
        upDown->resize(horizontal ? QSize(36, 19) : QSize(19, 36));
        return upDown;
    };
    TbsSkinUpDown* disabled = make();
    disabled->setEnabled(false);
    return { { QStringLiteral("normal"), make() }, { QStringLiteral("disabled"), disabled } };
}

} // namespace

void HoldHovered(QWidget& control)
{
    const QPointF inside(1, 1);
    QEnterEvent enter(inside, inside, inside);
    QCoreApplication::sendEvent(&control, &enter);
    control.setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QWidget* child : control.findChildren<QWidget*>())
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HoldPressed(QWidget& control)
{
    HoldHovered(control);
    const QPointF centre = QRectF(control.rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &press);
}

QList<GallerySample> MakeGallerySamples(const TbsDataSkinControl& definition, TbsSkinData& skinData)
{
    const Source source { definition, skinData };
    // The most derived kinds first: a menu button is a button, a memo an edit.
    if (dynamic_cast<const TbsDataSkinButtonControl*>(&definition))
        return ButtonSamples(source);
    if (dynamic_cast<const TbsDataSkinCheckRadioControl*>(&definition))
        return CheckRadioSamples(source);
    if (const auto* gauge = dynamic_cast<const TbsDataSkinGaugeControl*>(&definition))
        return GaugeSamples(source, *gauge);
    if (const auto* slider = dynamic_cast<const TbsDataSkinSlider*>(&definition))
        return SliderSamples(source, *slider);
    if (const auto* bar = dynamic_cast<const TbsDataSkinScrollBarControl*>(&definition))
        return ScrollBarSamples(source, *bar);
    if (dynamic_cast<const TbsDataSkinEditControl*>(&definition))
        return EditSamples(source);
    if (dynamic_cast<const TbsDataSkinTabControl*>(&definition))
        return TabSamples(source);
    if (dynamic_cast<const TbsDataSkinPanelControl*>(&definition))
        return PanelSamples(source);
    if (dynamic_cast<const TbsDataSkinStdLabelControl*>(&definition))
        return LabelSamples(source);
    if (dynamic_cast<const TbsDataSkinUpDownControl*>(&definition))
        return UpDownSamples(source);
    return {};
}
