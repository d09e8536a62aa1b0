#pragma once

#include "web/NavigationPolicy.h"

#include <QWebEnginePage>
#include <functional>

// The page of our one web view: every navigation goes through the controller's policy, requests
// for new windows open nothing, and nothing on it reaches past the one window: no downloads, no
// file dialogs, no developer tools or page source.
class Page : public QWebEnginePage
{
public:
    // The page's own NavigationType shadows ours, hence the qualified names.
    using Decide =
        std::function<void(::NavigationType, std::function<void(NavigationActionPolicy)>)>;
    using CreateWindow = std::function<QWebEnginePage *()>;

    Page(QWebEngineProfile *profile, Decide decide, CreateWindow createWindow, QObject *parent);

    static ::NavigationType navigationType(QWebEnginePage::NavigationType type);

    // The context-menu entries that would leave the window or touch the file system.
    static const QList<WebAction> &withheldActions();

protected:
    bool acceptNavigationRequest(const QUrl &url, QWebEnginePage::NavigationType type,
                                 bool isMainFrame) override;
    QWebEnginePage *createWindow(QWebEnginePage::WebWindowType type) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;
    // A page's alert, confirm and prompt show nothing: they would open windows of their own, and
    // block the page in a loop that a lock must not run into.
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg,
                          const QString &defaultValue, QString *result) override;
    // Nothing of a page reaches the program's output: the default writes every line to it. The
    // engine's own log, which would carry a service worker's console lines, is off in Qt's
    // release builds (6.4 and 6.8: DetermineLogMode in content_main_delegate_qt.cpp) unless
    // --enable-logging is given, a switch the program drops from the environment.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    Decide decide;
    CreateWindow create;
    QUrl lastOnTheWeb;
};
