#pragma once

#include "model/StructureModel.h"
#include "view/Viewport.h"

// What lies under a point of the view.
enum HitKind : int {
    HitNone = 0,
    HitNode = 1,
    HitRod = 3,
};

struct HitResult {
    HitKind kind = HitNone;
    int index = -1; // position in the node or rod list; -1 with HitNone

    bool operator==(const HitResult &other) const { return kind == other.kind && index == other.index; }
};

// Pixels around the point within which an element is hit (exclusive), on
// the screen whatever the scale.
constexpr int HitTolerance = 10;

// The first node (in list order) whose logical point lies less than 10
// pixels from p in x and in y; otherwise the first rod of which a pixel of
// the digital line between its nodes' logical points lies that close;
// otherwise nothing. Nodes win over rods. The points are those the drawing
// uses (Viewport::toLogical); rods naming missing nodes are skipped.
HitResult hitTest(const StructureModel &structure, LogicalPoint p, const Viewport &port);

// Whether a pixel of the digital straight line from b to e lies in the open
// box of half-width HitTolerance around p. The line is the one walked pixel
// by pixel from b with two error terms (the major coordinate advances one
// pixel per step); the answer is computed for the pixels near p only, so a
// rod millions of pixels long costs no more than a short one.
bool LineNearPoint(LogicalPoint b, LogicalPoint e, LogicalPoint p);

// The point at which a click on a rod puts a node onto it: the (snapped)
// click point moved onto the rod's straight line, so that splitting the rod
// or loading it there never bends it. The coordinate along the rod's longer
// extent (x for rods flatter than 45 degrees) is kept, limited to the rod's
// ends, and the other is taken from the line: a horizontal rod keeps its
// exact y, a vertical one its exact x, and an inclined one a grid value on
// its major axis. A rod of no length or naming missing nodes gives the point
// unchanged.
Pair PointOnRod(const StructureModel &structure, int rod, Pair point);
