#include "web/NavigationPolicy.h"

NavigationActionPolicy navigationPolicy(bool isLocked, NavigationType type)
{
    const bool blocked = isLocked && type == NavigationType::LinkActivated;
    return blocked ? NavigationActionPolicy::Cancel : NavigationActionPolicy::Allow;
}
