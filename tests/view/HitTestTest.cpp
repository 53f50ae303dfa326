// Hit testing: the 10-pixel box, nodes before rods, list order, and the
// digital line of a rod compared with a pixel-by-pixel walk.

#include "view/HitTest.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

// The walk of every pixel from b to e with two error terms, as the drawing
// steps a line, testing each pixel against the open 10-pixel box.
bool WalkedLineNear(LogicalPoint b, LogicalPoint e, LogicalPoint p)
{
    const int dx = e.x - b.x;
    const int dy = e.y - b.y;
    const int n = std::max(std::abs(dx), std::abs(dy));
    int x = b.x;
    int y = b.y;
    int ex = 0;
    int ey = 0;
    for (int j = 0; j <= n + 1; ++j) {
        if (p.x - 10 < x && x < p.x + 10 && p.y - 10 < y && y < p.y + 10)
            return true;
        ex += std::abs(dx);
        if (ex > n) {
            ex -= n;
            x += dx > 0 ? 1 : -1;
        }
        ey += std::abs(dy);
        if (ey > n) {
            ey -= n;
            y += dy > 0 ? 1 : -1;
        }
    }
    return false;
}

TEST(HitTestTest, RodLinesAgreeWithThePixelWalk)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> coordinate(-60, 60);
    int hits = 0;
    for (int i = 0; i < 20000; ++i) {
        const LogicalPoint b{coordinate(random), coordinate(random)};
        const LogicalPoint e{coordinate(random), coordinate(random)};
        const LogicalPoint p{coordinate(random), coordinate(random)};
        const bool expected = WalkedLineNear(b, e, p);
        hits += expected;
        ASSERT_EQ(LineNearPoint(b, e, p), expected) << "line (" << b.x << "," << b.y << ")-(" << e.x << ","
                                                    << e.y << ") point (" << p.x << "," << p.y << ")";
    }
    EXPECT_GT(hits, 1000) << "the sample must contain hits and misses";
    EXPECT_LT(hits, 19000);
}

TEST(HitTestTest, AVeryLongRodIsTestedNearThePointOnly)
{
    const LogicalPoint b{-400000000, -3};
    const LogicalPoint e{400000000, 5};
    EXPECT_TRUE(LineNearPoint(b, e, LogicalPoint{0, 0}));
    EXPECT_TRUE(LineNearPoint(b, e, LogicalPoint{0, 10}));
    EXPECT_FALSE(LineNearPoint(b, e, LogicalPoint{0, 12}));
    EXPECT_FALSE(LineNearPoint(b, e, LogicalPoint{400000011, 5})) << "beyond the end";
    EXPECT_TRUE(LineNearPoint(b, e, LogicalPoint{400000009, 5}));
}

TEST(HitTestTest, ANodeIsHitUpToNinePixelsAwayInEachAxis)
{
    StructureModel structure;
    structure.nodes.Add(Node(1));
    structure.nodes[0].x = 2;
    structure.nodes[0].y = 3;
    Viewport port;
    port.prepare(DeviceRect{0, 0, 200, 100}, 1);
    port.scale = 10; // the node at logical (20, 30)

    struct Case {
        int dx;
        int dy;
        bool hit;
    };
    const Case cases[] = {
        {0, 0, true},    {9, 0, true},   {-9, 0, true},    {0, 9, true},    {0, -9, true},
        {9, 9, true},    {-9, 9, true},  {9, -9, true},    {-9, -9, true},  {10, 0, false},
        {-10, 0, false}, {0, 10, false}, {0, -10, false},  {10, 10, false}, {11, 0, false},
        {0, -11, false}, {9, 10, false}, {-10, -9, false}, {11, 11, false},
    };
    for (const Case &c : cases) {
        const HitResult hit = hitTest(structure, LogicalPoint{20 + c.dx, 30 + c.dy}, port);
        EXPECT_EQ(hit, c.hit ? (HitResult{HitNode, 0}) : HitResult{}) << c.dx << "," << c.dy;
    }

    // The same box around every pixel of a rod: a horizontal rod at y = 30.
    structure.nodes.Add(Node(2));
    structure.nodes[1].x = 12;
    structure.nodes[1].y = 3;
    structure.rods.Add(Rod(1, 0, 1));
    for (const Case &c : {Case{0, 9, true}, Case{0, 10, false}, Case{0, 11, false}, Case{0, -9, true},
                          Case{0, -10, false}, Case{0, -11, false}}) {
        const HitResult hit = hitTest(structure, LogicalPoint{70, 30 + c.dy}, port);
        EXPECT_EQ(hit, c.hit ? (HitResult{HitRod, 0}) : HitResult{}) << "rod, " << c.dy;
    }
}

