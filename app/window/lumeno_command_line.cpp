#include "app/window/lumeno_command_line.h"

#include <QCoreApplication>

namespace {

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

LumenoCommandLine::LumenoCommandLine()
    : m_help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help and quit."))
    , m_version({ QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Show the version and quit."))
    , m_screenshot(QStringLiteral("screenshot"),
          QStringLiteral("Save a picture of the window to <file> after it is first shown, then quit."),
          QStringLiteral("file"))
    , m_adHost(QStringLiteral("ad-host"),
          QStringLiteral("Show the advertisement page of <host> (HOST[:PORT]); else LUMENO_AD_HOST, else ad/host in the "
                         "settings."),
          QStringLiteral("host"))
    , m_skin(QStringLiteral("skin"),
          QStringLiteral("Start with this skin: light or dark, the built-in ones, or a file (a compressed skin file, "
                         "or the skin.ini of a skin folder). The choice is remembered for the next start without "
                         "--skin; a skin that cannot be used is reported and the built-in light skin is kept."),
          QStringLiteral("light|dark|file"))
{
    m_parser.setApplicationDescription(QStringLiteral("Lumeno文章顺序随机打乱工具 V1.0: shuffles the sentences of an article."));
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_screenshot);
    m_parser.addOption(m_adHost);
    m_parser.addOption(m_skin);
}

std::optional<int> LumenoCommandLine::Answer(const QStringList& arguments, std::FILE* out)
{
    m_parser.parse(arguments);
    if (m_parser.isSet(m_help)) {
        Print(out, m_parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("lumeno")));
        return 0;
    }
    if (m_parser.isSet(m_version)) {
        Print(out, QStringLiteral("lumeno %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> LumenoCommandLine::Parse(const QStringList& arguments, LumenoOptions& options, std::FILE* err)
{
    if (!m_parser.parse(arguments)) {
        Print(err, QStringLiteral("lumeno: %1\nTry 'lumeno --help'.\n").arg(m_parser.errorText()));
        return 2;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        Print(err, QStringLiteral("lumeno: unexpected argument: %1\nTry 'lumeno --help'.\n")
                       .arg(m_parser.positionalArguments().first()));
        return 2;
    }
    const auto value = [this](const QCommandLineOption& option) -> std::optional<QString> {
        if (!m_parser.isSet(option))
            return std::nullopt;
        return m_parser.value(option);
    };
    options.screenshot = value(m_screenshot);
    options.adHost = value(m_adHost);
    options.skin = value(m_skin);
    return std::nullopt;
}
