#pragma once

#include <QString>
#include <QStringList>

// The known name a mistyped one most likely meant: the closest by edit
// distance, letter case aside, if it is close enough to be a slip (two edits,
// one for short names); empty when none is.
QString NearestName(const QString& typed, const QStringList& known);

// " (did you mean \"name\"?)" for the nearest known name; empty when none.
QString DidYouMean(const QString& typed, const QStringList& known);
