#include "web/Page.h"

#include <QAction>
#include <QCoreApplication>

Page::Page(QWebEngineProfile *profile, Decide decide, CreateWindow createWindow, QObject *parent)
    : QWebEnginePage(profile, parent), decide(std::move(decide)), create(std::move(createWindow))
{
    for (WebAction withheld : withheldActions()) {
        action(withheld)->setVisible(false);
        action(withheld)->setEnabled(false);
    }
    // A main frame that reaches an address of another kind goes back to the web address it was
    // on. The engine commits about: addresses (a link or a script to about:blank, a refresh, what
    // it makes of about:version) without asking acceptNavigationRequest first: Blink serves them
    // at once in the renderer (DocumentLoader::MaybeLoadEmpty, chromiumembedded/cef#2528), and
    // such an entry may replace the one it left in the history. Loaded outside the engine's own
    // notification.
    connect(this, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) {
        if (schemeStaysInView(url.scheme(), true))
            lastOnTheWeb = url;
        else if (!url.isEmpty() && lastOnTheWeb.isValid())
            QMetaObject::invokeMethod(this, [this] { load(lastOnTheWeb); }, Qt::QueuedConnection);
    });
}

const QList<QWebEnginePage::WebAction> &Page::withheldActions()
{
    static const QList<WebAction> actions = {
        OpenLinkInNewWindow,
        OpenLinkInNewTab,
        OpenLinkInNewBackgroundTab,
        DownloadLinkToDisk,
        DownloadImageToDisk,
        DownloadMediaToDisk,
        SavePage,
        ViewSource,
        InspectElement,
    };
    return actions;
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

bool Page::acceptNavigationRequest(const QUrl &url, QWebEnginePage::NavigationType type,
                                   bool isMainFrame)
{
    // The program's own loads, and going back to or reloading a page already shown, need no
    // check; every new address that content asks for does.
    const bool startedByContent = type != NavigationTypeTyped && type != NavigationTypeReload &&
                                  type != NavigationTypeBackForward;
    if (startedByContent && !schemeStaysInView(url.scheme(), isMainFrame))
        return false;
    auto policy = NavigationActionPolicy::Cancel;
    decide(navigationType(type), [&policy](NavigationActionPolicy given) { policy = given; });
    return policy == NavigationActionPolicy::Allow;
}

QWebEnginePage *Page::createWindow(QWebEnginePage::WebWindowType)
{
    return create();
}

QStringList Page::chooseFiles(FileSelectionMode, const QStringList &, const QStringList &)
{
    return {};
}

void Page::javaScriptAlert(const QUrl &, const QString &) {}

bool Page::javaScriptConfirm(const QUrl &, const QString &msg)
{
    // The engine asks "leave this page?" through the same call, with its own text: leaving goes
    // ahead, as it does where nobody is asked. A page's own question is answered no.
    return msg == QCoreApplication::translate("QWebEnginePage",
                                              "Are you sure you want to leave this page? Changes "
                                              "that you made may not be saved.");
}

bool Page::javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *)
{
    return false;
}

void Page::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                    const QString &)
{
}
