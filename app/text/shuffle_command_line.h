#pragma once

#include "app/text/article_shuffle.h"
#include "app/text/sentence_shuffle.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>

// A command line that lumeno-shuffle cannot act on.
class CommandLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What lumeno-shuffle was asked to do. The options start as the window's
// controls do: spaces removed, line breaks kept, no keyword, frequency 5.
struct ShuffleCommandLine {
    ShuffleOptions options;
    ShuffleMode mode { ShuffleMode::Pieces };
    // A fixed starting state for a generator that never reseeds.
    std::optional<std::uint32_t> seed;
    // Empty for standard input.
    QString inputPath;
    bool showHelp { false };
    bool showVersion { false };
};

// Parses the arguments after the program name. "--option VALUE" and
// "--option=VALUE" are both accepted, "--" ends the options and "-" names
// standard input. Throws CommandLineError with a message for the user.
ShuffleCommandLine ParseShuffleCommandLine(const QStringList& arguments);

// The --help text.
QString ShuffleUsage();
