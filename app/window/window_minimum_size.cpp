#include "app/window/window_minimum_size.h"

#include "app/window/form1.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/frame/skin_form.h"

#include <QFontMetrics>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

namespace {

// The strip's controls stand at fixed places from its top-left corner; the
// strip must reach past the rightmost and the lowest of them by its own right
// and bottom borders.
QSize ToolStripReach(TbsSkinPanel& strip)
{
    int right = 0;
    int bottom = 0;
    for (const QWidget* control : strip.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden()) {
            right = std::max(right, control->geometry().right() + 1);
            bottom = std::max(bottom, control->geometry().bottom() + 1);
        }
    }
    const QRect client = strip.ClientRect();
    return { right + std::max(strip.width() - (client.right() + 1), 0),
        bottom + std::max(strip.height() - (client.bottom() + 1), 0) };
}

int PagesHeight(const TForm1& form)
{
    const TbsSkinPageControl& pages = *form.bsSkinPageControl1;
    const int tabsAndBorders = pages.height() - pages.PageArea().height();
    const QPlainTextEdit& editor = *form.Memo1->Editor();
    const int margins = 2 * static_cast<int>(editor.document()->documentMargin());
    return tabsAndBorders + kArticleLinesAtMinimum * QFontMetrics(editor.font()).lineSpacing() + margins;
}

} // namespace

QSize MinimumClientSize(const TForm1& form)
{
    int strips = 0;
    for (const QWidget* strip : std::initializer_list<const QWidget*> { form.bsSkinPanel1, form.bsSkinPanel2, form.WebBrowser1, form.bsSkinGauge1 })
        strips += strip->height();
    return { ToolStripReach(*form.bsSkinPanel1).width(), strips + PagesHeight(form) };
}

void KeepToolStripWhole(TForm1& form)
{
    TbsSkinPanel& strip = *form.bsSkinPanel1;
    // The strip's controls stand at fixed places, so no skin may fix the
    // strip's height (or width) below them.
    strip.SetUseSkinSize(false);
    const int designedHeight = strip.height();
    const auto apply = [&form, &strip, designedHeight] {
        // The strip keeps the height it was designed with, or grows to hold
        // a control that the skin's fonts make reach below it.
        const int height = std::max(designedHeight, ToolStripReach(strip).height());
        if (height != strip.height()) {
            strip.resize(strip.width(), height);
            if (QLayout* layout = strip.parentWidget()->layout())
                layout->invalidate();
        }
        const QSize client = MinimumClientSize(form);
        const QMargins frame = form.bsSkinForm1->FrameMargins();
        form.bsSkinForm1->SetMinWidth(client.width() + frame.left() + frame.right());
        form.bsSkinForm1->SetMinHeight(client.height() + frame.top() + frame.bottom());
    };
    apply();
    QObject::connect(form.bsSkinForm1, &TbsSkinForm::OnAfterChangeSkinData, &form, apply);
}
