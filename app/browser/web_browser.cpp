#include "app/browser/web_browser.h"

#include "app/browser/browser_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

// Qt Gui's process-wide context that other contexts share resources with;
// the application makes it at start only when asked to.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

void SayOnStderr(const QString& line)
{
    std::fprintf(stderr, "lumeno: %s\n", qPrintable(line));
}

// The engine refuses to start as root unless its sandbox is switched off.
// Returns whether it switched it off.
bool AllowEngineAsRoot()
{
    if (geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return false;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return true;
}

// The engine renders through a context shared with the widgets' and crashes
// on a display with OpenGL when there is none. Asking the application for it
// at start (Qt::AA_ShareOpenGLContexts) slows every start by tens of
// milliseconds, so it is made here, after the first paint, before the engine
// is loaded (which looks for it as it loads).
void ShareGraphicsContexts()
{
    if (qt_gl_global_share_context())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    QObject::connect(context, &QObject::destroyed, [] { qt_gl_set_global_share_context(nullptr); });
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

TWebBrowser::TWebBrowser(QWidget* parent)
    : QWidget(parent)
    , m_modulePath(DefaultModulePath())
{
}

TWebBrowser::~TWebBrowser() = default;

QString TWebBrowser::DefaultModulePath()
{
    // Built, the module sits beside the program; installed, in the program's
    // library folder.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(QStringLiteral("lumeno-browser.so"));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(LUMENO_INSTALLED_MODULE_DIR "/lumeno-browser.so")));
}

void TWebBrowser::Navigate(const QUrl& address)
{
    if (BrowserControl* control = Control()) {
        control->Navigate(address);
        return;
    }
    m_pendingAddress = address;
    if (isVisible())
        update();
}

void TWebBrowser::SetProperties(const QList<PropertyChain>& chains, std::function<void(const QString& stoppedAt)> done)
{
    BrowserControl* control = Control();
    if (!control)
        return;
    control->RunScript(PropertyChainScript(chains), [done = std::move(done)](const QVariant& result) {
        // A script that did not run to its end (the page went away meanwhile)
        // gives no string: nothing was stopped by a missing property.
        if (result.typeId() == QMetaType::QString)
            done(result.toString());
    });
}

QWidget* TWebBrowser::View() const
{
    return m_view.data();
}

BrowserControl* TWebBrowser::Control() const
{
    return m_view ? m_control : nullptr;
}

void TWebBrowser::paintEvent(QPaintEvent*)
{
    // The pane draws nothing itself. Its first paint tells that the window is
    // on the screen: the browser is loaded on the next turn of the event loop.
    if (m_loadScheduled || m_loadTried || m_pendingAddress.isEmpty())
        return;
    m_loadScheduled = true;
    QTimer::singleShot(0, this, &TWebBrowser::LoadBrowser);
}

void TWebBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->setGeometry(rect());
}

void TWebBrowser::LoadBrowser()
{
    m_loadScheduled = false;
    m_loadTried = true;
    const bool withoutSandbox = AllowEngineAsRoot();
    ShareGraphicsContexts();
    // The module stays loaded for the rest of the run: the engine cannot be
    // unloaded once started.
    QPluginLoader loader(m_modulePath);
    auto* module = qobject_cast<BrowserModule*>(loader.instance());
    if (!module) {
        const QString reason = loader.errorString().isEmpty() ? QStringLiteral("not a browser module") : loader.errorString();
        SayOnStderr(QStringLiteral("the advertisement pane stays empty: cannot load the browser module %1: %2").arg(m_modulePath, reason));
        emit BrowserLoaded(false);
        return;
    }
    if (withoutSandbox)
        SayOnStderr(QStringLiteral("running as root: the advertisement pane's browser runs without its sandbox"));
    m_control = module->CreateControl(this);
    m_view = m_control->Widget();
    m_view->setGeometry(rect());
    m_control->SetDocumentCompleteHandler([this](const QUrl& address) { emit OnDocumentComplete(address); });
    m_view->show();
    m_control->Navigate(m_pendingAddress);
    m_pendingAddress.clear();
    emit BrowserLoaded(true);
}
