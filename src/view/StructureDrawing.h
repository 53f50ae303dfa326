#pragma once

#include "model/StructureModel.h"
#include "view/Viewport.h"

#include <span>

class QPainter;

// One stroke of a support symbol, in drawing units relative to the node,
// y upward.
struct SymbolStroke {
    int x1, y1, x2, y2;
};

// The support symbol of a joint type; empty for None and unknown values.
std::span<const SymbolStroke> SupportSymbol(JointType joint);

// Every rod (line, then with drawEnds the symbols of its begin and end, then
// its number with showNumbers), then every node (symbol, then number).
// Numbers are the elements' labels, or their 0-based positions in debug mode.
void drawStructure(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showNumbers,
                   bool drawEnds);

// For every rod its distributed and temperature loads, then for every node
// its force, moment and prescribed displacement; values with showValues.
void drawLoads(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues);

// True when both end positions of the rod name existing nodes, so that the
// drawing can look them up without raising.
bool RodIsDrawable(const StructureModel &structure, const Rod &rod);
