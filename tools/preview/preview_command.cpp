#include "tools/preview/preview_command.h"

#include "app/window/font_substitutes.h"
#include "app/window/form1.h"
#include "tools/preview/preview_source.h"
#include "tools/preview/skin_preview.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void RunPreviewCommand(const QStringList& arguments, QTextStream& out)
{
    ExpectArgumentCount(arguments, 1);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw SkinToolError("preview needs a widget application");
    const PreviewSource source = ResolvePreviewSource(arguments[0]);
    // The window keeps some of its state in the user's settings; in a
    // preview that state lives in a folder of its own, gone when it ends,
    // so that trying the window never changes the program's.
    const QTemporaryDir settings;
    if (!settings.isValid())
        throw SkinToolError("cannot make a folder for the window's settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    // The fonts the program itself sets up, so that the window reads as it
    // does there.
    InstallFontSubstitutes();
    QApplication::setFont(TForm1::TextFont());
    SkinPreview preview(source);
    // Each load is reported as it happens, so a terminal beside the editor
    // shows the faults too.
    const auto report = [&out](const QString& line) {
        out << line << '\n';
        out.flush();
    };
    QObject::connect(&preview, &SkinPreview::Reloaded, [&] { report(QStringLiteral("loaded ") + QDir::toNativeSeparators(source.choice)); });
    QObject::connect(&preview, &SkinPreview::ReloadFailed, [&](const QString& message) { report(QStringLiteral("error: ") + message); });
    if (preview.Error().isEmpty())
        report(QStringLiteral("showing ") + QDir::toNativeSeparators(source.choice));
    else
        report(QStringLiteral("error: ") + preview.Error());
    if (!source.folder.isEmpty())
        report(QStringLiteral("following ")
            + (source.watchedFile.isEmpty() ? QStringLiteral("the files in ") + QDir::toNativeSeparators(source.folder)
                                            : QDir::toNativeSeparators(source.choice))
            + QStringLiteral("; close the window to stop"));
    preview.Show();
    QApplication::exec();
}

} // namespace

const SkinToolCommand& PreviewCommand()
{
    static const SkinToolCommand command { QStringLiteral("preview"), QStringLiteral("SKIN"), RunPreviewCommand };
    return command;
}
