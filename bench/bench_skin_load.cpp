// Loading a stored skin (inflate, package reading, picture decoding, INI
// parsing, building every definition) beside the bare zlib inflate of the same
// stream, which is the floor any load has to pay.

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/ini_file.h"
#include "skin/data/skin_compression.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_text_codec.h"

#ifdef LUMENO_HAVE_DEFAULT_SKIN
#include "skins/built_in_skins.h"
#endif

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <QImage>
#include <QString>

namespace {

#ifndef LUMENO_HAVE_DEFAULT_SKIN
QImage Picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 7 % 256, y * 3 % 256, (x + y) % 256);
    }
    return image;
}

// About the size of a real skin: a frame picture and its mask, eight active
// pictures, 13 frame objects and 64 controls with a few dozen keys each.
QByteArray SyntheticSkin()
{
    SkinPackage package;
    package.picture = Picture(285, 210);
    package.mask = Picture(285, 210).convertToFormat(QImage::Format_Indexed8);
    for (const QSize size : { QSize(75, 263), QSize(28, 21), QSize(93, 55), QSize(132, 126), QSize(556, 410),
             QSize(219, 178), QSize(93, 55), QSize(28, 21) })
        package.activePictures.append(Picture(size.width(), size.height()));

    QString text = QStringLiteral("[VERSION]\nskinname=Synthetic\n[PICTURES]\npicture=frame.bmp\nmask=mask.bmp\n"
                                  "[FORMINFO]\nclientrect=4,27,281,206\nlefttoppoint=9,29\n");
    text += QStringLiteral("[SKINOBJECTS]\ncount=13\n");
    for (int i = 0; i < 13; ++i)
        text += QStringLiteral("%1=object%1:stdbutton\n").arg(i);
    for (int i = 0; i < 13; ++i)
        text += QStringLiteral("[object%1]\nskinrect=1,2,3,4\nactiveskinrect=5,6,7,8\ndownrect=9,10,11,12\n"
                               "command=cmclose\nmorphing=1\nmorphkind=mkgradient\n")
                    .arg(i);
    const char* const types[] = { "button", "checkradio", "panel", "stdlabel", "edit", "memo", "scrollbar", "slider", "tab", "gauge" };
    text += QStringLiteral("[SKINCONTROLS]\ncount=64\n");
    for (int i = 0; i < 64; ++i)
        text += QStringLiteral("%1=control%1:%2\n").arg(i).arg(QLatin1StringView(types[i % 10]));
    for (int i = 0; i < 64; ++i) {
        text += QStringLiteral("[control%1]\npictureindex=4\nmaskpictureindex=-1\nskinrect=10,20,110,45\n"
                               "lefttoppoint=3,3\nrighttoppoint=97,3\nleftbottompoint=3,22\nrightbottompoint=97,22\n"
                               "clientrect=4,4,96,21\nfontname=Arial\nfontheight=14\nfontstyle=fsbold\n"
                               "fontcolor=0\nactivefontcolor=16777215\nalignment=tacenter\nstretcheffect=0\n")
                    .arg(i);
    }
    package.definitionText = EncodeSkinText(text.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    return CompressSkinPackage(WriteSkinPackage(package));
}
#endif

const QByteArray& CompressedSkin()
{
#ifdef LUMENO_HAVE_DEFAULT_SKIN
    static const QByteArray bytes = BuiltInSkinCompressedData(kDefaultBuiltInSkinName);
#else
    static const QByteArray bytes = SyntheticSkin();
#endif
    return bytes;
}

void BM_LoadStoredSkin(benchmark::State& state)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(CompressedSkin());
    TbsSkinData data;
    for (auto _ : state) {
        data.LoadCompressedStoredSkin(stored);
        benchmark::DoNotOptimize(data.ControlDefinitions().size());
    }
    state.counters["controls"] = static_cast<double>(data.ControlDefinitions().size());
    state.counters["objects"] = static_cast<double>(data.ObjectDefinitions().size());
    state.SetBytesProcessed(state.iterations() * CompressedSkin().size());
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

void BM_BareInflate(benchmark::State& state)
{
    const QByteArray& compressed = CompressedSkin();
    const QByteArray package = DecompressSkinPackage(compressed);
    QByteArray output(package.size(), Qt::Uninitialized);
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(output.size());
        const int result = uncompress(reinterpret_cast<Bytef*>(output.data()), &size,
            reinterpret_cast<const Bytef*>(compressed.constData()), static_cast<uLong>(compressed.size()));
        if (result != Z_OK) {
            state.SkipWithError("zlib refused the stream");
            break;
        }
        benchmark::DoNotOptimize(output.data());
    }
    state.counters["package_bytes"] = static_cast<double>(package.size());
    state.SetBytesProcessed(state.iterations() * compressed.size());
}
BENCHMARK(BM_BareInflate)->Unit(benchmark::kMillisecond);

void BM_ParseDefinitionText(benchmark::State& state)
{
    const QString text = DecodeSkinText(ReadSkinPackage(DecompressSkinPackage(CompressedSkin())).definitionText);
    for (auto _ : state) {
        const TbsIniFile ini = TbsIniFile::FromText(text);
        benchmark::DoNotOptimize(ini.Sections().size());
    }
    state.counters["text_chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ParseDefinitionText)->Unit(benchmark::kMicrosecond);

} // namespace
