#include "view/HitTest.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool Near(long long a, long long b)
{
    return a > b - HitTolerance && a < b + HitTolerance;
}

// Pixels advanced on an axis of extent `extent` after `adds` additions of
// the walk whose longest extent is n: an error term that gains `extent` per
// addition and moves one pixel each time it exceeds n.
long long StepsAfter(long long adds, long long extent, long long n)
{
    const long long total = adds * extent;
    if (total == 0)
        return 0;
    return std::max(0LL, (total + n - 1) / n - 1);
}

} // namespace

bool LineNearPoint(LogicalPoint b, LogicalPoint e, LogicalPoint p)
{
    const long long dx = (long long)e.x - b.x;
    const long long dy = (long long)e.y - b.y;
    const long long ax = std::llabs(dx);
    const long long ay = std::llabs(dy);
    const long long n = std::max(ax, ay);
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    if (n == 0)
        return Near(b.x, p.x) && Near(b.y, p.y);

    // The walk tests its point before each of the n + 2 additions; after
    // j additions the major coordinate has moved max(0, j - 1) pixels, so
    // offset t along it is visited at j = t + 1 (and also at j = 0 for t = 0).
    const bool xMajor = ax == n;
    const long long majorStart = xMajor ? b.x : b.y;
    const long long majorTarget = xMajor ? p.x : p.y;
    const int majorSign = xMajor ? sx : sy;
    // Offsets t in 0..n with |majorStart + sign * t - target| < tolerance.
    const long long centre = (majorTarget - majorStart) * majorSign;
    const long long first = std::max(0LL, centre - HitTolerance + 1);
    const long long last = std::min(n, centre + HitTolerance - 1);
    for (long long t = first; t <= last; ++t) {
        const long long j = t + 1;
        const long long x = b.x + sx * StepsAfter(j, ax, n);
        const long long y = b.y + sy * StepsAfter(j, ay, n);
        if (Near(x, p.x) && Near(y, p.y))
            return true;
        // t = 0 is also visited before the first addition, at b itself.
        if (t == 0 && Near(b.x, p.x) && Near(b.y, p.y))
            return true;
    }
    return false;
}

HitResult hitTest(const StructureModel &structure, LogicalPoint p, const Viewport &port)
{
    const NodeList &nodes = structure.nodes;
    for (int i = 0; i < nodes.count; ++i) {
        const LogicalPoint n = port.toLogical(nodes[i].x, nodes[i].y);
        if (Near(n.x, p.x) && Near(n.y, p.y))
            return HitResult{HitNode, i};
    }
    for (int i = 0; i < structure.rods.count; ++i) {
        const Rod &rod = structure.rods[i];
        if (rod.begin.node < 0 || rod.begin.node >= nodes.count || rod.end.node < 0 ||
            rod.end.node >= nodes.count)
            continue;
        const Node &begin = nodes[rod.begin.node];
        const Node &end = nodes[rod.end.node];
        if (LineNearPoint(port.toLogical(begin.x, begin.y), port.toLogical(end.x, end.y), p))
            return HitResult{HitRod, i};
    }
    return HitResult{};
}

Pair PointOnRod(const StructureModel &structure, int rod, Pair point)
{
    if (rod < 0 || rod >= structure.rods.count)
        return point;
    const Rod &r = structure.rods[rod];
    const NodeList &nodes = structure.nodes;
    if (r.begin.node < 0 || r.begin.node >= nodes.count || r.end.node < 0 || r.end.node >= nodes.count)
        return point;
    const Node &b = nodes[r.begin.node];
    const Node &e = nodes[r.end.node];
    const double dx = e.x - b.x;
    const double dy = e.y - b.y;
    if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0.0 && dy == 0.0))
        return point;
    if (std::fabs(dx) >= std::fabs(dy)) {
        const double x = std::clamp(point.x, std::min(b.x, e.x), std::max(b.x, e.x));
        // dy is exactly 0 for a horizontal rod, so y is exactly the rod's.
        return Pair(x, b.y + (x - b.x) * (dy / dx));
    }
    const double y = std::clamp(point.y, std::min(b.y, e.y), std::max(b.y, e.y));
    return Pair(b.x + (y - b.y) * (dx / dy), y);
}
