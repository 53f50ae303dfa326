#pragma once

#include "model/StructureModel.h"
#include "view/Viewport.h"

class QPainter;

// The result displays, drawn from the result fields of the rods and nodes.
// Diagram ordinates are scaled in pixels (the largest value is 40 pixels for
// moments and maxOrdinate pixels for shear and axial forces) and do not grow
// with the drawing unit; hatch spacing, symbols and labels do.

// Moment diagram of every rod: positive moments on the right of the rod seen
// from its begin to its end, curved under transverse loads.
void drawMoments(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues);
// The same with the structure's maxMoment already known.
void drawMoments(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues,
                 double largestMoment);

// Shear and axial force diagrams: positive end values above non-vertical
// rods and to the right of vertical ones, whatever the rod's direction; with
// signs, the plus and minus circles beside each rod.
void drawShear(QPainter &painter, const Viewport &port, const StructureModel &structure, int maxOrdinate,
               bool signs, bool showValues);
void drawAxial(QPainter &painter, const Viewport &port, const StructureModel &structure, int maxOrdinate,
               bool signs, bool showValues);

// Reaction arrows and moments of every node with a non-zero reaction.
void drawReactions(QPainter &painter, const Viewport &port, const StructureModel &structure, bool showValues);

// Displaced rods as dotted chords and displaced nodes as black dots; the
// largest displacement component is drawn 40 units long.
void drawDisplacements(QPainter &painter, const Viewport &port, const StructureModel &structure,
                       bool showValues);
