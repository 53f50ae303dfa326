// Structure preparation on its own: replacing hinged and moving supports by
// service elements, reordering and turning, the check, and the restoration.

#include "engine/Preparation.h"

#include "engine/EngineTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace enginetest;

namespace {

// A horizontal rod from a hinged support at (2, 3) to a free node at (5, 3).
StructureModel HingedSupportBeam()
{
    StructureModel s;
    AddNode(s, 1, 2.0, 3.0, false);
    AddNode(s, 2, 5.0, 3.0, true);
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed);
    return s;
}

// A free node at (0, 5) and a roller (moving hinge) support at (0, 0) with
// the given angle, joined by one rod drawn from the free node.
StructureModel RollerColumn(double angle)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 5.0, true);
    AddNode(s, 2, 0.0, 0.0, false);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::MovingHinge);
    s.rods[0].end.angle = angle;
    return s;
}

} // namespace

TEST(ReplaceSupportHinges, ReplacesAHingedSupportByTwoHingedBars)
{
    TemporaryLog log;
    StructureModel s = HingedSupportBeam();
    s.nodes[0].displacement = Triple(0.01, -0.02, 3.0);

    ASSERT_TRUE(ReplaceSupportHinges(s));

    ASSERT_EQ(s.nodes.count, 4);
    ASSERT_EQ(s.rods.count, 3);
    EXPECT_EQ(s.nodes[0].isFree, 1) << "the replaced node becomes free";
    EXPECT_EQ(s.nodes[0].serviceKind, ServiceNone);
    // It keeps its own prescribed displacement; both service supports carry
    // the translation, so that the bars move the node by it.
    EXPECT_EQ(s.nodes[0].displacement, Triple(0.01, -0.02, 3.0));

    const struct {
        int position;
        double x, y;
        int number;
    } serviceNodes[] = {{2, 3.0, 3.0, 3}, {3, 2.0, 2.0, 4}};
    for (const auto &expected : serviceNodes) {
        const Node &node = s.nodes[expected.position];
        EXPECT_EQ(node.x, expected.x);
        EXPECT_EQ(node.y, expected.y);
        EXPECT_EQ(node.number, expected.number);
        EXPECT_EQ(node.isFree, 0);
        EXPECT_EQ(node.serviceKind, ServiceHinge);
        EXPECT_EQ(node.displacement, Triple(0.01, -0.02, 0.0));
        EXPECT_FALSE(node.hasForce());
    }
    for (int r = 1; r <= 2; ++r) {
        const Rod &rod = s.rods[r];
        EXPECT_EQ(rod.number, r + 1);
        EXPECT_EQ(rod.begin, RodEnd(0, JointType::Hinge, 0.0));
        EXPECT_EQ(rod.end, RodEnd(r + 1, JointType::Hinge, 0.0));
        EXPECT_EQ(rod.serviceKind, ServiceHinge);
        EXPECT_EQ(rod.EI, 1.0);
        EXPECT_FALSE(rod.hasLoad());
    }

    EXPECT_EQ(log.read(), "Support hinges to be replaced:\n"
                          "H[1]\n0 \n\n"
                          "\nReplacing hinges...\n"
                          "Old node 0: x=+2.00 y=+3.00 r=+0.00\n"
                          "New node 2: x=+3.00 y=+3.00\n"
                          "New node 3: x=+2.00 y=+2.00\n"
                          "New rod  1: bn=0 en=2\n"
                          "New rod  2: bn=0 en=3\n");
}

TEST(ReplaceSupportHinges, LeavesStructuresWithoutUserHingedSupportsAlone)
{
    TemporaryLog log;
    // Hinges at free nodes and fixed supports are not replaced.
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 1.0, 0.0, true);
    AddNode(s, 3, 2.0, 0.0, true);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Hinge);
    AddRod(s, 2, 1, 2, JointType::Hinge, JointType::Hinge);
    const StructureModel before = s;

    EXPECT_FALSE(ReplaceSupportHinges(s));
    EXPECT_EQ(s.nodes.count, before.nodes.count);
    EXPECT_EQ(s.rods.count, before.rods.count);
    EXPECT_EQ(log.read(), "No joints were detected\n");

    // A node already replaced (now free) is not replaced a second time, and
    // service nodes are never replaced.
    StructureModel replaced = HingedSupportBeam();
    ASSERT_TRUE(ReplaceSupportHinges(replaced));
    replaced.rods[1].end.joint = JointType::Hinge;
    EXPECT_FALSE(ReplaceSupportHinges(replaced));
    EXPECT_EQ(replaced.nodes.count, 4);
}

