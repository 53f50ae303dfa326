// The world-to-pixel mapping, its fitting and zooming, snapping, and the
// bounded sampling of long lines.

#include "view/Viewport.h"

#include "view/SampleSpan.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

Viewport MakePort(DeviceRect rect, double originX, double originY, double scale)
{
    Viewport port;
    port.prepare(rect, 1);
    port.originX = originX;
    port.originY = originY;
    port.scale = scale;
    return port;
}

void ExpectNear(double expected, double actual, const char *what)
{
    EXPECT_NEAR(expected, actual, 1e-9 * std::max(1.0, std::fabs(expected))) << what;
}

TEST(Viewport, NewViewportIsUnmappedWithUnitOne)
{
    Viewport port;
    EXPECT_EQ(0.0, port.scale);
    EXPECT_EQ(1, port.unit);
    EXPECT_FALSE(port.isMapped());
}

TEST(Viewport, MapsWorldToLogicalPixelsOnScreenAndPaper)
{
    struct Case {
        DeviceRect rect;
        double originX, originY, scale;
        double x, y;
        LogicalPoint expected;
    };
    const Case cases[] = {
        // Screen: the area's bottom-left corner shows the origin.
        {{0, 0, 700, 500}, -2.0, -2.0, 50.0, 0.0, 0.0, {100, 100}},
        {{0, 0, 700, 500}, -2.0, -2.0, 50.0, 1.26, 0.349, {163, 117}},
        // Fractions drop toward zero, also below the origin.
        {{0, 0, 700, 500}, 0.0, 0.0, 10.0, -0.27, -0.33, {-2, -3}},
        // Paper with 240-pixel margins: x moves right by the margin, and
        // world originY lands on logical -240, the bottom margin.
        {{240, 240, 4560, 3360}, 0.0, 0.0, 100.0, 1.0, 1.0, {340, -140}},
        {{240, 240, 4560, 3360}, 0.0, 0.0, 100.0, 0.0, 0.0, {240, -240}},
    };
    for (const Case &c : cases) {
        Viewport port = MakePort(c.rect, c.originX, c.originY, c.scale);
        LogicalPoint p = port.toLogical(c.x, c.y);
        EXPECT_EQ(c.expected.x, p.x) << "x of (" << c.x << ", " << c.y << ")";
        EXPECT_EQ(c.expected.y, p.y) << "y of (" << c.x << ", " << c.y << ")";
        Pair back = port.toWorld(p.x, p.y);
        EXPECT_NEAR(c.x, back.x, 1.0 / c.scale);
        EXPECT_NEAR(c.y, back.y, 1.0 / c.scale);
    }
}

TEST(Viewport, LogicalAreaOfPaperKeepsTheBottomMarginAtOriginY)
{
    // Device rows 240..3360 of a 4800 x 3600 page; device y = h - logical y.
    Viewport port = MakePort({240, 240, 4560, 3360}, 0.0, 0.0, 100.0);
    LogicalRect area = port.logicalArea();
    int h = port.deviceRect.height();
    EXPECT_EQ(3360, h - int(area.bottom));
    EXPECT_EQ(240, h - int(area.top));
    EXPECT_EQ(240, area.left);
    EXPECT_EQ(4560, area.right);
}

TEST(Viewport, VisibleWorldAndScaledRect)
{
    Viewport port = MakePort({0, 0, 700, 500}, -2.0, -2.0, 50.0);
    WorldRect v = port.visibleWorld();
    ExpectNear(-2.0, v.left, "left");
    ExpectNear(-2.0, v.bottom, "bottom");
    ExpectNear(12.0, v.right, "right");
    ExpectNear(8.0, v.top, "top");
    ScaledRect s = port.scaledRect(WorldRect{-2.0, 8.0, 12.0, -2.0});
    EXPECT_EQ(-100, s.left);
    EXPECT_EQ(400, s.top);
    EXPECT_EQ(600, s.right);
    EXPECT_EQ(-100, s.bottom);
}

TEST(Viewport, FitPlacesTheRectangleAtTheBottomLeftInTheTighterDirection)
{
    struct Case {
        DeviceRect rect;
        double expectedScale;
    };
    // The same 14 m x 10 m rectangle in three areas.
    const Case cases[] = {
        {{0, 0, 700, 500}, 50.0},  // both directions fit exactly
        {{0, 0, 1000, 500}, 50.0}, // spare room to the right
        {{0, 0, 700, 900}, 50.0},  // spare room at the top
        {{0, 0, 350, 900}, 25.0},
    };
    for (const Case &c : cases) {
        Viewport port = MakePort(c.rect, 0.0, 0.0, 0.0);
        ASSERT_TRUE(port.fitTo(WorldRect{-2.0, 8.0, 12.0, -2.0}));
        ExpectNear(c.expectedScale, port.scale, "scale");
        ExpectNear(-2.0, port.originX, "originX");
        ExpectNear(-2.0, port.originY, "originY");
    }
}

