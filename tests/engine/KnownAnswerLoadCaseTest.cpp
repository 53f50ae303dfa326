// Known answers for temperature loads and support settlements, on rods drawn
// in either direction. Sign conventions: see KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace enginetest;

namespace {

constexpr double EI = 5.0;
constexpr double alpha = 0.01;
constexpr double height = 0.5;

void SetTemperature(Rod &rod, double left, double right)
{
    rod.temperature = Pair(left, right);
    rod.alpha = alpha;
    rod.height = height;
}

// A horizontal rod drawn from x0 to x1 has its left fibre on top when it
// runs towards +x, at the bottom otherwise.
void SetTopBottom(StructureModel &s, int rod, double top, double bottom)
{
    const Rod &r = s.rods[rod];
    const bool towardsPlusX = s.nodes[r.end.node].x > s.nodes[r.begin.node].x;
    SetTemperature(s.rods[rod], towardsPlusX ? top : bottom, towardsPlusX ? bottom : top);
}

} // namespace

TEST(KnownAnswerTemperature, CantileverBendsTheSameWayWhicheverWayItIsDrawn)
{
    // Clamp at x = 0, tip at x = L, top fibre warmer by dT, mean
    // temperature Tm. Statically determinate: no forces. Curvature
    // alpha dT / h bends the tip down by alpha dT L^2/(2h) and turns it
    // clockwise by alpha dT L/h; the mean lengthens it by alpha Tm L.
    const double L = 3.0, top = 25.0, bottom = 5.0;
    const double dT = top - bottom, Tm = 0.5 * (top + bottom);
    for (bool clampFirst : {true, false}) {
        SCOPED_TRACE(clampFirst ? "drawn from the clamp (turned)" : "drawn from the tip");
        StructureModel s;
        if (clampFirst) {
            AddNode(s, 1, 0.0, 0.0, false);
            AddNode(s, 2, L, 0.0, true);
        } else {
            AddNode(s, 2, L, 0.0, true);
            AddNode(s, 1, 0.0, 0.0, false);
        }
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
        SetTopBottom(s, 0, top, bottom);
        const Pair userTemperature = s.rods[0].temperature;
        ASSERT_TRUE(Calculated(s));

        const Triple &tip = NodeNumber(s, 2).resultDisplacement;
        const double dy = alpha * dT * L * L / (2 * height);
        EXPECT_TRUE(Close(tip.y, -dy, dy));
        EXPECT_TRUE(Close(tip.z, alpha * dT * L / height, dy));
        EXPECT_TRUE(Close(tip.x, alpha * Tm * L, dy));
        EXPECT_TRUE(Close(MomentAt(s, 1, 1), 0.0, 1.0));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.z, 0.0, 1.0));
        // The user's physical load is unchanged: a turned rod carries its
        // temperatures exchanged.
        // Drawn from the clamp, the rod runs from a support to a free node
        // and is turned by the calculation.
        const Rod &rod = RodNumber(s, 1);
        EXPECT_EQ(rod.begin.node, FindNode(s, 2));
        EXPECT_EQ(rod.temperature, clampFirst ? Pair(userTemperature.y, userTemperature.x) : userTemperature);
    }
}

TEST(KnownAnswerTemperature, ProppedCantileverWithAGradient)
{
    // Clamp A at x = 0, mid node, roller B at x = L; top fibre warmer by dT.
    // The free curvature k = alpha dT/h would lift the tip off the roller
    // downwards by kL^2/2; the roller pushes up with R = 3 EI k/(2L), so the
    // clamp carries the clockwise end moment 3 EI k/2, half of it at
    // mid-span. The roller slides by alpha Tm L.
    const double L = 4.0, top = 30.0, bottom = 10.0;
    const double k = alpha * (top - bottom) / height, Tm = 0.5 * (top + bottom);
    const double R = 3 * EI * k / (2 * L);
    for (bool fromClamp : {true, false}) {
        SCOPED_TRACE(fromClamp ? "drawn from the clamp" : "drawn from the roller");
        StructureModel s;
        if (fromClamp) {
            AddNode(s, 1, 0.0, 0.0, false);
            AddNode(s, 2, L / 2, 0.0, true);
            AddNode(s, 3, L, 0.0, false);
        } else {
            AddNode(s, 3, L, 0.0, false);
            AddNode(s, 2, L / 2, 0.0, true);
            AddNode(s, 1, 0.0, 0.0, false);
        }
        AddRod(s, 1, 0, 1, fromClamp ? JointType::Fixed : JointType::MovingHinge, JointType::Fixed, EI);
        AddRod(s, 2, 1, 2, JointType::Fixed, fromClamp ? JointType::MovingHinge : JointType::Fixed, EI);
        SetTopBottom(s, 0, top, bottom);
        SetTopBottom(s, 1, top, bottom);
        ASSERT_TRUE(Calculated(s));

        const int clampRod = fromClamp ? 1 : 2;
        const int rollerRod = fromClamp ? 2 : 1;
        const double M = 3 * EI * k / 2;
        EXPECT_TRUE(Close(MomentAt(s, clampRod, 1), M, M));
        EXPECT_TRUE(Close(std::fabs(MomentAt(s, clampRod, 2)), M / 2, M));
        EXPECT_TRUE(Close(MomentAt(s, rollerRod, 3), 0.0, M));
        EXPECT_TRUE(Close(NodeNumber(s, 3).reaction.y, R, R));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, -R, R));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.z, -M, M));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.x, 0.0, R));
        EXPECT_TRUE(Close(NodeNumber(s, 3).resultDisplacement.x, alpha * Tm * L, 1.0));
        EXPECT_TRUE(InEquilibrium(s));
    }
}

