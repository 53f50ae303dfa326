// Known answers for frames: portal frames under sway, a three-hinged frame,
// inclined members, rollers at an angle, and the equilibrium of a larger
// frame. Sign conventions: see KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace enginetest;

namespace {

constexpr double EI = 3.0;

// Portal frame h = l: feet 1 (0,0) and 4 (l,0), corners 2 (0,h) and 3 (l,h);
// columns 1 (1-2) and 3 (3-4), beam 2 (2-3); force P to the right at node 2.
StructureModel Portal(double h, double P, JointType feet)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 0.0, h, true);
    AddNode(s, 3, h, h, true);
    AddNode(s, 4, h, 0.0, false);
    AddRod(s, 1, 0, 1, feet, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 3, 2, 3, JointType::Fixed, feet, EI);
    s.nodes[1].force = Pair(P, 0.0);
    return s;
}

} // namespace

TEST(KnownAnswerFrame, PortalWithFixedFeetSways)
{
    // Antisymmetric sway Δ, chord rotation ψ = Δ/h of both columns, corner
    // rotation θ (clockwise positive). Slope-deflection with h = l:
    // joint: 2EI/h (2θ - 3ψ) + 6EIθ/h = 0 -> θ = 0.6ψ; column moments
    // M_base = -4.8 EIψ/h, M_top = -3.6 EIψ/h; the shears of both columns
    // carry P: 16.8 EIψ/h^2 = P. So M_base = -2Ph/7, M_top = -3Ph/14,
    // Δ = 5Ph^3/(84 EI), each foot takes P/2 back, and the feet take the
    // overturning moment Ph with 2 * 2Ph/7 and vertical forces -+3P/7.
    const double h = 4.0, P = 7.0;
    StructureModel s = Portal(h, P, JointType::Fixed);
    ASSERT_TRUE(Calculated(s));

    const double Ph = P * h;
    EXPECT_TRUE(Near(-2 * Ph / 7, MomentAt(s, 1, 1), Scale(Ph)));
    EXPECT_TRUE(Near(-3 * Ph / 14, MomentAt(s, 1, 2), Scale(Ph)));
    EXPECT_TRUE(Near(3 * Ph / 14, MomentAt(s, 2, 2), Scale(Ph)));
    EXPECT_TRUE(Near(3 * Ph / 14, MomentAt(s, 2, 3), Scale(Ph)));
    EXPECT_TRUE(Near(-3 * Ph / 14, MomentAt(s, 3, 3), Scale(Ph)));
    EXPECT_TRUE(Near(-2 * Ph / 7, MomentAt(s, 3, 4), Scale(Ph)));
    // Q = -(M_base + M_top)/h = P/2 on both columns.
    EXPECT_TRUE(Near(P / 2, ShearAt(s, 1, 1), Scale(P)));
    EXPECT_TRUE(Near(P / 2, ShearAt(s, 3, 4), Scale(P)));

    const double sway = 5 * P * h * h * h / (84 * EI);
    for (int corner : {2, 3}) {
        const Triple &d = NodeNumber(s, corner).resultDisplacement;
        EXPECT_TRUE(Near(sway, d.x, Scale(sway)));
        EXPECT_TRUE(Near(0.0, d.y, Scale(sway)));
        EXPECT_TRUE(Near(0.6 * sway / h, d.z, Scale(sway / h)));
    }
    const Node &left = NodeNumber(s, 1);
    const Node &right = NodeNumber(s, 4);
    EXPECT_TRUE(Near(-P / 2, left.reaction.x, Scale(P)));
    EXPECT_TRUE(Near(-P / 2, right.reaction.x, Scale(P)));
    EXPECT_TRUE(Near(-3 * P / 7, left.reaction.y, Scale(P)));
    EXPECT_TRUE(Near(3 * P / 7, right.reaction.y, Scale(P)));
    EXPECT_TRUE(Near(2 * Ph / 7, left.reaction.z, Scale(Ph)));
    EXPECT_TRUE(Near(2 * Ph / 7, right.reaction.z, Scale(Ph)));
    EXPECT_TRUE(Near(3 * P / 7, AxialAt(s, 1, 1), Scale(P))) << "the windward column is pulled";
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(KnownAnswerFrame, PortalWithPinnedFeetSways)
{
    // Pinned feet: column M_top = 3EI/h (θ - ψ), joint 3(θ - ψ) + 6θ = 0 ->
    // θ = ψ/3, M_top = -2EIψ/h; column shear 2EIψ/h^2 = P/2. So the corner
    // moments are Ph/2, Δ = Ph^3/(4 EI), each foot takes P/2 back and the
    // feet hold the overturning moment with vertical forces -+Ph/l.
    const double h = 4.0, P = 7.0;
    StructureModel s = Portal(h, P, JointType::Hinge);
    ASSERT_TRUE(Calculated(s));

    const double Ph = P * h;
    EXPECT_TRUE(Near(0.0, MomentAt(s, 1, 1), Scale(Ph)));
    EXPECT_TRUE(Near(-Ph / 2, MomentAt(s, 1, 2), Scale(Ph)));
    EXPECT_TRUE(Near(Ph / 2, MomentAt(s, 2, 2), Scale(Ph)));
    EXPECT_TRUE(Near(-Ph / 2, MomentAt(s, 3, 3), Scale(Ph)));
    const double sway = P * h * h * h / (4 * EI);
    EXPECT_TRUE(Near(sway, NodeNumber(s, 2).resultDisplacement.x, Scale(sway)));
    EXPECT_TRUE(Near(sway, NodeNumber(s, 3).resultDisplacement.x, Scale(sway)));
    EXPECT_TRUE(Near(sway / (3 * h), NodeNumber(s, 2).resultDisplacement.z, Scale(sway / h)));

    const Node &left = NodeNumber(s, 1);
    const Node &right = NodeNumber(s, 4);
    EXPECT_TRUE(Near(-P / 2, left.reaction.x, Scale(P)));
    EXPECT_TRUE(Near(-P / 2, right.reaction.x, Scale(P)));
    EXPECT_TRUE(Near(-P, left.reaction.y, Scale(P)));
    EXPECT_TRUE(Near(P, right.reaction.y, Scale(P)));
    EXPECT_EQ(left.reaction.z, 0.0);
    EXPECT_EQ(left.isFree, 0);
    EXPECT_EQ(RodNumber(s, 1).begin.node == FindNode(s, 1) ? RodNumber(s, 1).begin.joint
                                                           : RodNumber(s, 1).end.joint,
              JointType::Hinge);
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(KnownAnswerFrame, ThreeHingedFrame)
{
    // Pinned feet 2a apart, height h, a hinge in the middle of the beam, q
    // down on the beam. Statics: V = qa at each foot, thrust H = q(2a)^2/(8h)
    // inwards, corner moments Hh (tension outside), none at the crown;
    // columns carry -V, the beam -H.
    const double a = 4.0, h = 4.0, q = 10.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 0.0, h, true);
    AddNode(s, 3, a, h, true);
    AddNode(s, 4, 2 * a, h, true);
    AddNode(s, 5, 2 * a, 0.0, false);
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Hinge, EI);
    AddRod(s, 3, 2, 3, JointType::Hinge, JointType::Fixed, EI);
    AddRod(s, 4, 3, 4, JointType::Fixed, JointType::Hinge, EI);
    s.rods[1].load = Pair(0.0, -q);
    s.rods[2].load = Pair(0.0, -q);
    ASSERT_TRUE(Calculated(s));

    const double V = q * a, H = q * 4 * a * a / (8 * h);
    EXPECT_TRUE(Near(H, NodeNumber(s, 1).reaction.x, Scale(V)));
    EXPECT_TRUE(Near(-H, NodeNumber(s, 5).reaction.x, Scale(V)));
    EXPECT_TRUE(Near(V, NodeNumber(s, 1).reaction.y, Scale(V)));
    EXPECT_TRUE(Near(V, NodeNumber(s, 5).reaction.y, Scale(V)));
    EXPECT_TRUE(Near(H * h, std::fabs(MomentAt(s, 1, 2)), Scale(H * h)));
    EXPECT_TRUE(Near(-MomentAt(s, 1, 2), MomentAt(s, 2, 2), Scale(H * h)));
    EXPECT_TRUE(Near(0.0, MomentAt(s, 2, 3), Scale(H * h)));
    EXPECT_TRUE(Near(0.0, MomentAt(s, 3, 3), Scale(H * h)));
    EXPECT_TRUE(Near(-V, AxialAt(s, 1, 1), Scale(V)));
    EXPECT_TRUE(Near(-V, AxialAt(s, 4, 5), Scale(V)));
    EXPECT_TRUE(Near(-H, AxialAt(s, 2, 3), Scale(V)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).resultDisplacement.z, Scale(1.0))) << "a hinged node has no rotation";
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(KnownAnswerFrame, InclinedCantileverOfSlopeThreeToFour)
{
    // Clamp at the origin, tip at (3, 4): L = 5, t = (0.6, 0.8),
    // n = (-0.8, 0.6). A downward tip force P has the axial component -0.8P
    // (compression) and the transverse component -0.6P: clamp moment -3P
    // (the lever is horizontal), shear 0.6P, tip displacement
    // -0.6P L^3/(3EI) along n and rotation 0.6P L^2/(2EI) clockwise.
    const double P = 10.0, L = 5.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 3.0, 4.0, true);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    s.nodes[1].force = Pair(0.0, -P);
    ASSERT_TRUE(Calculated(s));

    EXPECT_TRUE(Near(-3 * P, MomentAt(s, 1, 1), Scale(P * L)));
    EXPECT_TRUE(Near(0.0, MomentAt(s, 1, 2), Scale(P * L)));
    EXPECT_TRUE(Near(0.6 * P, ShearAt(s, 1, 1), Scale(P)));
    EXPECT_TRUE(Near(-0.8 * P, AxialAt(s, 1, 1), Scale(P)));
    EXPECT_TRUE(Near(-0.8 * P, AxialAt(s, 1, 2), Scale(P)));
    const double deflection = -0.6 * P * L * L * L / (3 * EI);
    const Triple &tip = NodeNumber(s, 2).resultDisplacement;
    EXPECT_TRUE(Near(deflection * -0.8, tip.x, Scale(std::fabs(deflection))));
    EXPECT_TRUE(Near(deflection * 0.6, tip.y, Scale(std::fabs(deflection))));
    EXPECT_TRUE(Near(0.6 * P * L * L / (2 * EI), tip.z, Scale(1.0)));
    EXPECT_TRUE(Near(P, NodeNumber(s, 1).reaction.y, Scale(P)));
    EXPECT_TRUE(Near(3 * P, NodeNumber(s, 1).reaction.z, Scale(P)));
}

