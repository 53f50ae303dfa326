#include "view/GridDrawing.h"

#include "model/Settings.h"
#include "view/DrawingPalette.h"
#include "view/LogicalPainter.h"

#include <QPolygon>
#include <cmath>
#include <vector>

namespace {

// Additions one axis of the grid may take. The coordinates are accumulated
// by repeated addition, which stops advancing when the step is below the
// precision of huge coordinates; the bound ends the walk then.
constexpr int MaxGridSteps = 1000000;

// Logical positions of the dot rows (or columns) from floor(from) while the
// world value is <= ceil(to), keeping those inside [low, high].
std::vector<int> GridLines(double from, double to, double step, double origin, double scale, int offset,
                           double low, double high)
{
    std::vector<int> lines;
    double last = std::ceil(to);
    double value = std::floor(from);
    for (int i = 0; i < MaxGridSteps && value <= last; ++i) {
        int pixel = TruncPixel((value - origin) * scale) + offset;
        if (pixel >= low && pixel <= high)
            lines.push_back(pixel);
        double next = value + step;
        if (next == value)
            break;
        value = next;
    }
    return lines;
}

double ValidOr(double value, double fallback)
{
    return value > 0.0 && std::isfinite(value) ? value : fallback;
}

} // namespace

void drawOriginMarker(QPainter &painter, const Viewport &port)
{
    LogicalPainter lp(painter, port);
    LogicalPoint p = port.toLogical(0.0, 0.0);
    lp.setPen(DrawingPalette::color(DrawingPalette::OriginColor));
    lp.setWhiteBrush();
    lp.ellipse(p.x - 1, p.y - 2, p.x + 2, p.y + 1);
}

int drawGrid(QPainter &painter, const Viewport &port, double step)
{
    if (!port.isMapped() || !(step > 0.0) || !std::isfinite(step))
        return 0;
    LogicalPoint p0 = port.toLogical(0.0, 0.0);
    LogicalPoint p1 = port.toLogical(step, step);
    if (p1.x - p0.x < 5 || p1.y - p0.y < 5)
        return 0;
    WorldRect v = port.visibleWorld();
    LogicalRect area = port.logicalArea();
    std::vector<int> columns = GridLines(v.left, v.right, step, port.originX, port.scale,
                                         port.deviceRect.left, area.left, area.right);
    std::vector<int> rows = GridLines(v.bottom, v.top, step, port.originY, port.scale, -port.deviceRect.top,
                                      area.bottom, area.top);
    LogicalPainter lp(painter, port);
    QPolygon dots;
    dots.reserve(int(std::min<size_t>(columns.size() * rows.size(), MaxGridDots)));
    for (int x : columns) {
        for (int y : rows) {
            if (dots.size() >= MaxGridDots)
                break;
            dots.append(lp.device(x, y));
        }
    }
    lp.setPen(DrawingPalette::color(DrawingPalette::GridColor));
    lp.painter.drawPoints(dots);
    return int(dots.size());
}

double EffectiveGridStep()
{
    return ValidOr(Settings::current().gridStep, 0.5);
}

double EffectiveMouseStep()
{
    return ValidOr(Settings::current().mouseStep, 0.1);
}
