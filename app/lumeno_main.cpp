#include "app/browser/ad_host.h"
#include "app/window/folder_icon.h"
#include "app/window/font_substitutes.h"
#include "app/window/form1.h"
#include "app/window/large_block_release.h"
#include "app/window/lumeno_command_line.h"
#include "app/window/qt_translations.h"
#include "app/window/shuffle_mode_setting.h"
#include "app/window/skin_choice.h"
#include "app/window/skin_load_failure.h"
#include "base/lumeno_version.h"
#include "skin/accessibility/skin_accessibility.h"
#include "skin/dialogs/skin_message_box.h"
#include "skins/built_in_skins.h"

#include <QApplication>
#include <QPainter>
#include <QSettings>
#include <QTimer>
#include <cstdio>

namespace {

// What the window shows, cut to its shape: pixels outside it are transparent.
// The picture has the screen's device pixels; the shape, in window pixels, is
// cut at that ratio.
QImage WindowPicture(QWidget& form)
{
    QImage shown = form.grab().toImage();
    const QRegion shape = form.mask();
    if (shape.isEmpty())
        return shown;
    // Converted where it lies, and only the few rectangles outside the shape
    // cleared, so that no second picture of the window is made.
    QImage shaped = std::move(shown).convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&shaped);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& outside : QRegion(form.rect()).subtracted(shape))
        painter.fillRect(outside, Qt::transparent);
    return shaped;
}

// Saves what the window shows once it is on the screen and active (or after
// a second at most, where the window system keeps it inactive), then ends the
// program with a failure when the picture could not be written. It reacts to
// the activation itself rather than polling for it, so that a start is not
// lengthened by waiting for the next poll.
class ScreenshotAfterFirstShow : public QObject {
public:
    ScreenshotAfterFirstShow(TForm1& form, QString path)
        : QObject(&form)
        , m_form(form)
        , m_path(std::move(path))
    {
        form.installEventFilter(this);
        QTimer::singleShot(form.isActiveWindow() ? 0 : kLongestWaitMs, this, &ScreenshotAfterFirstShow::Save);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Queued, so that the window has taken on its active look first.
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, &ScreenshotAfterFirstShow::Save);
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr int kLongestWaitMs = 1000;

    void Save()
    {
        if (m_saved)
            return;
        m_saved = true;
        const bool saved = WindowPicture(m_form).save(m_path);
        if (!saved)
            std::fprintf(stderr, "lumeno: cannot write the screenshot to %s\n", qPrintable(m_path));
        QCoreApplication::exit(saved ? 0 : 1);
    }

    TForm1& m_form;
    const QString m_path;
    bool m_saved = false;
};

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Reports a skin that could not be used at start; the window goes on with the
// built-in light skin. Only a choice made on this command line gets a message
// box, which does not wait: the window stays usable. A remembered skin that
// is gone gets one line.
void ReportStartSkinError(TForm1& form, const StartSkin& start, bool interactive)
{
    std::fprintf(stderr, "lumeno: cannot use the %sskin %s: %s; using the built-in skin \"%s\"\n",
        start.fromCommandLine ? "" : "remembered ", qPrintable(start.choice), qPrintable(start.error),
        kDefaultBuiltInSkinName);
    if (!interactive || !start.fromCommandLine)
        return;
    auto* box = new TbsSkinMessageBox(form.bsSkinData1, QMessageBox::Warning, TForm1::Caption(),
        SkinLoadFailureMessage(start.choice, start.error), QMessageBox::Ok, QMessageBox::Ok, &form);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

int main(int argc, char** argv)
{
    ReleaseLargeBlocksWhenFreed();
    QCoreApplication::setApplicationVersion(QString::fromLatin1(LumenoVersion()));
    LumenoCommandLine commandLine;
    // Help and version need no window system.
    if (const std::optional<int> status = commandLine.Answer(ArgumentsOf(argc, argv), stdout))
        return *status;

    QApplication application(argc, argv);
    InstallSkinAccessibility();
    QApplication::setApplicationDisplayName(TForm1::Caption());
    // Every size of the program's icon that is built into it; the window
    // system takes the one that fits each place it shows the icon.
    QApplication::setWindowIcon(FolderIcon(QStringLiteral(":/icon")));
    QGuiApplication::setDesktopFileName(QStringLiteral("lumeno"));
    InstallFontSubstitutes();
    // The file dialog and Qt's standard texts in the user's language.
    InstallQtTranslations();
    // Message boxes show in the window's own text font, with its CJK
    // fallback, rather than in the desktop's. An editor also lays out its
    // empty text in the application font as it is made, before it takes its
    // own: in this one the keyword edit loads no font besides the one it is
    // given next.
    QApplication::setFont(TForm1::TextFont());

    LumenoOptions options;
    if (const std::optional<int> status = commandLine.Parse(QApplication::arguments(), options, stderr))
        return *status;

    QSettings settings(QStringLiteral("Lumeno"), QStringLiteral("Lumeno"));
    const AdHostSetting ad = ResolveAdHost(options.adHost ? &*options.adHost : nullptr, qEnvironmentVariable(kAdHostEnvironmentVariable), settings);
    if (!ad.error.isEmpty()) {
        std::fprintf(stderr, "lumeno: %s: %s\n", qPrintable(ad.source), qPrintable(ad.error));
        if (options.adHost)
            return 2;
    }

    TForm1 Form1(nullptr, ad.host);
    KeepShuffleModeInSettings(Form1, settings);
    // A screenshot is a look at the window, not a choice the user made.
    const StartSkin skin = ApplyStartSkin(Form1, options.skin, settings, !options.screenshot);
    Form1.show();
    Form1.activateWindow();
    if (!skin.error.isEmpty())
        ReportStartSkinError(Form1, skin, !options.screenshot);
    if (options.screenshot)
        new ScreenshotAfterFirstShow(Form1, *options.screenshot);
    return QApplication::exec();
}
