#pragma once

#include <QString>
#include <functional>

namespace platform {

// Plays a sound of the desktop's sound theme, by its freedesktop event name ("bell"), through
// libcanberra, on a stream of its own, and returns at once. Where no sound can be played, it
// does nothing and says nothing.
void playEventSound(const QString &eventId, const QString &description);

// Tests hear the sounds instead: while a listener is set, each sound goes to it and none to the
// desktop. An empty listener gives the desktop its sounds back.
void setSoundListener(std::function<void(const QString &eventId)> listener);

} // namespace platform
