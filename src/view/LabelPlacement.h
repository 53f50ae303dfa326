#pragma once

#include <QPointF>
#include <QRectF>
#include <vector>

// Collision-free placement of value labels, as a pure function over
// rectangles (device pixels). Each label has the box it takes at its
// specified anchor, the point it names, and the offsets it may move by,
// best first. Labels are placed in order: a label keeps its anchor when the
// box meets no label placed before it, else takes the first offset that
// meets none. When every offset collides it takes the one that overlaps
// least: a label is never dropped.
struct LabelRequest {
    QRectF box;                 // at the specified anchor
    QPointF target;             // the point the label names
    std::vector<QPointF> moves; // candidate offsets of the box, best first
};

struct LabelPlace {
    QRectF box;
    bool moved = false;
    // Moved far from its anchor: a thin line should join it to its target.
    bool leader = false;
};

// `gap`: the free space kept between two labels. `area`: labels whose box
// lies wholly outside it (not visible) stay at their anchor and are not
// considered. `leaderDistance`: an offset longer than this asks for a
// leader line.
std::vector<LabelPlace> PlaceLabels(const std::vector<LabelRequest> &requests, const QRectF &area, double gap,
                                    double leaderDistance);

// The offsets of a label that slides along a direction (unit vector, device
// coordinates): first along it, then against it, then beside the line on
// either side. `step` is the distance between two tries.
std::vector<QPointF> MovesAlong(QPointF direction, QPointF side, double step, double reach);
// The offsets of a label that moves away from the point it names: straight
// away first, then turning to either side in steps of 45 degrees.
std::vector<QPointF> MovesAway(QPointF away, double step, double reach);
