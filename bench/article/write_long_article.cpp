// Writes the benchmarks' long Chinese article as UTF-8 to a file, for the
// whole-process comparisons of bench/compare.sh.

#include "bench/article/long_article.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("Usage: write-long-article MEGABYTES FILE\n", stderr);
        return 2;
    }
    auto const megabytes = std::atoi(argv[1]);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (megabytes <= 0 || !file.open(QIODevice::WriteOnly)
        || file.write(LongChineseArticle(qsizetype(megabytes) * 1024 * 1024).toUtf8()) < 0) {
        std::fprintf(stderr, "write-long-article: cannot write %s\n", argv[2]);
        return 2;
    }
    return 0;
}
