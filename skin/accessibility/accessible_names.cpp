#include "skin/accessibility/accessible_names.h"

#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/std_label.h"
#include "skin/controls/tab_sheet.h"
#include "skin/draw/accelerator_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

QString AccessibleCaption(const QString& caption)
{
    static const QRegularExpression acceleratorKey(QStringLiteral("\\(&[^&()]\\)"));
    QString text = caption;
    text.remove(acceleratorKey);
    return WithoutAccelerator(text);
}

QString LabelTextOf(const TbsSkinStdLabel& label)
{
    return label.ShowAccelChar() ? WithoutAccelerator(label.Caption()) : label.Caption();
}

QString LabelledNameOf(const QWidget& control)
{
    if (!control.accessibleName().isEmpty())
        return control.accessibleName();
    const QWidget* parent = control.parentWidget();
    if (!parent)
        return {};
    const auto labels = parent->findChildren<TbsSkinStdLabel*>(Qt::FindDirectChildrenOnly);
    for (const TbsSkinStdLabel* label : labels) {
        if (label->FocusControl() == &control)
            return LabelTextOf(*label);
    }
    return {};
}

QString TextControlNameOf(const QWidget& control)
{
    if (QString name = LabelledNameOf(control); !name.isEmpty())
        return name;
    if (const auto* page = qobject_cast<const TbsSkinTabSheet*>(control.parentWidget()))
        return page->Caption();
    return {};
}

namespace {

void NameEditor(QWidget& editor, const QWidget& control)
{
    if (editor.accessibleName().isEmpty())
        editor.setAccessibleName(TextControlNameOf(control));
}

} // namespace

void NameSkinnedEditors(QWidget& root)
{
    for (TbsSkinEdit* edit : root.findChildren<TbsSkinEdit*>())
        NameEditor(*edit->Editor(), *edit);
    for (TbsSkinMemo* memo : root.findChildren<TbsSkinMemo*>())
        NameEditor(*memo->Editor(), *memo);
}
