#pragma once

#include <optional>

// State of the caps-lock, num-lock and scroll-lock keys for the status-bar
// indicators. Known only on an X11 display; elsewhere there is no value.
struct KeyLockState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

std::optional<KeyLockState> QueryKeyLocks();