TEST(KnownAnswerFrame, BarsAtThirtyAndSixtyDegrees)
{
    // Two bars of length 2, pinned at their feet and joined rigidly at the
    // apex C: A = C - (cos 30°, sin 30°)*2, B = C + (cos 60°, -sin 60°)*2.
    // The bars are perpendicular and the apex cannot move, so a downward
    // force P at C is carried by axial forces alone: N_AC = -P sin 30°,
    // N_CB = -P cos 30°, and no bending. A node at the middle of AC gives
    // the method a linear unknown.
    const double P = 12.0, r3 = std::sqrt(3.0);
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);           // A
    AddNode(s, 2, r3 / 2, 0.5, true);         // middle of AC
    AddNode(s, 3, r3, 1.0, true);             // C
    AddNode(s, 4, r3 + 1.0, 1.0 - r3, false); // B
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 3, 2, 3, JointType::Fixed, JointType::Hinge, EI);
    s.nodes[2].force = Pair(0.0, -P);
    ASSERT_TRUE(Calculated(s));

    EXPECT_TRUE(Near(-P / 2, AxialAt(s, 1, 1), Scale(P)));
    EXPECT_TRUE(Near(-P / 2, AxialAt(s, 2, 3), Scale(P)));
    EXPECT_TRUE(Near(-P * r3 / 2, AxialAt(s, 3, 3), Scale(P)));
    for (int rod : {1, 2, 3}) {
        EXPECT_TRUE(Near(0.0, RodNumber(s, rod).resultM.x, Scale(P)));
        EXPECT_TRUE(Near(0.0, RodNumber(s, rod).resultM.y, Scale(P)));
    }
    // Each foot is pushed away from the apex along its bar.
    EXPECT_TRUE(Near(r3 * P / 4, NodeNumber(s, 1).reaction.x, Scale(P)));
    EXPECT_TRUE(Near(P / 4, NodeNumber(s, 1).reaction.y, Scale(P)));
    EXPECT_TRUE(Near(-r3 * P / 4, NodeNumber(s, 4).reaction.x, Scale(P)));
    EXPECT_TRUE(Near(3 * P / 4, NodeNumber(s, 4).reaction.y, Scale(P)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).resultDisplacement.x, Scale(1.0)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).resultDisplacement.y, Scale(1.0)));
}

