#pragma once

#include "model/StructureModel.h"

// The extreme of a rod's moment diagram strictly inside its span. A rod with
// a transverse distributed load has a parabolic diagram whose vertex can lie
// between the ends (qL²/8 in the middle of a simply supported span); the
// end values alone miss it.
struct SpanExtreme {
    bool exists = false;
    double distance = 0.0; // from the begin node along the rod, m
    double value = 0.0;    // moment there, N*M, in the sign convention of momentAt
};

// From the rod's end moments and load: the vertex of the parabola when the
// rod has a transverse load and the vertex lies inside the span (not within
// a millionth of the length of an end).
SpanExtreme MomentExtremeInSpan(const StructureModel &structure, int rod);
