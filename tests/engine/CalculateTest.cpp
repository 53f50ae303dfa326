// Whole calculations of user structures against closed-form results of
// structural mechanics. Conventions of the results: translations along the
// global axes; rotations, node moments and prescribed rotations positive
// clockwise; reaction moments positive counter-clockwise.

#include "engine/Calculate.h"

#include "CalculationTestSupport.h"

#include <functional>
#include <numbers>

using namespace calctest;
using ClosedForm = CalculationTest;

namespace {

constexpr double degree = std::numbers::pi / 180;

Node &ByNumber(StructureModel &m, int number)
{
    for (Node &node : m.nodes) {
        if (node.number == number)
            return node;
    }
    throw std::runtime_error("no node " + std::to_string(number));
}

void ExpectTriple(const Triple &expected, const Triple &actual, const char *what)
{
    EXPECT_TRUE(Near(expected.x, actual.x, Relative(1e-8))) << what << ".x";
    EXPECT_TRUE(Near(expected.y, actual.y, Relative(1e-8))) << what << ".y";
    EXPECT_TRUE(Near(expected.z, actual.z, Relative(1e-8))) << what << ".z";
}

// The reactions balance the node forces and moments and the distributed
// loads: sums of forces and of moments about the origin vanish.
void ExpectEquilibrium(const StructureModel &m)
{
    double fx = 0, fy = 0, moment = 0, scale = 1e-12;
    for (const Node &node : m.nodes) {
        fx += node.force.x + node.reaction.x;
        fy += node.force.y + node.reaction.y;
        moment += node.x * (node.force.y + node.reaction.y) - node.y * (node.force.x + node.reaction.x) -
                  node.moment + node.reaction.z;
        scale += std::fabs(node.force.x) + std::fabs(node.force.y) + std::fabs(node.moment);
    }
    for (int r = 0; r < m.rods.count; ++r) {
        const Rod &rod = m.rods[r];
        const Node &b = m.nodes[rod.begin.node], &e = m.nodes[rod.end.node];
        double L = m.rodLength(r);
        fx += rod.load.x * L;
        fy += rod.load.y * L;
        moment += (b.x + e.x) / 2 * rod.load.y * L - (b.y + e.y) / 2 * rod.load.x * L;
        scale += (std::fabs(rod.load.x) + std::fabs(rod.load.y)) * L;
    }
    EXPECT_LT(std::fabs(fx), 1e-9 * scale);
    EXPECT_LT(std::fabs(fy), 1e-9 * scale);
    EXPECT_LT(std::fabs(moment), 1e-8 * scale);
}

} // namespace

