#include "app/AppDelegate.h"

#include "platform/Clock.h"
#include "platform/Store.h"

namespace {
const QString END_TIME = QStringLiteral("endTime");
const QString SELECTED_SITE = QStringLiteral("selectedSite");
const QString IS_LOCKED = QStringLiteral("isLocked");
const QString IS_PAUSED = QStringLiteral("isPaused");
} // namespace

void AppDelegate::loadPersistedState()
{
    platform::Store store;
    // Anything but a valid date, however it got there, counts as no end time.
    const QVariant storedEnd = store.object(END_TIME);
    if (storedEnd.typeId() == QMetaType::QDateTime && storedEnd.toDateTime().isValid())
        endTime = storedEnd.toDateTime().toUTC();
    selectedSite = store.string(SELECTED_SITE).value_or(QStringLiteral("disney"));
    isPaused = store.boolean(IS_PAUSED);

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
    // The store holds the session and nothing else, so a save rewrites it whole: whatever a
    // damaged file held goes with it, and so does "endTime" when there is none.
    store.clear();
    if (endTime)
        store.setObject(END_TIME, endTime->toUTC());
    store.setObject(SELECTED_SITE, selectedSite);
    store.setBool(IS_LOCKED, isLocked);
    store.setBool(IS_PAUSED, isPaused);
    // On disk before we go on: the session must survive the program being killed right after.
    store.sync();
}