TEST(KnownAnswerFrame, RollersAtAnAngle)
{
    // A simple span 2b with a force at its middle node, pinned at one end
    // and held at the other by a roller whose link is turned by `angle`
    // from the vertical (the link pushes along (sin a, cos a)).
    // 90°: a column with the force horizontal, each support takes half
    // of it. 30°: a beam with the force down; the roller carries P/2
    // vertically and P/2 tan 30° horizontally, which puts the span in
    // tension. Mid-span moment P(2b)/4, mid-span deflection P(2b)^3/(48EI).
    const double b = 2.0, P = 9.0;
    struct Case {
        double angle;
        Pair direction; // of the span, from the pin
        Pair force;
        Pair rollerReaction;
        double axial;
    };
    const double t30 = std::tan(30.0 * M_PI / 180.0);
    const Case cases[] = {
        {90.0, Pair(0.0, 1.0), Pair(P, 0.0), Pair(-P / 2, 0.0), 0.0},
        {30.0, Pair(1.0, 0.0), Pair(0.0, -P), Pair(P / 2 * t30, P / 2), P / 2 * t30},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.angle);
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, b * c.direction.x, b * c.direction.y, true);
        AddNode(s, 3, 2 * b * c.direction.x, 2 * b * c.direction.y, false);
        AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
        AddRod(s, 2, 1, 2, JointType::Fixed, JointType::MovingHinge, EI);
        s.rods[1].end.angle = c.angle;
        s.nodes[1].force = c.force;
        ASSERT_TRUE(Calculated(s));

        const Node &roller = NodeNumber(s, 3);
        const Node &pin = NodeNumber(s, 1);
        EXPECT_TRUE(Near(c.rollerReaction.x, roller.reaction.x, Scale(P)));
        EXPECT_TRUE(Near(c.rollerReaction.y, roller.reaction.y, Scale(P)));
        EXPECT_TRUE(Near(-c.force.x - c.rollerReaction.x, pin.reaction.x, Scale(P)));
        EXPECT_TRUE(Near(-c.force.y - c.rollerReaction.y, pin.reaction.y, Scale(P)));
        EXPECT_TRUE(Near(c.axial, AxialAt(s, 1, 1), Scale(P)));
        EXPECT_TRUE(Near(c.axial, AxialAt(s, 2, 3), Scale(P)));
        EXPECT_TRUE(Near(P * 2 * b / 4, std::fabs(MomentAt(s, 1, 2)), Scale(P * b)));
        const double deflection = P * 8 * b * b * b / (48 * EI);
        const Triple &middle = NodeNumber(s, 2).resultDisplacement;
        EXPECT_TRUE(Near(deflection, std::hypot(middle.x, middle.y), Scale(deflection)));
        EXPECT_TRUE(Near(0.0, middle.x * c.direction.x + middle.y * c.direction.y, Scale(deflection)))
            << "the span does not change its length";
        EXPECT_EQ(roller.resultDisplacement, Triple());
        const Rod &rod = RodNumber(s, 2);
        const RodEnd &end = rod.end.node == FindNode(s, 3) ? rod.end : rod.begin;
        EXPECT_EQ(end.joint, JointType::MovingHinge);
        EXPECT_EQ(end.angle, c.angle);
        EXPECT_TRUE(InEquilibrium(s));
    }
}

