#include "view/PagePrinter.h"

#include "model/MathException.h"
#include "view/ResultDrawing.h"
#include "view/StructureDrawing.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Shear and axial diagrams: the largest end value is this many pixels long,
// on paper as on the screen.
constexpr int EndValueOrdinate = 50;
// A page this many device pixels wide has a drawing unit of 1.
constexpr int PixelsPerUnit = 800;

} // namespace

int PageMargin(int width, int height)
{
    return std::max(width / 20, height / 20);
}

Viewport PageViewport(int width, int height, const StructureModel &structure)
{
    const int d = PageMargin(width, height);
    Viewport port;
    port.prepare(DeviceRect{d, d, width - d, height - d}, width / PixelsPerUnit);
    const WorldRect extents = structure.extents();
    if (!port.fitTo(extents)) {
        // Every node at one point: show it as a single node is shown, one
        // metre around it.
        port.fitTo(
            WorldRect{extents.left - 1.0, extents.bottom + 1.0, extents.left + 1.0, extents.bottom - 1.0});
    }
    return port;
}

void PrintPage(QPainter &painter, int width, int height, const StructureModel &shown,
               const PageDisplays &displays)
{
    // Nothing is printed in the selection colour: the page draws a copy
    // without the selection.
    StructureModel structure = shown;
    structure.deselectAll();
    if (width <= 0 || height <= 0)
        return;
    const int d = PageMargin(width, height);
    const Viewport page = PageViewport(width, height, structure);
    if (!page.isMapped())
        return;

    painter.save();
    // The page's default font; every label selects its own.
    QFont font(QStringLiteral("Arial"));
    font.setWeight(QFont::Bold);
    if (d > 0)
        font.setPixelSize(d);
    painter.setFont(font);

    try {
        // The structure is printed over the results (on the screen it is the
        // other way round).
        if (displays.showMoments)
            drawMoments(painter, page, structure, displays.showValues);
        else if (displays.showShear)
            drawShear(painter, page, structure, EndValueOrdinate, true, displays.showValues);
        else if (displays.showAxial)
            drawAxial(painter, page, structure, EndValueOrdinate, true, displays.showValues);
        if (displays.showReactions)
            drawReactions(painter, page, structure, displays.showValues);
        if (displays.showDisplacements)
            drawDisplacements(painter, page, structure, displays.showValues);
        drawStructure(painter, page, structure, displays.showNumbers, true);
        if (displays.showLoads)
            drawLoads(painter, page, structure, displays.showValues);
    } catch (const MathException &) {
        // A rod naming a missing node cannot be drawn further; the page
        // keeps what was drawn, as the screen does.
    }
    painter.restore();
}

void PrintPage(QPainter &painter, const StructureModel &structure, const PageDisplays &displays)
{
    QPaintDevice *device = painter.device();
    if (device == nullptr)
        return;
    PrintPage(painter, device->width(), device->height(), structure, displays);
}
