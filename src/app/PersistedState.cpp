#include "app/AppDelegate.h"
#include "app/StoreSchema.h"

#include "platform/Clock.h"
#include "platform/Store.h"

#include <algorithm>

using namespace storekeys;

namespace {
constexpr qint64 FAILED_ATTEMPTS_MAX = 1000;

void writeFailedAttempts(platform::Store &store, qint64 count, const std::optional<QDateTime> &last)
{
    if (count > 0)
        store.setObject(FAILED_ATTEMPTS, count);
    else
        store.remove(FAILED_ATTEMPTS);
    if (last)
        store.setObject(LAST_FAILED_ATTEMPT, last->toUTC());
    else
        store.remove(LAST_FAILED_ATTEMPT);
}
} // namespace

void AppDelegate::loadPersistedState()
{
    platform::Store store;
    // Anything but a valid date, however it got there, counts as no end time.
    endTime = store.date(END_TIME);
    selectedSite = store.string(SELECTED_SITE).value_or(DEFAULT_SITE);
    isPaused = store.boolean(IS_PAUSED);
    // Anything but a date is no notice given; a date that is no mark of this end is one given
    // for another, which is none for this.
    lastNotice = store.date(LAST_NOTICE);
    // Past this the delay is at its longest anyway; a hand-edited count cannot overflow.
    failedAttempts = std::min(store.count(FAILED_ATTEMPTS), FAILED_ATTEMPTS_MAX);
    lastFailedAttempt = store.date(LAST_FAILED_ATTEMPT);

    const QDateTime now = platform::now();
    if (!endTime) {
        isLocked = true;
        isPaused = false;
    } else if (*endTime > now) {
        isLocked = false;
    } else {
        isLocked = true;
        isPaused = false;
    }
}

void AppDelegate::savePersistedState()
{
    platform::Store store;
    // The store holds nothing but what is in memory here, so a save rewrites it whole: whatever
    // a damaged file held goes with it, and so does "endTime" when there is none.
    store.clear();
    if (endTime)
        store.setObject(END_TIME, endTime->toUTC());
    if (endTime && lastNotice)
        store.setObject(LAST_NOTICE, lastNotice->toUTC());
    store.setObject(SELECTED_SITE, selectedSite);
    store.setBool(IS_LOCKED, isLocked);
    store.setBool(IS_PAUSED, isPaused);
    writeFailedAttempts(store, failedAttempts, lastFailedAttempt);
    // On disk before we go on: the session must survive the program being killed right after.
    store.sync();
}

// Only the password gate's own keys: the session's stay as the last save left them.
void AppDelegate::saveFailedAttempts()
{
    platform::Store store;
    writeFailedAttempts(store, failedAttempts, lastFailedAttempt);
    store.sync();
}
