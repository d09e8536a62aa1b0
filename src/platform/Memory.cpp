#include "platform/Memory.h"

#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

namespace {
// Long enough for a closed page's renderer to have gone and its buffers to be freed.
constexpr int SETTLE_MSECS = 2000;
} // namespace

void returnFreeMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void returnFreeMemorySoon()
{
    QTimer::singleShot(SETTLE_MSECS, &returnFreeMemory);
}

} // namespace platform
