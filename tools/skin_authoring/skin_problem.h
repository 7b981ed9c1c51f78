#pragma once

#include <QList>
#include <QString>

// One thing wrong with a skin, told the way compilers tell it, so that an
// editor can jump to the line:
//   skin.ini:231: error: [menuitem] skinrect: "2,2,102" needs four numbers
// An error is what the program cannot use as the author meant it; a warning
// is what it can use but probably not as meant.
struct SkinProblem {
    enum class Severity { Error, Warning };

    Severity severity { Severity::Error };
    QString file;     // "skin.ini", or a picture's file name
    int line { 0 };   // from 1; 0 when the problem has no line
    QString section;  // empty when the problem is not in one section
    QString key;      // empty when the problem is not one key's
    QString text;
};

QString FormatSkinProblem(const SkinProblem& problem);

// Collects the problems of one check, each pointed at where it stands.
class SkinProblems {
public:
    explicit SkinProblems(QString definitionFile)
        : m_definitionFile(std::move(definitionFile))
    {
    }

    void Error(int line, const QString& section, const QString& key, const QString& text);
    void Warning(int line, const QString& section, const QString& key, const QString& text);
    // A problem of a file as a whole (a picture nobody names).
    void FileWarning(const QString& file, const QString& text);

    // The definition's problems by line, those of other files after them;
    // problems on one line keep their order.
    void SortByLine();

    const QList<SkinProblem>& All() const { return m_problems; }
    bool HasErrors() const;

private:
    QString m_definitionFile;
    QList<SkinProblem> m_problems;
};
