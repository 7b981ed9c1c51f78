#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>

// A command of the skin tool. It reports failure by throwing: a
// SkinToolUsageError for wrong arguments, any std::exception otherwise.
struct SkinToolCommand {
    QString name;
    QString usage;  // the arguments, as shown after the command name
    void (*run)(const QStringList& arguments, QTextStream& out);
};

class SkinToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SkinToolUsageError : public SkinToolError {
public:
    SkinToolUsageError()
        : SkinToolError("wrong arguments")
    {
    }
};

// A check that ran and found problems, which it has already reported: the
// tool ends with status 1 and adds nothing.
class SkinProblemsFound : public std::exception {
};

// Throws SkinToolUsageError unless there are exactly count arguments.
void ExpectArgumentCount(const QStringList& arguments, int count);

// Every command, in the order the usage text lists them.
const QList<SkinToolCommand>& SkinToolCommands();
