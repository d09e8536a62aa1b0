#pragma once

#include "web/NavigationPolicy.h"

#include <QWebEnginePage>
#include <functional>

// The page of our one web view: every navigation goes through the controller's policy, and
// requests for new windows open nothing.
class Page : public QWebEnginePage
{
public:
    // The page's own NavigationType shadows ours, hence the qualified names.
    using Decide =
        std::function<void(::NavigationType, std::function<void(NavigationActionPolicy)>)>;
    using CreateWindow = std::function<QWebEnginePage *()>;

    Page(QWebEngineProfile *profile, Decide decide, CreateWindow createWindow, QObject *parent);

    static ::NavigationType navigationType(QWebEnginePage::NavigationType type);

protected:
    bool acceptNavigationRequest(const QUrl &url, QWebEnginePage::NavigationType type,
                                 bool isMainFrame) override;
    QWebEnginePage *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    Decide decide;
    CreateWindow create;
};
