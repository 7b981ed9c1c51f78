#include "tools/skin_authoring/near_names.h"

#include <algorithm>
#include <vector>

namespace {

// Names longer than this are no one's slip of a key; it also bounds the work
// for a crafted line.
constexpr qsizetype kLongestComparedName = 64;

int EditDistance(const QString& a, const QString& b)
{
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[static_cast<std::size_t>(j)] = std::min({ above + 1, row[static_cast<std::size_t>(j - 1)] + 1, diagonal + cost });
            diagonal = above;
        }
    }
    return row.back();
}

}

QString NearestName(const QString& typed, const QStringList& known)
{
    if (typed.isEmpty() || typed.size() > kLongestComparedName)
        return {};
    const QString folded = typed.toLower();
    const int allowed = folded.size() <= 4 ? 1 : 2;
    QString best;
    int bestDistance = allowed + 1;
    for (const QString& name : known) {
        if (name.size() > kLongestComparedName || qAbs(name.size() - folded.size()) > allowed)
            continue;
        const int distance = EditDistance(folded, name.toLower());
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

QString DidYouMean(const QString& typed, const QStringList& known)
{
    const QString nearest = NearestName(typed, known);
    return nearest.isEmpty() ? QString() : QStringLiteral(" (did you mean \"%1\"?)").arg(nearest);
}
