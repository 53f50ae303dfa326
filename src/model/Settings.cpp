#include "model/Settings.h"

Settings &Settings::current()
{
    // The defaults of the record are those of a first start.
    static Settings settings;
    return settings;
}
