// Arbitrary bytes as a decompressed skin package, applied to the real main
// window on the offscreen platform: the skin-change message reaches the
// frame, its objects and every control, and the window is then painted at a
// few sizes, from smaller than any skin's corners to larger than its
// pictures. A skin that fails to load must leave the window as it was.
#include "app/window/form1.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"

#include <QApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <zlib.h>

namespace {

// The package as the stored skin takes it, compressed at the fastest level:
// the load and what follows it, not the compression, are under test.
QByteArray QuicklyCompressed(const QByteArray& package)
{
    uLongf length = compressBound(static_cast<uLong>(package.size()));
    QByteArray compressed(static_cast<qsizetype>(length), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(compressed.data()), &length,
        reinterpret_cast<const Bytef*>(package.constData()), static_cast<uLong>(package.size()), Z_BEST_SPEED);
    compressed.resize(static_cast<qsizetype>(length));
    return compressed;
}

struct Size {
    int width;
    int height;
};
constexpr Size kSizes[] = { { 1, 1 }, { 745, 528 }, { 1600, 1000 } };

TForm1* g_form = nullptr;
TbsCompressedStoredSkin* g_stored = nullptr;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns at every window mask; a fatal message still aborts.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QApplication application(*argc, *argv);
    g_form = new TForm1;
    g_stored = new TbsCompressedStoredSkin(g_form);
    g_form->show();
    QApplication::processEvents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray package(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    g_stored->SetCompressedData(QuicklyCompressed(package));
    const QSize before = g_form->size();
    try {
        g_form->bsSkinData1->SetCompressedStoredSkin(g_stored);
    } catch (const std::runtime_error&) {
        Require(!g_form->bsSkinData1->Empty() && g_form->size() == before);
        return 0;
    }
    for (const Size wanted : kSizes) {
        g_form->resize(wanted.width, wanted.height);
        QApplication::processEvents();
        const QImage shown = g_form->grab().toImage();
        Require(!shown.isNull() || g_form->width() == 0 || g_form->height() == 0);
    }
    return 0;
}
