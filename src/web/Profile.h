#pragma once

class QWebEngineProfile;

// The one profile that every web view uses. It is named and kept on disk, so that a parent's
// login to a site outlives the web view and the program; it lives until the application ends.
QWebEngineProfile *sharedProfile();
