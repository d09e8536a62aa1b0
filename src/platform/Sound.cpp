#include "platform/Sound.h"

#include <alsa/asoundlib.h>
#include <canberra.h>
#include <memory>

namespace platform {

namespace {
std::function<void(const QString &)> &listener()
{
    static std::function<void(const QString &)> heard;
    return heard;
}

// ALSA's library writes each of its failures to standard error itself, nine lines a sound on a
// machine without a sound card, which is no fault of Tovalin's: its notices go on without a
// sound. The handler is the process's; nothing else in it reports through ALSA to a reader.
void quietAlsa(const char *, int, const char *, int, const char *, ...) {}

ca_context *context()
{
    static const std::unique_ptr<ca_context, int (*)(ca_context *)> made(
        [] {
            snd_lib_error_set_handler(quietAlsa);
            ca_context *created = nullptr;
            if (ca_context_create(&created) != CA_SUCCESS)
                return static_cast<ca_context *>(nullptr);
            ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Tovalin",
                                    CA_PROP_APPLICATION_ID, "org.tovalin.Tovalin", nullptr);
            return created;
        }(),
        ca_context_destroy);
    return made.get();
}
} // namespace

void playEventSound(const QString &eventId, const QString &description)
{
    if (listener()) {
        listener()(eventId);
        return;
    }
    // The stream is the program's own, not the page's, so a muted page does not mute it, at
    // libcanberra's own volume (0 dB: none is set) in the role of an event sound, as
    // libcanberra gives PulseAudio when none is set (src/pulse.c, lines 157-158). Only the
    // device is opened here; the sound plays on a thread of libcanberra's (src/alsa.c, lines
    // 459-467), so the tick does not wait for it.
    if (ca_context *sounds = context())
        ca_context_play(sounds, 0, CA_PROP_EVENT_ID, eventId.toUtf8().constData(),
                        CA_PROP_EVENT_DESCRIPTION, description.toUtf8().constData(),
                        CA_PROP_MEDIA_ROLE, "event", nullptr);
}

void setSoundListener(std::function<void(const QString &)> heard)
{
    listener() = std::move(heard);
}

} // namespace platform
