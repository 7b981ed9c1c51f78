// Arbitrary bytes as a decompressed skin package, applied to the real main
// window on the offscreen platform: the skin-change message reaches the
// frame, its objects and every control, and the window is then painted at a
// few sizes, from smaller than any skin's corners to larger than its
// pictures. A skin that fails to load must leave the window as it was.
#include "app/window/form1.h"
#include "fuzz/fuzz_support.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"

#include <QApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace {

constexpr QSize kSizes[] = { { 1, 1 }, { 745, 528 }, { 1600, 1000 } };

TForm1* g_form = nullptr;
TbsCompressedStoredSkin* g_stored = nullptr;

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
    for (const QSize wanted : kSizes) {
        g_form->resize(wanted);
        QApplication::processEvents();
        const QImage shown = g_form->grab().toImage();
        Require(!shown.isNull() || g_form->width() == 0 || g_form->height() == 0);
    }
    return 0;
}
