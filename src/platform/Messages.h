#pragma once

namespace platform {

// Keeps the toolkit's and the web engine's informational messages off standard error, so that a
// normal start prints nothing; warnings and worse still reach it. Call before the application
// object exists.
void keepInformationQuiet();

} // namespace platform
