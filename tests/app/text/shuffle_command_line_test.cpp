#include "app/text/shuffle_command_line.h"

#include "text_test_support.h"

namespace {

std::string ErrorOf(const QStringList& arguments)
{
    try {
        ParseShuffleCommandLine(arguments);
    } catch (CommandLineError const& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ShuffleCommandLine, DefaultsAreThoseOfTheWindow)
{
    auto const commandLine = ParseShuffleCommandLine({});
    EXPECT_TRUE(commandLine.options.removeSpaces);
    EXPECT_FALSE(commandLine.options.removeLineBreaks);
    EXPECT_TRUE(commandLine.options.keyword.isEmpty());
    EXPECT_EQ(commandLine.options.frequency, 5);
    EXPECT_FALSE(commandLine.seed);
    EXPECT_TRUE(commandLine.inputPath.isEmpty());
    EXPECT_FALSE(commandLine.showHelp);
    EXPECT_EQ(commandLine.mode, ShuffleMode::Pieces);
}

TEST(ShuffleCommandLine, WholeSentencesInBothSpellings)
{
    EXPECT_EQ(ParseShuffleCommandLine({ u"--whole-sentences"_s }).mode, ShuffleMode::WholeSentences);
    auto const commandLine = ParseShuffleCommandLine({ u"-w"_s, u"--remove-line-breaks"_s, u"a.txt"_s });
    EXPECT_EQ(commandLine.mode, ShuffleMode::WholeSentences);
    EXPECT_TRUE(commandLine.options.removeLineBreaks);
    EXPECT_EQ(ErrorOf({ u"-w=yes"_s }), "-w takes no value");
    EXPECT_TRUE(ShuffleUsage().contains(u"-w, --whole-sentences"_s));
}

TEST(ShuffleCommandLine, EveryOptionInBothSpellings)
{
    auto const commandLine = ParseShuffleCommandLine({ u"--seed"_s, u"4294967295"_s, u"--keyword=关键 词"_s,
        u"--frequency"_s, u"30"_s, u"--keep-spaces"_s, u"--remove-line-breaks"_s, u"文章.txt"_s });
    EXPECT_EQ(commandLine.seed, 4294967295u);
    EXPECT_EQ(commandLine.options.keyword, u"关键 词"_s);
    EXPECT_EQ(commandLine.options.frequency, 30);
    EXPECT_FALSE(commandLine.options.removeSpaces);
    EXPECT_TRUE(commandLine.options.removeLineBreaks);
    EXPECT_EQ(commandLine.inputPath, u"文章.txt"_s);

    auto const other = ParseShuffleCommandLine({ u"--seed=0"_s, u"--frequency=2"_s, u"--keyword"_s, u"--x"_s });
    EXPECT_EQ(other.seed, 0u);
    EXPECT_EQ(other.options.frequency, 2);
    EXPECT_EQ(other.options.keyword, u"--x"_s);
}

TEST(ShuffleCommandLine, InputNames)
{
    EXPECT_TRUE(ParseShuffleCommandLine({ u"-"_s }).inputPath.isEmpty());
    EXPECT_EQ(ParseShuffleCommandLine({ u"--"_s, u"--seed"_s }).inputPath, u"--seed"_s);
    EXPECT_EQ(ErrorOf({ u"a.txt"_s, u"b.txt"_s }), "only one input file may be given, \"b.txt\" is a second one");
    EXPECT_EQ(ErrorOf({ u"a.txt"_s, u"--"_s, u"-"_s }), "only one input file may be given, \"-\" is a second one");
}

TEST(ShuffleCommandLine, HelpWinsOverWhatFollows)
{
    EXPECT_TRUE(ParseShuffleCommandLine({ u"--help"_s, u"--bogus"_s }).showHelp);
    EXPECT_TRUE(ParseShuffleCommandLine({ u"--seed"_s, u"1"_s, u"-h"_s }).showHelp);
    EXPECT_TRUE(ShuffleUsage().contains(u"--remove-line-breaks"_s));
}

TEST(ShuffleCommandLine, WrongArgumentsAreNamed)
{
    EXPECT_EQ(ErrorOf({ u"--bogus"_s }), "unknown option \"--bogus\"");
    EXPECT_EQ(ErrorOf({ u"-s"_s }), "unknown option \"-s\"");
    EXPECT_EQ(ErrorOf({ u"--seed"_s }), "--seed needs a value");
    EXPECT_EQ(ErrorOf({ u"--keyword"_s }), "--keyword needs a value");
    EXPECT_EQ(ErrorOf({ u"--keep-spaces=yes"_s }), "--keep-spaces takes no value");
    EXPECT_EQ(ErrorOf({ u"--seed"_s, u"4294967296"_s }), "--seed takes a whole number from 0 to 4294967295, not \"4294967296\"");
    for (auto seed : { u"-1"_s, u"+1"_s, u" 1"_s, u"1x"_s, u""_s, u"99999999999999999999999"_s })
        EXPECT_NE(ErrorOf({ u"--seed"_s, seed }), "no error") << seed.toStdString();
    for (auto frequency : { u"1"_s, u"31"_s, u"0"_s, u"5.0"_s, u"abc"_s })
        EXPECT_EQ(ErrorOf({ u"--frequency"_s, frequency }),
            "--frequency takes a whole number from 2 to 30, not \"" + frequency.toStdString() + "\"");
}
