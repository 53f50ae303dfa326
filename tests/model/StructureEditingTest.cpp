#include "ModelTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct RodShape {
    int begin;
    int end;
    bool operator==(const RodShape &other) const { return begin == other.begin && end == other.end; }
};

std::ostream &operator<<(std::ostream &out, const RodShape &shape)
{
    return out << '(' << shape.begin << " -> " << shape.end << ')';
}

std::vector<RodShape> Shapes(const StructureModel &model)
{
    std::vector<RodShape> shapes;
    for (const Rod &rod : model.rods)
        shapes.push_back({rod.begin.node, rod.end.node});
    return shapes;
}

// Nodes at (i, 0); rods as given, with fixed joints.
StructureModel Chain(int nodeCount, const std::vector<RodShape> &rods, std::vector<bool> supports = {})
{
    StructureModel model;
    for (int i = 0; i < nodeCount; ++i) {
        bool support = i < static_cast<int>(supports.size()) && supports[i];
        model.nodes.Add(MakeNode(i + 1, i, 0.0, !support));
    }
    int number = 1;
    for (const RodShape &shape : rods)
        model.rods.Add(MakeRod(number++, shape.begin, shape.end, JointType::Fixed));
    return model;
}

bool Raises(const std::function<void()> &action)
{
    try {
        action();
    } catch (const MathException &) {
        return true;
    }
    return false;
}

} // namespace

TEST(StructureModel, ConstructionCopyAndSelection)
{
    StructureModel model;
    EXPECT_STREQ(model.nodes.getName(), "NodeList");
    EXPECT_STREQ(model.rods.getName(), "RodList");
    EXPECT_EQ(model.nodes.capacity, 1);
    EXPECT_EQ(model.rods.step, 1);

    model = Chain(4, {{0, 1}, {1, 2}, {2, 3}});
    EXPECT_EQ(model.elementCount(), 7);
    StructureModel &same = model;
    model = same;
    EXPECT_EQ(model.elementCount(), 7);
    EXPECT_STREQ(model.nodes.getName(), "NodeList");

    StructureModel copy(model);
    copy.nodes[0].x = 100.0;
    EXPECT_EQ(model.nodes[0].x, 0.0);

    IndexList list("selNodes", 1, 1);
    list.Add(42); // cleared first
    model.selectedNodes(list);
    EXPECT_EQ(list.count, 0);
    EXPECT_FALSE(model.severalNodesSelected());

    model.nodes[3].select();
    EXPECT_FALSE(model.severalNodesSelected());
    model.nodes[1].select();
    EXPECT_TRUE(model.severalNodesSelected());
    model.selectedNodes(list);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list[0], 1);
    EXPECT_EQ(list[1], 3);

    model.rods[2].select();
    EXPECT_FALSE(model.severalRodsSelected());
    model.rods[0].select();
    EXPECT_TRUE(model.severalRodsSelected());
    model.selectedRods(list);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list[0], 0);
    EXPECT_EQ(list[1], 2);

    model.deselectAll();
    model.selectedNodes(list);
    EXPECT_EQ(list.count, 0);
    model.selectedRods(list);
    EXPECT_EQ(list.count, 0);

    model.clear();
    EXPECT_EQ(model.elementCount(), 0);
}

TEST(StructureModel, NextNumbersFollowTheLargest)
{
    struct Case {
        std::vector<int> numbers;
        int next;
    };
    const Case cases[] = {{{}, 1}, {{1, 2, 7}, 8}, {{7, 1, 2}, 8}, {{0, -4}, 1}, {{3, 3}, 4}};
    for (const Case &c : cases) {
        StructureModel model;
        for (int number : c.numbers) {
            model.nodes.Add(Node(number));
            model.rods.Add(Rod(number, 0, 0));
        }
        EXPECT_EQ(model.nextNodeNumber(), c.next);
        EXPECT_EQ(model.nextRodNumber(), c.next);
    }
}

TEST(StructureModel, AddNodeRefusesAnOccupiedPoint)
{
    StructureModel model;
    EXPECT_TRUE(model.addNode(1.0, 2.0, true));
    EXPECT_TRUE(model.addNode(2.0, 1.0, false));
    EXPECT_FALSE(model.addNode(1.0, 2.0, false));
    ASSERT_EQ(model.nodes.count, 2);
    EXPECT_EQ(model.nodes[1].number, 2);
    EXPECT_EQ(model.nodes[1].isFree, 0);
    EXPECT_EQ(model.nodes[0].isFree, 1);
    EXPECT_FALSE(model.nodes[1].hasForce());

    model.nodes[1].number = 9;
    EXPECT_TRUE(model.addNode(1.0, 2.0000001, true));
    EXPECT_EQ(model.nodes[2].number, 10);
}