TEST(HitTestTest, NodesWinOverRodsAndTheFirstInListOrderWins)
{
    StructureModel structure;
    structure.nodes.Add(Node(1));
    structure.nodes.Add(Node(2));
    structure.nodes.Add(Node(3));
    structure.nodes[1].x = 10;  // (10, 0)
    structure.nodes[2].x = 0.5; // 5 pixels right of node 0
    structure.rods.Add(Rod(1, 0, 1));
    structure.rods.Add(Rod(2, 0, 1));
    Viewport port;
    port.prepare(DeviceRect{0, 0, 200, 100}, 1);
    port.scale = 10; // 10 pixels per metre, origin at (0, 0)

    struct Case {
        LogicalPoint p;
        HitResult expected;
    };
    const Case cases[] = {
        {{9, 9}, {HitNode, 0}},    {{-9, -9}, {HitNode, 0}},   {{10, 0}, {HitNode, 2}},
        {{14, 9}, {HitNode, 2}},   {{15, 9}, {HitRod, 0}},     {{50, 9}, {HitRod, 0}},
        {{50, 10}, {HitNone, -1}}, {{50, -10}, {HitNone, -1}}, {{109, 0}, {HitNode, 1}},
        {{110, 0}, {HitNone, -1}}, {{-10, 0}, {HitNone, -1}},
    };
    for (const Case &c : cases) {
        const HitResult hit = hitTest(structure, c.p, port);
        EXPECT_EQ(hit.kind, c.expected.kind) << c.p.x << "," << c.p.y;
        EXPECT_EQ(hit.index, c.expected.index) << c.p.x << "," << c.p.y;
    }

    // A rod naming a missing node is skipped, never indexed.
    structure.rods[0].end.node = 7;
    EXPECT_EQ(hitTest(structure, LogicalPoint{50, 0}, port), (HitResult{HitRod, 1}));
}

TEST(HitTestTest, APointOnARodLiesOnItsLine)
{
    struct Case {
        const char *what;
        Pair begin, end, click, expected;
    };
    const Case cases[] = {
        {"horizontal: y is the rod's", {0, 3}, {6, 3}, {2, 3.1}, {2, 3}},
        {"horizontal drawn right to left", {6, 3}, {0, 3}, {2.5, 2.9}, {2.5, 3}},
        {"vertical: x is the rod's", {4, 0}, {4, 3}, {4.1, 1.5}, {4, 1.5}},
        {"45 degrees: x kept, y from the line", {0, 0}, {3, 3}, {2, 2.1}, {2, 2}},
        {"flat incline keeps x", {0, 0}, {4, 1}, {2, 0.3}, {2, 0.5}},
        {"steep incline keeps y", {1, 0}, {2, 4}, {1.3, 2}, {1.5, 2}},
        {"a point on the rod stays", {0, 0}, {3, 1}, {1.5, 0.5}, {1.5, 0.5}},
        {"beyond the end: the end", {0, 0}, {6, 0}, {6.1, 0.1}, {6, 0}},
        {"before the begin: the begin", {0, 0}, {0, 4}, {0.1, -0.2}, {0, 0}},
    };
    for (const Case &c : cases) {
        StructureModel s;
        s.addNode(c.begin.x, c.begin.y, true);
        s.addNode(c.end.x, c.end.y, true);
        s.addRod(0, 1);
        ASSERT_EQ(s.rods.count, 1) << c.what;
        const Pair p = PointOnRod(s, 0, c.click);
        EXPECT_NEAR(p.x, c.expected.x, 1e-12 * (1 + std::fabs(c.expected.x))) << c.what;
        EXPECT_NEAR(p.y, c.expected.y, 1e-12 * (1 + std::fabs(c.expected.y))) << c.what;
    }

    // Axis-parallel rods keep their coordinate exactly, not within rounding.
    StructureModel s;
    s.addNode(0.1, 0.7, true);
    s.addNode(5.3, 0.7, true);
    s.addNode(0.1, 9.9, true);
    s.addRod(0, 1);
    s.addRod(0, 2);
    EXPECT_EQ(PointOnRod(s, 0, Pair(1.3, 0.8)), Pair(1.3, 0.7));
    EXPECT_EQ(PointOnRod(s, 1, Pair(0.2, 3.3)), Pair(0.1, 3.3));
}

TEST(HitTestTest, APointOnARodWithoutDirectionIsTheClick)
{
    StructureModel s;
    s.addNode(1, 1, true);
    s.addNode(2, 1, true);
    s.addRod(0, 1);
    s.nodes[1].x = 1; // the rod has no length now
    EXPECT_EQ(PointOnRod(s, 0, Pair(1.2, 0.9)), Pair(1.2, 0.9));
    EXPECT_EQ(PointOnRod(s, 5, Pair(1.2, 0.9)), Pair(1.2, 0.9)) << "no such rod";
    s.rods[0].end.node = 7;
    EXPECT_EQ(PointOnRod(s, 0, Pair(1.2, 0.9)), Pair(1.2, 0.9)) << "a missing node";
}

} // namespace
