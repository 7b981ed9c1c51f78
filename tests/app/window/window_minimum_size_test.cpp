#include "app/window/skin_choice.h"
#include "skin/controls/skin_memo.h"
#include "skin/controls/skin_panel.h"
#include "skin/controls/skin_xform_button.h"
#include "skin/controls/std_label.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_package.h"
#include "skin/frame/skin_form.h"
#include "skins/built_in_skins.h"
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

// The light skin with the first key named key in section set to value.
QByteArray LightSkinWith(const char* section, const char* key, const char* value)
{
    SkinPackage package = ReadSkinPackage(DecompressSkinPackage(BuiltInSkinCompressedData(kDefaultBuiltInSkinName)));
    QByteArray& text = package.definitionText;
    const qsizetype start = text.indexOf(section);
    const qsizetype line = text.indexOf(QByteArray(key) + '=', start);
    const qsizetype lineEnd = text.indexOf("\r\n", line);
    EXPECT_TRUE(start >= 0 && line > start && lineEnd > line) << section << key;
    text.replace(line, lineEnd - line, QByteArray(key) + '=' + value);
    return CompressSkinPackage(WriteSkinPackage(package));
}

} // namespace

// A skin's font height is a number like any other a crafted skin can choose;
// the labels size themselves to their text, and the window's minimum size
// follows them. It must stay a window a screen can show, not one that takes
// gigabytes to paint.
TEST_F(Form1Test, AHugeLabelFontInASkinKeepsTheWindowScreenSized)
{
    TbsCompressedStoredSkin stored;
    // The labels' font as high as a font height can be written.
    stored.SetCompressedData(LightSkinWith("[stdlabel]", "fontheight", "32767"));
    form.bsSkinData1->SetCompressedStoredSkin(&stored);
    QCoreApplication::processEvents();
    for (const TbsSkinStdLabel* label : { form.Label1, form.lbl1, form.lbl2 })
        EXPECT_LT(label->height(), 200) << label->objectName().toStdString();
    EXPECT_LT(form.minimumWidth(), 8000);
    EXPECT_LT(form.minimumHeight(), 4000);
    form.resize(1, 1);
    QCoreApplication::processEvents();
    CheckToolStripWhole(form, "huge label font");
}

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

TEST_F(Form1Test, APanelFaceOfFixedHeightStillHoldsTheToolStripsControls)
{
    TbsCompressedStoredSkin stored;
    // The panel face cut in three across fixes a panel's height at the
    // face's 40 pixels: lower than the tool strip's controls reach.
    stored.SetCompressedData(LightSkinWith("[panel]", "rightbottompoint", "0,0"));
    form.bsSkinData1->SetCompressedStoredSkin(&stored);
    QCoreApplication::processEvents();
    ASSERT_TRUE(form.bsSkinPanel1->HasSkinDefinition());
    ASSERT_EQ(form.bsSkinPanel1->Mode(), CompositionMode::Horizontal);
    EXPECT_GE(form.bsSkinPanel1->height(), 73);
    CheckToolStripWhole(form, "panel of fixed height");
    // The spacer below the strip may keep the face's height.
    EXPECT_EQ(form.bsSkinPanel2->height(), 40);
}
