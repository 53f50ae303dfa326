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
        EXPECT_TRUE(Near(-dy, tip.y, Scale(dy)));
        EXPECT_TRUE(Near(alpha * dT * L / height, tip.z, Scale(dy)));
        EXPECT_TRUE(Near(alpha * Tm * L, tip.x, Scale(dy)));
        EXPECT_TRUE(Near(0.0, MomentAt(s, 1, 1), Scale(1.0)));
        EXPECT_TRUE(Near(0.0, NodeNumber(s, 1).reaction.z, Scale(1.0)));
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
        EXPECT_TRUE(Near(M, MomentAt(s, clampRod, 1), Scale(M)));
        EXPECT_TRUE(Near(M / 2, std::fabs(MomentAt(s, clampRod, 2)), Scale(M)));
        EXPECT_TRUE(Near(0.0, MomentAt(s, rollerRod, 3), Scale(M)));
        EXPECT_TRUE(Near(R, NodeNumber(s, 3).reaction.y, Scale(R)));
        EXPECT_TRUE(Near(-R, NodeNumber(s, 1).reaction.y, Scale(R)));
        EXPECT_TRUE(Near(-M, NodeNumber(s, 1).reaction.z, Scale(M)));
        EXPECT_TRUE(Near(0.0, NodeNumber(s, 1).reaction.x, Scale(R)));
        EXPECT_TRUE(Near(alpha * Tm * L, NodeNumber(s, 3).resultDisplacement.x, Scale(1.0)));
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
    EXPECT_TRUE(Near(1.5 * m, MomentAt(s, 1, 1), Scale(m)));
    EXPECT_TRUE(Near(3 * m, MomentAt(s, 2, 3), Scale(m)));
    EXPECT_TRUE(Near(-3 * m, MomentAt(s, 3, 3), Scale(m)));
    EXPECT_TRUE(Near(-4.5 * m, MomentAt(s, 3, 4), Scale(m)));
    EXPECT_TRUE(Near(-7.5 * f, AxialAt(s, 1, 1), Scale(f)));
    EXPECT_TRUE(Near(-7.5 * f, AxialAt(s, 2, 3), Scale(f)));
    const Triple &B = NodeNumber(s, 3).resultDisplacement;
    EXPECT_TRUE(Near(alpha * T * L, B.x, Scale(1.0)));
    EXPECT_TRUE(Near(0.0, B.y, Scale(1.0)));
    EXPECT_TRUE(Near(0.75 * psi, B.z, Scale(psi)));
    EXPECT_TRUE(Near(alpha * T * L / 2, NodeNumber(s, 2).resultDisplacement.x, Scale(1.0)));
    EXPECT_TRUE(Near(7.5 * f, NodeNumber(s, 1).reaction.x, Scale(f)));
    EXPECT_TRUE(Near(-7.5 * f, NodeNumber(s, 4).reaction.x, Scale(f)));
    EXPECT_TRUE(Near(-4.5 * f, NodeNumber(s, 1).reaction.y, Scale(f)));
    EXPECT_TRUE(Near(4.5 * f, NodeNumber(s, 4).reaction.y, Scale(f)));
    EXPECT_TRUE(Near(-1.5 * m, NodeNumber(s, 1).reaction.z, Scale(m)));
    EXPECT_TRUE(Near(4.5 * m, NodeNumber(s, 4).reaction.z, Scale(m)));
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
        EXPECT_TRUE(Near(c.rollerReaction, NodeNumber(s, 3).reaction.y, Scale(F)));
        EXPECT_TRUE(Near(-c.rollerReaction, NodeNumber(s, 1).reaction.y, Scale(F)));
        EXPECT_TRUE(Near(c.clampMoment, MomentAt(s, 1, 1), Scale(scale)));
        EXPECT_TRUE(Near(-c.clampMoment, NodeNumber(s, 1).reaction.z, Scale(scale)));
        const Triple &roller = NodeNumber(s, 3).resultDisplacement;
        EXPECT_TRUE(Near(c.rollerMoves.x, roller.x, Scale(d)));
        EXPECT_TRUE(Near(c.rollerMoves.y, roller.y, Scale(d)));
        EXPECT_EQ(roller.z, 0.0);
        EXPECT_EQ(NodeNumber(s, 1).resultDisplacement.x, c.clampMoves.x);
        EXPECT_EQ(NodeNumber(s, 1).resultDisplacement.y, c.clampMoves.y);
        EXPECT_TRUE(Near(c.clampMoves.z, NodeNumber(s, 1).resultDisplacement.z, Scale(t)));
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

        EXPECT_TRUE(Near(-c.thrust, NodeNumber(s, 1).reaction.x, Scale(H)));
        EXPECT_TRUE(Near(c.thrust, NodeNumber(s, 4).reaction.x, Scale(H)));
        EXPECT_TRUE(Near(0.0, NodeNumber(s, 1).reaction.y, Scale(H)));
        EXPECT_TRUE(Near(0.0, NodeNumber(s, 4).reaction.y, Scale(H)));
        EXPECT_TRUE(Near(c.thrust, AxialAt(s, 2, 2), Scale(H)));
        EXPECT_TRUE(Near(c.thrust * h, std::fabs(MomentAt(s, 2, 2)), Scale(H * h)));
        EXPECT_TRUE(Near(c.thrust * h, std::fabs(MomentAt(s, 1, 2)), Scale(H * h)));

        const Triple &left = NodeNumber(s, 2).resultDisplacement;
        const Triple &right = NodeNumber(s, 3).resultDisplacement;
        EXPECT_TRUE(Near(c.leftCorner.x, left.x, Scale(d)));
        EXPECT_TRUE(Near(c.leftCorner.y, left.y, Scale(d)));
        EXPECT_TRUE(Near(c.rightCorner.x, right.x, Scale(d)));
        EXPECT_TRUE(Near(c.rightCorner.y, right.y, Scale(d)));
        if (!std::isnan(c.cornerRotation)) {
            EXPECT_TRUE(Near(c.cornerRotation, left.z, Scale(d)));
            EXPECT_TRUE(Near(c.cornerRotation, right.z, Scale(d)));
        }
        // The settled foot shows its settlement once and keeps it as its load.
        const Node &foot = NodeNumber(s, 4);
        EXPECT_TRUE(Near(c.settlement.x, foot.resultDisplacement.x, Scale(d)));
        EXPECT_TRUE(Near(c.settlement.y, foot.resultDisplacement.y, Scale(d)));
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
    SettingsRestorer settings;
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
            EXPECT_TRUE(Near(expected.resultDisplacement.x, node.resultDisplacement.x, Scale(0.02)));
            EXPECT_TRUE(Near(expected.resultDisplacement.y, node.resultDisplacement.y, Scale(0.02)));
            EXPECT_TRUE(Near(expected.resultDisplacement.z, node.resultDisplacement.z, Scale(0.02)));
        }
        for (int number = 1; number <= 3; ++number) {
            EXPECT_TRUE(Near(RodNumber(first, number).resultM.x, RodNumber(*other, number).resultM.x, Scale(1.0)));
            EXPECT_TRUE(Near(RodNumber(first, number).resultN.y, RodNumber(*other, number).resultN.y, Scale(1.0)));
        }
    }
    // The settlements were not doubled by the repeated calculations.
    EXPECT_EQ(NodeNumber(again, 1).displacement, Triple(0.01, -0.01, 0.0));
    EXPECT_EQ(NodeNumber(again, 4).displacement, Triple(0.0, -0.02, 0.0));
    EXPECT_TRUE(Near(0.01, NodeNumber(first, 1).resultDisplacement.x, Scale(0.02)));
    EXPECT_TRUE(Near(-0.01, NodeNumber(first, 1).resultDisplacement.y, Scale(0.02)));
    // The roller moves along its sliding direction (cos 30°, -sin 30°) away
    // from the settled position: its link (sin 30°, cos 30°) shortens by the
    // projection of the settlement.
    const Triple &roller = NodeNumber(first, 4).resultDisplacement;
    EXPECT_TRUE(Near(-0.02 * std::sqrt(0.75), roller.x * 0.5 + roller.y * std::sqrt(0.75), Scale(0.02)));
    EXPECT_TRUE(InEquilibrium(first));
}
