#include "fuzz/small_skin_seed.h"
#include "skin/data/skin_compression.h"
#include "skins/built_in_skins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <exception>

namespace {

// Pictures up to this size stay as the skin stores them.
constexpr qsizetype kSmallestShrunk = 4096;

} // namespace

// Writes the seeds of the skin fuzz targets: each built-in skin's package
// with its pictures stored small (small_skin_seed.h), as NAME_skin_package in
// the folder given.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 1) {
        err << "usage: lumeno-fuzz-seeds FOLDER\n";
        return 2;
    }
    try {
        for (const QString& name : BuiltInSkinNames()) {
            const QByteArray package = DecompressSkinPackage(BuiltInSkinCompressedData(name));
            QFile seed(QDir(arguments[0]).filePath(name + QStringLiteral("_skin_package")));
            if (!seed.open(QIODevice::WriteOnly) || seed.write(SmallSkinSeed(package, kSmallestShrunk)) < 0) {
                err << "lumeno-fuzz-seeds: cannot write " << seed.fileName() << '\n';
                return 1;
            }
            QTextStream(stdout) << seed.fileName() << ": " << seed.size() << " bytes (the skin's package: " << package.size() << ")\n";
        }
    } catch (const std::exception& error) {
        err << "lumeno-fuzz-seeds: " << QString::fromUtf8(error.what()) << '\n';
        return 1;
    }
    return 0;
}
