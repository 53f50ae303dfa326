#pragma once

#include "model/Types.h"

// Integer rectangle in device pixels (left, top, right, bottom; y downward).
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// A point in logical pixels: one unit per device pixel, y upward from the
// bottom of the drawing area.
struct LogicalPoint {
    int x = 0;
    int y = 0;

    bool operator==(const LogicalPoint &other) const { return x == other.x && y == other.y; }
};

// Scaled values of a world rectangle (left, top, right, bottom), in pixels,
// without the origin: used for the scroll bars and the zoom limits.
struct ScaledRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Logical coordinates of a rectangle (y upward, bottom <= top).
struct LogicalRect {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;
};

// Converts a pixel value to int, dropping the fraction toward zero. Values
// beyond +-PixelLimit (and infinities) are clamped and NaN becomes 0, so that
// far-away world points can neither overflow the integer arithmetic of the
// drawing nor reach undefined conversions. The limit leaves room for the
// symbol offsets and midpoint sums that are added to these values.
constexpr double PixelLimit = 500000000.0;
int TruncPixel(double value);

// The mapping between world coordinates (metres, y upward) and logical
// pixels of one drawing area: the screen's client area or a printed page.
// A new Viewport has scale 0 (nothing mapped yet) and unit 1.
class Viewport {
public:
    DeviceRect deviceRect;
    double originX = 0.0; // world x at the left edge of the area, m
    double originY = 0.0; // world y at the bottom edge of the area, m
    double scale = 0.0;   // pixels per metre, equal in x and y
    int unit = 1;         // drawing unit: 1 on the screen, page width / 800 on paper
    // The smallest label font height in device pixels (paper: 8 points at
    // the page's resolution); 0 leaves the labels at 12 units.
    int minimumFontPixels = 0;
    // Diagram ordinates of the largest value grow with this factor (paper:
    // the drawing unit, so a diagram keeps its screen proportions).
    int ordinateUnit = 1;

    // True once a fit has given the mapping a usable scale.
    bool isMapped() const;

    // The arithmetic part of preparing a drawing context: takes the area and
    // the drawing unit. The painter side is the caller's (LogicalPainter).
    void prepare(const DeviceRect &rect, int drawingUnit);

    LogicalPoint toLogical(double x, double y) const;
    Pair toWorld(int lx, int ly) const;
    WorldRect visibleWorld() const;
    ScaledRect scaledRect(const WorldRect &r) const;
    // The logical rectangle covered by the drawing area.
    LogicalRect logicalArea() const;

    // Each keeps the centre of the visible world.
    void zoomIn();
    void zoomOut();
    // Places r at the bottom-left of the area at the largest scale that shows
    // all of it. A rectangle without area, or one that gives no finite
    // positive scale, leaves the mapping unchanged and returns false.
    bool fitTo(const WorldRect &r);
    void panX(double d) { originX += d; }
    void panY(double d) { originY += d; }
};

// Rounds to the nearest integer; an exact half rounds toward zero.
double roundHalfDown(double t);
// v rounded to a multiple of step (the mouse step, m).
double snap(double v, double step);
