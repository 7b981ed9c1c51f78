// Measures what the main window costs at start, beside a bare Qt window of
// the same size: the time from the program's launch to the window's first
// paint, and the memory the program and its helper processes hold once the
// window is idle. bench/measure_start.sh runs it and sums the results up.
//
// Usage: lumeno-start-probe bare|window|window-with-ad LAUNCH_NS IDLE_MS
// LAUNCH_NS is the launch time on the realtime clock in nanoseconds (date
// +%s%N); the probe prints one line:
//   first_paint_ms=<ms> pss_kb=<own> helpers_pss_kb=<helper processes>

#include "app/window/form1.h"
#include "app/window/font_substitutes.h"
#include "tests/support/child_processes.h"
#include "tests/support/loopback_http_server.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

qint64 NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// Proportional set size of a process, so shared libraries count once.
qint64 PssKb(const QString& pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// The processes started by pid, and theirs.
QStringList Descendants(const QString& pid)
{
    QStringList found;
    for (const QString& child : ChildProcesses(pid))
        found << child << Descendants(child);
    return found;
}

// Notes the end of the first paint of the window it watches.
class FirstPaintWatch : public QObject {
public:
    qint64 paintedNs { 0 };

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintedNs == 0)
            QTimer::singleShot(0, this, [this] { paintedNs = NowNs(); });
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: lumeno-start-probe bare|window|window-with-ad LAUNCH_NS IDLE_MS\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const qint64 launchNs = QByteArray(argv[2]).toLongLong();
    const int idleMs = QByteArray(argv[3]).toInt();
    QApplication application(argc, argv);

    std::unique_ptr<LoopbackHttpServer> server;
    std::unique_ptr<QWidget> window;
    if (mode == QLatin1String("bare")) {
        window = std::make_unique<QWidget>();
        window->resize(TForm1::kClientWidth, TForm1::kClientHeight);
    } else if (mode == QLatin1String("window") || mode == QLatin1String("window-with-ad")) {
        InstallFontSubstitutes();
        QApplication::setFont(TForm1::TextFont());
        QString host;
        if (mode == QLatin1String("window-with-ad")) {
            server = std::make_unique<LoopbackHttpServer>();
            server->Serve(QStringLiteral("/softad/vuruvi.html"), LoopbackHttpServer::Html("<html><body><p>Lumeno</p></body></html>"));
            host = server->Host();
        }
        window = std::make_unique<TForm1>(nullptr, host);
    } else {
        std::fprintf(stderr, "lumeno-start-probe: unknown mode %s\n", qPrintable(mode));
        return 2;
    }

    FirstPaintWatch watch;
    window->installEventFilter(&watch);
    window->show();
    QTimer::singleShot(idleMs, &application, [&] {
        const QString self = QString::number(getpid());
        qint64 helpers = 0;
        for (const QString& pid : Descendants(self))
            helpers += PssKb(pid);
        std::printf("first_paint_ms=%.1f pss_kb=%lld helpers_pss_kb=%lld\n", (watch.paintedNs - launchNs) / 1e6,
            static_cast<long long>(PssKb(self)), static_cast<long long>(helpers));
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
