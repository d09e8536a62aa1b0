#include "web/Page.h"

Page::Page(QWebEngineProfile *profile, Decide decide, CreateWindow createWindow, QObject *parent)
    : QWebEnginePage(profile, parent), decide(std::move(decide)), create(std::move(createWindow))
{
}

::NavigationType Page::navigationType(QWebEnginePage::NavigationType type)
{
    switch (type) {
    case NavigationTypeLinkClicked:
        return ::NavigationType::LinkActivated;
    case NavigationTypeFormSubmitted:
        return ::NavigationType::FormSubmitted;
    case NavigationTypeBackForward:
        return ::NavigationType::BackForward;
    case NavigationTypeReload:
        return ::NavigationType::Reload;
    case NavigationTypeTyped:
    case NavigationTypeRedirect:
    case NavigationTypeOther:
        break;
    }
    return ::NavigationType::Other;
}

bool Page::acceptNavigationRequest(const QUrl &, QWebEnginePage::NavigationType type, bool)
{
    auto policy = NavigationActionPolicy::Cancel;
    decide(navigationType(type), [&policy](NavigationActionPolicy given) { policy = given; });
    return policy == NavigationActionPolicy::Allow;
}

QWebEnginePage *Page::createWindow(QWebEnginePage::WebWindowType) { return create(); }
