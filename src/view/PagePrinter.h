#pragma once

#include "model/StructureModel.h"
#include "view/Viewport.h"

class QPainter;

// What a printed page shows besides the structure itself: the document's
// result displays, the view's load and value switches and the numbers
// setting. The grid is never printed.
struct PageDisplays {
    bool showMoments = false;
    bool showShear = false;
    bool showAxial = false;
    bool showReactions = false;
    bool showDisplacements = false;
    bool showLoads = true;
    bool showValues = true;
    bool showNumbers = true;
};

// Margin of a page width x height device pixels: a twentieth of its larger
// side (integer division), the same on all four edges.
int PageMargin(int width, int height);

// The mapping of a page: the area inside the margins, the drawing unit
// width / 800 (0 on pages narrower than 800 pixels) and the structure's
// extents, without any extra margin, filling the area in the tighter
// direction with their lower-left corner on the area's lower-left corner.
Viewport PageViewport(int width, int height, const StructureModel &structure);

// Draws the one page of the structure on a painter whose device is
// width x height pixels: the result displays, the structure over them and
// the loads on top, all in their normal colours (a selection is not shown;
// the structure itself is not changed). The page does not
// depend on any screen mapping. The same function serves the printer, the
// preview and the exported files.
void PrintPage(QPainter &painter, int width, int height, const StructureModel &structure,
               const PageDisplays &displays);
// The same on the painter's whole device.
void PrintPage(QPainter &painter, const StructureModel &structure, const PageDisplays &displays);