TEST(StructureModel, MoveNodeRefusesAnotherNodesPoint)
{
    StructureModel model = Chain(3, {{0, 1}});
    model.nodes[1].force = Pair(5.0, 0.0);
    EXPECT_FALSE(model.moveNode(1, 2.0, 0.0));
    EXPECT_EQ(model.nodes[1].x, 1.0);
    EXPECT_TRUE(model.moveNode(1, 1.0, 0.0)); // its own point
    EXPECT_TRUE(model.moveNode(1, 4.0, -3.0));
    EXPECT_EQ(model.nodes[1].coordinates(), Pair(4.0, -3.0));
    EXPECT_EQ(model.nodes[1].force, Pair(5.0, 0.0));
    EXPECT_EQ(model.rods[0].end.node, 1);
    EXPECT_TRUE(Raises([&] { model.moveNode(3, 0.0, 9.0); }));
}

TEST(StructureModel, AddRodRunsFromLowToHighWithTheNewRodSettings)
{
    SettingsRestorer restore;
    Settings &settings = Settings::current();
    settings.type = 2;
    settings.EI = 11.0;
    settings.EF = 12.0;
    settings.H = 0.4;
    settings.alpha = 1.5e-5;
    settings.MU = 3.0;
    settings.NU = 0.2;

    StructureModel model = Chain(4, {});
    model.rods.Add(MakeRod(4, 0, 1));
    ASSERT_TRUE(model.addRod(3, 1));
    const Rod &rod = model.rods[1];
    EXPECT_EQ(rod.number, 5);
    EXPECT_EQ(rod.begin, RodEnd(1, JointType::Fixed, 0.0));
    EXPECT_EQ(rod.end, RodEnd(3, JointType::Fixed, 0.0));
    EXPECT_EQ(rod.EI, 11.0);
    EXPECT_EQ(rod.EF, 12.0);
    EXPECT_EQ(rod.height, 0.4);
    EXPECT_EQ(rod.alpha, 1.5e-5);
    EXPECT_EQ(rod.mu, 3.0);
    EXPECT_EQ(rod.nu, 0.2);
    EXPECT_FALSE(rod.hasLoad());

    EXPECT_FALSE(model.addRod(1, 3));
    EXPECT_FALSE(model.addRod(3, 1));
    EXPECT_FALSE(model.addRod(2, 2));
    EXPECT_EQ(model.rods.count, 2);
    // A rod must never refer outside the node list.
    EXPECT_TRUE(Raises([&] { model.addRod(2, 4); }));
    EXPECT_TRUE(Raises([&] { model.addRod(-1, 0); }));
    EXPECT_EQ(model.rods.count, 2);
}

TEST(StructureModel, AddRodTakesOverTheJointsAtSupports)
{
    SettingsRestorer restore;
    Settings::current().type = 1;
    // Node 0 a support, node 1 free, node 2 a support.
    StructureModel model = Chain(5, {}, {true, false, true});
    Rod atSupport = MakeRod(1, 0, 3, JointType::Hinge);
    atSupport.begin = RodEnd(0, JointType::MovingHinge, 30.0);
    model.rods.Add(atSupport);
    Rod atFree = MakeRod(2, 1, 3, JointType::Fixed);
    model.rods.Add(atFree);
    Rod endAtSupport = MakeRod(3, 1, 2, JointType::Fixed);
    endAtSupport.end = RodEnd(2, JointType::MovingFixed, -45.0);
    model.rods.Add(endAtSupport);

    ASSERT_TRUE(model.addRod(1, 0)); // support node 0 is the new begin; free node 1 the end
    const Rod &first = model.rods[3];
    EXPECT_EQ(first.begin, RodEnd(0, JointType::MovingHinge, 30.0));
    EXPECT_EQ(first.end, RodEnd(1, JointType::Hinge, 0.0));

    ASSERT_TRUE(model.addRod(2, 0)); // both ends at supports, taken from the begin and the end of others
    const Rod &second = model.rods[4];
    EXPECT_EQ(second.begin, RodEnd(0, JointType::MovingHinge, 30.0));
    EXPECT_EQ(second.end, RodEnd(2, JointType::MovingFixed, -45.0));

    // A later rod overwrites what an earlier one gave.
    model.rods[4].begin.angle = 60.0;
    ASSERT_TRUE(model.addRod(0, 4));
    EXPECT_EQ(model.rods[5].begin, RodEnd(0, JointType::MovingHinge, 60.0));
    EXPECT_EQ(model.rods[5].end, RodEnd(4, JointType::Hinge, 0.0));
}

