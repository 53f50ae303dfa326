#include "model/SpanExtreme.h"

#include <cmath>

namespace {

// An extreme this close to an end (as a fraction of the length) is the end
// value, which the diagrams and the report show already.
constexpr double endMargin = 1e-6;

} // namespace

SpanExtreme MomentExtremeInSpan(const StructureModel &structure, int rod)
{
    SpanExtreme extreme;
    const Rod &r = structure.rods[rod];
    if (!r.hasLoad())
        return extreme;
    const double length = structure.rodLength(rod);
    if (!(length > 0.0) || !std::isfinite(length))
        return extreme;
    // The load across the rod, along its left normal (-sin, cos).
    const double q = r.load.y * structure.rodCos(rod) - r.load.x * structure.rodSin(rod);
    if (q == 0.0 || !std::isfinite(q))
        return extreme;
    // M(x) = M1 - (M1 + M2) x / L + q x² / 2 - q L x / 2 has dM/dx = 0 at
    // x = L / 2 + (M1 + M2) / (q L).
    const double x = 0.5 * length + (r.resultM.x + r.resultM.y) / (q * length);
    if (!std::isfinite(x) || x <= endMargin * length || x >= (1.0 - endMargin) * length)
        return extreme;
    extreme.exists = true;
    extreme.distance = x;
    extreme.value = structure.momentAt(rod, x);
    return extreme;
}
