#include "skin/draw/text_ellipsis.h"

QSize MeasureText(const QFontMetrics& metrics, const QString& text)
{
    if (text.isEmpty())
        return {};
    return metrics.size(0, text);
}

QString TrimWithEllipsis(const QFontMetrics& metrics, const QString& text, int limit)
{
    if (MeasureText(metrics, text).width() <= limit)
        return text;
    static QString const ellipsis = QStringLiteral("...");
    QString shortened = text;
    while (!shortened.isEmpty()) {
        // A character outside the basic plane is two UTF-16 units; never split it.
        int const last = shortened.size() > 1 && shortened.back().isLowSurrogate() ? 2 : 1;
        shortened.chop(last);
        if (MeasureText(metrics, shortened + ellipsis).width() <= limit)
            break;
    }
    return shortened + ellipsis;
}
