#include "view/ResultDrawing.h"

#include "model/SpanExtreme.h"
#include "view/DrawingPalette.h"
#include "view/LogicalPainter.h"
#include "view/SampleSpan.h"
#include "view/StructureDrawing.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace DrawingPalette;

int Trunc(double value)
{
    return TruncPixel(value);
}

// A scale of pixels per unit of force or moment; 0 when the reference gives
// none (nothing to draw, or values that are not finite).
double OrdinateScale(double pixels, double reference)
{
    double k = pixels / reference;
    return k > 0.0 && std::isfinite(k) ? k : 0.0;
}

// Rod geometry shared by the diagrams; `valid` is false for a rod that has
// no direction in the world (zero length) or refers to missing nodes.
struct RodFrame {
    bool valid = false;
    LogicalPoint s, e;
    double c = 0.0, sn = 0.0; // world direction cosines: the mapping is isotropic with y upward
    double length = 0.0;      // world length, m
    double pixels = 0.0;      // length between the logical end points
};

RodFrame FrameOf(const Viewport &port, const StructureModel &structure, int index)
{
    RodFrame frame;
    const Rod &rod = structure.rods[index];
    if (!RodIsDrawable(structure, rod))
        return frame;
    frame.length = structure.rodLength(index);
    if (!(frame.length > 0.0) || !std::isfinite(frame.length))
        return frame;
    const Node &b = structure.nodes[rod.begin.node];
    const Node &e = structure.nodes[rod.end.node];
    frame.s = port.toLogical(b.x, b.y);
    frame.e = port.toLogical(e.x, e.y);
    frame.c = structure.rodCos(index);
    frame.sn = structure.rodSin(index);
    frame.pixels = std::hypot(double(frame.e.x) - frame.s.x, double(frame.e.y) - frame.s.y);
    frame.valid = std::isfinite(frame.c) && std::isfinite(frame.sn);
    return frame;
}

// The distance along the rod (m) of the sample t pixels from the begin; a
// rod that is a single point on the screen has only its begin sample.
double WorldDistance(const RodFrame &frame, double t)
{
    return frame.pixels > 0.0 ? t * frame.length / frame.pixels : 0.0;
}

// Begin and end values one tenth of the rod in from each end, 2 units below;
// a label in another's way slides along the rod.
void DrawEndLabels(LogicalPainter &lp, const RodFrame &frame, double first, double second)
{
    int u = lp.unit();
    double f = 0.1 * frame.pixels;
    LogicalPoint a{frame.s.x + Trunc(frame.c * f), frame.s.y + Trunc(f * frame.sn)};
    LogicalPoint b{frame.e.x - Trunc(frame.c * f), frame.e.y - Trunc(f * frame.sn)};
    lp.valueText(a.x, a.y - 2 * u, FormatLabel("%g", first), HAlign::Centre, VAlign::Baseline,
                 color(DiagramColor), a, LabelSlide::along(frame.c, frame.sn));
    lp.valueText(b.x, b.y - 2 * u, FormatLabel("%g", second), HAlign::Centre, VAlign::Baseline,
                 color(DiagramColor), b, LabelSlide::along(-frame.c, -frame.sn));
}

// Hatch ordinates every 5 units (at least every pixel) joined by the
// outline; `ordinate(t)` gives the ordinate point of the sample t pixels from
// the begin, `start` the begin ordinate and `finish` the end ordinate.
template <typename Ordinate>
void DrawHatchedDiagram(LogicalPainter &lp, const Viewport &port, const RodFrame &frame, LogicalPoint start,
                        LogicalPoint finish, Ordinate ordinate)
{
    double step = std::max(5 * lp.unit(), 1);
    SampleSpan span = VisibleSamples(frame.s, frame.c, frame.sn, frame.pixels, step, port);
    if (span.isEmpty())
        return;
    LogicalPoint previous = span.first == 0 ? start : ordinate((span.first - 1) * step);
    for (long long k = span.first; k <= span.last; ++k) {
        double t = k * step;
        LogicalPoint r{frame.s.x + Trunc(t * frame.c), frame.s.y + Trunc(t * frame.sn)};
        LogicalPoint q = ordinate(t);
        lp.queueLine(r, q);
        lp.queueLine(q, previous);
        previous = q;
    }
    if (span.reachesEnd()) {
        lp.queueLine(frame.e, finish);
        lp.queueLine(finish, previous);
    }
    lp.flushLines();
}