TEST(ReplaceSupportHinges, ListsEachSupportOnceWhateverTheNumberOfRods)
{
    TemporaryLog log;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 0.0, 2.0, true);
    AddNode(s, 3, 2.0, 0.0, true);
    AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Fixed);
    AddRod(s, 2, 0, 2, JointType::Hinge, JointType::Fixed);

    ASSERT_TRUE(ReplaceSupportHinges(s));
    EXPECT_EQ(s.nodes.count, 5);
    EXPECT_EQ(s.rods.count, 4);
    // The list had a duplicate and carries the empty name of its copy.
    EXPECT_EQ(log.read().rfind("Support hinges to be replaced:\n[1]\n0 \n\n", 0), 0u) << log.read();
}

TEST(ReplaceMovingJoints, PlacesTheServiceNodeAlongTheSupportDirection)
{
    const struct {
        double angle;
        double serviceX, serviceY;
    } cases[] = {
        {0.0, 0.0, -1.0},                         // link straight down
        {90.0, -1.0, 0.0},                        // link to the left
        {30.0, -0.5, -std::sqrt(3.0) / 2.0},      // down and to the left
        {-45.0, std::sqrt(0.5), -std::sqrt(0.5)}, // down and to the right
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.angle);
        TemporaryLog log(false);
        StructureModel s = RollerColumn(c.angle);
        s.nodes[1].displacement = Triple(0.0, -0.01, 2.0);

        ASSERT_TRUE(ReplaceMovingJoints(s));
        ASSERT_EQ(s.nodes.count, 3);
        ASSERT_EQ(s.rods.count, 2);
        const Node &service = s.nodes[2];
        EXPECT_NEAR(service.x, c.serviceX, 1e-12);
        EXPECT_NEAR(service.y, c.serviceY, 1e-12);
        EXPECT_EQ(service.isFree, 0);
        EXPECT_EQ(service.serviceKind, ServiceMovingJoint);
        EXPECT_EQ(service.number, 3);
        // The prescribed displacement moves to the service node.
        EXPECT_EQ(service.displacement, Triple(0.0, -0.01, 2.0));
        EXPECT_EQ(s.nodes[1].displacement, Triple());
        EXPECT_EQ(s.nodes[1].isFree, 1);

        // The user's rod is hinged at the node; its angle stays.
        EXPECT_EQ(s.rods[0].end.joint, JointType::Hinge);
        EXPECT_EQ(s.rods[0].end.angle, c.angle);
        EXPECT_EQ(s.rods[1].begin, RodEnd(1, JointType::Hinge, 0.0));
        EXPECT_EQ(s.rods[1].end, RodEnd(2, JointType::Hinge, 0.0));
        EXPECT_EQ(s.rods[1].serviceKind, ServiceMovingJoint);
        EXPECT_EQ(s.rods[1].number, 2);
    }
}

TEST(ReplaceMovingJoints, WritesItsTitleAndRecords)
{
    TemporaryLog log;
    StructureModel s = RollerColumn(90.0);
    ASSERT_TRUE(ReplaceMovingJoints(s));
    EXPECT_EQ(log.read(), "STRUCTURE PREPARATION\n\n"
                          "Moving joints to be replaced:\n"
                          "MH[1]\n1 \n\n"
                          "\nReplacing moving joints...\n"
                          "Old node 1: x=+0.00 y=+0.00 r=+90.00\n"
                          "Service node 2 was added at x=-1.00 y=-0.00\n" // cos 90° rounds below 0
                          "Service rod 2 was added between bn=1 en=2\n");

    TemporaryLog second;
    StructureModel none = HingedSupportBeam();
    EXPECT_FALSE(ReplaceMovingJoints(none));
    EXPECT_EQ(second.read(), "STRUCTURE PREPARATION\n\nNo moving joints were detected\n");
}

