#include "model/StructureModel.h"

#include <algorithm>
#include <cmath>

double StructureModel::rodLength(int rod) const
{
    const Rod &r = rods[rod];
    const Node &b = nodes[r.begin.node];
    const Node &e = nodes[r.end.node];
    return std::sqrt((e.x - b.x) * (e.x - b.x) + (e.y - b.y) * (e.y - b.y));
}

// A rod of zero length has no direction; it is given the direction of the
// x axis so that its symbols can be drawn without dividing by zero.
double StructureModel::rodCos(int rod) const
{
    const double length = rodLength(rod);
    if (length == 0.0)
        return 1.0;
    const Rod &r = rods[rod];
    return (nodes[r.end.node].x - nodes[r.begin.node].x) / length;
}

double StructureModel::rodSin(int rod) const
{
    const double length = rodLength(rod);
    if (length == 0.0)
        return 0.0;
    const Rod &r = rods[rod];
    return (nodes[r.end.node].y - nodes[r.begin.node].y) / length;
}

namespace {
// M(x) = M1 (1 - x/L) - M2 x/L - q x (L - x) / 2 with q the load component
// along the rod's left normal (-sin, cos). The end moment M2 is stored with
// the opposite sign, so M(L) = -M2.
double momentAlong(double m1, double m2, double q, double length, double x)
{
    return m1 - (m1 + m2) * x / length + q * x * x / 2.0 - q * length * x / 2.0;
}

// The transverse load of a rod of non-zero length.
double transverseLoad(const StructureModel &model, int rod, double length)
{
    const Rod &r = model.rods[rod];
    const double c = (model.nodes[r.end.node].x - model.nodes[r.begin.node].x) / length;
    const double s = (model.nodes[r.end.node].y - model.nodes[r.begin.node].y) / length;
    return r.load.y * c - r.load.x * s;
}
} // namespace

double StructureModel::momentAt(int rod, double x) const
{
    const Rod &r = rods[rod];
    const double m1 = r.resultM.x;
    const double m2 = r.resultM.y;
    if (m1 == 0.0 && m2 == 0.0 && !r.hasLoad())
        return 0.0;
    const double length = rodLength(rod);
    if (length == 0.0)
        return m1; // the rod is a point: only its begin value exists
    return momentAlong(m1, m2, transverseLoad(*this, rod, length), length, x);
}

void StructureModel::rodsAtNode(int node, IndexList &list) const
{
    list.clear();
    for (int i = 0; i < rods.count; ++i) {
        if (rods[i].begin.node == node || rods[i].end.node == node)
            list.Add(i);
    }
}

bool StructureModel::isIsolated(int node) const
{
    return std::none_of(rods.begin(), rods.end(),
                        [node](const Rod &rod) { return rod.begin.node == node || rod.end.node == node; });
}

bool StructureModel::isSupportNode(int node) const
{
    return nodes[node].isSupport();
}

JointType StructureModel::jointAtNode(int node) const
{
    for (const Rod &rod : rods) {
        if (rod.begin.node == node)
            return rod.begin.joint;
        if (rod.end.node == node)
            return rod.end.joint;
    }
    return JointType::None;
}

// Samples every rod at x = 0, 0.01 L, 0.02 L ... (by repeated addition).
// The rod's geometry is worked out once per rod: this runs at every paint
// of a moment diagram.
double StructureModel::maxMoment() const
{
    double largest = 0.0;
    for (int i = 0; i < rods.count; ++i) {
        const Rod &r = rods[i];
        const double m1 = r.resultM.x;
        const double m2 = r.resultM.y;
        if (m1 == 0.0 && m2 == 0.0 && !r.hasLoad())
            continue; // the moment is 0 all along
        const double length = rodLength(i);
        const double step = 0.01 * length;
        // A rod of zero (or not finite) length has no samples: the step
        // would be 0 or the position would never pass the length.
        if (!(step > 0.0) || !std::isfinite(length))
            continue;
        const double q = transverseLoad(*this, i, length);
        for (double x = 0.0; x <= length;) {
            const double value = std::fabs(momentAlong(m1, m2, q, length, x));
            if (value > largest)
                largest = value;
            const double next = x + step;
            if (!(next > x))
                break;
            x = next;
        }
    }
    return largest;
}

double StructureModel::maxEndValue(EndValueKind kind) const
{
    double largest = 0.0;
    for (const Rod &rod : rods) {
        const Pair &value = kind == EndValueKind::Shear ? rod.resultQ : rod.resultN;
        largest = std::max({largest, std::fabs(value.x), std::fabs(value.y)});
    }
    return largest;
}

double StructureModel::maxDisplacement() const
{
    double largest = 0.0;
    for (const Node &node : nodes) {
        largest =
            std::max({largest, std::fabs(node.resultDisplacement.x), std::fabs(node.resultDisplacement.y),
                      std::fabs(node.displacement.x), std::fabs(node.displacement.y)});
    }
    return largest;
}

WorldRect StructureModel::extents() const
{
    WorldRect rect;
    if (nodes.count == 0) {
        rect.left = 0.0;
        rect.bottom = 0.0;
        rect.right = 10.0;
        rect.top = 6.0;
        return rect;
    }
    rect.left = rect.right = nodes[0].x;
    rect.bottom = rect.top = nodes[0].y;
    for (const Node &node : nodes) {
        rect.left = std::min(rect.left, node.x);
        rect.right = std::max(rect.right, node.x);
        rect.bottom = std::min(rect.bottom, node.y);
        rect.top = std::max(rect.top, node.y);
    }
    // One node, or several all at one point: a 2 m square around it, so that
    // fitting the drawing to the extents never divides by zero.
    if (rect.left == rect.right && rect.bottom == rect.top) {
        const double x = rect.left;
        const double y = rect.bottom;
        rect.left = x - 1.0;
        rect.right = x + 1.0;
        rect.bottom = y - 1.0;
        rect.top = y + 1.0;
        return rect;
    }
    // Nodes on one line: give the flat direction 1 % of the other.
    if (rect.right == rect.left)
        rect.right = rect.right + 0.01 * std::fabs(rect.top - rect.bottom);
    if (rect.top == rect.bottom)
        rect.top = rect.top + 0.01 * std::fabs(rect.right - rect.left);
    return rect;
}
