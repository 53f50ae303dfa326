#include "view/StructureDrawing.h"

#include "model/Settings.h"
#include "view/DrawingPalette.h"
#include "view/LogicalPainter.h"
#include "view/SampleSpan.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace DrawingPalette;

// Ground line with seven hatch strokes.
constexpr SymbolStroke FixedSymbol[] = {
    {-10, 0, 10, 0}, {-11, -3, -9, -1}, {-8, -3, -6, -1}, {-5, -3, -3, -1},
    {-2, -3, 0, -1}, {1, -3, 3, -1},    {4, -3, 6, -1},   {7, -3, 9, -1},
};

// Ring, two legs, base and hatching.
constexpr SymbolStroke HingeSymbol[] = {
    {-1, 2, 1, 2},     {2, -1, 2, 1},     {-1, -2, 1, -2},  {-2, -1, -2, 1},  {-2, -1, -1, -2},
    {2, 1, 1, 2},      {-2, 1, -1, 2},    {2, -1, 1, -2},   {-1, -3, -4, -6}, {1, -3, 4, -6},
    {-10, -6, 10, -6}, {-11, -9, -9, -7}, {-8, -9, -6, -7}, {-5, -9, -3, -7}, {-2, -9, 0, -7},
    {1, -9, 3, -7},    {4, -9, 6, -7},    {7, -9, 9, -7},
};

// The hinge on a second base (rollers) with the hatching lowered.
constexpr SymbolStroke MovingHingeSymbol[] = {
    {-1, 2, 1, 2},     {2, -1, 2, 1},     {-1, -2, 1, -2},     {-2, -1, -2, 1},    {-2, -1, -1, -2},
    {2, 1, 1, 2},      {-2, 1, -1, 2},    {2, -1, 1, -2},      {-1, -3, -4, -6},   {1, -3, 4, -6},
    {-10, -6, 10, -6}, {-10, -9, 10, -9}, {-11, -12, -9, -10}, {-8, -12, -6, -10}, {-5, -12, -3, -10},
    {-2, -12, 0, -10}, {1, -12, 3, -10},  {4, -12, 6, -10},    {7, -12, 9, -10},
};

// A clamped end sliding in a slot.
constexpr SymbolStroke MovingFixedSymbol[] = {
    {-10, 0, -2, 0},  {-2, -7, -2, 0},  {2, -7, 2, 0},   {2, 0, 10, 0},  {-11, -3, -9, -1}, {-8, -3, -6, -1},
    {-5, -3, -3, -1}, {-5, -6, -3, -4}, {11, -3, 9, -1}, {8, -3, 6, -1}, {5, -3, 3, -1},    {5, -6, 3, -4},
};

int Trunc(double value)
{
    return TruncPixel(value);
}

QString ElementLabel(int number, int position)
{
    return FormatLabel("%d", Settings::current().debugMode ? position : number);
}

// Draws a symbol table at (x, y), turned by the rotation (c, s) = (cos w,
// sin w); each stroke ends with its end pixel set in the node colour.
void DrawSymbol(LogicalPainter &lp, std::span<const SymbolStroke> symbol, int x, int y, double c, double s)
{
    int u = lp.unit();
    auto map = [&](int tx, int ty) {
        return LogicalPoint{x + Trunc(u * tx * c) - Trunc(u * ty * s),
                            y + Trunc(u * tx * s) + Trunc(u * ty * c)};
    };
    QColor endPixel = color(NodeColor);
    for (const SymbolStroke &stroke : symbol) {
        LogicalPoint a = map(stroke.x1, stroke.y1);
        LogicalPoint b = map(stroke.x2, stroke.y2);
        lp.line(a, b);
        lp.pixel(b.x, b.y, endPixel);
    }
}

// The connection symbol of one rod end at node `node` (logical point p);
// `other` is the logical point of the rod's other node.
void DrawRodEnd(LogicalPainter &lp, const StructureModel &structure, const Rod &rod, const RodEnd &end,
                LogicalPoint p, LogicalPoint other)
{
    const Node &node = structure.nodes[end.node];
    int u = lp.unit();
    if (node.isFree == 0) {
        // A positive angle turns the symbol clockwise on the screen.
        double w = -end.angle * M_PI / 180.0;
        lp.setPen(color(node.selected ? SelectionColor : NodeColor));
        DrawSymbol(lp, SupportSymbol(end.joint), p.x, p.y, std::cos(w), std::sin(w));
        return;
    }
    if (end.joint != JointType::Hinge)
        return;
    double dx = other.x - p.x;
    double dy = other.y - p.y;
    double length = std::hypot(dx, dy);
    if (length == 0.0)
        return; // no direction to place the hinge circle on
    int hx = p.x + Trunc(5 * u * dx / length);
    int hy = p.y + Trunc(5 * u * dy / length);
    lp.setPen(color(rod.selected ? SelectionColor : RodColor));
    lp.setWhiteBrush();
    lp.ellipse(hx - 2 * u, hy - 2 * u, hx + 3 * u, hy + 3 * u);
}

