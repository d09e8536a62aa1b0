#pragma once

#include <functional>

class QObject;

namespace platform {

// Runs the function later on the main thread, also inside a modal alert's nested loop.
void runOnMainQueue(std::function<void()> function);

// Deletes the object now, or, while a nested event loop runs (a dialog's, a drag's), once it has
// ended: such a loop may be running inside the object's own code.
void deleteOutsideNestedLoops(QObject *object);

} // namespace platform
