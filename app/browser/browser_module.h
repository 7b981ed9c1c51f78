#pragma once

// The contract between the program and the separately built browser module,
// the only part of Lumeno that links the browser engine. The program loads the
// module at run time, so it starts without the engine and still runs when the
// engine is not installed.

#include <QtPlugin>
#include <functional>

class QString;
class QUrl;
class QVariant;
class QWidget;

// One browser view, owned by the widget it was created in.
class BrowserControl {
public:
    virtual ~BrowserControl() = default;

    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& address) = 0;
    // Called on the user-interface thread each time the top-level document has
    // loaded successfully and each time a frame inside it has loaded.
    virtual void SetDocumentCompleteHandler(std::function<void(const QUrl& address)> handler) = 0;
    // Runs script on the top-level document in a world of its own, which the
    // page's scripts cannot see, and hands its result to done. done is not
    // called when the control goes away first.
    virtual void RunScript(const QString& script, std::function<void(const QVariant& result)> done) = 0;
};

class BrowserModule {
public:
    virtual ~BrowserModule() = default;

    // A browser view as a child of parent, ready to navigate.
    virtual BrowserControl* CreateControl(QWidget* parent) = 0;
};

#define LumenoBrowserModule_iid "org.lumeno.BrowserModule/1"
Q_DECLARE_INTERFACE(BrowserModule, LumenoBrowserModule_iid)
