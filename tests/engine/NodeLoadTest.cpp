// Forces and moments at nodes that the method does not treat as free rigid
// nodes: a moment where every rod end is hinged is refused (no rod can take
// it), a load on a clamp goes straight into the clamp's reaction, and a load
// on a hinged or moving support reaches its service bars through the
// equations. Every accepted case is checked against hand results and for
// global equilibrium (node moments clockwise, reaction moments
// counter-clockwise positive).

#include "engine/KnownAnswerSupport.h"

#include <cstdio>
#include <functional>

using namespace enginetest;

namespace {

constexpr int momentAtHingedNodeMessage = 50223;

// Portal on two feet: A (0, 0) number 1, B (0, 3) number 2, C (4, 3)
// number 3, D (4, 0) number 4, with D clamped. The left foot and the joint at
// C are chosen by the case. Calculation order: B, C (free), then A, D, or
// A, B, C with A free when its support is replaced by service bars.
StructureModel Portal(JointType leftFoot, JointType beamAtC, JointType columnAtC)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 0.0, 3.0, true);
    AddNode(s, 3, 4.0, 3.0, true);
    AddNode(s, 4, 4.0, 0.0, false);
    AddRod(s, 1, 0, 1, leftFoot, JointType::Fixed, 2.0);
    AddRod(s, 2, 1, 2, JointType::Fixed, beamAtC, 3.0);
    AddRod(s, 3, 2, 3, columnAtC, JointType::Fixed, 2.0);
    return s;
}

// The reason of message 50223 for a node label.
std::string HingedNodeReason(int label)
{
    char text[1024];
    std::snprintf(text, sizeof text, LoadString(momentAtHingedNodeMessage), label);
    return SplitMessage(text).reason;
}

bool ResultsUntouched(const StructureModel &s)
{
    for (const Node &node : s.nodes) {
        if (node.resultDisplacement != Triple() || node.reaction != Triple())
            return false;
    }
    for (const Rod &rod : s.rods) {
        if (rod.resultM != Pair() || rod.resultQ != Pair() || rod.resultN != Pair())
            return false;
    }
    return true;
}

} // namespace

TEST(NodeLoads, MomentWhereEveryRodEndIsHingedIsRefusedNamingTheNode)
{
    const JointType hinge = JointType::Hinge, fixed = JointType::Fixed;
    struct Case {
        const char *name;
        StructureModel structure;
        int nodeNumber; // the hinged node that carries the moment
        int position;   // its position after preparation
    };
    const Case cases[] = {
        {"free node C, beam and column hinged", Portal(fixed, hinge, hinge), 3, 1},
        {"hinged support A", Portal(hinge, fixed, fixed), 1, 0},
        {"moving hinge support A", Portal(JointType::MovingHinge, fixed, fixed), 1, 0},
    };
    for (const Case &c : cases) {
        for (bool debug : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (debug ? ", debug mode" : ""));
            TemporaryLog log;
            Settings::current().debugMode = debug;

            // Without the moment the structure is sound.
            StructureModel plain = c.structure;
            ASSERT_TRUE(Calculated(plain));

            StructureModel loaded = c.structure;
            loaded.nodes[FindNode(loaded, c.nodeNumber)].moment = 5.0;
            RecordingReporter errors;
            double time = -1.0;
            EXPECT_FALSE(Calculate(loaded, time));
            ASSERT_EQ(errors.messages.size(), 1u);
            EXPECT_EQ(errors.messages[0].headline, StringTableMessage(momentAtHingedNodeMessage).headline);
            const int label = debug ? c.position : c.nodeNumber;
            EXPECT_EQ(errors.messages[0].reason, HingedNodeReason(label));
            EXPECT_NE(errors.messages[0].reason.find("В узле " + std::to_string(label) + " "),
                      std::string::npos);

            // Refused once the arrays are known, before the main equation;
            // nothing is transferred.
            const std::string text = log.read();
            const std::size_t moments = text.find("PM - Node Moments[");
            const std::size_t error = FindFrom(text, "ERROR\n" + errors.messages[0].headline + "\n", moments);
            EXPECT_NE(error, std::string::npos) << text;
            EXPECT_EQ(text.find("SOLVING MAIN EQUATION"), std::string::npos);
            EXPECT_EQ(text.find("CALCULATION TIME"), std::string::npos);
            EXPECT_TRUE(ResultsUntouched(loaded));
            if (!debug) {
                EXPECT_EQ(CountService(loaded), 0) << "the supports are restored";
                EXPECT_EQ(NodeNumber(loaded, c.nodeNumber).moment, 5.0) << "the load is kept";
            }
        }
    }
}

TEST(NodeLoads, MomentAtANodeWithOneRigidEndIsTakenByThatRod)
{
    // The same hinged joint C, with the column now rigid there: C turns, and
    // the whole moment goes into the column's end.
    StructureModel s = Portal(JointType::Fixed, JointType::Hinge, JointType::Fixed);
    s.nodes[FindNode(s, 3)].moment = 5.0;
    ASSERT_TRUE(Calculated(s));
    EXPECT_TRUE(Near(5.0, AtNode(s, 3, 3, &Rod::resultM), Scale(5.0)));
    EXPECT_TRUE(Near(0.0, AtNode(s, 2, 3, &Rod::resultM), Scale(5.0)));
    EXPECT_NE(NodeNumber(s, 3).resultDisplacement.z, 0.0);
    EXPECT_TRUE(InEquilibrium(s));
    EXPECT_TRUE(JointsInBalance(s));
}

