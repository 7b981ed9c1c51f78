#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>

// The size a text takes in one font, measured without drawing; line breaks in
// the text start new lines.
QSize MeasureText(const QFontMetrics& metrics, const QString& text);

// text when it fits in limit pixels; otherwise text shortened by whole
// characters from the end until it fits with "..." appended (just "..." when
// nothing fits).
QString TrimWithEllipsis(const QFontMetrics& metrics, const QString& text, int limit);