void DrawRod(LogicalPainter &lp, const StructureModel &structure, const Rod &rod, int position,
             const std::vector<LogicalPoint> &points, bool showNumbers, bool drawEnds)
{
    int u = lp.unit();
    LogicalPoint s = points[rod.begin.node];
    LogicalPoint e = points[rod.end.node];
    lp.setPen(color(rod.selected ? SelectionColor : RodColor), u);
    lp.line(s, e);
    if (drawEnds) {
        DrawRodEnd(lp, structure, rod, rod.begin, s, e);
        DrawRodEnd(lp, structure, rod, rod.end, e, s);
    }
    if (showNumbers) {
        int mx = (s.x + e.x) / 2;
        int my = (s.y + e.y) / 2;
        lp.setPen(color(RodColor), u);
        lp.setWhiteBrush();
        lp.rectangle(mx - 7 * u, my - 7 * u, mx + 8 * u, my + 8 * u);
        lp.text(mx, my + 7 * u, ElementLabel(rod.number, position), HAlign::Centre, VAlign::Top,
                color(RodColor));
    }
}

void DrawNode(LogicalPainter &lp, const Node &node, int position, LogicalPoint p, bool isolated,
              bool showNumbers)
{
    int u = lp.unit();
    QColor nodeColor = color(node.selected ? SelectionColor : NodeColor);
    lp.setPen(nodeColor);
    lp.setBrush(nodeColor);
    if (node.isFree != 0 || isolated)
        lp.ellipse(p.x - 2 * u, p.y - 3 * u, p.x + 3 * u, p.y + 2 * u);
    if (node.isFree == 0 && isolated)
        DrawSymbol(lp, FixedSymbol, p.x, p.y, 1.0, 0.0);
    if (showNumbers) {
        lp.setPen(color(NodeColor));
        lp.setWhiteBrush();
        lp.ellipse(p.x + 2 * u, p.y + 18 * u, p.x + 19 * u, p.y + u);
        lp.text(p.x + 10 * u, p.y + 16 * u, ElementLabel(node.number, position), HAlign::Centre, VAlign::Top,
                color(NodeColor));
    }
}

void DrawDistributedLoad(LogicalPainter &lp, const Viewport &port, const Rod &rod, LogicalPoint s,
                         LogicalPoint e, bool showValues)
{
    double qx = rod.load.x;
    double qy = rod.load.y;
    if (!std::isfinite(qx) || !std::isfinite(qy))
        return;
    int u = lp.unit();
    double length = std::trunc(std::hypot(double(e.x) - s.x, double(e.y) - s.y));
    // A rod that is a single point on the screen has no direction: its one
    // arrow stands on the begin node.
    double c = length > 0.0 ? (e.x - s.x) / length : 0.0;
    double sn = length > 0.0 ? (e.y - s.y) / length : 0.0;
    double qmax = std::max(std::fabs(qx), std::fabs(qy));
    double q = std::hypot(qx, qy);
    double h1 = qx / q;
    double h2 = qy / q;
    // The larger component is always 20 units long; each rod is scaled by itself.
    int ox = Trunc(20 * u * qx / qmax);
    int oy = Trunc(20 * u * qy / qmax);

    lp.setPen(color(DistributedColor), u);
    // Arrows every 10 units (at least every pixel, so a zero unit still advances).
    double step = std::max(10 * u, 1);
    SampleSpan span = VisibleSamples(s, c, sn, length, step, port);
    for (long long k = span.first; k <= span.last; ++k) {
        double t = k * step;
        int rx = s.x + Trunc(t * c);
        int ry = s.y + Trunc(t * sn);
        LogicalPoint r{rx, ry};
        lp.queueLine(r, LogicalPoint{rx - ox, ry - oy});
        LogicalPoint tip{rx - Trunc(2 * u * h1), ry - Trunc(2 * u * h2)};
        lp.queueLine(tip, LogicalPoint{rx + Trunc(2 * u * h2) - Trunc(8 * u * h1),
                                       ry - Trunc(8 * u * h2) - Trunc(2 * u * h1)});
        lp.queueLine(tip, LogicalPoint{rx - Trunc(2 * u * h2) - Trunc(8 * u * h1),
                                       ry - Trunc(8 * u * h2) + Trunc(2 * u * h1)});
    }
    lp.flushLines();
    lp.line(s.x, s.y, s.x - ox, s.y - oy);
    lp.line(e.x, e.y, e.x - ox, e.y - oy);
    lp.line(s.x - ox, s.y - oy, e.x - ox, e.y - oy);
    if (showValues) {
        LogicalPoint middle{s.x + Trunc(0.5 * length * c) - ox, s.y + Trunc(0.5 * length * sn) - oy};
        lp.valueText(middle.x, middle.y + 2 * u, FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%g N/M"), q), HAlign::Centre, VAlign::Baseline,
                     color(DistributedColor), middle, LabelSlide::along(c, sn));
    }
}

