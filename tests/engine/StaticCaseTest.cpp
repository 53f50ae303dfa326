#include "CalculationTestSupport.h"

using namespace calctest;
using StaticCase = CalculationTest;

// Fixed-end moments and end forces of a distributed load for every way a
// rod can be connected. The rod (2 m, horizontal, qcn = 3) is the beam of a
// frame whose two columns hang from and stand on fixed supports, so the
// frame is stable for every connection of the beam.
TEST_F(StaticCase, DistributedLoadOnEveryKindOfRod)
{
    struct Case {
        JointType begin, end;
        double bp0, bp1, pn0, pn1;
    };
    const Case cases[] = {
        {fixed, fixed, 1, -1, 3, 3},
        {fixed, hinge, 1.5, 0, 3.75, 2.25},
        {hinge, fixed, 0, -1.5, 2.25, 3.75},
        {hinge, hinge, 0, 0, 3, 3},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(testing::Message() << "joints " << int(test.begin) << int(test.end));
        std::filesystem::remove(directory / "Ruvo.log");
        StructureBuilder s;
        s.node(0, 0, true);
        s.node(2, 0, true);
        s.node(2, -3, false);
        s.node(0, 3, false);
        s.rod(0, 1, test.begin, test.end);
        s.rod(0, 3); // pointing up: lc = 0, mc = 1
        s.rod(1, 2);
        s.rodAt(0).load = Pair(0, 3);
        s.rodAt(1).load = Pair(2, 0);
        Calculation c(s.model);
        ASSERT_TRUE(RunSteps(c, 4));
        EXPECT_TRUE(Near(3, c.qcn[0]));
        EXPECT_TRUE(Near(0, c.qct[0]));
        EXPECT_TRUE(Near(-2, c.qcn[1]));
        EXPECT_TRUE(Near(0, c.qct[1]));
        EXPECT_TRUE(Near(test.bp0, c.bp[0][0]));
        EXPECT_TRUE(Near(test.bp1, c.bp[1][0]));
        std::vector<double> pn0 = LoggedNumbers(logText(), "pn0[3]:");
        std::vector<double> pn1 = LoggedNumbers(logText(), "pn1[3]:");
        ASSERT_EQ(pn0.size(), 3u);
        ASSERT_EQ(pn1.size(), 3u);
        EXPECT_TRUE(Near(test.pn0, pn0[0]));
        EXPECT_TRUE(Near(test.pn1, pn1[0]));
        // The shear jumps by the whole normal load along the rod.
        EXPECT_TRUE(Near(c.SQp[1][0] - c.SQp[0][0], 3 * 2));
    }
}

TEST_F(StaticCase, MomentOnANodeWithoutRotationUnknownActsNowhere)
{
    // A cantilever hinged at its tip: no rotation unknown (NG = 0), so the
    // tip moment enters no reaction and the case stays unloaded.
    StructureBuilder s;
    s.node(2, 0, true);
    s.node(0, 0, false);
    s.rod(0, 1, hinge, fixed);
    s.nodeAt(0).moment = 5;
    Calculation c(s.model);
    ASSERT_TRUE(RunSteps(c, 4));
    EXPECT_EQ(c.NG, 0);
    ASSERT_EQ(c.Zp.rows, 1);
    EXPECT_EQ(c.Zp[0][0], 0.0);
    EXPECT_EQ(c.SMp[0][0], 0.0);
    EXPECT_EQ(c.SMp[1][0], 0.0);
}