TEST(KnownAnswerTemperature, UniformWarmingOfABeamPushesAClampedColumn)
{
    // Beam A(0,0)-B(L,0) clamped at A, column B-C(L,-L) clamped at C, equal
    // EI; the beam (with a mid node) warms uniformly by T. B moves right by
    // e = alpha T L, the column's chord turns by psi = e/L clockwise.
    // Slope-deflection: 4 theta + 2(2 theta - 3 psi) = 0 -> theta = 0.75 psi;
    // M_AB = 1.5 EI psi/L, M_BA = 3 EI psi/L, M_BC = -3 EI psi/L,
    // M_CB = -4.5 EI psi/L. The column pushes back with 7.5 EI psi/L^2
    // (beam in compression); vertical reactions -+4.5 EI psi/L^2.
    const double L = 3.0, T = 20.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, L / 2, 0.0, true);
    AddNode(s, 3, L, 0.0, true);
    AddNode(s, 4, L, -L, false);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 3, 2, 3, JointType::Fixed, JointType::Fixed, EI);
    SetTemperature(s.rods[0], T, T);
    SetTemperature(s.rods[1], T, T);
    ASSERT_TRUE(Calculated(s));

    const double psi = alpha * T;
    const double m = EI * psi / L, f = EI * psi / (L * L);
    EXPECT_TRUE(Close(MomentAt(s, 1, 1), 1.5 * m, m));
    EXPECT_TRUE(Close(MomentAt(s, 2, 3), 3 * m, m));
    EXPECT_TRUE(Close(MomentAt(s, 3, 3), -3 * m, m));
    EXPECT_TRUE(Close(MomentAt(s, 3, 4), -4.5 * m, m));
    EXPECT_TRUE(Close(AxialAt(s, 1, 1), -7.5 * f, f));
    EXPECT_TRUE(Close(AxialAt(s, 2, 3), -7.5 * f, f));
    const Triple &B = NodeNumber(s, 3).resultDisplacement;
    EXPECT_TRUE(Close(B.x, alpha * T * L, 1.0));
    EXPECT_TRUE(Close(B.y, 0.0, 1.0));
    EXPECT_TRUE(Close(B.z, 0.75 * psi, psi));
    EXPECT_TRUE(Close(NodeNumber(s, 2).resultDisplacement.x, alpha * T * L / 2, 1.0));
    EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.x, 7.5 * f, f));
    EXPECT_TRUE(Close(NodeNumber(s, 4).reaction.x, -7.5 * f, f));
    EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, -4.5 * f, f));
    EXPECT_TRUE(Close(NodeNumber(s, 4).reaction.y, 4.5 * f, f));
    EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.z, -1.5 * m, m));
    EXPECT_TRUE(Close(NodeNumber(s, 4).reaction.z, 4.5 * m, m));
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(KnownAnswerSettlement, ProppedCantilever)
{
    // Clamp A at x = 0, mid node, roller B at x = L (drawn from the clamp).
    // B down by d (or A up by d) bends the beam like a cantilever whose tip
    // is forced by d: R_B = -3EId/L^3, clamp moment 3EId/L^2
    // counter-clockwise. A clockwise clamp rotation t (entered in degrees):
    // M_AB = 3EIt/L, R_B = 3EIt/L^2. A horizontal clamp shift moves the
    // whole beam along the roller without forces. Every support shows its
    // own settlement once.
    const double L = 4.0, d = 0.02, degrees = 0.5;
    const double t = degrees * std::numbers::pi / 180.0;
    const double F = 3 * EI * d / (L * L * L);
    struct Case {
        const char *name;
        Triple clamp, roller;
        double rollerReaction, clampMoment; // clamp moment: clockwise on the rod
        Triple rollerMoves, clampMoves;
    };
    const Case cases[] = {
        {"roller settles", Triple(), Triple(0.0, -d, 0.0), -F, -F * L, Triple(0.0, -d, 0.0), Triple()},
        {"clamp lifts", Triple(0.0, d, 0.0), Triple(), -F, -F * L, Triple(), Triple(0.0, d, 0.0)},
        {"clamp turns", Triple(0.0, 0.0, degrees), Triple(), 3 * EI * t / (L * L), 3 * EI * t / L, Triple(),
         Triple(0.0, 0.0, t)},
        {"clamp shifts", Triple(d, 0.0, 0.0), Triple(), 0.0, 0.0, Triple(d, 0.0, 0.0), Triple(d, 0.0, 0.0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, L / 2, 0.0, true);
        AddNode(s, 3, L, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
        AddRod(s, 2, 1, 2, JointType::Fixed, JointType::MovingHinge, EI);
        s.nodes[0].displacement = c.clamp;
        s.nodes[2].displacement = c.roller;
        ASSERT_TRUE(Calculated(s));

        const double scale = F * L;
        EXPECT_TRUE(Close(NodeNumber(s, 3).reaction.y, c.rollerReaction, F));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, -c.rollerReaction, F));
        EXPECT_TRUE(Close(MomentAt(s, 1, 1), c.clampMoment, scale));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.z, -c.clampMoment, scale));
        const Triple &roller = NodeNumber(s, 3).resultDisplacement;
        EXPECT_TRUE(Close(roller.x, c.rollerMoves.x, d));
        EXPECT_TRUE(Close(roller.y, c.rollerMoves.y, d));
        EXPECT_EQ(roller.z, 0.0);
        EXPECT_EQ(NodeNumber(s, 1).resultDisplacement.x, c.clampMoves.x);
        EXPECT_EQ(NodeNumber(s, 1).resultDisplacement.y, c.clampMoves.y);
        EXPECT_TRUE(Close(NodeNumber(s, 1).resultDisplacement.z, c.clampMoves.z, t));
        // The settlements stay where the user put them.
        EXPECT_EQ(NodeNumber(s, 1).displacement, c.clamp);
        EXPECT_EQ(NodeNumber(s, 3).displacement, c.roller);
        EXPECT_TRUE(InEquilibrium(s) || c.rollerReaction == 0.0);
    }
}

