#pragma once

#include "app/browser/property_chain.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>

class BrowserControl;

// The advertisement pane: a strip that shows a web page in a browser view.
// The browser engine lives in a module of its own that is loaded only once
// there is something to show and the window has been painted for the first
// time, so the window appears as fast as without it. Until then, and for good
// when the module or the engine is missing, the pane shows its parent's
// background.
class TWebBrowser : public QWidget {
    Q_OBJECT

public:
    explicit TWebBrowser(QWidget* parent = nullptr);
    ~TWebBrowser() override;

    // The browser module next to the program (in the build tree) or in the
    // installed program's library folder, or the one given for tests.
    static QString DefaultModulePath();
    void SetModulePath(const QString& path) { m_modulePath = path; }

    // Shows address: at once when the browser view exists, else once it has
    // been loaded after the pane's first paint.
    void Navigate(const QUrl& address);

    // Performs the chains on the loaded document and calls done with the name
    // of the step it stopped at (empty when every chain was performed). done is
    // not called when there is no browser view or it goes away first.
    void SetProperties(const QList<PropertyChain>& chains, std::function<void(const QString& stoppedAt)> done);

    // The browser view once it has been loaded, else null.
    QWidget* View() const;

signals:
    // A document or one of its frames has finished loading.
    void OnDocumentComplete(const QUrl& address);
    // The browser view has been created, or could not be (ok false).
    void BrowserLoaded(bool ok);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LoadBrowser();
    BrowserControl* Control() const;

    QString m_modulePath;
    QUrl m_pendingAddress;
    bool m_loadScheduled { false };
    bool m_loadTried { false };
    QPointer<QWidget> m_view;
    BrowserControl* m_control { nullptr };
};
