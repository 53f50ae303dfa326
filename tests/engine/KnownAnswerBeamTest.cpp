// Known answers for beams: cantilever, propped cantilever, a beam held by a
// clamped column (no sway), a continuous beam on a pendulum link. Sign
// conventions: see KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"

#include <gtest/gtest.h>

using namespace enginetest;

namespace {

constexpr double EI = 2.0;

// Cantilever of length L along +x: clamp node 1 at the origin, tip node 2.
// `clampFirst` decides which node is drawn first (and therefore whether the
// calculation turns the rod).
StructureModel Cantilever(double L, bool clampFirst)
{
    StructureModel s;
    if (clampFirst) {
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, L, 0.0, true);
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    } else {
        AddNode(s, 2, L, 0.0, true);
        AddNode(s, 1, 0.0, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    }
    return s;
}

Node &Numbered(StructureModel &s, int number)
{
    return s.nodes[FindNode(s, number)];
}

} // namespace

TEST(KnownAnswerBeam, Cantilever)
{
    const double L = 3.0, P = 5.0, M0 = 7.0, q = 4.0;
    // Tip force P down: M(x) = -P(L - x), Q = P; tip deflection PL^3/(3EI)
    // down, tip rotation PL^2/(2EI) clockwise; the clamp holds P up and PL
    // counter-clockwise.
    // Tip moment M0 clockwise: M(x) = -M0, Q = 0; tip deflection M0 L^2/(2EI)
    // down, rotation M0 L/EI clockwise; the clamp holds M0 counter-clockwise.
    // Uniform load q down: M(x) = -q(L - x)^2/2, Q = q(L - x); tip
    // deflection qL^4/(8EI) down, rotation qL^3/(6EI) clockwise; the clamp
    // holds qL up and qL^2/2 counter-clockwise.
    struct Case {
        const char *name;
        double force, moment, load;
        double clampMoment, tipMoment, clampShear, tipShear;
        double tipDy, tipRotation;
        double reactionY, reactionMoment;
    };
    const Case cases[] = {
        {"tip force", P, 0.0, 0.0, -P * L, 0.0, P, P, -P * L * L * L / (3 * EI), P * L * L / (2 * EI), P,
         P * L},
        {"tip moment", 0.0, M0, 0.0, -M0, M0, 0.0, 0.0, -M0 * L * L / (2 * EI), M0 * L / EI, 0.0, M0},
        {"uniform load", 0.0, 0.0, q, -q * L * L / 2, 0.0, q * L, 0.0, -q * L * L * L * L / (8 * EI),
         q * L * L * L / (6 * EI), q * L, q * L * L / 2},
    };
    for (const Case &c : cases) {
        for (bool clampFirst : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (clampFirst ? ", clamp drawn first" : ", tip drawn first"));
            StructureModel s = Cantilever(L, clampFirst);
            Numbered(s, 2).force = Pair(0.0, -c.force);
            Numbered(s, 2).moment = c.moment;
            s.rods[0].load = Pair(0.0, -c.load);
            ASSERT_TRUE(Calculated(s));

            const double scale = 30.0;
            EXPECT_TRUE(Near(c.clampMoment, MomentAt(s, 1, 1), Scale(scale)));
            EXPECT_TRUE(Near(c.tipMoment, MomentAt(s, 1, 2), Scale(scale)));
            EXPECT_TRUE(Near(c.clampShear, ShearAt(s, 1, 1), Scale(scale)));
            EXPECT_TRUE(Near(c.tipShear, ShearAt(s, 1, 2), Scale(scale)));
            EXPECT_TRUE(Near(0.0, AxialAt(s, 1, 1), Scale(scale)));
            const Node &tip = NodeNumber(s, 2);
            EXPECT_TRUE(Near(0.0, tip.resultDisplacement.x, Scale(10.0)));
            EXPECT_TRUE(Near(c.tipDy, tip.resultDisplacement.y, Scale(10.0)));
            EXPECT_TRUE(Near(c.tipRotation, tip.resultDisplacement.z, Scale(10.0)));
            const Node &clamp = NodeNumber(s, 1);
            EXPECT_TRUE(Near(0.0, clamp.reaction.x, Scale(scale)));
            EXPECT_TRUE(Near(c.reactionY, clamp.reaction.y, Scale(scale)));
            EXPECT_TRUE(Near(c.reactionMoment, clamp.reaction.z, Scale(scale)));
            EXPECT_EQ(clamp.resultDisplacement, Triple());
            EXPECT_TRUE(InEquilibrium(s));
        }
    }
}