TEST(KnownAnswerSettlement, PinnedPortal)
{
    // Portal h high, l wide, pinned feet. The right foot pushed out by d:
    // the frame resists with H = 3 EI d/(h^2 (2h + 3l)) (flexibility of the
    // released frame h^2 (2h + 3l)/(3EI)); the feet are pushed outwards, the
    // beam is pulled, the corner moments are Hh, the corners move d/2.
    // The right foot lowered by d: a rigid turn by d/l clockwise about the
    // left foot, without any force.
    const double h = 4.0, l = 6.0, d = 0.03;
    const double H = 3 * EI * d / (h * h * (2 * h + 3 * l));
    const struct {
        const char *name;
        Triple settlement;
        double thrust;
        Triple leftCorner, rightCorner;
        double cornerRotation;
    } cases[] = {
        {"spread", Triple(d, 0.0, 0.0), H, Triple(d / 2, 0.0, 0.0), Triple(d / 2, 0.0, 0.0), NAN},
        {"lowered", Triple(0.0, -d, 0.0), 0.0, Triple(h * d / l, 0.0, 0.0), Triple(h * d / l, -d, 0.0),
         d / l},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, 0.0, h, true);
        AddNode(s, 3, l, h, true);
        AddNode(s, 4, l, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
        AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
        AddRod(s, 3, 2, 3, JointType::Fixed, JointType::Hinge, EI);
        s.nodes[3].displacement = c.settlement;
        ASSERT_TRUE(Calculated(s));

        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.x, -c.thrust, H));
        EXPECT_TRUE(Close(NodeNumber(s, 4).reaction.x, c.thrust, H));
        EXPECT_TRUE(Close(NodeNumber(s, 1).reaction.y, 0.0, H));
        EXPECT_TRUE(Close(NodeNumber(s, 4).reaction.y, 0.0, H));
        EXPECT_TRUE(Close(AxialAt(s, 2, 2), c.thrust, H));
        EXPECT_TRUE(Close(std::fabs(MomentAt(s, 2, 2)), c.thrust * h, H * h));
        EXPECT_TRUE(Close(std::fabs(MomentAt(s, 1, 2)), c.thrust * h, H * h));

        const Triple &left = NodeNumber(s, 2).resultDisplacement;
        const Triple &right = NodeNumber(s, 3).resultDisplacement;
        EXPECT_TRUE(Close(left.x, c.leftCorner.x, d));
        EXPECT_TRUE(Close(left.y, c.leftCorner.y, d));
        EXPECT_TRUE(Close(right.x, c.rightCorner.x, d));
        EXPECT_TRUE(Close(right.y, c.rightCorner.y, d));
        if (!std::isnan(c.cornerRotation)) {
            EXPECT_TRUE(Close(left.z, c.cornerRotation, d));
            EXPECT_TRUE(Close(right.z, c.cornerRotation, d));
        }
        // The settled foot shows its settlement once and keeps it as its load.
        const Node &foot = NodeNumber(s, 4);
        EXPECT_TRUE(Close(foot.resultDisplacement.x, c.settlement.x, d));
        EXPECT_TRUE(Close(foot.resultDisplacement.y, c.settlement.y, d));
        EXPECT_EQ(foot.displacement, c.settlement);
        EXPECT_EQ(NodeNumber(s, 1).resultDisplacement, Triple());
        EXPECT_EQ(CountService(s), 0);
    }
}