void DrawTemperature(LogicalPainter &lp, const Rod &rod, LogicalPoint s, LogicalPoint e, bool showValues)
{
    double length = std::hypot(double(e.x) - s.x, double(e.y) - s.y);
    if (length == 0.0)
        return; // no direction: no side to draw the fibres on
    int u = lp.unit();
    double c = (e.x - s.x) / length;
    double sn = (e.y - s.y) / length;
    double left = rod.temperature.x;
    double right = rod.temperature.y;
    lp.setPen(color(TemperatureColor), 1, Qt::DotLine);
    // The left fibre lies 2 units to the left of the rod seen from begin to end.
    int lx = -Trunc(2 * u * sn);
    int ly = Trunc(2 * u * c);
    if (left != 0.0)
        lp.line(s.x + lx, s.y + ly, e.x + lx, e.y + ly);
    if (right != 0.0)
        lp.line(s.x - lx, s.y - ly, e.x - lx, e.y - ly);
    if (showValues) {
        int mx = s.x + (e.x - s.x) / 2;
        int my = s.y + (e.y - s.y) / 2;
        LogicalPoint middle{mx, my};
        lp.valueText(mx - Trunc(20 * u * sn), my + Trunc(20 * u * c) - 4 * u, FormatLabel("%g", left),
                     HAlign::Left, VAlign::Baseline, color(TemperatureColor), middle,
                     LabelSlide::along(c, sn));
        lp.valueText(mx + Trunc(20 * u * sn), my - Trunc(20 * u * c) - 4 * u, FormatLabel("%g", right),
                     HAlign::Right, VAlign::Baseline, color(TemperatureColor), middle,
                     LabelSlide::along(c, sn));
    }
}

void DrawForce(LogicalPainter &lp, const Node &node, LogicalPoint p, bool showValues)
{
    double f = std::hypot(node.force.x, node.force.y);
    if (!(f > 0.0) || !std::isfinite(f))
        return;
    int u = lp.unit();
    double a = node.force.x / f;
    double b = node.force.y / f;
    int x = p.x;
    int y = p.y;
    lp.setPen(color(ForceColor));
    // The arrow points along the force and stops 3 units short of the node.
    int tx = x - Trunc(3 * u * a);
    int ty = y - Trunc(3 * u * b);
    lp.line(tx, ty, x - Trunc(30 * u * a), y - Trunc(30 * u * b));
    lp.line(tx, ty, x + Trunc(3 * u * b) - Trunc(8 * u * a), y - Trunc(8 * u * b) - Trunc(3 * u * a));
    lp.line(tx, ty, x - Trunc(3 * u * b) - Trunc(8 * u * a), y - Trunc(8 * u * b) + Trunc(3 * u * a));
    if (showValues)
        lp.valueText(x - Trunc(35 * u * a), y - Trunc(35 * u * b) - 5, FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%g N"), f), HAlign::Centre,
                     VAlign::Baseline, color(ForceColor), p, LabelSlide::away());
}

void DrawMoment(LogicalPainter &lp, const Node &node, LogicalPoint p, bool showValues)
{
    int u = lp.unit();
    int x = p.x;
    int y = p.y;
    lp.setPen(color(MomentColor));
    // Three quarters of a circle passing left of and below the node.
    lp.arc(x - 9 * u, y - 9 * u, x + 10 * u, y + 10 * u, x, y + 10 * u, x + 10 * u, y);
    if (node.moment > 0.0) {
        // Head at the upper end: the arrow turns clockwise.
        lp.line(x, y + 10 * u, x - 5 * u, y + 4 * u);
        lp.line(x, y + 11 * u, x - 7 * u, y + 11 * u);
    } else {
        lp.line(x + 9 * u, y, x + 2 * u, y - 5 * u);
        lp.line(x + 9 * u, y, x + 10 * u, y - 7 * u);
    }
    if (showValues)
        lp.valueText(x + 5 * u, y - 5 * u, FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%g N*M"), node.moment), HAlign::Left, VAlign::Top,
                     color(MomentColor), p, LabelSlide::away());
}

