#include "CalculationTestSupport.h"
#include "model/MathException.h"
#include "numeric/Messages.h"

#include <numbers>

using namespace calctest;
using InitializeArrays = CalculationTest;

namespace {

// A portal in prepared order: free top nodes 0 (0, 3) and 1 (4, 3), fixed
// feet 2 (0, 0) and 3 (4, 0); rod 0 the beam, rods 1 and 2 the columns.
StructureBuilder Portal(JointType beamBegin = fixed, JointType beamEnd = fixed, JointType columnTop = fixed)
{
    StructureBuilder s;
    s.node(0, 3, true);
    s.node(4, 3, true);
    s.node(0, 0, false);
    s.node(4, 0, false);
    s.rod(0, 1, beamBegin, beamEnd);
    s.rod(0, 2, columnTop, fixed);
    s.rod(1, 3, fixed, fixed);
    return s;
}

// Two free nodes joined by a free rod, held by hinged bars to the ground.
StructureBuilder Truss(int supportBars)
{
    StructureBuilder s;
    s.node(0, 2, true);
    s.node(2, 2, true);
    s.rod(0, 1, hinge, hinge);
    for (int bar = 0; bar < supportBars; ++bar) {
        int ground = s.node(bar * 1.5 - 1, -1 - bar, false);
        s.rod(bar % 2, ground, hinge, hinge);
    }
    return s;
}

std::vector<int> Values(const IndexList &list)
{
    return std::vector<int>(list.begin(), list.end());
}

} // namespace

TEST_F(InitializeArrays, ClassifiesNodesRodsAndUnknowns)
{
    struct Case {
        const char *name;
        StructureBuilder structure;
        int NK, NK0, NC, NC0, NG, NZ;
        std::vector<int> B, D, G;
        int message; // 0: the arrays are built
    };
    Case cases[] = {
        {"rigid portal", Portal(), 2, 2, 3, 0, 2, 1, {}, {}, {0, 1}, 0},
        // A rod hinged at both ends between free nodes is a free rod.
        {"hinged beam", Portal(hinge, hinge), 2, 2, 3, 0, 2, 1, {0}, {0}, {0, 1}, 0},
        // Node 0 meets a Fixed and a Hinge end: one rotation unknown.
        {"mixed joints", Portal(fixed, fixed, hinge), 2, 2, 3, 0, 2, 1, {1}, {}, {0, 1}, 0},
        {"all hinged", Truss(3), 2, 3, 1, 3, 0, 0, {0}, {0}, {}, 50222},
        {"too many bars", Truss(4), 2, 4, 1, 4, 0, -1, {0}, {0}, {}, 50216},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        Calculation calculation(c.structure.model);
        EXPECT_EQ(calculation.InitializeArrays(), c.message == 0);
        EXPECT_EQ(calculation.NK, c.NK);
        EXPECT_EQ(calculation.NK0, c.NK0);
        EXPECT_EQ(calculation.NC, c.NC);
        EXPECT_EQ(calculation.NC0, c.NC0);
        EXPECT_EQ(calculation.NG, c.NG);
        EXPECT_EQ(calculation.NZ, c.NZ);
        EXPECT_EQ(Values(calculation.B), c.B);
        EXPECT_EQ(Values(calculation.D), c.D);
        EXPECT_EQ(Values(calculation.G), c.G);
        EXPECT_EQ(onlyHeadline(), c.message == 0 ? "" : Headline(c.message));
    }
}

TEST_F(InitializeArrays, StructureWithoutFreeRodStopsBeforeTheRodLists)
{
    StructureBuilder s;
    s.node(0, 0, true);
    int a = s.node(1, 0, false);
    int b = s.node(0, 1, false);
    s.rod(0, a, hinge, hinge);
    s.rod(0, b, hinge, hinge);
    Calculation calculation(s.model);
    EXPECT_FALSE(calculation.InitializeArrays());
    EXPECT_EQ(onlyHeadline(), Headline(50208));
    std::string log = logText();
    std::string raw = LoadString(50208);
    size_t title = log.find("INITIALIZING DATA ARRAYS");
    size_t k0 = log.find("K0 - Support Nodes[2]");
    size_t message = log.find(raw);
    size_t error = log.find("ERROR\n" + Headline(50208));
    EXPECT_EQ(title, 0u);
    EXPECT_TRUE(k0 != std::string::npos && message > k0 && error > message) << log;
    EXPECT_EQ(log.find("C - Free rods"), std::string::npos);
}

TEST_F(InitializeArrays, RefusesZerosInLengthsRigiditiesAndTemperatureData)
{
    struct Case {
        const char *array;
        void (*spoil)(StructureBuilder &);
    };
    Case cases[] = {
        {"L", [](StructureBuilder &s) { s.nodeAt(1).x = s.nodeAt(0).x; }},
        {"I", [](StructureBuilder &s) { s.rodAt(2).EI = 0.0; }},
        // Zero against the other rods' rigidity (1e-14 of it), whatever the units.
        {"I", [](StructureBuilder &s) { s.rodAt(0).EI = 1e-15 * s.rodAt(1).EI; }},
        {"AL", [](StructureBuilder &s) { s.rodAt(1).alpha = 0.0; }},
        {"H", [](StructureBuilder &s) { s.rodAt(0).height = 0.0; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.array);
        reports.clear();
        StructureBuilder s = Portal();
        c.spoil(s);
        Calculation calculation(s.model);
        EXPECT_FALSE(calculation.InitializeArrays());
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].headline, Headline(50212));
        EXPECT_EQ(reports[0].reason, std::string("Вектор ") + c.array + " содержит нулевые значения!");
        // A rod of zero length keeps finite cosines in the log.
        for (int r = 0; r < calculation.lc.count; ++r)
            EXPECT_TRUE(std::isfinite(calculation.lc[r]) && std::isfinite(calculation.mc[r]));
    }
    // Temperatures of 0 are no error.
    StructureBuilder s = Portal();
    Calculation calculation(s.model);
    EXPECT_TRUE(calculation.InitializeArrays());
}