TEST(KnownAnswerSettlement, SameResultsWhenCalculatedAgainOrInDebugMode)
{
    // A settled pin and a settled roller: the second calculation of the
    // restored structure, and two calculations in debug mode (service
    // elements kept in between), give the results of the first.
    SettingsGuard settings;
    auto build = [] {
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, 0.0, 3.0, true);
        AddNode(s, 3, 5.0, 3.0, true);
        AddNode(s, 4, 5.0, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
        AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
        AddRod(s, 3, 2, 3, JointType::Fixed, JointType::MovingHinge, EI);
        s.rods[2].end.angle = 30.0;
        s.nodes[0].displacement = Triple(0.01, -0.01, 0.0);
        s.nodes[3].displacement = Triple(0.0, -0.02, 0.0);
        s.rods[1].load = Pair(0.0, -2.0);
        return s;
    };
    StructureModel first = build();
    ASSERT_TRUE(Calculated(first));
    StructureModel again = first;
    ASSERT_TRUE(Calculated(again));

    Settings::current().debugMode = true;
    StructureModel debug = build();
    ASSERT_TRUE(Calculated(debug));
    EXPECT_GT(CountService(debug), 0) << "debug mode keeps the service elements";
    ASSERT_TRUE(Calculated(debug));

    for (const StructureModel *other : {&again, &debug}) {
        for (int number = 1; number <= 4; ++number) {
            SCOPED_TRACE(number);
            const Node &expected = NodeNumber(first, number);
            const Node &node = NodeNumber(*other, number);
            EXPECT_TRUE(Close(node.resultDisplacement.x, expected.resultDisplacement.x, 0.02));
            EXPECT_TRUE(Close(node.resultDisplacement.y, expected.resultDisplacement.y, 0.02));
            EXPECT_TRUE(Close(node.resultDisplacement.z, expected.resultDisplacement.z, 0.02));
        }
        for (int number = 1; number <= 3; ++number) {
            EXPECT_TRUE(Close(RodNumber(*other, number).resultM.x, RodNumber(first, number).resultM.x, 1.0));
            EXPECT_TRUE(Close(RodNumber(*other, number).resultN.y, RodNumber(first, number).resultN.y, 1.0));
        }
    }
    // The settlements were not doubled by the repeated calculations.
    EXPECT_EQ(NodeNumber(again, 1).displacement, Triple(0.01, -0.01, 0.0));
    EXPECT_EQ(NodeNumber(again, 4).displacement, Triple(0.0, -0.02, 0.0));
    EXPECT_TRUE(Close(NodeNumber(first, 1).resultDisplacement.x, 0.01, 0.02));
    EXPECT_TRUE(Close(NodeNumber(first, 1).resultDisplacement.y, -0.01, 0.02));
    // The roller moves along its sliding direction (cos 30°, -sin 30°) away
    // from the settled position: its link (sin 30°, cos 30°) shortens by the
    // projection of the settlement.
    const Triple &roller = NodeNumber(first, 4).resultDisplacement;
    EXPECT_TRUE(Close(roller.x * 0.5 + roller.y * std::sqrt(0.75), -0.02 * std::sqrt(0.75), 0.02));
    EXPECT_TRUE(InEquilibrium(first));
}