TEST(KnownAnswerFrame, TwoBayTwoStoreyFrameIsInEquilibrium)
{
    // No closed form: every load kind at once on an irregular frame with a
    // clamp, a pin, a roller and an inclined rafter. The reactions must
    // balance the loads (forces and moments about the origin), and every
    // rigid joint must balance its end moments against its node moment.
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);  // clamp
    AddNode(s, 2, 5.0, 0.0, false);  // pin
    AddNode(s, 3, 11.0, 0.0, false); // roller
    AddNode(s, 4, 0.0, 3.5, true);
    AddNode(s, 5, 5.0, 3.5, true);
    AddNode(s, 6, 11.0, 3.5, true);
    AddNode(s, 7, 0.0, 7.0, true);
    AddNode(s, 8, 5.0, 8.5, true);
    AddNode(s, 9, 2.5, 3.5, true);
    AddRod(s, 1, 0, 3, JointType::Fixed, JointType::Fixed, 4.0);
    AddRod(s, 2, 1, 4, JointType::Hinge, JointType::Fixed, 4.0);
    AddRod(s, 3, 2, 5, JointType::MovingHinge, JointType::Fixed, 2.0);
    AddRod(s, 4, 3, 8, JointType::Fixed, JointType::Fixed, 6.0);
    AddRod(s, 5, 8, 4, JointType::Fixed, JointType::Fixed, 6.0);
    AddRod(s, 6, 4, 5, JointType::Hinge, JointType::Fixed, 5.0);
    AddRod(s, 7, 3, 6, JointType::Fixed, JointType::Fixed, 3.0);
    AddRod(s, 8, 4, 7, JointType::Fixed, JointType::Fixed, 3.0);
    AddRod(s, 9, 6, 7, JointType::Fixed, JointType::Hinge, 2.5);
    s.rods[2].begin.angle = 20.0;
    s.nodes[3].force = Pair(12.0, -3.0);
    s.nodes[6].force = Pair(5.0, 0.0);
    s.nodes[4].moment = 7.5;
    s.nodes[8].force = Pair(0.0, -20.0);
    s.rods[3].load = Pair(0.0, -8.0);
    s.rods[4].load = Pair(0.0, -8.0);
    s.rods[5].load = Pair(0.0, -6.0);
    s.rods[8].load = Pair(1.5, -4.0);
    s.rods[6].load = Pair(2.0, 0.0);
    ASSERT_TRUE(Calculated(s));

    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
    // The roller's reaction points along its link.
    const Triple &roller = NodeNumber(s, 3).reaction;
    EXPECT_TRUE(Near(0.0, roller.x * std::cos(20.0 * M_PI / 180.0) - roller.y * std::sin(20.0 * M_PI / 180.0), Scale(std::hypot(roller.x, roller.y))));
    EXPECT_NE(roller.y, 0.0);
    EXPECT_EQ(NodeNumber(s, 2).reaction.z, 0.0);
    EXPECT_EQ(NodeNumber(s, 3).reaction.z, 0.0);
    EXPECT_EQ(CountService(s), 0);
    EXPECT_EQ(s.nodes.count, 9);
    EXPECT_EQ(s.rods.count, 9);
}