TEST(StructureModel, SplitRodMakesTwoPiecesRigidAtTheNewNode)
{
    StructureModel model = Chain(2, {{0, 1}});
    Rod &rod = model.rods[0];
    rod.begin = RodEnd(0, JointType::Hinge, 10.0);
    rod.end = RodEnd(1, JointType::MovingHinge, 20.0);
    rod.load = Pair(1.0, -3.0);
    rod.temperature = Pair(-10.0, 25.0);
    rod.EI = 7.0;
    rod.number = 5;
    model.rods.Add(MakeRod(2, 0, 1));

    ASSERT_TRUE(model.splitRod(0, 0.5, 0.0, false));
    ASSERT_EQ(model.nodes.count, 3);
    EXPECT_EQ(model.nodes[2].number, 3);
    EXPECT_EQ(model.nodes[2].coordinates(), Pair(0.5, 0.0));
    EXPECT_EQ(model.nodes[2].isFree, 0);
    ASSERT_EQ(model.rods.count, 3);
    EXPECT_EQ(model.rods[0].number, 2); // the later rod moved down
    const Rod &a = model.rods[1];
    const Rod &b = model.rods[2];
    EXPECT_EQ(a.number, 3);
    EXPECT_EQ(b.number, 4);
    EXPECT_EQ(a.begin, RodEnd(0, JointType::Hinge, 10.0));
    EXPECT_EQ(a.end, RodEnd(2, JointType::Fixed, 0.0));
    EXPECT_EQ(b.begin, RodEnd(1, JointType::MovingHinge, 20.0));
    EXPECT_EQ(b.end, RodEnd(2, JointType::Fixed, 0.0));
    for (const Rod *piece : {&a, &b}) {
        EXPECT_EQ(piece->load, Pair(1.0, -3.0));
        EXPECT_EQ(piece->EI, 7.0);
    }
    // Piece B runs backwards: its left fibre is the old right fibre.
    EXPECT_EQ(a.temperature, Pair(-10.0, 25.0));
    EXPECT_EQ(b.temperature, Pair(25.0, -10.0));

    const int nodes = model.nodes.count;
    EXPECT_TRUE(Raises([&] { model.splitRod(3, 1.0, 1.0, true); }));
    EXPECT_EQ(model.nodes.count, nodes);
}

TEST(StructureModel, RemoveNodeRewritesTheRemainingPositions)
{
    struct Case {
        int nodeCount;
        std::vector<RodShape> rods;
        int removed;
        bool result;
        std::vector<RodShape> after;
    };
    const Case cases[] = {
        {3, {{0, 1}, {1, 2}}, 1, true, {}},
        {3, {{1, 2}}, 0, true, {{0, 1}}},
        {5, {{0, 4}, {1, 2}, {0, 2}, {2, 3}, {3, 4}, {1, 3}}, 2, true, {{0, 3}, {2, 3}, {1, 2}}},
        {4, {{0, 1}, {2, 3}}, 3, true, {{0, 1}}},
        {4, {{0, 1}, {0, 3}, {1, 3}}, 2, true, {{0, 1}, {0, 2}, {1, 2}}}, // isolated node
        {3, {{0, 1}, {1, 2}}, 3, false, {{0, 1}, {1, 2}}},
        {3, {{0, 1}, {1, 2}}, -1, false, {{0, 1}, {1, 2}}},
    };
    for (const Case &c : cases) {
        StructureModel model = Chain(c.nodeCount, c.rods);
        EXPECT_EQ(model.removeNode(c.removed), c.result) << "node " << c.removed;
        EXPECT_EQ(Shapes(model), c.after) << "node " << c.removed;
        EXPECT_EQ(model.nodes.count, c.nodeCount - (c.result ? 1 : 0));
    }

    // Numbers are labels and stay; joints and angles stay.
    StructureModel model = Chain(4, {{0, 1}, {2, 3}});
    model.rods[1].begin = RodEnd(2, JointType::MovingHinge, 15.0);
    ASSERT_TRUE(model.removeNode(1));
    ASSERT_EQ(model.rods.count, 1);
    EXPECT_EQ(model.rods[0].number, 2);
    EXPECT_EQ(model.rods[0].begin, RodEnd(1, JointType::MovingHinge, 15.0));
    EXPECT_EQ(model.nodes[1].number, 3);
}

TEST(StructureModel, RemoveRodLeavesTheNodes)
{
    StructureModel model = Chain(3, {{0, 1}, {1, 2}});
    EXPECT_TRUE(model.removeRod(0));
    EXPECT_EQ(Shapes(model), (std::vector<RodShape>{{1, 2}}));
    EXPECT_EQ(model.nodes.count, 3);
    EXPECT_TRUE(model.isIsolated(0));
    EXPECT_FALSE(model.removeRod(1));
    EXPECT_FALSE(model.removeRod(-1));
    EXPECT_EQ(model.rods.count, 1);
}

