#pragma once

// Kinds of navigation, with the values the rule is written in.
enum class NavigationType
{
    LinkActivated = 0,
    FormSubmitted = 1,
    BackForward = 2,
    Reload = 3,
    FormResubmitted = 4,
    Other = -1,
};

enum class NavigationActionPolicy
{
    Cancel = 0,
    Allow = 1,
};

// While locked, clicked links are refused; everything else is allowed.
NavigationActionPolicy navigationPolicy(bool isLocked, NavigationType type);