TEST(NodeLoads, LoadOnAClampIsTakenByTheClampItself)
{
    // Cantilever: clamp 1 at (0, 0), tip 2 at (L, 0) with a downward force P.
    // The clamp alone takes its own loads: its reaction is the tip load's
    // (0, P, P L) less the clamp's force, plus its clockwise moment as a
    // counter-clockwise reaction moment; the rod does not feel them.
    const double L = 2.0, P = 5.0;
    struct Case {
        Pair force;
        double moment;
    };
    const Case cases[] = {
        {Pair(0, 0), 0}, {Pair(3, 0), 0}, {Pair(0, -4), 0}, {Pair(0, 0), 7}, {Pair(-2, 6), -9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "clamp force (" << c.force.x << ", " << c.force.y << "), moment " << c.moment);
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, L, 0.0, true);
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, 3.0);
        s.nodes[1].force = Pair(0.0, -P);
        s.nodes[0].force = c.force;
        s.nodes[0].moment = c.moment;
        ASSERT_TRUE(Calculated(s));

        const Triple &clamp = NodeNumber(s, 1).reaction;
        const double scale = P * L + std::fabs(c.moment);
        EXPECT_TRUE(Near(-c.force.x, clamp.x, Scale(scale)));
        EXPECT_TRUE(Near(P - c.force.y, clamp.y, Scale(scale)));
        EXPECT_TRUE(Near(P * L + c.moment, clamp.z, Scale(scale)));
        EXPECT_TRUE(Near(-P * L, MomentAt(s, 1, 1), Scale(scale)));
        EXPECT_TRUE(Near(0.0, AxialAt(s, 1, 1), Scale(scale)));
        EXPECT_EQ(NodeNumber(s, 2).reaction, Triple());
        EXPECT_TRUE(InEquilibrium(s));
    }
}

TEST(NodeLoads, LoadOnOneClampOfAFrameLeavesTheFrameUnloaded)
{
    StructureModel s = Portal(JointType::Fixed, JointType::Fixed, JointType::Fixed);
    s.nodes[FindNode(s, 4)].force = Pair(4.0, -6.0);
    s.nodes[FindNode(s, 4)].moment = 2.5;
    ASSERT_TRUE(Calculated(s));
    const Triple &loaded = NodeNumber(s, 4).reaction;
    EXPECT_TRUE(Near(-4.0, loaded.x, Scale(6.0)));
    EXPECT_TRUE(Near(6.0, loaded.y, Scale(6.0)));
    EXPECT_TRUE(Near(2.5, loaded.z, Scale(6.0)));
    EXPECT_EQ(NodeNumber(s, 1).reaction, Triple());
    for (const Rod &rod : s.rods) {
        EXPECT_EQ(rod.resultM, Pair()) << rod.number;
        EXPECT_EQ(rod.resultN, Pair()) << rod.number;
    }
    EXPECT_TRUE(InEquilibrium(s));
}

TEST(NodeLoads, LoadsOnHingedAndMovingSupportsReachTheirBars)
{
    // During the calculation these supports are free nodes held by service
    // bars, so their forces take part in the equations like any node force.
    struct Case {
        const char *name;
        JointType foot;
        Pair force;
        Triple reaction; // expected at A (number 1); NaN: checked by equilibrium only
        bool frameLoaded;
    };
    const double unknown = std::nan("");
    const Case cases[] = {
        // A pin takes any force at it directly.
        {"pin, inclined force", JointType::Hinge, Pair(3.0, -4.0), Triple(-3.0, 4.0, 0.0), false},
        // A roller (link straight down) takes the vertical part only.
        {"roller, vertical force", JointType::MovingHinge, Pair(0.0, -4.0), Triple(0.0, 4.0, 0.0), false},
        // The horizontal part pushes the frame over to the clamp at D.
        {"roller, inclined force", JointType::MovingHinge, Pair(3.0, -4.0), Triple(0.0, unknown, 0.0), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = Portal(c.foot, JointType::Fixed, JointType::Fixed);
        s.nodes[FindNode(s, 1)].force = c.force;
        ASSERT_TRUE(Calculated(s));
        const Triple &a = NodeNumber(s, 1).reaction;
        EXPECT_TRUE(Near(c.reaction.x, a.x, Scale(5.0)));
        if (!std::isnan(c.reaction.y)) {
            EXPECT_TRUE(Near(c.reaction.y, a.y, Scale(5.0)));
        }
        EXPECT_EQ(a.z, 0.0) << "a hinge takes no moment";
        const Triple &d = NodeNumber(s, 4).reaction;
        if (c.frameLoaded) {
            EXPECT_TRUE(Near(-c.force.x, d.x, Scale(5.0)));
            EXPECT_NE(d.z, 0.0);
        } else {
            EXPECT_EQ(d, Triple());
        }
        EXPECT_EQ(CountService(s), 0);
        EXPECT_TRUE(InEquilibrium(s));
        EXPECT_TRUE(JointsInBalance(s));
    }
}
