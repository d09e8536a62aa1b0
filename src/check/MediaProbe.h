#pragma once

#include <QString>

namespace check {

// What the web engine tells a page about the media a streaming site needs, asked as the site
// asks: H.264 video and AAC audio in MP4, and Widevine.
struct MediaAnswers
{
    bool answered = false;
    QString videoCanPlay, audioCanPlay;            // canPlayType: "probably", "maybe" or ""
    bool videoSource = false, audioSource = false; // MediaSource.isTypeSupported
    QString keySystemError; // requestMediaKeySystemAccess: empty where granted
};

// Whether a site can play the type: the sites stream through MediaSource, so both answers must
// take it: canPlayType "maybe" or "probably", and MediaSource.isTypeSupported true.
bool mediaPlays(const QString &canPlayType, bool isTypeSupported);

// Starts the engine with a page of its own, in memory only, and asks; gives up after the time.
// Needs the application object.
MediaAnswers askEngine(int timeoutMsecs);

} // namespace check
