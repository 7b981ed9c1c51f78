#include "tools/skin_authoring/skin_problem.h"

#include <algorithm>

QString FormatSkinProblem(const SkinProblem& problem)
{
    QString text = problem.file;
    if (problem.line > 0)
        text += QStringLiteral(":%1").arg(problem.line);
    text += problem.severity == SkinProblem::Severity::Error ? QStringLiteral(": error: ") : QStringLiteral(": warning: ");
    if (!problem.section.isEmpty())
        text += QStringLiteral("[%1] ").arg(problem.section);
    if (!problem.key.isEmpty())
        text += problem.key + QStringLiteral(": ");
    return text + problem.text;
}

void SkinProblems::Error(int line, const QString& section, const QString& key, const QString& text)
{
    m_problems.append({ SkinProblem::Severity::Error, m_definitionFile, line, section, key, text });
}

void SkinProblems::Warning(int line, const QString& section, const QString& key, const QString& text)
{
    m_problems.append({ SkinProblem::Severity::Warning, m_definitionFile, line, section, key, text });
}

void SkinProblems::FileWarning(const QString& file, const QString& text)
{
    m_problems.append({ SkinProblem::Severity::Warning, file, 0, {}, {}, text });
}

bool SkinProblems::HasErrors() const
{
    return std::any_of(m_problems.begin(), m_problems.end(),
        [](const SkinProblem& problem) { return problem.severity == SkinProblem::Severity::Error; });
}

void SkinProblems::SortByLine()
{
    std::stable_sort(m_problems.begin(), m_problems.end(), [this](const SkinProblem& a, const SkinProblem& b) {
        const bool aOther = a.file != m_definitionFile;
        const bool bOther = b.file != m_definitionFile;
        if (aOther != bOther)
            return bOther;
        return a.line < b.line;
    });
}