// The largest moment inside a loaded span: its ordinate drawn again with a
// tick across the rod where it stands, and its value beyond the ordinate's
// end, in the style of the end values.
void DrawSpanExtreme(LogicalPainter &lp, const RodFrame &frame, const SpanExtreme &extreme, double k,
                     bool showValues)
{
    if (!extreme.exists || !(frame.length > 0.0))
        return;
    int u = lp.unit();
    double c = frame.c;
    double s = frame.sn;
    double t = extreme.distance * frame.pixels / frame.length;
    LogicalPoint r{frame.s.x + Trunc(t * c), frame.s.y + Trunc(t * s)};
    double m = extreme.value * k;
    LogicalPoint q{r.x + Trunc(s * m), r.y - Trunc(c * m)};
    lp.setPen(color(DiagramColor), std::max(1, u));
    lp.line(r, q);
    int tick = 4 * std::max(1, u);
    lp.line(r.x - Trunc(tick * c), r.y - Trunc(tick * s), r.x + Trunc(tick * c), r.y + Trunc(tick * s));
    lp.setPen(color(DiagramColor));
    if (!showValues)
        return;
    // Beyond the ordinate's end, on the side the diagram lies.
    double side = m >= 0.0 ? 1.0 : -1.0;
    int gap = 8 * std::max(1, u);
    lp.valueText(q.x + Trunc(side * gap * s), q.y - Trunc(side * gap * c) - 4 * u,
                 FormatLabel("%g", extreme.value), HAlign::Centre, VAlign::Baseline, color(DiagramColor), q,
                 LabelSlide::along(c, s));
}

void DrawRodMoments(LogicalPainter &lp, const Viewport &port, const StructureModel &structure, int index,
                    double k, bool showValues)
{
    const Rod &rod = structure.rods[index];
    if (rod.resultM == Pair(0.0, 0.0) && rod.load == Pair(0.0, 0.0))
        return;
    RodFrame frame = FrameOf(port, structure, index);
    if (!frame.valid)
        return;
    double m1 = rod.resultM.x;
    double m2 = rod.resultM.y;
    double c = frame.c;
    double s = frame.sn;
    // Positive moments lie along the right normal (s, -c).
    LogicalPoint start{frame.s.x + Trunc(k * m1 * s), frame.s.y - Trunc(k * m1 * c)};
    LogicalPoint finish{frame.e.x - Trunc(k * m2 * s), frame.e.y + Trunc(k * m2 * c)};
    auto ordinate = [&](double t) {
        double m = structure.momentAt(index, WorldDistance(frame, t));
        int rx = frame.s.x + Trunc(t * c);
        int ry = frame.s.y + Trunc(t * s);
        return LogicalPoint{rx + Trunc(s * (m * k)), ry - Trunc(c * (m * k))};
    };
    DrawHatchedDiagram(lp, port, frame, start, finish, ordinate);
    if (showValues)
        DrawEndLabels(lp, frame, m1, m2);
    DrawSpanExtreme(lp, frame, MomentExtremeInSpan(structure, index), k, showValues);
}

void DrawPlusCircle(LogicalPainter &lp, int x, int y)
{
    int u = lp.unit();
    lp.setPen(QColor(127, 0, 0));
    lp.setWhiteBrush();
    lp.ellipse(x - 6 * u, y - 6 * u, x + 7 * u, y + 7 * u);
    lp.line(x - 3 * u, y + u, x + 4 * u, y + u);
    lp.line(x, y - 2 * u, x, y + 5 * u);
}

void DrawMinusCircle(LogicalPainter &lp, int x, int y)
{
    int u = lp.unit();
    lp.setPen(QColor(0, 0, 127));
    lp.setWhiteBrush();
    lp.ellipse(x - 6 * u, y - 6 * u, x + 7 * u, y + 7 * u);
    lp.line(x - 3 * u, y + u, x + 4 * u, y + u);
}

// Plus 10 units left of the rod's middle and minus 10 units right of it,
// swapped for a reversed rod.
void DrawSignCircles(LogicalPainter &lp, const RodFrame &frame)
{
    int u = lp.unit();
    double c = frame.c;
    double s = frame.sn;
    int dx = frame.e.x - frame.s.x;
    int dy = frame.e.y - frame.s.y;
    LogicalPoint a{frame.s.x - Trunc(10 * u * s - dx / 2), frame.s.y + Trunc(10 * u * c + dy / 2)};
    LogicalPoint b{frame.s.x + Trunc(10 * u * s + dx / 2), frame.s.y - Trunc(10 * u * c - dy / 2)};
    bool reversed = c < 0.0 || (c == 0.0 && s > 0.0);
    if (reversed)
        std::swap(a, b);
    DrawPlusCircle(lp, a.x, a.y);
    DrawMinusCircle(lp, b.x, b.y);
}

