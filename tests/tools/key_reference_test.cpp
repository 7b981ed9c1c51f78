#include "tools/skin_authoring/key_reference.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// The author's guide carries the key reference that the definitions' own key
// lists give; a key added in code and not in the guide, or left in the guide
// after the code dropped it, fails here. Regenerate the block with
// `lumeno-skin keys`.
TEST(KeyReference, TheAuthorsGuideListsExactlyTheKeysTheDefinitionsRead)
{
    // The data folder need not exist, so the path is cleaned before use.
    QFile guide(QDir::cleanPath(QStringLiteral(LUMENO_TEST_DATA_DIR "/../../../docs/skin-authoring.md")));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly)) << guide.fileName().toStdString();
    const QString text = QString::fromUtf8(guide.readAll());
    const QString begin = QStringLiteral("<!-- key reference: begin -->\n");
    const QString end = QStringLiteral("<!-- key reference: end -->");
    const qsizetype from = text.indexOf(begin);
    const qsizetype to = text.indexOf(end);
    ASSERT_GE(from, 0);
    ASSERT_GT(to, from);
    const QString block = text.mid(from + begin.size(), to - from - begin.size());
    EXPECT_EQ(block, SkinKeyReferenceMarkdown());

    // The reference is the definitions' own: it holds the keys the loader
    // reads, with their kinds and defaults, and no section is empty.
    QStringList titles;
    for (const KeyReferenceSection& section : SkinKeyReference()) {
        titles.append(section.title);
        EXPECT_FALSE(section.keys.isEmpty()) << section.title.toStdString();
    }
    EXPECT_TRUE(titles.contains(QStringLiteral("control type `scrollbar`")));
    EXPECT_TRUE(block.contains(QStringLiteral("| `disableskinrsect` | rectangle | `0,0,0,0` |")));
    EXPECT_TRUE(block.contains(QStringLiteral("| `activefontcolor` | colour | `16711680` |")));  // stdlabel's own default
}
