#pragma once

#include <functional>

class QObject;
class QWebEnginePage;
class QWebEngineProfile;

// The profile that the session's pages use, made when none is alive. It is named and kept on
// disk, so that a parent's login to a site outlives the page and the program.
QWebEngineProfile *sharedProfile();

// Keeps the shared profile for as long as the page lives. Once the last page that uses it has
// gone, the profile goes too, and with it everything of the session that the engine would keep
// running without a page; the next page gets a new one on the same storage.
void endProfileAfter(QWebEnginePage *page);

// Runs the function once the storage of the profile that went last has had time to close. The
// engine closes a profile's cookie and storage files on threads of its own after the profile has
// gone; a new profile that read them sooner would miss what the last one wrote: the parent's
// login, when Pause and Resume follow each other at once.
void afterStorageSettles(QObject *context, std::function<void()> function);
