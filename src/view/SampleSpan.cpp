#include "view/SampleSpan.h"

#include <algorithm>
#include <cmath>

namespace {

// Most samples one line may visit in a paint; with the area clipping this is
// only reached by nonsensical input (a step below a pixel on a huge area).
constexpr long long MaxSamples = 1000000;

// Clips the parameter range [t0, t1] of p + t * d to lo <= coordinate <= hi.
bool ClipAxis(double p, double d, double lo, double hi, double &t0, double &t1)
{
    if (d == 0.0)
        return p >= lo && p <= hi;
    double a = (lo - p) / d;
    double b = (hi - p) / d;
    if (a > b)
        std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
}

} // namespace

SampleSpan VisibleSamples(LogicalPoint start, double c, double s, double length, double step,
                          const Viewport &port)
{
    SampleSpan span;
    if (!(step > 0.0) || !(length >= 0.0) || !std::isfinite(length) || !std::isfinite(c) || !std::isfinite(s))
        return span;
    span.final = static_cast<long long>(std::floor(length / step));

    LogicalRect area = port.logicalArea();
    double margin = std::max(area.right - area.left, area.top - area.bottom) + 200.0 * std::max(1, port.unit);
    double t0 = 0.0;
    double t1 = length;
    if (!ClipAxis(start.x, c, area.left - margin, area.right + margin, t0, t1) ||
        !ClipAxis(start.y, s, area.bottom - margin, area.top + margin, t0, t1))
        return span;

    span.first = std::max(0LL, static_cast<long long>(std::floor(t0 / step)) - 1);
    span.last = std::min(span.final, static_cast<long long>(std::ceil(t1 / step)) + 1);
    if (span.last - span.first > MaxSamples)
        span.last = span.first + MaxSamples;
    return span;
}