TEST(StructureModel, SupportRodAndNodeSupport)
{
    struct Case {
        JointType begin, end;
        bool beginSupport, endSupport;
        bool supportRod;
    };
    const Case cases[] = {
        {JointType::Hinge, JointType::Hinge, true, false, true},
        {JointType::Hinge, JointType::Hinge, false, true, true},
        {JointType::Hinge, JointType::Hinge, false, false, false},
        {JointType::Hinge, JointType::Fixed, true, true, false},
        {JointType::MovingHinge, JointType::Hinge, true, false, false},
    };
    for (const Case &c : cases) {
        StructureModel model = Chain(2, {{0, 1}}, {c.beginSupport, c.endSupport});
        model.rods[0].begin.joint = c.begin;
        model.rods[0].end.joint = c.end;
        EXPECT_EQ(model.isSupportRod(0), c.supportRod);
        EXPECT_EQ(model.nodeIsSupport(0), c.beginSupport);
        EXPECT_EQ(model.nodeIsSupport(1), c.endSupport);
    }
    StructureModel empty;
    EXPECT_TRUE(Raises([&] { empty.isSupportRod(0); }));
    EXPECT_TRUE(Raises([&] { empty.nodeIsSupport(0); }));
}

TEST(StructureModel, ShareSupportJointsAppliesTheFirstMatchingRule)
{
    // Node 0 and 2 supports, node 1 free.
    StructureModel model = Chain(4, {{0, 2}, {0, 1}, {1, 2}, {2, 3}, {0, 2}, {1, 3}}, {true, false, true});
    Rod &edited = model.rods[0];
    edited.begin = RodEnd(0, JointType::MovingHinge, 30.0);
    edited.end = RodEnd(2, JointType::Hinge, 90.0);
    model.shareSupportJoints(0);

    EXPECT_EQ(model.rods[0].begin, RodEnd(0, JointType::MovingHinge, 30.0));
    EXPECT_EQ(model.rods[1].begin, RodEnd(0, JointType::MovingHinge, 30.0)); // rule 1
    EXPECT_EQ(model.rods[1].end, RodEnd(1, JointType::Fixed, 0.0));
    EXPECT_EQ(model.rods[2].begin, RodEnd(1, JointType::Fixed, 0.0));
    EXPECT_EQ(model.rods[2].end, RodEnd(2, JointType::Hinge, 90.0));   // rule 4
    EXPECT_EQ(model.rods[3].begin, RodEnd(2, JointType::Hinge, 90.0)); // rule 2
    // Only the first rule holds for a parallel rod: its end keeps its joint.
    EXPECT_EQ(model.rods[4].begin, RodEnd(0, JointType::MovingHinge, 30.0));
    EXPECT_EQ(model.rods[4].end, RodEnd(2, JointType::Fixed, 0.0));
    EXPECT_EQ(model.rods[5].begin, RodEnd(1, JointType::Fixed, 0.0));
    EXPECT_EQ(model.rods[5].end, RodEnd(3, JointType::Fixed, 0.0));

    // Rule 3: another rod ends at the edited rod's begin support.
    StructureModel reversed = Chain(3, {{1, 2}, {0, 1}}, {false, true});
    reversed.rods[0].begin = RodEnd(1, JointType::Hinge, 45.0);
    reversed.shareSupportJoints(0);
    EXPECT_EQ(reversed.rods[1].end, RodEnd(1, JointType::Hinge, 45.0));
    EXPECT_EQ(reversed.rods[1].begin, RodEnd(0, JointType::Fixed, 0.0));
}

TEST(StructureModel, SetSupportAngleTurnsEveryRodEndAtTheSupport)
{
    StructureModel model = Chain(4, {{0, 1}, {1, 2}, {1, 3}, {2, 3}}, {false, true});
    model.setSupportAngle(1, true, 75.0);
    EXPECT_EQ(model.rods[0].end.angle, 75.0);
    EXPECT_EQ(model.rods[1].begin.angle, 75.0);
    EXPECT_EQ(model.rods[2].begin.angle, 75.0);
    EXPECT_EQ(model.rods[0].begin.angle, 0.0);
    EXPECT_EQ(model.rods[1].end.angle, 0.0);
    EXPECT_EQ(model.rods[3].begin.angle, 0.0);
    EXPECT_EQ(model.rods[1].begin.joint, JointType::Fixed);

    // At a free node nothing changes.
    const std::string before = [&] {
        std::string all, line;
        for (const Rod &rod : model.rods) {
            rod.write(line);
            all += line;
        }
        return all;
    }();
    model.setSupportAngle(1, false, 10.0);
    std::string after, line;
    for (const Rod &rod : model.rods) {
        rod.write(line);
        after += line;
    }
    EXPECT_EQ(after, before);
}
