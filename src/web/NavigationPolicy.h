#pragma once

#include <QString>

// Kinds of navigation, with the values the rule is written in.
enum class NavigationType
{
    LinkActivated = 0,
    FormSubmitted = 1,
    BackForward = 2,
    Reload = 3,
    Other = -1,
};

enum class NavigationActionPolicy
{
    Cancel = 0,
    Allow = 1,
};

// While locked, clicked links are refused; everything else is allowed.
NavigationActionPolicy navigationPolicy(bool isLocked, NavigationType type);

// Whether the web view may go to an address of this scheme at all. Web content stays on the web:
// any other scheme would hand the address to another program or show the program's own files,
// so it simply fails to load. Frames may also hold the engine's own in-page documents.
bool schemeStaysInView(const QString &scheme, bool isMainFrame);