void DrawDisplacement(LogicalPainter &lp, const Node &node, LogicalPoint p, double factor, bool showValues)
{
    int u = lp.unit();
    double dx = node.displacement.x;
    double dy = node.displacement.y;
    double da = node.displacement.z;
    int px = p.x + Trunc(factor * dx);
    int py = p.y + Trunc(factor * dy);
    QColor displacementColor = color(DisplacementColor);
    if (dx != 0.0 || dy != 0.0) {
        lp.setPen(displacementColor, 1, Qt::DotLine);
        lp.line(p.x, p.y, px, py);
        lp.setPen(displacementColor);
        lp.setWhiteBrush();
        lp.ellipse(px - 2, py - 2, px + 3, py + 3);
    }
    if (da != 0.0) {
        lp.setPen(displacementColor, 1, Qt::DotLine);
        lp.painter.setBrush(Qt::NoBrush); // a ring: the node symbol stays visible through it
        lp.ellipse(p.x - 7, p.y - 7, p.x + 8, p.y + 8);
    }
    if (showValues) {
        QString label;
        double shift = std::hypot(dx, dy);
        if (shift != 0.0)
            label = FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%gM"), shift);
        if (da != 0.0) {
            if (!label.isEmpty())
                label += QStringLiteral(", ");
            label += FormatLabel("%g\u00b0", da);
        }
        lp.valueText(p.x - 5 * u, p.y - 5 * u, label, HAlign::Right, VAlign::Top, displacementColor, p,
                     LabelSlide::away());
    }
}

std::vector<LogicalPoint> NodePoints(const Viewport &port, const StructureModel &structure)
{
    std::vector<LogicalPoint> points;
    points.reserve(structure.nodes.count);
    for (const Node &node : structure.nodes)
        points.push_back(port.toLogical(node.x, node.y));
    return points;
}

} // namespace

std::span<const SymbolStroke> SupportSymbol(JointType joint)
{
    switch (joint) {
    case JointType::Fixed:
        return FixedSymbol;
    case JointType::Hinge:
        return HingeSymbol;
    case JointType::MovingHinge:
        return MovingHingeSymbol;
    case JointType::MovingFixed:
        return MovingFixedSymbol;
    default:
        return {};
    }
}

bool RodIsDrawable(const StructureModel &structure, const Rod &rod)
{
    int count = structure.nodes.count;
    return rod.begin.node >= 0 && rod.begin.node < count && rod.end.node >= 0 && rod.end.node < count;
}

void drawStructure(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showNumbers,
                   bool drawEnds)
{
    LogicalPainter lp(painter, port);
    if (showNumbers)
        lp.useLabelFont();
    std::vector<LogicalPoint> points = NodePoints(port, structure);
    // Which nodes have rods, found once instead of a search per node.
    std::vector<char> touched(points.size(), 0);
    for (int i = 0; i < structure.rods.count; ++i) {
        const Rod &rod = structure.rods[i];
        if (!RodIsDrawable(structure, rod))
            continue;
        touched[rod.begin.node] = 1;
        touched[rod.end.node] = 1;
        DrawRod(lp, structure, rod, i, points, showNumbers, drawEnds);
    }
    for (int i = 0; i < structure.nodes.count; ++i)
        DrawNode(lp, structure.nodes[i], i, points[i], !touched[i], showNumbers);
}

void drawLoads(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues)
{
    LogicalPainter lp(painter, port);
    if (showValues)
        lp.useLabelFont();
    std::vector<LogicalPoint> points = NodePoints(port, structure);
    for (const Rod &rod : structure.rods) {
        if (!RodIsDrawable(structure, rod))
            continue;
        LogicalPoint s = points[rod.begin.node];
        LogicalPoint e = points[rod.end.node];
        if (rod.hasLoad())
            DrawDistributedLoad(lp, port, rod, s, e, showValues);
        if (rod.hasTemperature())
            DrawTemperature(lp, rod, s, e, showValues);
    }
    // The largest displacement is drawn 40 units long; without any
    // translation there is nothing to scale and offsets stay 0.
    double largest = structure.maxDisplacement();
    double factor = largest > 0.0 && std::isfinite(largest) ? 40.0 * lp.unit() / largest : 0.0;
    for (int i = 0; i < structure.nodes.count; ++i) {
        const Node &node = structure.nodes[i];
        if (node.hasForce())
            DrawForce(lp, node, points[i], showValues);
        if (node.hasMoment())
            DrawMoment(lp, node, points[i], showValues);
        if (node.hasDisplacement())
            DrawDisplacement(lp, node, points[i], factor, showValues);
    }
}
