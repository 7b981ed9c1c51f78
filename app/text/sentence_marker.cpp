#include "app/text/sentence_marker.h"

QStringList SplitAtMarker(const QString& text, const QString& marker)
{
    QStringList pieces;
    if (text.isEmpty())
        return pieces;
    if (marker.isEmpty())
        return { text };
    qsizetype start = 0;
    for (qsizetype found = text.indexOf(marker); found != -1; found = text.indexOf(marker, start)) {
        pieces.append(text.sliced(start, found - start));
        start = found + marker.size();
    }
    pieces.append(text.sliced(start));
    return pieces;
}
