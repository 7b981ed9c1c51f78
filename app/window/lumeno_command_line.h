#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// What the window program was asked for on its command line.
struct LumenoOptions {
    std::optional<QString> screenshot;
    std::optional<QString> adHost;
    std::optional<QString> skin;
};

// The window program's command line. --help and --version are answered
// before any window system is needed; every other mistake (an unknown option,
// a stray argument, a missing value) ends the program with a message on
// standard error and exit status 2.
class LumenoCommandLine {
public:
    LumenoCommandLine();

    // For --help or --version: writes the answer to out and returns the exit
    // status; otherwise nothing. Options of the window system itself, which
    // the application takes out later, do not count as mistakes here.
    std::optional<int> Answer(const QStringList& arguments, std::FILE* out);
    // Reads the arguments left once the application took its own; returns an
    // exit status when the program must end.
    std::optional<int> Parse(const QStringList& arguments, LumenoOptions& options, std::FILE* err);

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_screenshot;
    QCommandLineOption m_adHost;
    QCommandLineOption m_skin;
};
