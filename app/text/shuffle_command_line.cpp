#include "app/text/shuffle_command_line.h"

#include <limits>

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw CommandLineError(message.toStdString());
}

// A decimal number without sign or spaces within min .. max.
std::uint64_t ParseNumber(const QString& option, const QString& text, std::uint64_t min, std::uint64_t max)
{
    bool allDigits = !text.isEmpty();
    for (QChar const c : text)
        allDigits = allDigits && c >= u'0' && c <= u'9';
    bool inRange = false;
    auto const value = allDigits ? text.toULongLong(&inRange) : 0;
    if (!allDigits || !inRange || value < min || value > max)
        Fail(QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"").arg(option).arg(min).arg(max).arg(text));
    return value;
}

} // namespace

ShuffleCommandLine ParseShuffleCommandLine(const QStringList& arguments)
{
    ShuffleCommandLine commandLine;
    bool inputGiven = false;
    auto const takeInput = [&](const QString& path) {
        if (inputGiven)
            Fail(QStringLiteral("only one input file may be given, \"%1\" is a second one").arg(path));
        inputGiven = true;
        commandLine.inputPath = path == u"-" ? QString() : path;
    };

    for (qsizetype index = 0; index < arguments.size(); ++index) {
        QString const& argument = arguments[index];
        if (argument == u"--") {
            for (++index; index < arguments.size(); ++index)
                takeInput(arguments[index]);
            break;
        }
        if (argument == u"-" || !argument.startsWith(u'-')) {
            takeInput(argument);
            continue;
        }

        auto const equals = argument.indexOf(u'=');
        QString const option = equals == -1 ? argument : argument.first(equals);
        std::optional<QString> attachedValue;
        if (equals != -1)
            attachedValue = argument.sliced(equals + 1);
        auto const value = [&]() -> QString {
            if (attachedValue)
                return *attachedValue;
            if (index + 1 == arguments.size())
                Fail(QStringLiteral("%1 needs a value").arg(option));
            return arguments[++index];
        };
        auto const noValue = [&] {
            if (attachedValue)
                Fail(QStringLiteral("%1 takes no value").arg(option));
        };

        if (option == u"--help" || option == u"-h") {
            noValue();
            commandLine.showHelp = true;
            return commandLine;
        }
        if (option == u"--version" || option == u"-v") {
            noValue();
            commandLine.showVersion = true;
            return commandLine;
        }
        if (option == u"--seed") {
            commandLine.seed = std::uint32_t(ParseNumber(option, value(), 0, std::numeric_limits<std::uint32_t>::max()));
        } else if (option == u"--keyword") {
            commandLine.options.keyword = value();
        } else if (option == u"--frequency") {
            commandLine.options.frequency
                = int(ParseNumber(option, value(), ShuffleOptions::kMinFrequency, ShuffleOptions::kMaxFrequency));
        } else if (option == u"--keep-spaces") {
            noValue();
            commandLine.options.removeSpaces = false;
        } else if (option == u"--remove-line-breaks") {
            noValue();
            commandLine.options.removeLineBreaks = true;
        } else if (option == u"--whole-sentences" || option == u"-w") {
            noValue();
            commandLine.mode = ShuffleMode::WholeSentences;
        } else {
            Fail(QStringLiteral("unknown option \"%1\"").arg(option));
        }
    }
    return commandLine;
}

QString ShuffleUsage()
{
    return QStringLiteral(
        "Usage: lumeno-shuffle [OPTION]... [FILE]\n"
        "Shuffles the sentences of a Chinese article, as Lumeno's window does.\n"
        "\n"
        "Reads the article as UTF-8 from FILE, or from standard input when FILE is\n"
        "missing or \"-\", and writes the shuffled article to standard output with LF\n"
        "line breaks. The article is cut into pieces at , ， : . 。 ! ！ ； and ;\n"
        "the pieces are put in random order and the delimiters come back in reverse\n"
        "order; the result ends with \"。\" and the output with a line break, which is\n"
        "not part of the article. Nothing is written when the result is empty.\n"
        "\n"
        "With --whole-sentences the sentences of each paragraph (line) are shuffled\n"
        "instead, each as a whole with its own end marks (。！？；… . ! ? ; and the\n"
        "closing quotes and brackets after them); paragraphs, empty lines, line\n"
        "breaks and the spaces between sentences stay where they were, and the\n"
        "result is written exactly as it comes, with nothing added.\n"
        "\n"
        "Options:\n"
        "  --seed N              start the generator at state N (0 to 4294967295) and\n"
        "                        never reseed it, so the same input gives the same\n"
        "                        output; without it the generator is reseeded from a\n"
        "                        high-resolution clock before every draw\n"
        "  --keyword TEXT        append TEXT after randomly chosen pieces\n"
        "  --frequency V         about how many keywords a long article receives,\n"
        "                        2 to 30 (default 5); an article of V pieces or fewer\n"
        "                        gets the keyword after every piece\n"
        "  --keep-spaces         keep spaces, ideographic spaces and tabs (by default\n"
        "                        they are removed)\n"
        "  --remove-line-breaks  remove line breaks and the spaces and control\n"
        "                        characters around each piece (by default they stay)\n"
        "  -w, --whole-sentences shuffle whole sentences within their paragraphs, see\n"
        "                        above; the other options work as they do without it,\n"
        "                        the keyword going before a sentence's end marks and\n"
        "                        --remove-line-breaks making the article one paragraph\n"
        "  -h, --help            show this help and exit\n"
        "  -v, --version         show the version and exit\n"
        "\n"
        "Options may also be written --option=VALUE; \"--\" ends the options.\n"
        "\n"
        "Exit status: 0 on success, also when nothing is written; 2 for a wrong\n"
        "option, an unreadable file, input that is not valid UTF-8 or output that cannot\n"
        "be written, with a message on standard error and nothing on standard output.\n");
}
