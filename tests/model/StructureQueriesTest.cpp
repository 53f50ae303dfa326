#include "ModelTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// One rod from (x0, y0) to (x1, y1) with the given end moments and load.
StructureModel OneRod(double x0, double y0, double x1, double y1, Pair moments = Pair(), Pair load = Pair())
{
    StructureModel model;
    model.nodes.Add(MakeNode(1, x0, y0));
    model.nodes.Add(MakeNode(2, x1, y1));
    Rod rod = MakeRod(1, 0, 1);
    rod.resultM = moments;
    rod.load = load;
    model.rods.Add(rod);
    return model;
}

void ExpectNear(double expected, double actual, const char *what)
{
    const double tolerance = 1e-12 * std::max(1.0, std::fabs(expected));
    EXPECT_NEAR(actual, expected, tolerance) << what;
}

} // namespace

TEST(StructureQueries, LengthAndDirection)
{
    struct Case {
        double x0, y0, x1, y1;
        double length, cos, sin;
    };
    const Case cases[] = {
        {0, 0, 3, 4, 5, 0.6, 0.8},
        {1, 1, -2, -3, 5, -0.6, -0.8},
        {0, 0, 0, 2.5, 2.5, 0, 1},
        {-1, 0, -7, 0, 6, -1, 0},
    };
    for (const Case &c : cases) {
        StructureModel model = OneRod(c.x0, c.y0, c.x1, c.y1);
        ExpectNear(c.length, model.rodLength(0), "length");
        ExpectNear(c.cos, model.rodCos(0), "cos");
        ExpectNear(c.sin, model.rodSin(0), "sin");
    }
    // A rod of zero length has the direction of the x axis, not NaN.
    StructureModel point = OneRod(2, 2, 2, 2);
    EXPECT_EQ(point.rodLength(0), 0.0);
    EXPECT_EQ(point.rodCos(0), 1.0);
    EXPECT_EQ(point.rodSin(0), 0.0);
}

TEST(StructureQueries, MomentAlongARod)
{
    // Simply supported 4 m span under 10 N/M downwards: q L^2 / 8 = 20 at mid-span.
    StructureModel beam = OneRod(0, 0, 4, 0, Pair(), Pair(0, -10));
    ExpectNear(20.0, beam.momentAt(0, 2.0), "mid-span");
    ExpectNear(0.0, beam.momentAt(0, 0.0), "begin");
    ExpectNear(0.0, beam.momentAt(0, 4.0), "end");
    ExpectNear(15.0, beam.momentAt(0, 1.0), "quarter");

    // End moments only: M1 at the begin, -M2 at the end, linear between.
    StructureModel ends = OneRod(0, 0, 0, 2, Pair(6, 4));
    ExpectNear(6.0, ends.momentAt(0, 0.0), "begin");
    ExpectNear(-4.0, ends.momentAt(0, 2.0), "end");
    ExpectNear(1.0, ends.momentAt(0, 1.0), "middle");

    // Only the load across the rod bends it; on a rod at 45 degrees the
    // normal component of (qx, qy) is qy c - qx s.
    const double r = std::sqrt(0.5);
    StructureModel inclined = OneRod(0, 0, 3, 3, Pair(), Pair(-2, 0));
    const double q = 0.0 * r - (-2.0) * r;
    const double length = 3.0 * std::sqrt(2.0);
    ExpectNear(-q * (length / 2) * (length / 2) / 2, inclined.momentAt(0, length / 2), "inclined");

    StructureModel parallel = OneRod(0, 0, 3, 3, Pair(), Pair(5, 5));
    for (double x : {0.0, 1.0, 2.5, 4.0})
        EXPECT_NEAR(parallel.momentAt(0, x), 0.0, 1e-12);

    StructureModel point = OneRod(1, 1, 1, 1, Pair(3, 7), Pair(0, -10));
    EXPECT_EQ(point.momentAt(0, 0.0), 3.0);
}

TEST(StructureQueries, RodsAndJointsAtANode)
{
    StructureModel model;
    for (int i = 0; i < 5; ++i)
        model.nodes.Add(MakeNode(i + 1, i, 0, i != 4));
    model.rods.Add(MakeRod(1, 0, 2, JointType::Hinge));
    model.rods.Add(MakeRod(2, 1, 3, JointType::Fixed));
    model.rods.Add(MakeRod(3, 0, 2, JointType::Hinge));
    Rod second = MakeRod(4, 3, 2, JointType::Fixed);
    second.begin.joint = JointType::MovingHinge;
    model.rods.Add(second);
    model.rods.Add(MakeRod(5, 1, 3, JointType::Hinge));

    IndexList list("list", 1, 1);
    list.Add(9);
    model.rodsAtNode(3, list);
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list[0], 1);
    EXPECT_EQ(list[1], 3);
    EXPECT_EQ(list[2], 4);
    model.rodsAtNode(4, list);
    EXPECT_EQ(list.count, 0);

    EXPECT_TRUE(model.isIsolated(4));
    EXPECT_FALSE(model.isIsolated(2));
    EXPECT_TRUE(StructureModel().isIsolated(0));

    EXPECT_EQ(model.jointAtNode(4), JointType::None);
    EXPECT_EQ(model.jointAtNode(2), JointType::Hinge); // end of rod 0
    EXPECT_EQ(model.jointAtNode(3), JointType::Fixed); // end of rod 1
    EXPECT_EQ(model.jointAtNode(1), JointType::Fixed); // begin of rod 1
    model.rods[1].end.joint = JointType::MovingHinge;
    EXPECT_EQ(model.jointAtNode(3), JointType::MovingHinge);

    EXPECT_TRUE(model.isSupportNode(4));
    EXPECT_FALSE(model.isSupportNode(0));
}