TEST(ReorderForCalculation, PutsFreeElementsFirstAndTurnsRodsFromLowToHigh)
{
    // Drawn as a user might: the clamp first, then the free nodes; a hinged
    // link from the last free node to a second support.
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false); // clamp
    AddNode(s, 2, 0.0, 4.0, true);
    AddNode(s, 3, 4.0, 4.0, true);
    AddNode(s, 4, 4.0, 0.0, false);                         // link support
    AddRod(s, 1, 2, 3, JointType::Hinge, JointType::Hinge); // support link
    AddRod(s, 2, 0, 1, JointType::Fixed, JointType::Fixed); // column, from the clamp
    AddRod(s, 3, 1, 2, JointType::Fixed, JointType::Hinge); // beam
    s.rods[1].begin.angle = 15.0;
    s.rods[1].temperature = Pair(20.0, -5.0);
    s.rods[1].load = Pair(1.0, 2.0);

    ASSERT_TRUE(ReorderForCalculation(s));

    const int nodeNumbers[] = {2, 3, 1, 4};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.nodes[i].number, nodeNumbers[i]);
    const int rodNumbers[] = {2, 3, 1};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.rods[i].number, rodNumbers[i]);

    // The column ran from the clamp (now position 2) to node 2 (now 0): it
    // is turned, its ends move with their joints and angles, and the left
    // and right fibres exchange their temperatures. Global loads stay.
    EXPECT_EQ(s.rods[0].begin, RodEnd(0, JointType::Fixed, 0.0));
    EXPECT_EQ(s.rods[0].end, RodEnd(2, JointType::Fixed, 15.0));
    EXPECT_EQ(s.rods[0].temperature, Pair(-5.0, 20.0));
    EXPECT_EQ(s.rods[0].load, Pair(1.0, 2.0));
    // The beam keeps its direction and temperatures.
    EXPECT_EQ(s.rods[1].begin, RodEnd(0, JointType::Fixed, 0.0));
    EXPECT_EQ(s.rods[1].end, RodEnd(1, JointType::Hinge, 0.0));
    // The link ends at its support.
    EXPECT_EQ(s.rods[2].begin.node, 1);
    EXPECT_EQ(s.rods[2].end.node, 3);

    for (const Rod &rod : s.rods)
        EXPECT_LT(rod.begin.node, rod.end.node);
}

TEST(ReorderForCalculation, KeepsRodsThatPointOutsideTheNodeListForTheCheck)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 1.0, 0.0, true);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed);
    AddRod(s, 2, 1, 7, JointType::Fixed, JointType::Fixed);
    AddRod(s, 3, -1, 0, JointType::Fixed, JointType::Fixed);

    ASSERT_TRUE(ReorderForCalculation(s));
    int outside = 0;
    for (const Rod &rod : s.rods) {
        for (int node : {rod.begin.node, rod.end.node})
            outside += node < 0 || node >= s.nodes.count;
    }
    EXPECT_EQ(outside, 2);

    RecordingReporter errors;
    EXPECT_FALSE(CheckStructure(s));
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].headline.find("несуществующему узлу"), std::string::npos);
}

