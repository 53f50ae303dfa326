#pragma once

#include "model/StructureModel.h"
#include "view/Viewport.h"

#include <QDate>
#include <QString>

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
    // Named in the title block along the bottom margin; empty for a
    // structure without a file.
    QString fileName;
    // The date in the title block; today when not set.
    QDate date;
};

// What the page shows, for its title block: "Моменты, N·m" and the like,
// joined by "; " when the reactions are shown too.
QString PageContents(const PageDisplays &displays);

// Margin of a page width x height device pixels: a twentieth of its larger
// side (integer division), the same on all four edges.
int PageMargin(int width, int height);

// The mapping of a page: the area inside the margins, the drawing unit
// width / 800 (0 on pages narrower than 800 pixels) and the structure's
// extents, without any extra margin, filling the area in the tighter
// direction, centred in it. Diagram ordinates grow with the unit; labels
// are at least 8 points high at `dotsPerInch` (0: no minimum).
Viewport PageViewport(int width, int height, const StructureModel &structure, int dotsPerInch = 0);

// The mapping PrintPage draws with: PageViewport, with the lowest line of
// the area left to the title block and room made for the value labels.
Viewport PrintedPageViewport(int width, int height, const StructureModel &structure, const PageDisplays &displays,
                             int dotsPerInch);

// Draws the one page of the structure on a painter whose device is
// width x height pixels: the result displays, the structure over them, the
// loads on top and the value labels last, placed so that none covers
// another and the area leaves room for them, all in their normal colours (a
// selection is not shown; the structure itself is not changed); a one-line
// title block runs along the bottom margin. The page does not depend on
// any screen mapping. The same function serves the printer, the
// preview and the exported files.
void PrintPage(QPainter &painter, int width, int height, const StructureModel &structure,
               const PageDisplays &displays);
// The same on the painter's whole device.
void PrintPage(QPainter &painter, const StructureModel &structure, const PageDisplays &displays);
