// Writes the two-byte part of GB18030 as this system's Qt decodes it, as a
// C++ table the skin text decoder includes: each two-byte code, lead byte
// 0x81-0xFE and trail byte 0x40-0xFE, gives its UTF-16 unit, or 0 where the
// decoder gives no single character (the trail 0x7F, a replacement). Where
// Qt has no GB18030 decoder the table is all 0, and the program falls back
// as it would without the table.
//
// Usage: write-gb18030-table OUTPUT
#include <QFile>
#include <QStringDecoder>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write-gb18030-table OUTPUT\n");
        return 2;
    }
    QString table;
    table += QStringLiteral("// Written by write-gb18030-table from the system's GB18030 decoder.\n");
    table += QStringLiteral("constexpr char16_t kGb18030TwoByteUnits[126 * 191] = {\n");
    for (int lead = 0x81; lead <= 0xfe; ++lead) {
        for (int trail = 0x40; trail <= 0xfe; ++trail) {
            const char code[] = { char(lead), char(trail) };
            // A decoder of its own for each code: one that met an error keeps
            // reporting it.
            QStringDecoder decoder("GB18030");
            const QString decoded = decoder.isValid() ? decoder.decode(QByteArrayView(code, 2)) : QString();
            const bool single = decoded.size() == 1 && !decoder.hasError() && decoded[0] != QChar::ReplacementCharacter
                && !decoded[0].isSurrogate();
            table += QString::number(single ? decoded[0].unicode() : 0);
            table += trail == 0xfe ? QStringLiteral(",\n") : QStringLiteral(",");
        }
    }
    table += QStringLiteral("};\n");
    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly) || output.write(table.toUtf8()) < 0) {
        std::fprintf(stderr, "write-gb18030-table: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