TEST_F(InitializeArrays, BuildsGeometryTopologyAndLoads)
{
    StructureBuilder s = Portal();
    // A column whose x difference is pure round-off (0.3 - (0.1 + 0.2)).
    s.nodeAt(0).x = 0.1 + 0.2;
    s.nodeAt(2).x = 0.3;
    s.nodeAt(0).force = Pair(5, -6);
    s.nodeAt(1).moment = 7;
    s.rodAt(0).load = Pair(1, -2);
    s.nodeAt(3).displacement = Triple(0.01, -0.02, 90.0);
    Calculation c(s.model);
    ASSERT_TRUE(c.InitializeArrays());

    // Beam (0.3, 3) -> (4, 3): horizontal.
    EXPECT_TRUE(Near(4 - 0.3, c.L[0]));
    EXPECT_EQ(c.lc[0], 1.0);
    EXPECT_EQ(c.mc[0], 0.0);
    EXPECT_EQ(c.AV[0][0], 1.0);
    EXPECT_EQ(c.AV[0][1], 0.0);
    EXPECT_EQ(c.AV[0][2], -1.0);
    EXPECT_EQ(c.BV[0][1], -1.0);
    EXPECT_EQ(c.BV[0][3], 1.0);
    // Column 1 runs down; its round-off cosine is kept in lc but is an exact
    // zero in the topology.
    EXPECT_NE(c.lc[1], 0.0);
    EXPECT_LT(std::fabs(c.lc[1]), 1e-15);
    EXPECT_EQ(c.AV[1][0], 0.0);
    EXPECT_EQ(c.AV[1][1], -1.0);
    EXPECT_EQ(c.A0[1][1], 1.0); // node 2 is support node 0
    EXPECT_EQ(c.INC[2], 0);
    EXPECT_EQ(c.INC[3], 2);

    EXPECT_EQ(c.PP[0], 5.0);
    EXPECT_EQ(c.PP[1], -6.0);
    EXPECT_EQ(c.PM[1], 7.0);
    EXPECT_EQ(c.Q[0], 1.0);
    EXPECT_EQ(c.Q[1], -2.0);
    // Prescribed rotations are entered in degrees and used in radians.
    EXPECT_EQ(c.Uk[2][0], 0.01);
    EXPECT_EQ(c.Uk[3][0], -0.02);
    EXPECT_TRUE(Near(std::numbers::pi / 2, c.KSIk[1][0]));
    EXPECT_EQ(s.nodeAt(3).displacement.z, 90.0);
}

TEST_F(InitializeArrays, LogsTheArraysInOrderUnderTheirNames)
{
    StructureBuilder s = Portal();
    Calculation calculation(s.model);
    ASSERT_TRUE(calculation.InitializeArrays());
    const char *records[] = {"INITIALIZING DATA ARRAYS\n\n",
                             "K - Free Nodes[2]\n0 1 \n\n",
                             "K0 - Support Nodes[2]\n2 3 \n\n",
                             "C - Free rods[3]\n",
                             "C0 - Support rods[0]\nEmpty\n\n",
                             "INC - Incidences[6]:\n0 1 0 2 1 3 \n\n",
                             "B - Rods begining with joint[0]\n",
                             "D - Rods ending with joint[0]\n",
                             "DZ - Rods ending by Moving Fixed Support[0]\n",
                             "G - Free Rigid Nodes[2]\n",
                             "Unknown displacements: 2 angular, 1 linear\n\n",
                             "COOR - Coordinates of nodes[8]:\n",
                             "lc - Horizontal cosines[3]:\n",
                             "mc - Vertical cosines[3]:\n",
                             "L - Lengths of rods[3]:\n",
                             "I - Rigidity[3]:\n",
                             "J - Rigidity per length[3]:\n",
                             "AV - Overall topology - rods x nodes[3,8]:\n",
                             "A1 - Submatrix of AV - Free nodes[3,4]:\n",
                             "A0 - Submatrix of AV - Support nodes[3,4]:\n",
                             "BV - Overall topology - free rods x nodes[3,8]:\n",
                             "B1 - Submatrix of BV - Free nodes[3,4]:\n",
                             "B0 - Submatrix of BV - Support nodes[3,4]:\n",
                             "PM - Node Moments[2]:\n",
                             "PP - Node Forces by x and y[4]:\n",
                             "Q - Rod Loads by x and y[6]:\n",
                             "Uk - Support node linear displacements[4,1]:\n",
                             "KSIk - Support node angular displacements[2,1]:\n",
                             "AL - Rods Temperature ratio[3,1]:\n",
                             "H - Rods cross-section heights[3,1]:\n",
                             "T - Rods Temperatures at left and right fibres[6,1]:\n"};
    std::string log = logText();
    size_t position = 0;
    for (const char *record : records) {
        size_t found = log.find(record, position);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << record;
        position = found + 1;
    }
}

TEST_F(InitializeArrays, RefusesAStructureThatWasNotPrepared)
{
    // A support node before a free node: the arrays would be addressed
    // outside their sizes.
    StructureBuilder s;
    s.node(0, 0, false);
    s.node(0, 3, true);
    s.node(4, 3, true);
    s.rod(0, 1);
    s.rod(1, 2);
    Calculation calculation(s.model);
    EXPECT_THROW(calculation.InitializeArrays(), MathException);
}