TEST(StructureQueries, ScaleReferences)
{
    StructureModel empty;
    EXPECT_EQ(empty.maxMoment(), 0.0);
    EXPECT_EQ(empty.maxEndValue(EndValueKind::Shear), 0.0);
    EXPECT_EQ(empty.maxEndValue(EndValueKind::Axial), 0.0);
    EXPECT_EQ(empty.maxDisplacement(), 0.0);

    StructureModel model = OneRod(0, 0, 4, 0, Pair(0, 0), Pair(0, -10));
    model.nodes.Add(MakeNode(3, 0, 3));
    Rod column = MakeRod(2, 0, 2);
    column.resultM = Pair(-8, 5);
    column.resultQ = Pair(3, -9);
    column.resultN = Pair(-40, 2);
    model.rods.Add(column);
    model.rods[0].resultQ = Pair(-20, 20);
    model.rods[0].resultN = Pair(7, 7);
    // The beam's mid-span value 20 exceeds the column's end moments.
    ExpectNear(20.0, model.maxMoment(), "maxMoment");
    model.rods[1].resultM = Pair(-25, 5);
    ExpectNear(25.0, model.maxMoment(), "maxMoment");
    EXPECT_EQ(model.maxEndValue(EndValueKind::Shear), 20.0);
    EXPECT_EQ(model.maxEndValue(EndValueKind::Axial), 40.0);

    model.nodes[0].resultDisplacement = Triple(0.01, -0.03, 5.0); // rotation does not count
    model.nodes[1].displacement = Triple(0.0, 0.02, 9.0);
    ExpectNear(0.03, model.maxDisplacement(), "displacement");
    model.nodes[2].displacement = Triple(-0.05, 0.0, 0.0);
    ExpectNear(0.05, model.maxDisplacement(), "prescribed displacement");
}

TEST(StructureQueries, ScaleReferencesEndOnDegenerateRods)
{
    // Zero length, a denormal length whose step underflows, and a length
    // that overflows to infinity: the sampling must end on each.
    struct Case {
        double x0, x1;
    };
    const Case cases[] = {{1.0, 1.0}, {0.0, 4.9e-324}, {-1e308, 1e308}};
    for (const Case &c : cases) {
        StructureModel model = OneRod(c.x0, 0, c.x1, 0, Pair(2, 3), Pair(0, -1));
        // A normal rod beside it still counts.
        model.nodes.Add(MakeNode(3, 0, 5));
        model.nodes.Add(MakeNode(4, 0, 6));
        Rod normal = MakeRod(2, 2, 3);
        normal.resultM = Pair(-1.5, 0);
        model.rods.Add(normal);
        const double largest = model.maxMoment();
        EXPECT_TRUE(std::isfinite(largest)) << c.x0 << " .. " << c.x1;
        EXPECT_GE(largest, 1.5) << c.x0 << " .. " << c.x1;
    }
}

TEST(StructureQueries, Extents)
{
    struct Case {
        std::vector<Pair> points;
        double left, top, right, bottom;
    };
    const Case cases[] = {
        {{}, 0, 6, 10, 0},
        {{Pair(3, -2)}, 2, -1, 4, -3},
        {{Pair(1, 1), Pair(-2, 5), Pair(4, 0)}, -2, 5, 4, 0},
        {{Pair(0, 2), Pair(10, 2)}, 0, 2.1, 10, 2},         // horizontal: top gets 1 % of the width
        {{Pair(3, 0), Pair(3, -20)}, 3, 0, 3.2, -20},       // vertical: right gets 1 % of the height
        {{Pair(5, 5), Pair(5, 5), Pair(5, 5)}, 4, 6, 6, 4}, // coincident nodes: as one node
    };
    for (const Case &c : cases) {
        StructureModel model;
        for (const Pair &p : c.points)
            model.nodes.Add(MakeNode(1, p.x, p.y));
        const WorldRect rect = model.extents();
        ExpectNear(c.left, rect.left, "left");
        ExpectNear(c.top, rect.top, "top");
        ExpectNear(c.right, rect.right, "right");
        ExpectNear(c.bottom, rect.bottom, "bottom");
    }
}
