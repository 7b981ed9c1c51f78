#pragma once

#include <QString>

// A long Chinese article for measuring the shuffle: sentences of 4 to 33
// common characters, all nine delimiters, now and then a space, an
// ideographic space or a tab, and a line break after about every sixth
// sentence. The same size gives the same text on every run.
QString LongChineseArticle(qsizetype utf8Bytes);
