#pragma once

#include "model/Settings.h"

#include <QString>
#include <functional>

class QSettings;

// Persistence of the settings record in the user's QSettings("Ostrand",
// "Руво"), section "Settings". Integers are stored as integers, reals as
// text written with "%f" in the C locale.
namespace SettingsStore {

// The program's settings store: organisation "Ostrand", application "Руво".
QString organizationName();
QString applicationName();

// Reads every value into the record, in the order Type, EI, EF, H, Alpha,
// MU, NU, ShowNumbers, ShowGrid, GridStep, MouseStep, AxialCompliance,
// LogEnabled. A missing value gives its default.
void LoadSettings(QSettings &store, Settings &settings);
void LoadSettings();

// Writes the one value of the record stored under `name` ("Type", "EI", ...).
// Returns false for a name that is not a stored setting.
bool SaveSetting(QSettings &store, const Settings &settings, const char *name);
bool SaveSetting(const char *name);

// Writes every stored value, in the order "MouseStep", "GridStep",
// "ShowNumbers", "ShowGrid", "Type", "EI", "EF", "H", "Alpha", "MU", "NU",
// "AxialCompliance", "LogEnabled" (the order of a confirmed options dialog).
// `written`, when given, is called with each name right after its value.
using WrittenObserver = std::function<void(const char *name)>;
void SaveAllSettings(QSettings &store, const Settings &settings, const WrittenObserver &written = {});
void SaveAllSettings(const WrittenObserver &written = {});

// Reads a real stored as text. The default, formatted with "%.2f", is the
// text of a missing value. A text that overflows (or underflows) the double
// range, or that is not finite, gives the default; a text that is not a
// number reads as 0.
double ReadReal(QSettings &store, const char *name, double defaultValue);
// Writes "%f" text in the C locale.
void WriteReal(QSettings &store, const char *name, double value);

// Flip the flag and store it at once.
void ToggleShowGrid();
void ToggleShowNumbers();

} // namespace SettingsStore
