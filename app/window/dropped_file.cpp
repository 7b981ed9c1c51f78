#include "app/window/dropped_file.h"

#include "app/window/article_file.h"
#include "app/window/form1.h"
#include "app/window/skin_file_kind.h"
#include "app/window/skin_switch.h"
#include "skin/controls/skin_memo.h"

#include <QDir>

namespace {

TbsSkinMemo* MemoAt(TForm1& form, const QPoint& at)
{
    for (QWidget* widget = form.childAt(at); widget && widget != &form; widget = widget->parentWidget()) {
        if (auto* memo = qobject_cast<TbsSkinMemo*>(widget))
            return memo;
    }
    return nullptr;
}

} // namespace

void OpenDroppedFile(TForm1& form, const QString& path, const QPoint& at)
{
    if (SkinFileKindOf(path) != SkinFileKind::NotASkin) {
        SwitchSkin(form, path);
        return;
    }
    TbsSkinMemo* memo = MemoAt(form, at);
    if (!memo || memo->ReadOnly()) {
        form.ShowErrorBox(QStringLiteral("无法打开“%1”：窗口接受拖到任何地方的皮肤文件（压缩的皮肤文件或皮肤文件夹中的 skin.ini），"
                                         "以及拖到文章框中的文本文件。")
                              .arg(QDir::toNativeSeparators(path)));
        return;
    }
    const ArticleFile article = ReadArticleFile(path);
    if (!article.error.isEmpty()) {
        form.ShowErrorBox(article.error);
        return;
    }
    memo->InsertTextAt(memo->mapFrom(&form, at), article.text);
}