TEST(Viewport, FitRefusesRectanglesWithoutAreaAndKeepsTheMapping)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const WorldRect refused[] = {
        {5.0, 5.0, 5.0, 5.0},       // all nodes at one point
        {0.0, 5.0, 10.0, 5.0},      // no height
        {nan, 1.0, 1.0, 0.0},       // not a number
        {-inf, 1.0, inf, 0.0},      // infinitely wide: scale 0
        {0.0, 1e-320, 1e-320, 0.0}, // so small that the scale overflows
    };
    for (const WorldRect &r : refused) {
        Viewport port = MakePort({0, 0, 700, 500}, 1.0, 2.0, 3.0);
        EXPECT_FALSE(port.fitTo(r));
        EXPECT_EQ(1.0, port.originX);
        EXPECT_EQ(2.0, port.originY);
        EXPECT_EQ(3.0, port.scale);
    }
    Viewport empty = MakePort({0, 0, 0, 0}, 0.0, 0.0, 0.0);
    EXPECT_FALSE(empty.fitTo(WorldRect{0.0, 1.0, 1.0, 0.0})) << "an area of no size gives no scale";
}

TEST(Viewport, ZoomKeepsTheCentreOfTheVisibleWorld)
{
    Viewport port = MakePort({0, 0, 700, 500}, -2.0, -2.0, 50.0);
    auto centre = [&port] {
        WorldRect v = port.visibleWorld();
        return Pair((v.left + v.right) / 2, (v.top + v.bottom) / 2);
    };
    Pair before = centre();
    port.zoomIn();
    ExpectNear(100.0, port.scale, "scale after zoom in");
    ExpectNear(before.x, centre().x, "centre x after zoom in");
    ExpectNear(before.y, centre().y, "centre y after zoom in");
    port.zoomOut();
    port.zoomOut();
    ExpectNear(25.0, port.scale, "scale after zoom out");
    ExpectNear(before.x, centre().x, "centre x after zoom out");
    ExpectNear(before.y, centre().y, "centre y after zoom out");
}

TEST(Viewport, SnapRoundsExactHalvesTowardZero)
{
    struct Case {
        double value, step, expected;
    };
    const Case cases[] = {
        {2.5, 1.0, 2.0},   {-2.5, 1.0, -2.0},  {2.51, 1.0, 3.0}, {-2.51, 1.0, -3.0}, {1.26, 0.1, 1.3},
        {0.25, 0.1, 0.2},  {-0.25, 0.1, -0.2}, {1.26, 0.1, 1.3}, {0.349, 0.1, 0.3},  {0.0, 0.1, 0.0},
        {-0.04, 0.1, 0.0}, {7.0, 0.5, 7.0},    {7.3, 0.5, 7.5},  {7.25, 0.5, 7.0},
    };
    for (const Case &c : cases)
        EXPECT_NEAR(c.expected, snap(c.value, c.step), 1e-12) << "snap(" << c.value << ", " << c.step << ")";

    EXPECT_EQ(0.0, roundHalfDown(0.5));
    EXPECT_EQ(1.0, roundHalfDown(0.500001));
    EXPECT_EQ(-1.0, roundHalfDown(-0.6));
    EXPECT_EQ(3.0, roundHalfDown(3.0));
}

TEST(Viewport, PixelConversionClampsFarAndInvalidValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(2, TruncPixel(2.7));
    EXPECT_EQ(-2, TruncPixel(-2.7));
    EXPECT_EQ(0, TruncPixel(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(int(PixelLimit), TruncPixel(inf));
    EXPECT_EQ(-int(PixelLimit), TruncPixel(-1e300));

    // A node far outside the window maps to a clamped pixel, never to an
    // overflowed one.
    Viewport port = MakePort({0, 0, 700, 500}, 0.0, 0.0, 1e6);
    LogicalPoint far = port.toLogical(1e300, -1e300);
    EXPECT_EQ(int(PixelLimit), far.x);
    EXPECT_EQ(-int(PixelLimit), far.y);
}

TEST(SampleSpan, VisitsEverySampleOfALineInsideTheArea)
{
    Viewport port = MakePort({0, 0, 700, 500}, 0.0, 0.0, 50.0);
    SampleSpan span = VisibleSamples(LogicalPoint{100, 100}, 1.0, 0.0, 95.0, 10.0, port);
    EXPECT_EQ(0, span.first);
    EXPECT_EQ(9, span.last);
    EXPECT_TRUE(span.reachesEnd());

    SampleSpan point = VisibleSamples(LogicalPoint{100, 100}, 0.0, 0.0, 0.0, 5.0, port);
    EXPECT_EQ(0, point.first);
    EXPECT_EQ(0, point.last);

    EXPECT_TRUE(VisibleSamples(LogicalPoint{100, 100}, 1.0, 0.0, 95.0, 0.0, port).isEmpty())
        << "a step of 0 would never advance";
}

TEST(SampleSpan, VisitsOnlyTheVisibleStretchOfAHugeLine)
{
    Viewport port = MakePort({0, 0, 700, 500}, 0.0, 0.0, 50.0);
    // From 1e9 pixels left of the area to 1e9 pixels right of it.
    const double length = 2e9;
    SampleSpan span = VisibleSamples(LogicalPoint{-1000000000, 250}, 1.0, 0.0, length, 1.0, port);
    ASSERT_FALSE(span.isEmpty());
    EXPECT_LE(span.first, 1e9) << "the samples over the area are visited";
    EXPECT_GE(span.last, 1e9 + 700);
    EXPECT_LT(span.last - span.first, 10000) << "but not the billions outside it";
    EXPECT_FALSE(span.reachesEnd());

    SampleSpan away = VisibleSamples(LogicalPoint{-1000000000, 100000}, 1.0, 0.0, length, 1.0, port);
    EXPECT_TRUE(away.isEmpty()) << "a line far above the area visits nothing";
}

} // namespace