// Node 1: fixed support at (0, 0); node 2: free tip at (2, 0); EI = 3.
TEST_F(ClosedForm, Cantilever)
{
    const double L = 2, EI = 3, P = 5, M = 10, q = 4, theta = 2, alpha = 1e-5, h = 0.5;
    const double kappa = alpha * 10 / h; // curvature of a 10 degree gradient
    struct Case {
        const char *name;
        std::function<void(Node &support, Node &tip, Rod &rod)> load;
        Triple tip, reaction, support;
    };
    const Case cases[] = {
        {"tip force",
         [&](Node &, Node &tip, Rod &) { tip.force = Pair(0, -P); },
         {0, -P * L * L * L / (3 * EI), P * L * L / (2 * EI)},
         {0, P, P * L},
         {}},
        {"tip moment",
         [&](Node &, Node &tip, Rod &) { tip.moment = M; },
         {0, -M * L * L / (2 * EI), M * L / EI},
         {0, 0, M},
         {}},
        {"distributed load",
         [&](Node &, Node &, Rod &rod) { rod.load = Pair(0, -q); },
         {0, -q * L * L * L * L / (8 * EI), q * L * L * L / (6 * EI)},
         {0, q * L, q * L * L / 2},
         {}},
        {"axial force", [&](Node &, Node &tip, Rod &) { tip.force = Pair(P, 0); }, {}, {-P, 0, 0}, {}},
        // The rotation is entered in degrees; results are in radians.
        {"support moves and turns",
         [&](Node &support, Node &, Rod &) { support.displacement = Triple(0.01, -0.02, theta); },
         {0.01, -0.02 - theta * degree * L, theta * degree},
         {},
         {0.01, -0.02, theta * degree}},
        {"temperature gradient",
         [&](Node &, Node &, Rod &rod) {
             rod.temperature = Pair(10, 0);
             rod.alpha = alpha;
             rod.height = h;
         },
         {alpha * 5 * L, -kappa * L * L / 2, kappa * L},
         {},
         {}},
        {"uniform temperature",
         [&](Node &, Node &, Rod &rod) {
             rod.temperature = Pair(20, 20);
             rod.alpha = alpha;
         },
         {alpha * 20 * L, 0, 0},
         {},
         {}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        reports.clear();
        StructureBuilder s;
        s.node(0, 0, false);
        s.node(L, 0, true);
        s.rod(0, 1);
        s.rodAt(0).EI = EI;
        test.load(s.nodeAt(0), s.nodeAt(1), s.rodAt(0));
        double time = -1;
        ASSERT_TRUE(Calculate(s.model, time)) << onlyHeadline();
        EXPECT_GE(time, 0.0);
        Node &support = ByNumber(s.model, 1), &tip = ByNumber(s.model, 2);
        ExpectTriple(test.tip, tip.resultDisplacement, "tip displacement");
        ExpectTriple(test.reaction, support.reaction, "reaction");
        ExpectTriple(test.support, support.resultDisplacement, "support displacement");
        ExpectTriple({}, tip.reaction, "tip reaction");
        ExpectEquilibrium(s.model);
    }
}

// Fixed feet at (0, 0) and (l, 0), rigid corners, a horizontal force H at
// the left corner: sway H / K with K = 24 EIc/h^3 (1 + 6k)/(4 + 6k),
// k = (EIb/l)/(EIc/h); both corners turn by 6 sway/(h (4 + 6k)).
TEST_F(ClosedForm, PortalFrameSway)
{
    const double h = 3, l = 4, EIc = 2, EIb = 5, H = 7;
    const double k = (EIb / l) / (EIc / h);
    const double sway = H / (24 * EIc / (h * h * h) * (1 + 6 * k) / (4 + 6 * k));
    const double turn = 6 * sway / (h * (4 + 6 * k));
    StructureBuilder s;
    s.node(0, 0, false);
    s.node(0, h, true);
    s.node(l, h, true);
    s.node(l, 0, false);
    s.rod(0, 1);
    s.rod(1, 2);
    s.rod(2, 3);
    for (int r : {0, 2})
        s.rodAt(r).EI = EIc;
    s.rodAt(1).EI = EIb;
    s.nodeAt(1).force = Pair(H, 0);
    double time;
    ASSERT_TRUE(Calculate(s.model, time)) << onlyHeadline();
    ExpectTriple({sway, 0, turn}, ByNumber(s.model, 2).resultDisplacement, "left corner");
    ExpectTriple({sway, 0, turn}, ByNumber(s.model, 3).resultDisplacement, "right corner");
    EXPECT_TRUE(Near(-H / 2, ByNumber(s.model, 1).reaction.x));
    EXPECT_TRUE(Near(-H / 2, ByNumber(s.model, 4).reaction.x));
    ExpectEquilibrium(s.model);
}

// Fixed at A (0, 0), a free node in the middle, a roller (moving hinge) at
// B (4, 0): the propped cantilever, with its one redundant reaction R at B.
TEST_F(ClosedForm, ProppedCantilever)
{
    const double L = 4, EI = 3, q = 2, settlement = 0.01, theta = 1, alpha = 1e-5, h = 0.25;
    const double kappa = alpha * 10 / h;
    struct Case {
        const char *name;
        std::function<void(StructureBuilder &)> load;
        double R;         // upward reaction at B; A takes the rest and the moment
        double totalLoad; // downward
    };
    const Case cases[] = {
        {"distributed load", [&](StructureBuilder &s) { s.rodAt(0).load = s.rodAt(1).load = Pair(0, -q); },
         3 * q * L / 8, q * L},
        {"settlement at the roller",
         [&](StructureBuilder &s) { s.nodeAt(2).displacement = Triple(0, -settlement, 0); },
         -3 * EI * settlement / (L * L * L), 0},
        {"fixed support turns", [&](StructureBuilder &s) { s.nodeAt(0).displacement = Triple(0, 0, theta); },
         3 * EI * theta * degree / (L * L), 0},
        {"temperature gradient",
         [&](StructureBuilder &s) {
             for (int r : {0, 1}) {
                 s.rodAt(r).temperature = Pair(10, 0);
                 s.rodAt(r).alpha = alpha;
                 s.rodAt(r).height = h;
             }
         },
         1.5 * EI * kappa / L, 0},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        reports.clear();
        StructureBuilder s;
        s.node(0, 0, false);
        s.node(L / 2, 0, true);
        s.node(L, 0, false);
        s.rod(0, 1);
        s.rod(1, 2, fixed, JointType::MovingHinge);
        for (int r : {0, 1})
            s.rodAt(r).EI = EI;
        test.load(s);
        double time;
        ASSERT_TRUE(Calculate(s.model, time)) << onlyHeadline();
        ASSERT_EQ(s.model.nodes.count, 3);
        const Triple &a = ByNumber(s.model, 1).reaction, &b = ByNumber(s.model, 3).reaction;
        EXPECT_TRUE(Near(test.R, b.y, Relative(1e-8)));
        EXPECT_EQ(b.x, 0.0);
        EXPECT_EQ(b.z, 0.0);
        EXPECT_TRUE(Near(test.totalLoad - test.R, a.y, Relative(1e-8)));
        // Moments about A: the reaction moment balances R and the load.
        EXPECT_TRUE(Near(test.totalLoad * L / 2 - test.R * L, a.z, Relative(1e-8)));
        // The roller shows its prescribed settlement, once.
        EXPECT_TRUE(
            Near(ByNumber(s.model, 3).displacement.y, ByNumber(s.model, 3).resultDisplacement.y, Relative(1e-8)));
    }
}

// A frame turned as a whole gives the same results turned: the turned
// frames need the generic inversion, whose round-off must neither refuse
// them nor change their results.
TEST_F(ClosedForm, TurnedFrameGivesTurnedResults)
{
    auto solve = [this](double angle) {
        const double c = std::cos(angle * degree), s = std::sin(angle * degree);
        // Two storeys of two bays on fixed feet, one beam hinged at an end.
        StructureBuilder b;
        for (int storey = 0; storey <= 2; ++storey) {
            for (int column = 0; column <= 2; ++column) {
                const double x = 4.0 * column, y = 3.0 * storey;
                b.node(c * x - s * y, s * x + c * y, storey > 0);
            }
        }
        for (int storey = 1; storey <= 2; ++storey) {
            for (int column = 0; column <= 2; ++column)
                b.rod(3 * (storey - 1) + column, 3 * storey + column);
            for (int column = 0; column < 2; ++column)
                b.rod(3 * storey + column, 3 * storey + column + 1);
        }
        b.rodAt(4).end.joint = hinge;
        b.nodeAt(3).force = Pair(10 * c, 10 * s); // 10 N along the turned x axis
        b.nodeAt(8).moment = 3;
        b.rodAt(3).load = Pair(2 * s, -2 * c); // 2 N/m along the turned -y axis
        double time;
        EXPECT_TRUE(Calculate(b.model, time)) << angle << ": " << onlyHeadline();
        ExpectEquilibrium(b.model);
        return b.model;
    };
    StructureModel reference = solve(0);
    for (double angle : {10.0, 30.0, 45.0, 60.0, 137.0, -20.0}) {
        SCOPED_TRACE(angle);
        StructureModel turned = solve(angle);
        const double c = std::cos(angle * degree), s = std::sin(angle * degree);
        for (int k = 0; k < reference.nodes.count; ++k) {
            const Node &a = reference.nodes[k], &b = turned.nodes[k];
            ASSERT_EQ(a.number, b.number);
            const Triple &d = b.resultDisplacement;
            EXPECT_TRUE(Near(a.resultDisplacement.x, c * d.x + s * d.y, Relative(1e-8)));
            EXPECT_TRUE(Near(a.resultDisplacement.y, -s * d.x + c * d.y, Relative(1e-8)));
            EXPECT_TRUE(Near(a.resultDisplacement.z, d.z, Relative(1e-8)));
            EXPECT_TRUE(Near(a.reaction.z, b.reaction.z, Relative(1e-8)));
        }
        for (int r = 0; r < reference.rods.count; ++r) {
            EXPECT_TRUE(Near(reference.rods[r].resultM.x, turned.rods[r].resultM.x, Relative(1e-8)));
            EXPECT_TRUE(Near(reference.rods[r].resultN.y, turned.rods[r].resultN.y, Relative(1e-8)));
        }
    }
}
