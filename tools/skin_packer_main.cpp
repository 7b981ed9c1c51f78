#include "tools/skin_authoring/skin_folder_pack.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <exception>

// Packs a skin folder at build time, for the skins built into the programs:
// `lumeno-skin pack` without the built-in skins, which it makes.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: lumeno-skin-packer FOLDER|SKIN.INI OUT\n";
        return 2;
    }
    try {
        const PackedSkinFolder packed = PackSkinFolder(arguments[0], arguments[1]);
        for (const SkinProblem& warning : packed.warnings)
            out << FormatSkinProblem(warning) << '\n';
        out << "packed " << arguments[0] << " into " << arguments[1] << " (" << packed.compressedSize << " compressed bytes)\n";
    } catch (const std::exception& error) {
        err << "lumeno-skin-packer: " << QString::fromUtf8(error.what()) << '\n';
        return 2;
    }
    return 0;
}
