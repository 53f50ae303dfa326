#include "view/MomentScale.h"

#include "view/StructureDrawing.h"

#include <cstring>

double MomentScale::reference(const StructureModel &structure)
{
    scratch.clear();
    scratch.reserve(size_t(structure.rods.count) * 8);
    for (const Rod &rod : structure.rods) {
        if (!RodIsDrawable(structure, rod)) {
            // maxMoment itself decides what such a rod means: never reuse.
            known = false;
            return structure.maxMoment();
        }
        const Node &b = structure.nodes[rod.begin.node];
        const Node &e = structure.nodes[rod.end.node];
        scratch.insert(scratch.end(),
                       {b.x, b.y, e.x, e.y, rod.resultM.x, rod.resultM.y, rod.load.x, rod.load.y});
    }
    // Compared as bits, so that a NaN matches itself and -0 differs from 0.
    bool same = known && scratch.size() == inputs.size() &&
                std::memcmp(scratch.data(), inputs.data(), scratch.size() * sizeof(double)) == 0;
    if (!same) {
        value = structure.maxMoment();
        inputs.swap(scratch);
        known = true;
    }
    return value;
}
