// Measures the resident memory of the main window holding a big article, at
// each step a user takes with it: paste it into the first page, shuffle it,
// copy the result. bench/article_memory.sh runs it for both shapes of
// article and prints the figures.
//
// Usage: lumeno-article-memory-probe paragraphs|one-paragraph MEGABYTES
// Prints one line per step: <step> rss_mb=<resident MB> ratio=<rss / article>
// The article is the UTF-8 size given; "one-paragraph" is the same text with
// its line breaks taken out, as "清除换行" leaves it. The paste comes from a
// clipboard this process fills and empties again, as if another program had
// offered the text.

#include "app/window/form1.h"
#include "app/window/large_block_release.h"
#include "bench/article/long_article.h"
#include "skin/controls/skin_memo.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QThread>
#include <cstdio>
#include <cstring>

namespace {

double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Lets the window lay out and paint what changed.
void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "paragraphs") != 0 && std::strcmp(argv[1], "one-paragraph") != 0)) {
        std::fprintf(stderr, "usage: lumeno-article-memory-probe paragraphs|one-paragraph MEGABYTES\n");
        return 2;
    }
    ReleaseLargeBlocksWhenFreed();
    QApplication application(argc, argv);
    const double megabytes = QByteArray(argv[2]).toDouble();
    TForm1 form;
    form.show();
    Settle();
    const auto report = [megabytes](const char* step) {
        const double rss = ResidentMegabytes();
        std::printf("%-8s rss_mb=%.1f ratio=%.2f\n", step, rss, rss / megabytes);
        std::fflush(stdout);
    };
    report("idle");

    {
        QString article = LongChineseArticle(qsizetype(megabytes * (1 << 20)));
        if (std::strcmp(argv[1], "one-paragraph") == 0)
            article.remove(QStringLiteral("\r\n"));
        QApplication::clipboard()->setText(article);
    }
    form.Memo1->Editor()->setFocus();
    form.Memo1->Editor()->paste();
    QApplication::clipboard()->clear();
    Settle();
    report("paste");

    form.bsSkinXFormButton2Click();
    while (form.Shuffling()) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    Settle();
    report("shuffle");

    form.bsSkinXFormButton1Click();
    Settle();
    report("copy");
    return 0;
}
