#pragma once

#include <QPoint>
#include <QString>

class TForm1;

// Takes a file dropped on the window at a point of it: a skin (a compressed
// skin file or a skin.ini, told by what it holds) is put on the window
// wherever it lands; any other file dropped on an article is read as text
// (see article_file.h) and inserted where it was dropped, as a paste there
// would; anywhere else the window's error box says what the window takes.
// A file that cannot be taken leaves the articles and the skin as they are.
void OpenDroppedFile(TForm1& form, const QString& path, const QPoint& at);
