#pragma once

#include "model/Settings.h"

// Restores the process-wide settings record when a test has changed it.
class SettingsRestorer {
public:
    SettingsRestorer() : saved(Settings::current()) {}
    ~SettingsRestorer() { Settings::current() = saved; }
    SettingsRestorer(const SettingsRestorer &) = delete;
    SettingsRestorer &operator=(const SettingsRestorer &) = delete;

private:
    Settings saved;
};
