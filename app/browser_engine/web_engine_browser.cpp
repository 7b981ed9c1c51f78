#include "app/browser_engine/web_engine_browser.h"

#include <QUuid>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

BrowserControl* WebEngineBrowserModule::CreateControl(QWidget* parent)
{
    return new WebEngineBrowserControl(parent);
}

FrameReportingPage::FrameReportingPage(QObject* parent)
    : QWebEnginePage(parent)
    , m_token(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QWebEngineScript reporter;
    reporter.setName(QStringLiteral("lumeno-frame-loaded"));
    reporter.setWorldId(QWebEngineScript::ApplicationWorld);
    reporter.setInjectionPoint(QWebEngineScript::DocumentCreation);
    reporter.setRunsOnSubFrames(true);
    reporter.setSourceCode(QStringLiteral(
        "if (window !== window.top)"
        "  window.addEventListener('load', function () { console.info('%1 ' + location.href); });")
                               .arg(m_token));
    scripts().insert(reporter);
}

void FrameReportingPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&)
{
    if (message.startsWith(m_token + QLatin1Char(' ')))
        emit FrameLoaded(QUrl(message.mid(m_token.size() + 1)));
}

WebEngineBrowserControl::WebEngineBrowserControl(QWidget* parent)
    : QWebEngineView(parent)
{
    auto* page = new FrameReportingPage(this);
    setPage(page);
    connect(page, &FrameReportingPage::FrameLoaded, this, &WebEngineBrowserControl::ReportComplete);
    connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool ok) {
        if (ok)
            ReportComplete(page->url());
    });
}

void WebEngineBrowserControl::Navigate(const QUrl& address)
{
    load(address);
}

void WebEngineBrowserControl::SetDocumentCompleteHandler(std::function<void(const QUrl& address)> handler)
{
    m_documentComplete = std::move(handler);
}

void WebEngineBrowserControl::RunScript(const QString& script, std::function<void(const QVariant& result)> done)
{
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld, std::move(done));
}

void WebEngineBrowserControl::ReportComplete(const QUrl& address)
{
    if (m_documentComplete)
        m_documentComplete(address);
}