void DrawRodEndValues(LogicalPainter &lp, const Viewport &port, const StructureModel &structure, int index,
                      EndValueKind kind, double k, bool signs, bool showValues)
{
    const Rod &rod = structure.rods[index];
    const Pair &values = kind == EndValueKind::Shear ? rod.resultQ : rod.resultN;
    double v1 = values.x;
    double v2 = values.y;
    if (v1 == 0.0 && v2 == 0.0)
        return;
    RodFrame frame = FrameOf(port, structure, index);
    if (!frame.valid)
        return;
    double c = frame.c;
    double s = frame.sn;
    double length = frame.length;
    // Reversed rods (pointing left, or vertical and upward) swap the signs so
    // that positive values keep their side whatever the rod's direction.
    bool vertical = kind == EndValueKind::Shear ? std::fabs(c) < 1e-10 : c == 0.0;
    bool reversed = c < 0.0 || (vertical && s > 0.0);
    double a = reversed ? v1 : -v1;
    double b = reversed ? -v2 : v2;
    LogicalPoint start{frame.s.x + Trunc(a * s * k), frame.s.y - Trunc(k * (a * c))};
    LogicalPoint finish{frame.e.x - Trunc(b * s * k), frame.e.y + Trunc(k * (b * c))};
    // The ordinate goes linearly from a at the begin to -b at the end.
    auto ordinate = [&](double t) {
        double v = a - WorldDistance(frame, t) * (a + b) / length;
        int rx = frame.s.x + Trunc(t * c);
        int ry = frame.s.y + Trunc(t * s);
        return LogicalPoint{rx + Trunc(k * (s * v)), ry - Trunc(v * c * k)};
    };
    DrawHatchedDiagram(lp, port, frame, start, finish, ordinate);
    if (signs)
        DrawSignCircles(lp, frame);
    if (showValues)
        DrawEndLabels(lp, frame, v1, v2);
}

void DrawEndValueDiagram(QPainter &painter, const Viewport &port, const StructureModel &structure,
                         EndValueKind kind, int maxOrdinate, bool signs, bool showValues)
{
    double k =
        OrdinateScale(double(maxOrdinate) * std::max(1, port.ordinateUnit), structure.maxEndValue(kind));
    if (k == 0.0)
        return;
    LogicalPainter lp(painter, port);
    if (showValues)
        lp.useLabelFont();
    for (int i = 0; i < structure.rods.count; ++i) {
        lp.setPen(color(DiagramColor));
        DrawRodEndValues(lp, port, structure, i, kind, k, signs, showValues);
    }
}

void DrawNodeReaction(LogicalPainter &lp, const Viewport &port, const Node &node, bool showValues)
{
    double rx = node.reaction.x;
    double ry = node.reaction.y;
    double mr = node.reaction.z;
    if (rx == 0.0 && ry == 0.0 && mr == 0.0)
        return;
    int u = lp.unit();
    LogicalPoint p = port.toLogical(node.x, node.y);
    int x = p.x;
    int y = p.y;
    QColor reactionColor = color(ReactionColor);
    lp.setPen(reactionColor);
    if (rx != 0.0) {
        // Horizontal arrow ending 15 units left of the node.
        int head = rx > 0.0 ? x - 15 * u : x - 55 * u;
        int tail = rx > 0.0 ? x - 55 * u : x - 15 * u;
        int back = rx > 0.0 ? -10 * u : 10 * u;
        lp.line(head, y, tail, y);
        lp.line(head, y, head + back, y - 3 * u);
        lp.line(head, y, head + back, y + 3 * u);
        if (showValues)
            lp.valueText(x - 25 * u, y - 5 * u, FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%g N"), rx), HAlign::Right, VAlign::Top,
                         reactionColor, p, LabelSlide::away());
    }
    if (ry != 0.0) {
        // Vertical arrow below the node, its head 10 units under it when Ry > 0.
        int head = ry > 0.0 ? y - 10 * u : y - 45 * u;
        int tail = ry > 0.0 ? y - 45 * u : y - 10 * u;
        int back = ry > 0.0 ? -10 * u : 10 * u;
        lp.line(x, head, x, tail);
        lp.line(x, head, x - 3 * u, head + back);
        lp.line(x, head, x + 3 * u, head + back);
        if (showValues)
            lp.valueText(x, y - 47 * u, FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%g N"), ry), HAlign::Centre, VAlign::Top, reactionColor,
                         p, LabelSlide::away());
    }
    if (mr != 0.0) {
        // The lower part of a circle of 15 pixels around the node.
        lp.painter.setBrush(Qt::NoBrush);
        lp.arc(x - 15, y - 15, x + 15, y + 15, x - 12 * u, y - 8 * u, x + 12 * u, y - 7 * u);
        if (mr > 0.0) {
            lp.line(x + 12 * u, y - 7 * u, x + 4 * u, y - 9 * u);
            lp.line(x + 12 * u, y - 7 * u, x + 9 * u, y - 15 * u);
        } else {
            lp.line(x - 12 * u, y - 8 * u, x - 4 * u, y - 10 * u);
            lp.line(x - 12 * u, y - 8 * u, x - 9 * u, y - 16 * u);
        }
        if (showValues)
            lp.valueText(x + 17 * u, y - 5 * u, FormatUnitLabel(QT_TRANSLATE_NOOP("Labels", "%g N*M"), mr), HAlign::Left, VAlign::Top,
                         reactionColor, p, LabelSlide::away());
    }
}

