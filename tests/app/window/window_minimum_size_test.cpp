#include "app/window/skin_choice.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_xform_button.h"
#include "skin/frame/skin_form.h"
#include "tests/app/window/form1_fixture.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

// Every control of the tool strip lies inside the strip's client area and
// inside what the window shows of the strip; returns the rightmost edge.
int CheckToolStripWhole(TForm1& form, const char* skin)
{
    TbsSkinPanel& strip = *form.bsSkinPanel1;
    QWidget& client = *form.bsSkinForm1->ClientArea();
    const QRect shown = QRect(strip.mapTo(&client, QPoint()), strip.size()).intersected(client.rect());
    int right = 0;
    for (QWidget* control : strip.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isHidden())
            continue;
        const QRect place(control->mapTo(&client, QPoint()), control->size());
        EXPECT_TRUE(strip.ClientRect().contains(control->geometry())) << skin << ": " << control->objectName().toStdString();
        EXPECT_TRUE(shown.contains(place)) << skin << ": " << control->objectName().toStdString();
        right = std::max(right, control->geometry().right() + 1);
    }
    EXPECT_TRUE(form.rect().contains(QRect(client.mapTo(&form, QPoint()), client.size()))) << skin;
    return right;
}

} // namespace

TEST_F(Form1Test, AtItsMinimumSizeTheWindowShowsEveryControlOfItsToolStripWhole)
{
    for (const char* skin : { "light", "dark" }) {
        ASSERT_EQ(ApplySkinChoice(form, QString::fromLatin1(skin)), QString());
        form.resize(1, 1);
        QCoreApplication::processEvents();
        ASSERT_EQ(form.size(), form.minimumSize()) << skin;
        const int right = CheckToolStripWhole(form, skin);
        // Not a pixel wider than the controls need.
        EXPECT_EQ(right, form.bsSkinPanel1->ClientRect().right() + 1) << skin;
        // The pages keep their tabs and a few lines of the article.
        EXPECT_GT(form.Memo1->height(), 2 * QFontMetrics(form.Memo1->Editor()->font()).height()) << skin;
    }
}
