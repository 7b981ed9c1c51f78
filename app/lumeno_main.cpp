#include "app/browser/ad_host.h"
#include "app/window/font_substitutes.h"
#include "app/window/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>
#include <cstdio>

namespace {

// Saves what the window shows once it is on the screen, then ends the program
// with a failure when the picture could not be written.
void ScreenshotAfterFirstShow(TForm1& form, const QString& path)
{
    QTimer::singleShot(0, &form, [&form, path] {
        const bool saved = form.grab().save(path);
        if (!saved)
            std::fprintf(stderr, "lumeno: cannot write the screenshot to %s\n", qPrintable(path));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

} // namespace

int main(int argc, char** argv)
{
    // The browser engine, loaded later from a module, shares its graphics
    // contexts with the window's; this has to be said before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(TForm1::Caption());
    InstallFontSubstitutes();

    QCommandLineParser parser;
    parser.setApplicationDescription(TForm1::Caption());
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to <file> after it is first shown, then quit."), QStringLiteral("file"));
    parser.addOption(screenshot);
    const QCommandLineOption adHost(QStringLiteral("ad-host"),
        QStringLiteral("Show the advertisement page of <host> (HOST[:PORT]); else LUMENO_AD_HOST, else ad/host in the settings."), QStringLiteral("host"));
    parser.addOption(adHost);
    // Unknown options and stray arguments end the program with a message.
    parser.process(application);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "lumeno: unexpected argument: %s\n", qPrintable(parser.positionalArguments().first()));
        return 2;
    }

    const QString adHostValue = parser.value(adHost);
    const QSettings settings(QStringLiteral("Lumeno"), QStringLiteral("Lumeno"));
    const AdHostSetting ad = ResolveAdHost(parser.isSet(adHost) ? &adHostValue : nullptr, qEnvironmentVariable(kAdHostEnvironmentVariable), settings);
    if (!ad.error.isEmpty()) {
        std::fprintf(stderr, "lumeno: %s: %s\n", qPrintable(ad.source), qPrintable(ad.error));
        if (parser.isSet(adHost))
            return 2;
    }

    TForm1 Form1(nullptr, ad.host);
    Form1.show();
    if (parser.isSet(screenshot))
        ScreenshotAfterFirstShow(Form1, parser.value(screenshot));
    return QApplication::exec();
}
