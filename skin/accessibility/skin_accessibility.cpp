#include "skin/accessibility/skin_accessibility.h"

#include "skin/accessibility/accessible_check_radio_box.h"
#include "skin/accessibility/accessible_names.h"
#include "skin/accessibility/accessible_named_widget.h"
#include "skin/accessibility/accessible_page_control.h"
#include "skin/accessibility/accessible_page_tab.h"
#include "skin/accessibility/accessible_popup_menu.h"
#include "skin/accessibility/accessible_scroll_bar.h"
#include "skin/accessibility/accessible_skin_button.h"
#include "skin/accessibility/accessible_skin_form.h"
#include "skin/accessibility/accessible_skin_gauge.h"
#include "skin/accessibility/accessible_skin_slider.h"
#include "skin/controls/check_radio_box.h"
#include "skin/controls/page_control.h"
#include "skin/controls/scroll_bar.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_slider.h"
#include "skin/controls/std_label.h"
#include "skin/controls/tab_sheet.h"
#include "skin/menus/skin_popup_window.h"

namespace {

QString LabelText(const QWidget& widget)
{
    return LabelTextOf(static_cast<const TbsSkinStdLabel&>(widget));
}

// A panel is named by its caption only where it shows it.
QString PanelText(const QWidget& widget)
{
    const auto& panel = static_cast<const TbsSkinPanel&>(widget);
    return panel.CaptionMode() ? panel.Caption() : QString();
}

// Qt asks for each class of object's hierarchy, most derived first, so a
// control derived from one of these classes speaks as its base does.
QAccessibleInterface* SkinAccessibleFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // A window speaks for the frame its skin form controller paints; it is
    // asked once, for the window's own class.
    if (widget->isWindow() && className == QLatin1StringView(widget->metaObject()->className())
        && AccessibleSkinForm::SkinFormOf(*widget))
        return new AccessibleSkinForm(widget);
    if (className == u"TbsSkinPopupWindow")
        return new AccessiblePopupMenu(static_cast<TbsSkinPopupWindow*>(widget));
    if (className == u"TbsSkinButton")
        return new AccessibleSkinButton(static_cast<TbsSkinButton*>(widget));
    if (className == u"TbsSkinCheckRadioBox")
        return new AccessibleCheckRadioBox(static_cast<TbsSkinCheckRadioBox*>(widget));
    if (className == u"TbsSkinSlider")
        return new AccessibleSkinSlider(static_cast<TbsSkinSlider*>(widget));
    if (className == u"TbsSkinScrollBar")
        return new AccessibleScrollBar(static_cast<TbsSkinScrollBar*>(widget));
    if (className == u"TbsSkinGauge")
        return new AccessibleSkinGauge(static_cast<TbsSkinGauge*>(widget));
    if (className == u"TbsSkinPageControl")
        return new AccessiblePageControl(static_cast<TbsSkinPageControl*>(widget));
    if (className == u"TbsSkinTabSheet")
        return new AccessibleTabPage(static_cast<TbsSkinTabSheet*>(widget));
    if (className == u"TbsSkinStdLabel")
        return new AccessibleNamedWidget(widget, QAccessible::StaticText, LabelText);
    if (className == u"TbsSkinPanel")
        return new AccessibleNamedWidget(widget, QAccessible::Grouping, PanelText);
    if (className == u"TbsSkinEdit" || className == u"TbsSkinMemo")
        return new AccessibleNamedWidget(widget, QAccessible::Grouping, TextControlNameOf);
    return nullptr;
}

} // namespace

void InstallSkinAccessibility()
{
    QAccessible::installFactory(SkinAccessibleFactory);
}
