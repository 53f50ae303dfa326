#pragma once

#include "model/StructureModel.h"

#include <vector>

// Remembers the scale reference of the moment diagram (the structure's
// maxMoment) between paints. The value depends only on the coordinates of
// the rods' nodes, their end moments and their loads; while those are
// unchanged, bit for bit, a repaint reuses it instead of sampling every rod
// again. Any change, however it came about, gives a new value.
class MomentScale {
public:
    double reference(const StructureModel &structure);

private:
    std::vector<double> inputs;
    std::vector<double> scratch;
    double value = 0.0;
    bool known = false;
};