QString DisplacementLabel(const Triple &d)
{
    QString label;
    auto append = [&label](const char *format, double value) {
        if (value == 0.0)
            return;
        if (!label.isEmpty())
            label += QStringLiteral("  ");
        label += FormatLabel(format, value);
    };
    append("DX=%g", d.x);
    append("DY=%g", d.y);
    append("R=%g", d.z);
    return label;
}

} // namespace

void drawMoments(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues)
{
    drawMoments(painter, port, structure, showValues, structure.maxMoment());
}

void drawMoments(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues,
                 double largestMoment)
{
    double k = OrdinateScale(40.0 * std::max(1, port.ordinateUnit), largestMoment);
    if (k == 0.0)
        return;
    LogicalPainter lp(painter, port);
    if (showValues)
        lp.useLabelFont();
    for (int i = 0; i < structure.rods.count; ++i) {
        lp.setPen(color(DiagramColor));
        DrawRodMoments(lp, port, structure, i, k, showValues);
    }
}

void drawShear(QPainter &painter, const Viewport &port, const StructureModel &structure, int maxOrdinate,
               bool signs, bool showValues)
{
    DrawEndValueDiagram(painter, port, structure, EndValueKind::Shear, maxOrdinate, signs, showValues);
}

void drawAxial(QPainter &painter, const Viewport &port, const StructureModel &structure, int maxOrdinate,
               bool signs, bool showValues)
{
    DrawEndValueDiagram(painter, port, structure, EndValueKind::Axial, maxOrdinate, signs, showValues);
}

void drawReactions(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues)
{
    LogicalPainter lp(painter, port);
    if (showValues)
        lp.useLabelFont();
    for (const Node &node : structure.nodes)
        DrawNodeReaction(lp, port, node, showValues);
}

void drawDisplacements(QPainter &painter, const Viewport &port, const StructureModel &structure,
                       bool showValues)
{
    LogicalPainter lp(painter, port);
    if (showValues)
        lp.useLabelFont();
    int u = lp.unit();
    // Without any translation there is nothing to scale: offsets stay 0 and
    // a node that only turns is drawn at its own place.
    double largest = structure.maxDisplacement();
    double factor = largest > 0.0 && std::isfinite(largest) ? 40.0 * u / largest : 0.0;
    std::vector<LogicalPoint> displaced;
    displaced.reserve(structure.nodes.count);
    for (const Node &node : structure.nodes) {
        LogicalPoint p = port.toLogical(node.x, node.y);
        displaced.push_back(LogicalPoint{p.x + Trunc(factor * node.resultDisplacement.x),
                                         p.y + Trunc(factor * node.resultDisplacement.y)});
    }
    const Triple still;
    lp.setPen(QColor(191, 191, 191), 1, Qt::DotLine);
    for (const Rod &rod : structure.rods) {
        if (!RodIsDrawable(structure, rod))
            continue;
        if (structure.nodes[rod.begin.node].resultDisplacement == still &&
            structure.nodes[rod.end.node].resultDisplacement == still)
            continue;
        // The deformed rod is shown as a straight chord.
        lp.line(displaced[rod.begin.node], displaced[rod.end.node]);
    }
    for (int i = 0; i < structure.nodes.count; ++i) {
        const Triple &d = structure.nodes[i].resultDisplacement;
        if (d == still)
            continue;
        LogicalPoint p = displaced[i];
        lp.setPen(Qt::black);
        lp.setBrush(Qt::black);
        lp.ellipse(p.x - 2 * u, p.y - 3 * u, p.x + 3 * u, p.y + 2 * u);
        if (showValues)
            lp.valueText(p.x + 5 * u, p.y + 2 * u, DisplacementLabel(d), HAlign::Left, VAlign::Baseline,
                         color(DiagramColor), p, LabelSlide::away());
    }
}