TEST(KnownAnswerBeam, ProppedCantileverUnderUniformLoad)
{
    // Clamp A at x = 0, a node at mid-span, roller B at x = L; q down.
    // R_B = 3qL/8, R_A = 5qL/8, clamp moment qL^2/8 (hogging), mid-span
    // moment qL^2/16 (sagging), mid-span deflection qL^4/(192 EI) down.
    const double L = 8.0, q = 3.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, L / 2, 0.0, true);
    AddNode(s, 3, L, 0.0, false);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::MovingHinge, EI);
    for (Rod &rod : s.rods)
        rod.load = Pair(0.0, -q);
    ASSERT_TRUE(Calculated(s));

    const double scale = q * L * L;
    EXPECT_TRUE(Near(-q * L * L / 8, MomentAt(s, 1, 1), Scale(scale)));
    // At the mid node the diagram is +qL^2/16 on both rods: rod 1 ends there
    // (-M), rod 2 begins there (+M), both drawn left to right.
    EXPECT_TRUE(Near(-q * L * L / 16, MomentAt(s, 1, 2), Scale(scale)));
    EXPECT_TRUE(Near(q * L * L / 16, MomentAt(s, 2, 2), Scale(scale)));
    EXPECT_TRUE(Near(0.0, MomentAt(s, 2, 3), Scale(scale)));
    EXPECT_TRUE(Near(5 * q * L / 8, ShearAt(s, 1, 1), Scale(scale)));
    EXPECT_TRUE(Near(-3 * q * L / 8, ShearAt(s, 2, 3), Scale(scale)));
    EXPECT_TRUE(Near(-q * L * L * L * L / (192 * EI), NodeNumber(s, 2).resultDisplacement.y, Scale(1.0)));
    EXPECT_TRUE(Near(5 * q * L / 8, NodeNumber(s, 1).reaction.y, Scale(scale)));
    EXPECT_TRUE(Near(q * L * L / 8, NodeNumber(s, 1).reaction.z, Scale(scale)));
    EXPECT_TRUE(Near(3 * q * L / 8, NodeNumber(s, 3).reaction.y, Scale(scale)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).reaction.x, Scale(scale)));
    EXPECT_EQ(NodeNumber(s, 3).resultDisplacement, Triple()) << "the roller does not move";
    EXPECT_EQ(RodNumber(s, 2).end.joint, JointType::MovingHinge);
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(KnownAnswerBeam, BeamHeldByAClampedColumnDoesNotSway)
{
    // Beam A(0,0)-B(L,0) clamped at A, column B-C(L,-L) clamped at C, equal
    // EI, q down on the beam; a node at mid-span gives the method its one
    // linear unknown. Slope-deflection (clockwise end moments): the joint B
    // turns by -qL^3/(96 EI); M_AB = -5qL^2/48, M_BA = qL^2/24,
    // M_BC = -qL^2/24, M_CB = -qL^2/48. Vertical reactions 9qL/16 at A and
    // 7qL/16 at C; the column pushes the beam back with qL/16.
    const double L = 4.0, q = 6.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, L / 2, 0.0, true);
    AddNode(s, 3, L, 0.0, true);
    AddNode(s, 4, L, -L, false);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 3, 2, 3, JointType::Fixed, JointType::Fixed, EI);
    s.rods[0].load = Pair(0.0, -q);
    s.rods[1].load = Pair(0.0, -q);
    ASSERT_TRUE(Calculated(s));

    const double qLL = q * L * L;
    EXPECT_TRUE(Near(-5 * qLL / 48, MomentAt(s, 1, 1), Scale(qLL)));
    EXPECT_TRUE(Near(qLL / 24, MomentAt(s, 2, 3), Scale(qLL)));
    EXPECT_TRUE(Near(-qLL / 24, MomentAt(s, 3, 3), Scale(qLL)));
    EXPECT_TRUE(Near(-qLL / 48, MomentAt(s, 3, 4), Scale(qLL)));
    EXPECT_TRUE(Near(-q * L * L * L / (96 * EI), NodeNumber(s, 3).resultDisplacement.z, Scale(1.0)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).resultDisplacement.x, Scale(1.0)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).resultDisplacement.y, Scale(1.0)));

    const Node &A = NodeNumber(s, 1);
    const Node &C = NodeNumber(s, 4);
    EXPECT_TRUE(Near(9 * q * L / 16, A.reaction.y, Scale(q * L)));
    EXPECT_TRUE(Near(7 * q * L / 16, C.reaction.y, Scale(q * L)));
    EXPECT_TRUE(Near(q * L / 16, A.reaction.x, Scale(q * L)));
    EXPECT_TRUE(Near(-q * L / 16, C.reaction.x, Scale(q * L)));
    EXPECT_TRUE(Near(5 * qLL / 48, A.reaction.z, Scale(qLL)));
    EXPECT_TRUE(Near(qLL / 48, C.reaction.z, Scale(qLL)));
    EXPECT_TRUE(Near(-q * L / 16, AxialAt(s, 2, 3), Scale(q * L)));
    EXPECT_TRUE(Near(-7 * q * L / 16, AxialAt(s, 3, 4), Scale(q * L)));
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(KnownAnswerBeam, TwoSpanBeamOnAPendulumLink)
{
    // Spans of L, q down, pin at the left, roller at the right; the middle
    // support is a hinged link under the continuous beam (a pin or roller
    // would hinge the beam there). Nodes at mid-span. Each span behaves as
    // a propped cantilever: support moment qL^2/8 (hogging), mid-span
    // moment qL^2/16, end reactions 3qL/8, middle reaction 10qL/8 carried
    // by the link in compression; mid-span deflection qL^4/(192 EI).
    const double L = 6.0, q = 10.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, L / 2, 0.0, true);
    AddNode(s, 3, L, 0.0, true);
    AddNode(s, 4, 1.5 * L, 0.0, true);
    AddNode(s, 5, 2 * L, 0.0, false);
    AddNode(s, 6, L, -1.5, false);
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed, EI);
    AddRod(s, 2, 1, 2, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 3, 2, 3, JointType::Fixed, JointType::Fixed, EI);
    AddRod(s, 4, 3, 4, JointType::Fixed, JointType::MovingHinge, EI);
    AddRod(s, 5, 2, 5, JointType::Hinge, JointType::Hinge, EI);
    for (int r = 0; r < 4; ++r)
        s.rods[r].load = Pair(0.0, -q);
    ASSERT_TRUE(Calculated(s));

    const double qLL = q * L * L;
    EXPECT_TRUE(Near(qLL / 8, MomentAt(s, 2, 3), Scale(qLL)));
    EXPECT_TRUE(Near(-qLL / 8, MomentAt(s, 3, 3), Scale(qLL)));
    EXPECT_TRUE(Near(qLL / 16, MomentAt(s, 2, 2), Scale(qLL)));
    EXPECT_TRUE(Near(-qLL / 16, MomentAt(s, 3, 4), Scale(qLL)));
    EXPECT_TRUE(Near(0.0, MomentAt(s, 1, 1), Scale(qLL)));
    EXPECT_TRUE(Near(-10 * q * L / 8, AxialAt(s, 5, 3), Scale(q * L)));
    EXPECT_TRUE(Near(-10 * q * L / 8, AxialAt(s, 5, 6), Scale(q * L)));
    EXPECT_TRUE(Near(3 * q * L / 8, NodeNumber(s, 1).reaction.y, Scale(q * L)));
    EXPECT_TRUE(Near(10 * q * L / 8, NodeNumber(s, 6).reaction.y, Scale(q * L)));
    EXPECT_TRUE(Near(3 * q * L / 8, NodeNumber(s, 5).reaction.y, Scale(q * L)));
    for (int node : {1, 5, 6}) {
        EXPECT_TRUE(Near(0.0, NodeNumber(s, node).reaction.x, Scale(q * L)));
        EXPECT_EQ(NodeNumber(s, node).reaction.z, 0.0) << "a hinged support takes no moment";
    }
    const double deflection = q * L * L * L * L / (192 * EI);
    EXPECT_TRUE(Near(-deflection, NodeNumber(s, 2).resultDisplacement.y, Scale(deflection)));
    EXPECT_TRUE(Near(-deflection, NodeNumber(s, 4).resultDisplacement.y, Scale(deflection)));
    EXPECT_TRUE(Near(0.0, NodeNumber(s, 3).resultDisplacement.y, Scale(deflection)));
    // The supports are back as the user drew them.
    EXPECT_EQ(CountService(s), 0);
    EXPECT_EQ(s.nodes.count, 6);
    EXPECT_EQ(s.rods.count, 5);
    EXPECT_EQ(NodeNumber(s, 6).isFree, 0);
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}
