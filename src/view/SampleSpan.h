#pragma once

#include "view/Viewport.h"

// The samples t = k * step (k = 0, 1, ..., 0 <= t <= length) along a line
// from a logical point in the direction (c, s) that can show in the drawing
// area. Samples far outside the area draw nothing visible, so the loops of
// the load arrows and diagram ordinates visit only these: the work of a
// paint stays bounded by the size of the area, however long a rod is on the
// screen. One sample beyond each end of the visible stretch is included so
// that outlines joining neighbouring samples stay continuous.
struct SampleSpan {
    long long first = 0; // first index to visit
    long long last = -1; // last index to visit; below first when nothing shows
    long long final = 0; // index of the last sample of the whole line

    bool isEmpty() const { return last < first; }
    // True when the visit reaches the line's final sample, after which the
    // diagrams draw their end ordinate.
    bool reachesEnd() const { return !isEmpty() && last == final; }
};

// step must be positive; the area is widened by a margin that covers
// ordinates, arrows and labels drawn beside the line.
SampleSpan VisibleSamples(LogicalPoint start, double c, double s, double length, double step,
                          const Viewport &port);
