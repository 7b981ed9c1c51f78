#include "fuzz/small_skin_seed.h"
#include "skin/data/skin_compression.h"
#include "skins/built_in_skins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <exception>
#include <utility>

namespace {

// Pictures up to this size stay as the skin stores them.
constexpr qsizetype kSmallestShrunk = 4096;

// Each built-in skin's package with its pictures stored small, as
// NAME_skin_package in folder, and the same with its frame effects on as
// NAME_effects_skin_package.
int WriteSeeds(const QString& folder, QTextStream& err)
{
    for (const QString& name : BuiltInSkinNames()) {
        const QByteArray package = DecompressSkinPackage(BuiltInSkinCompressedData(name));
        const QByteArray small = SmallSkinSeed(package, kSmallestShrunk);
        const std::pair<QString, QByteArray> seeds[]
            = { { name + QStringLiteral("_skin_package"), small }, { name + QStringLiteral("_effects_skin_package"), WithFrameEffects(small) } };
        for (const auto& [fileName, bytes] : seeds) {
            QFile seed(QDir(folder).filePath(fileName));
            if (!seed.open(QIODevice::WriteOnly) || seed.write(bytes) < 0) {
                err << "lumeno-fuzz-seeds: cannot write " << seed.fileName() << '\n';
                return 1;
            }
            QTextStream(stdout) << seed.fileName() << ": " << seed.size() << " bytes (the skin's package: " << package.size() << ")\n";
        }
    }
    return 0;
}

// Every input of a corpus with its pictures stored small, under the same
// name in to; an input that does not read as a package is copied as it is.
int ShrinkCorpus(const QString& from, const QString& to, QTextStream& err)
{
    int shrunk = 0;
    int copied = 0;
    for (const QFileInfo& info : QDir(from).entryInfoList(QDir::Files)) {
        QFile input(info.filePath());
        if (!input.open(QIODevice::ReadOnly)) {
            err << "lumeno-fuzz-seeds: cannot read " << input.fileName() << '\n';
            return 1;
        }
        QByteArray bytes = input.readAll();
        try {
            bytes = SmallSkinSeed(bytes, kSmallestShrunk);
            ++shrunk;
        } catch (const std::exception&) {
            ++copied;
        }
        QFile output(QDir(to).filePath(info.fileName()));
        if (!output.open(QIODevice::WriteOnly) || output.write(bytes) < 0) {
            err << "lumeno-fuzz-seeds: cannot write " << output.fileName() << '\n';
            return 1;
        }
    }
    QTextStream(stdout) << shrunk << " inputs shrunk, " << copied << " copied as they were\n";
    return 0;
}

} // namespace

// Writes the seeds of the skin fuzz targets (small_skin_seed.h), or with
// --shrink stores the pictures of a corpus grown from larger seeds small.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    const bool shrink = arguments.size() == 3 && arguments[0] == QLatin1String("--shrink");
    if (arguments.size() != 1 && !shrink) {
        err << "usage: lumeno-fuzz-seeds FOLDER\n"
               "       lumeno-fuzz-seeds --shrink CORPUS SMALLER_CORPUS\n";
        return 2;
    }
    try {
        return shrink ? ShrinkCorpus(arguments[1], arguments[2], err) : WriteSeeds(arguments[0], err);
    } catch (const std::exception& error) {
        err << "lumeno-fuzz-seeds: " << QString::fromUtf8(error.what()) << '\n';
        return 1;
    }
}
