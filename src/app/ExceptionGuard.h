#pragma once

#include <functional>

// Runs an action of the user interface (a command, an event handler) and
// turns a MathException that escapes it into the error box, so that a
// failure of an editing operation never ends the program. Running out of
// memory is reported the same way. Returns false when the action failed.
bool RunGuarded(const std::function<void()> &action);
