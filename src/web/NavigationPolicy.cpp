#include "web/NavigationPolicy.h"

NavigationActionPolicy navigationPolicy(bool isLocked, NavigationType type)
{
    const bool blocked = isLocked && type == NavigationType::LinkActivated;
    return blocked ? NavigationActionPolicy::Cancel : NavigationActionPolicy::Allow;
}

bool schemeStaysInView(const QString &scheme, bool isMainFrame)
{
    const QString lower = scheme.toLower();
    if (lower == u"http" || lower == u"https")
        return true;
    return !isMainFrame && (lower == u"about" || lower == u"blob" || lower == u"data");
}
