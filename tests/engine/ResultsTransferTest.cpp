#include "CalculationTestSupport.h"
#include "engine/Calculate.h"

#include <numbers>

using namespace calctest;
using ResultsTransfer = CalculationTest;

namespace {

// A column fixed at (0, 0) carrying a beam to node 1, which stands on a
// hinged support bar (rod 2) at (2, 0). Prepared order.
StructureBuilder BeamOnBar()
{
    StructureBuilder s;
    s.node(0, 3, true);
    s.node(2, 3, true);
    s.node(0, 0, false);
    s.node(2, 0, false);
    s.rod(0, 1);
    s.rod(0, 2);
    s.rod(1, 3, hinge, hinge);
    s.nodeAt(1).force = Pair(1, -5);
    return s;
}

} // namespace

TEST_F(ResultsTransfer, PrescribedDisplacementsAreReportedOnSupportsOnly)
{
    // Cantilever: free tip 0 at (2, 0), fixed support 1 at (0, 0) turned by
    // 30 degrees. A displacement put on the free tip acts nowhere.
    auto run = [](Triple onTip) {
        StructureBuilder s;
        s.node(2, 0, true);
        s.node(0, 0, false);
        s.rod(0, 1);
        s.nodeAt(0).displacement = onTip;
        s.nodeAt(1).displacement = Triple(0, 0, 30);
        Calculation c(s.model);
        EXPECT_TRUE(c.RunCalculation());
        return std::pair{s.nodeAt(0).resultDisplacement, s.nodeAt(1).resultDisplacement};
    };
    const double theta = 30 * std::numbers::pi / 180;
    auto [tip, support] = run(Triple());
    EXPECT_EQ(support, Triple(0, 0, theta));
    EXPECT_TRUE(Near(theta, tip.z));
    EXPECT_TRUE(Near(-2 * theta, tip.y));
    auto [tipWithOwn, supportAgain] = run(Triple(1, 2, 3));
    EXPECT_EQ(tipWithOwn, tip);
    EXPECT_EQ(supportAgain, support);
}

TEST_F(ResultsTransfer, SupportBarsCarryOnlyAxialForce)
{
    StructureBuilder s = BeamOnBar();
    // Left over from a time when the bar was a free rod.
    s.rodAt(2).resultM = Pair(7, 7);
    s.rodAt(2).resultQ = Pair(99, 99);
    Calculation c(s.model);
    ASSERT_TRUE(c.RunCalculation());
    const Rod &bar = s.rodAt(2);
    EXPECT_EQ(bar.resultM, Pair());
    EXPECT_EQ(bar.resultQ, Pair());
    EXPECT_EQ(bar.resultN.x, bar.resultN.y);
    // The bar's support takes the bar's force along the bar only; the column
    // foot takes the rest of the load.
    const Triple &barFoot = s.nodeAt(3).reaction, &columnFoot = s.nodeAt(2).reaction;
    EXPECT_EQ(barFoot.x, 0.0);
    EXPECT_EQ(barFoot.z, 0.0);
    EXPECT_LT(bar.resultN.y, 0.0);                // the bar is compressed
    EXPECT_TRUE(Near(-bar.resultN.y, barFoot.y)); // and pushes its support down
    EXPECT_TRUE(Near(-1, columnFoot.x));
    EXPECT_TRUE(Near(5, columnFoot.y + barFoot.y));
}

TEST_F(ResultsTransfer, RoundOffIsShownAsExactZero)
{
    // A cantilever at 30 degrees loaded along its axis bends only by
    // round-off.
    const double c = std::cos(std::numbers::pi / 6), s = std::sin(std::numbers::pi / 6);
    StructureBuilder b;
    b.node(2 * c, 2 * s, true);
    b.node(0, 0, false);
    b.rod(0, 1);
    b.nodeAt(0).force = Pair(-10 * c, -10 * s);
    Calculation calculation(b.model);
    ASSERT_TRUE(calculation.RunCalculation());
    const Rod &rod = b.rodAt(0);
    EXPECT_EQ(rod.resultM, Pair());
    EXPECT_EQ(rod.resultQ, Pair());
    EXPECT_TRUE(Near(-10, rod.resultN.x));
    EXPECT_EQ(b.nodeAt(1).reaction.z, 0.0);
    EXPECT_EQ(b.nodeAt(0).resultDisplacement, Triple());
}

TEST_F(ResultsTransfer, CasesWithoutTheirLoadsGiveZero)
{
    StructureBuilder s = BeamOnBar();
    s.rodAt(2).temperature = Pair(50, -20); // on a support bar: no effect
    Calculation c(s.model);
    ASSERT_TRUE(RunSteps(c, 6));
    for (const Matrix *m : {&c.Zd, &c.Ud, &c.SMd, &c.SQd, &c.SNd, &c.Zt, &c.Utep, &c.SMt, &c.SQt, &c.SNt}) {
        for (int i = 0; i < m->rows; ++i)
            EXPECT_EQ((*m)[i][0], 0.0) << m->name << "[" << i << "]";
    }
}

TEST_F(ResultsTransfer, HingedSupportGetsNoReactionMoment)
{
    // Portal with hinged feet (replaced by service bars during the
    // calculation) under a horizontal force at a corner.
    StructureBuilder s;
    s.node(0, 0, false);
    s.node(0, 3, true);
    s.node(4, 3, true);
    s.node(4, 0, false);
    s.rod(0, 1, hinge, fixed);
    s.rod(1, 2);
    s.rod(2, 3, fixed, hinge);
    s.nodeAt(1).force = Pair(8, 0);
    double time;
    ASSERT_TRUE(Calculate(s.model, time)) << onlyHeadline();
    ASSERT_EQ(s.model.nodes.count, 4);
    double rx = 0;
    for (const Node &node : s.model.nodes) {
        if (node.isFree == 0) {
            EXPECT_EQ(node.reaction.z, 0.0);
            rx += node.reaction.x;
        }
    }
    EXPECT_TRUE(Near(-8, rx));
}
