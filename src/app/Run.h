#pragma once

#include "app/Constants.h"

// The program from start to exit: one instance per user, the window, the session and the event
// loop, with the given sites. The shipped program passes WEBSITES.
int runTovalin(char **argv, const Websites &websites);
