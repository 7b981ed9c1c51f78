#pragma once

#include <QString>
#include <QStringList>

// What stands in the text for a delimiter between the delimiter scan and the cut.
inline constexpr char16_t kSentenceMarker[] = u"[@]";

// Cuts the text at every occurrence of the marker: n markers give n + 1 pieces,
// empty ones included. An empty text gives no pieces; an empty marker cuts
// nothing.
QStringList SplitAtMarker(const QString& text, const QString& marker);