TEST(CheckStructure, RefusesWhatCannotBeCalculated)
{
    // A prepared-looking base: a free node 0 clamped by one rod to node 1.
    auto base = [] {
        StructureModel s;
        AddNode(s, 5, 0.0, 0.0, true);
        AddNode(s, 6, 3.0, 0.0, false);
        AddRod(s, 9, 0, 1, JointType::Fixed, JointType::Fixed);
        return s;
    };
    struct Case {
        const char *name;
        void (*change)(StructureModel &);
        int messageId; // 0: accepted; -1: a message not in the string table
    };
    const Case cases[] = {
        {"valid", [](StructureModel &) {}, 0},
        {"no support", [](StructureModel &s) { s.nodes[1].isFree = 1; }, 50202},
        {"isolated node", [](StructureModel &s) { AddNode(s, 7, 9.0, 9.0, true); }, 50204},
        {"moving fixed", [](StructureModel &s) { s.rods[0].end.joint = JointType::MovingFixed; }, 50205},
        {"moving hinge at a free node",
         [](StructureModel &s) { s.rods[0].begin.joint = JointType::MovingHinge; }, 50209},
        {"moving hinge before moving fixed",
         [](StructureModel &s) {
             s.rods[0].begin.joint = JointType::MovingFixed;
             s.rods[0].end.joint = JointType::MovingHinge;
         },
         50209},
        {"rod to a missing node", [](StructureModel &s) { s.rods[0].end.node = 2; }, -1},
        {"undefined coordinate",
         [](StructureModel &s) { s.nodes[0].x = std::numeric_limits<double>::quiet_NaN(); }, -1},
        {"infinite force",
         [](StructureModel &s) { s.nodes[0].force.y = -std::numeric_limits<double>::infinity(); }, -1},
        {"infinite rigidity",
         [](StructureModel &s) { s.rods[0].EI = std::numeric_limits<double>::infinity(); }, -1},
        {"undefined support angle",
         [](StructureModel &s) { s.rods[0].end.angle = std::numeric_limits<double>::quiet_NaN(); }, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = base();
        c.change(s);
        RecordingReporter errors;
        const bool accepted = CheckStructure(s);
        EXPECT_EQ(accepted, c.messageId == 0);
        if (c.messageId == 0) {
            EXPECT_TRUE(errors.messages.empty());
            continue;
        }
        ASSERT_EQ(errors.messages.size(), 1u) << "every refusal is reported once";
        if (c.messageId > 0) {
            const Message expected = StringTableMessage(c.messageId);
            EXPECT_EQ(errors.messages[0].headline, expected.headline);
            EXPECT_EQ(errors.messages[0].reason, expected.reason);
        } else {
            EXPECT_FALSE(errors.messages[0].reason.empty());
            EXPECT_NE(errors.messages[0].reason, "Internal error!");
        }
    }
}

TEST(CheckStructure, NamesARodRunningBackwardsByNumbersOrPositions)
{
    SettingsRestorer settings;
    StructureModel s;
    AddNode(s, 5, 0.0, 0.0, true);
    AddNode(s, 6, 3.0, 0.0, false);
    AddRod(s, 9, 1, 0, JointType::Fixed, JointType::Fixed);

    const Message expected = StringTableMessage(50203);
    for (bool debug : {false, true}) {
        SCOPED_TRACE(debug);
        Settings::current().debugMode = debug;
        RecordingReporter errors;
        EXPECT_FALSE(CheckStructure(s));
        ASSERT_EQ(errors.messages.size(), 1u);
        const std::string headline = debug ? "Стержень 0 присоединен к странным узлам: Начальный узел 1, "
                                             "Конечный узел 0 (en < bn!)"
                                           : "Стержень 9 присоединен к странным узлам: Начальный узел 6, "
                                             "Конечный узел 5 (en < bn!)";
        EXPECT_EQ(errors.messages[0].headline, headline);
        EXPECT_EQ(errors.messages[0].reason, expected.reason);
    }
}

TEST(RestoreHinges, GivesBackTheSupportWithTheSummedReactions)
{
    TemporaryLog log(false);
    StructureModel s = HingedSupportBeam();
    s.nodes[0].displacement = Triple(0.01, -0.02, 0.0);
    ReplaceSupportHinges(s);
    ReplaceMovingJoints(s);
    ReorderForCalculation(s);

    // Results as a calculation would leave them: the replaced node moved
    // with its service supports by the settlement.
    const int user = FindNode(s, 1);
    ASSERT_GE(user, 0);
    s.nodes[user].resultDisplacement = Triple(0.01, -0.02, 0.0);
    double sumX = 0.0, sumY = 0.0;
    double value = 1.0;
    for (Node &node : s.nodes) {
        if (node.serviceKind != ServiceHinge)
            continue;
        node.resultDisplacement = node.displacement;
        node.reaction = Triple(value, 10.0 * value, 0.0);
        sumX += value;
        sumY += 10.0 * value;
        value += 1.0;
    }

    ASSERT_TRUE(RestoreHinges(s));
    ASSERT_TRUE(RestoreMovingJoints(s));

    EXPECT_EQ(CountService(s), 0);
    ASSERT_EQ(s.nodes.count, 2);
    ASSERT_EQ(s.rods.count, 1);
    const int restored = FindNode(s, 1);
    ASSERT_GE(restored, 0);
    const Node &node = s.nodes[restored];
    EXPECT_EQ(node.isFree, 0);
    EXPECT_EQ(node.reaction, Triple(sumX, sumY, 0.0));
    // The node shows its settlement once, and keeps it as its load.
    EXPECT_EQ(node.resultDisplacement, Triple(0.01, -0.02, 0.0));
    EXPECT_EQ(node.displacement, Triple(0.01, -0.02, 0.0));
    const Rod &rod = s.rods[0];
    EXPECT_EQ(rod.number, 1);
    const RodEnd &atSupport = rod.begin.node == restored ? rod.begin : rod.end;
    EXPECT_EQ(atSupport.joint, JointType::Hinge);
    EXPECT_EQ(s.nodes[rod.begin.node == restored ? rod.end.node : rod.begin.node].number, 2);
}

TEST(RestoreMovingJoints, GivesBackTheRollerWithItsAngleAndDisplacement)
{
    TemporaryLog log;
    StructureModel s = RollerColumn(30.0);
    s.nodes[1].displacement = Triple(0.0, -0.01, 0.0);
    ReplaceSupportHinges(s);
    ReplaceMovingJoints(s);
    ReorderForCalculation(s);

    const int user = FindNode(s, 2);
    for (Node &node : s.nodes) {
        if (node.serviceKind == ServiceMovingJoint) {
            node.resultDisplacement = node.displacement;
            node.reaction = Triple(-2.5, 4.0, 0.0);
        }
    }
    s.nodes[user].resultDisplacement = Triple(0.003, -0.004, 0.0);

    ASSERT_TRUE(RestoreHinges(s));
    ASSERT_TRUE(RestoreMovingJoints(s));

    EXPECT_EQ(CountService(s), 0);
    const int restored = FindNode(s, 2);
    const Node &node = s.nodes[restored];
    EXPECT_EQ(node.isFree, 0);
    EXPECT_EQ(node.reaction, Triple(-2.5, 4.0, 0.0));
    EXPECT_EQ(node.displacement, Triple(0.0, -0.01, 0.0));
    EXPECT_EQ(node.resultDisplacement, Triple(0.003, -0.004, 0.0)) << "not increased by the settlement";
    const Rod &rod = s.rods[0];
    const RodEnd &atSupport = rod.begin.node == restored ? rod.begin : rod.end;
    EXPECT_EQ(atSupport.joint, JointType::MovingHinge);
    EXPECT_EQ(atSupport.angle, 30.0);

    const std::string text = log.read();
    const std::size_t restoring = text.find("Restoring joints\n\nJoints to be restored\n[0]\nEmpty\n\n"
                                            "Restoring moving joints\n\nMoving joints to be restored\n[1]\n");
    EXPECT_NE(restoring, std::string::npos) << text;
}

TEST(RestoreHinges, StopsWithAWarningAtAServiceRodWithoutServiceNodes)
{
    const struct {
        ServiceKind kind;
        bool (*restore)(StructureModel &);
        const char *warning;
    } cases[] = {
        {ServiceHinge, RestoreHinges, "Warning: An automatic rod has no automatic nodes at the ends\n"},
        {ServiceMovingJoint, RestoreMovingJoints,
         "WARNING: An automatic rod has no automatic nodes at the ends\n"},
    };
    for (const auto &c : cases) {
        TemporaryLog log;
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, 1.0, 0.0, true);
        AddRod(s, 1, 0, 1, JointType::Hinge, JointType::Hinge);
        s.rods[0].serviceKind = c.kind;
        EXPECT_FALSE(c.restore(s));
        EXPECT_EQ(s.rods.count, 1);
        EXPECT_NE(log.read().find(c.warning), std::string::npos) << log.read();
    }
}
