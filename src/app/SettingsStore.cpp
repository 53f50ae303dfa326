#include "app/SettingsStore.h"

#include "model/CLocale.h"

#include <QSettings>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace SettingsStore {

namespace {

const char *const Section = "Settings";

QString Key(const char *name)
{
    return QLatin1String(Section) + QLatin1Char('/') + QLatin1String(name);
}

int ReadInt(QSettings &store, const char *name, int defaultValue)
{
    bool ok = false;
    const int value = store.value(Key(name), defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}

// A flag is 0 or 1; any other stored integer counts as on.
int ReadFlag(QSettings &store, const char *name, int defaultValue)
{
    return ReadInt(store, name, defaultValue) != 0 ? 1 : 0;
}

// Steps of the grid and of the mouse snapping divide coordinates: a zero,
// negative or non-finite step would stall the grid loop or the snapping.
double ReadStep(QSettings &store, const char *name, double defaultValue)
{
    const double value = ReadReal(store, name, defaultValue);
    return value > 0.0 && std::isfinite(value) ? value : defaultValue;
}

// One stored field: its name and how it is written.
struct Field {
    const char *name;
    int Settings::*integer;
    double Settings::*real;
};

const Field Fields[] = {
    {"Type", &Settings::type, nullptr},
    {"EI", nullptr, &Settings::EI},
    {"EF", nullptr, &Settings::EF},
    {"H", nullptr, &Settings::H},
    {"Alpha", nullptr, &Settings::alpha},
    {"MU", nullptr, &Settings::MU},
    {"NU", nullptr, &Settings::NU},
    {"ShowNumbers", &Settings::showNumbers, nullptr},
    {"ShowGrid", &Settings::showGrid, nullptr},
    {"GridStep", nullptr, &Settings::gridStep},
    {"MouseStep", nullptr, &Settings::mouseStep},
    {"AxialCompliance", &Settings::axialCompliance, nullptr},
    {"LogEnabled", &Settings::logEnabled, nullptr},
};

} // namespace

QString organizationName()
{
    return QStringLiteral("Ostrand");
}

QString applicationName()
{
    return QStringLiteral("Руво");
}

double ReadReal(QSettings &store, const char *name, double defaultValue)
{
    char defaultText[64];
    char *end = nullptr;
    double value = 0.0;
    {
        CLocaleScope cLocale;
        std::snprintf(defaultText, sizeof defaultText, "%.2f", defaultValue);
        const QByteArray text = store.value(Key(name), QString::fromLatin1(defaultText)).toString().toUtf8();
        errno = 0;
        value = std::strtod(text.constData(), &end);
    }
    if (errno == ERANGE || !std::isfinite(value))
        return defaultValue;
    return value; // 0 when the text holds no number
}

void WriteReal(QSettings &store, const char *name, double value)
{
    char text[512]; // "%f" of the largest double has 316 characters
    {
        CLocaleScope cLocale;
        std::snprintf(text, sizeof text, "%f", value);
    }
    store.setValue(Key(name), QString::fromLatin1(text));
}

void LoadSettings(QSettings &store, Settings &settings)
{
    const Settings defaults;
    settings.type = ReadInt(store, "Type", defaults.type);
    // New rods get a hinge (1) or a rigid joint (2); nothing else is drawable.
    if (settings.type != 1 && settings.type != 2)
        settings.type = defaults.type;
    settings.EI = ReadReal(store, "EI", defaults.EI);
    settings.EF = ReadReal(store, "EF", defaults.EF);
    settings.H = ReadReal(store, "H", defaults.H);
    settings.alpha = ReadReal(store, "Alpha", defaults.alpha);
    settings.MU = ReadReal(store, "MU", defaults.MU);
    settings.NU = ReadReal(store, "NU", defaults.NU);
    settings.showNumbers = ReadFlag(store, "ShowNumbers", defaults.showNumbers);
    settings.showGrid = ReadFlag(store, "ShowGrid", defaults.showGrid);
    settings.gridStep = ReadStep(store, "GridStep", defaults.gridStep);
    settings.mouseStep = ReadStep(store, "MouseStep", defaults.mouseStep);
    settings.axialCompliance = ReadFlag(store, "AxialCompliance", defaults.axialCompliance);
    settings.logEnabled = ReadFlag(store, "LogEnabled", defaults.logEnabled);
}

void LoadSettings()
{
    QSettings store(organizationName(), applicationName());
    LoadSettings(store, Settings::current());
}

bool SaveSetting(QSettings &store, const Settings &settings, const char *name)
{
    for (const Field &field : Fields) {
        if (std::strcmp(field.name, name) != 0)
            continue;
        if (field.integer != nullptr)
            store.setValue(Key(name), settings.*field.integer);
        else
            WriteReal(store, name, settings.*field.real);
        return true;
    }
    return false;
}

bool SaveSetting(const char *name)
{
    QSettings store(organizationName(), applicationName());
    return SaveSetting(store, Settings::current(), name);
}

void SaveAllSettings(QSettings &store, const Settings &settings, const WrittenObserver &written)
{
    static const char *const order[] = {
        "MouseStep", "GridStep", "ShowNumbers", "ShowGrid",        "Type",      "EI", "EF", "H",
        "Alpha",     "MU",       "NU",          "AxialCompliance", "LogEnabled"};
    for (const char *name : order) {
        SaveSetting(store, settings, name);
        if (written)
            written(name);
    }
}

void SaveAllSettings(const WrittenObserver &written)
{
    QSettings store(organizationName(), applicationName());
    SaveAllSettings(store, Settings::current(), written);
}

void ToggleShowGrid()
{
    Settings &settings = Settings::current();
    settings.showGrid = settings.showGrid ? 0 : 1;
    SaveSetting("ShowGrid");
}

void ToggleShowNumbers()
{
    Settings &settings = Settings::current();
    settings.showNumbers = settings.showNumbers ? 0 : 1;
    SaveSetting("ShowNumbers");
}

} // namespace SettingsStore
