// lumeno-shuffle: the window's shuffle command for files and pipes.

#include "app/text/article_shuffle.h"
#include "app/text/sentence_shuffle.h"
#include "app/text/shuffle_command_line.h"
#include "base/lumeno_version.h"
#include "base/random_generator.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int kExitFailure = 2;

class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QByteArray ReadInput(const QString& path)
{
    QFile file;
    bool opened = false;
    if (path.isEmpty()) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        if (QFileInfo(path).isDir())
            throw InputError(QStringLiteral("cannot read \"%1\": it is a directory").arg(path).toStdString());
        file.setFileName(path);
        opened = file.open(QIODevice::ReadOnly);
    }
    QByteArray bytes;
    if (opened)
        bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        auto const name = path.isEmpty() ? QStringLiteral("standard input") : QStringLiteral("\"%1\"").arg(path);
        throw InputError(QStringLiteral("cannot read %1: %2").arg(name, file.errorString()).toStdString());
    }
    return bytes;
}

bool WriteOutput(const QByteArray& bytes)
{
    auto const written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    return std::fflush(stdout) == 0 && written == std::size_t(bytes.size());
}

int Fail(const char* message, bool suggestHelp = false)
{
    std::fprintf(stderr, "lumeno-shuffle: %s\n", message);
    if (suggestHelp)
        std::fputs("Try 'lumeno-shuffle --help' for more information.\n", stderr);
    return kExitFailure;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    ShuffleCommandLine commandLine;
    try {
        commandLine = ParseShuffleCommandLine(arguments);
    } catch (CommandLineError const& error) {
        return Fail(error.what(), true);
    }
    if (commandLine.showHelp)
        return WriteOutput(ShuffleUsage().toUtf8()) ? 0 : Fail("cannot write to standard output");
    if (commandLine.showVersion) {
        auto const version = QByteArray("lumeno-shuffle ") + LumenoVersion() + '\n';
        return WriteOutput(version) ? 0 : Fail("cannot write to standard output");
    }

    try {
        auto const article = ReadInput(commandLine.inputPath);
        auto fixedGenerator = RandomGenerator::Deterministic(commandLine.seed.value_or(0));
        auto& generator = commandLine.seed ? fixedGenerator : RandomGenerator::ProcessWide();
        if (commandLine.mode == ShuffleMode::WholeSentences) {
            // The article keeps its own line breaks, its last one included,
            // so it is written exactly as it comes.
            auto const result = ShuffleUtf8Sentences(article, commandLine.options, generator);
            if (!result.isEmpty() && !WriteOutput(result))
                return Fail("cannot write to standard output");
            return 0;
        }
        // The article is the window's result byte for byte; the line break
        // after it only ends the output's last line, as text tools do. It is
        // written on its own so the result is never copied.
        auto const result = ShuffleUtf8Article(article, commandLine.options, generator);
        if (!result.isEmpty() && !(WriteOutput(result) && WriteOutput(QByteArrayLiteral("\n"))))
            return Fail("cannot write to standard output");
    } catch (std::exception const& error) {
        return Fail(error.what());
    }
    return 0;
}
