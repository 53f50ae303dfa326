#pragma once

#include "model/StructureModel.h"

// Prepares the structure, checks it, runs one calculation and restores the
// user's structure (unless debug mode is on). True means every node and rod
// holds fresh results and `time` (seconds) is valid; false means the error
// has already been reported and logged.
bool Calculate(StructureModel& structure, double& time);
