#include "app/window/window_minimum_size.h"

#include "app/window/form1.h"
#include "skin/controls/page_control.h"
#include "skin/controls/skin_gauge.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/frame/skin_form.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

namespace {

// The strip's controls stand at fixed places from its left edge; the strip
// must reach past the rightmost of them by its own right border.
int ToolStripWidth(TbsSkinPanel& strip)
{
    int right = 0;
    for (const QWidget* control : strip.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden())
            right = std::max(right, control->geometry().right() + 1);
    }
    const int rightBorder = strip.width() - (strip.ClientRect().right() + 1);
    return right + std::max(rightBorder, 0);
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
    return { ToolStripWidth(*form.bsSkinPanel1), strips + PagesHeight(form) };
}

void KeepToolStripWhole(TForm1& form)
{
    const auto apply = [&form] {
        const QSize client = MinimumClientSize(form);
        const QMargins frame = form.bsSkinForm1->FrameMargins();
        form.bsSkinForm1->SetMinWidth(client.width() + frame.left() + frame.right());
        form.bsSkinForm1->SetMinHeight(client.height() + frame.top() + frame.bottom());
    };
    apply();
    QObject::connect(form.bsSkinForm1, &TbsSkinForm::OnAfterChangeSkinData, &form, apply);
}
