#pragma once

#include "model/Settings.h"
#include "model/StructureModel.h"
#include "support/RecordingReporter.h"
#include "support/SettingsRestorer.h"
#include "support/StructureBuilder.h"

#include <string>
#include <utility>
#include <vector>

// Relative comparison for values that went through a 10-digit text form.
inline bool SameToDigits(double expected, double actual, double relative = 1e-9)
{
    if (expected == actual)
        return true;
    double scale = std::max(std::fabs(expected), std::fabs(actual));
    return std::fabs(expected - actual) <= relative * scale;
}
