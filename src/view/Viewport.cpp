#include "view/Viewport.h"

#include <algorithm>
#include <cmath>

int TruncPixel(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -PixelLimit, PixelLimit));
}

bool Viewport::isMapped() const
{
    return scale > 0.0 && std::isfinite(scale);
}

void Viewport::prepare(const DeviceRect &rect, int drawingUnit)
{
    deviceRect = rect;
    unit = drawingUnit;
}

LogicalPoint Viewport::toLogical(double x, double y) const
{
    // On paper subtracting top puts world originY on the bottom margin.
    return LogicalPoint{TruncPixel((x - originX) * scale) + deviceRect.left,
                        TruncPixel((y - originY) * scale) - deviceRect.top};
}

Pair Viewport::toWorld(int lx, int ly) const
{
    // The inverse of toLogical: top was subtracted there, so it is added
    // back here (on the screen top is 0 and both forms agree).
    return Pair((lx - deviceRect.left) / scale + originX, (ly + deviceRect.top) / scale + originY);
}

WorldRect Viewport::visibleWorld() const
{
    WorldRect r;
    r.left = originX;
    r.bottom = originY;
    r.right = originX + deviceRect.width() / scale;
    r.top = originY + deviceRect.height() / scale;
    return r;
}

ScaledRect Viewport::scaledRect(const WorldRect &r) const
{
    return ScaledRect{TruncPixel(r.left * scale), TruncPixel(r.top * scale), TruncPixel(r.right * scale),
                      TruncPixel(r.bottom * scale)};
}

LogicalRect Viewport::logicalArea() const
{
    // Device y = height - logical y; the area spans device rows top..bottom.
    LogicalRect area;
    area.left = deviceRect.left;
    area.right = deviceRect.right;
    area.bottom = -deviceRect.top;
    area.top = deviceRect.height() - deviceRect.top;
    return area;
}

void Viewport::zoomIn()
{
    WorldRect v = visibleWorld();
    originX += 0.25 * (v.right - v.left);
    originY += 0.25 * (v.top - v.bottom);
    scale *= 2.0;
}

void Viewport::zoomOut()
{
    WorldRect v = visibleWorld();
    originX -= 0.5 * (v.right - v.left);
    originY -= 0.5 * (v.top - v.bottom);
    scale *= 0.5;
}

bool Viewport::fitTo(const WorldRect &r)
{
    double width = r.right - r.left;
    double height = r.top - r.bottom;
    if (!(width > 0.0) || !(height > 0.0) || !std::isfinite(r.left) || !std::isfinite(r.bottom))
        return false;
    double newScale = std::min(deviceRect.width() / width, deviceRect.height() / height);
    if (!(newScale > 0.0) || !std::isfinite(newScale))
        return false;
    originX = r.left;
    originY = r.bottom;
    scale = newScale;
    return true;
}

double roundHalfDown(double t)
{
    double sign = t < 0.0 ? -1.0 : 1.0;
    double magnitude = std::fabs(t);
    double whole = std::floor(magnitude);
    return sign * (magnitude - whole > 0.5 ? std::ceil(magnitude) : whole);
}

double snap(double v, double step)
{
    return roundHalfDown(v / step) * step;
}
