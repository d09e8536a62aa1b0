#pragma once

class QWebEnginePage;
class QWebEngineProfile;

// The profile that the session's pages use, made when none is alive. It is named and kept on
// disk, so that a parent's login to a site outlives the page and the program.
QWebEngineProfile *sharedProfile();

// Keeps the shared profile for as long as the page lives. Once the last page that uses it has
// gone, the profile goes too, and with it everything of the session that the engine would keep
// running without a page; the next page gets a new one on the same storage.
void endProfileAfter(QWebEnginePage *page);
