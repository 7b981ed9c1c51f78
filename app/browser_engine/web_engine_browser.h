#pragma once

#include "app/browser/browser_module.h"

#include <QObject>
#include <QWebEnginePage>
#include <QWebEngineView>

// The browser module: browser views made with Qt WebEngine.
class WebEngineBrowserModule : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LumenoBrowserModule_iid)
    Q_INTERFACES(BrowserModule)

public:
    BrowserControl* CreateControl(QWidget* parent) override;
};

// A page that tells when a frame inside it has loaded. The engine reports
// only the top-level document; a script in each frame reports its frame's
// load with a console message that carries a token the page cannot guess.
class FrameReportingPage : public QWebEnginePage {
    Q_OBJECT

public:
    explicit FrameReportingPage(QObject* parent);

signals:
    void FrameLoaded(const QUrl& address);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line, const QString& source) override;

private:
    const QString m_token;
};

class WebEngineBrowserControl : public QWebEngineView, public BrowserControl {
    Q_OBJECT

public:
    explicit WebEngineBrowserControl(QWidget* parent);

    QWidget* Widget() override { return this; }
    void Navigate(const QUrl& address) override;
    void SetDocumentCompleteHandler(std::function<void(const QUrl& address)> handler) override;
    void RunScript(const QString& script, std::function<void(const QVariant& result)> done) override;

private:
    void ReportComplete(const QUrl& address);

    std::function<void(const QUrl& address)> m_documentComplete;
};
