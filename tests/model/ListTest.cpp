#include "model/List.h"

#include "model/StructureModel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<int> Values(const List<int> &list)
{
    return std::vector<int>(list.begin(), list.end());
}

IndexList MakeIndexList(const char *name, std::initializer_list<int> values)
{
    IndexList list(name, 1, 1);
    for (int value : values)
        list.Add(value);
    return list;
}

std::string RaisedMessage(const std::function<void()> &action)
{
    try {
        action();
    } catch (const MathException &exception) {
        return exception.message();
    }
    return "(nothing raised)";
}

} // namespace

TEST(List, GrowsByItsStepAndNeverShrinks)
{
    NodeList nodes("NodeList", 1, 1);
    EXPECT_EQ(nodes.count, 0);
    EXPECT_EQ(nodes.capacity, 1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(nodes.Add(Node(i)));
    EXPECT_EQ(nodes.count, 3);
    EXPECT_EQ(nodes.capacity, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(nodes[i].number, i + 1);

    List<int> wide("wide", 2, 5);
    for (int i = 0; i < 3; ++i)
        wide.Add(i);
    EXPECT_EQ(wide.capacity, 7);

    ASSERT_TRUE(nodes.remove(0));
    nodes.clear();
    EXPECT_EQ(nodes.count, 0);
    EXPECT_EQ(nodes.capacity, 3);
}

TEST(List, AddsACopyOfItsOwnElementWhileGrowing)
{
    RodList rods("RodList", 1, 1);
    Rod rod(7, 2, 3);
    rod.EI = 42.0;
    rods.Add(rod);
    // The element passed lives in the storage that the growth releases.
    rods.Add(rods[0]);
    rods.Add(rods[1]);
    ASSERT_EQ(rods.count, 3);
    for (const Rod &copy : rods) {
        EXPECT_EQ(copy.number, 7);
        EXPECT_EQ(copy.end.node, 3);
        EXPECT_EQ(copy.EI, 42.0);
    }
}

TEST(List, SubscriptOutsideTheElementsRaisesNamedMessage)
{
    RodList rods("RodList", 1, 1);
    rods.Add(Rod(1, 0, 1));
    rods.Add(Rod(2, 1, 2));
    const RodList &constRods = rods;
    EXPECT_EQ(RaisedMessage([&] { rods[-1]; }), "Subscription -1 in RodList[2] is out of defined range!");
    EXPECT_EQ(RaisedMessage([&] { constRods[2]; }), "Subscription 2 in RodList[2] is out of defined range!");
    // Storage beyond count exists but is not an element.
    List<int> spare("spare", 4, 1);
    EXPECT_EQ(RaisedMessage([&] { spare[0]; }), "Subscription 0 in spare[0] is out of defined range!");
    EXPECT_EQ(rods[1].number, 2);
}

TEST(List, CreateWithoutCapacityKeepsStorageAndName)
{
    List<int> list("first", 2, 1);
    list.Add(5);
    list.Create("second", 0, 3);
    EXPECT_STREQ(list.getName(), "first");
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.capacity, 0);
    EXPECT_EQ(list.step, 3);
    list.Add(9);
    EXPECT_EQ(Values(list), std::vector<int>{9});
    EXPECT_EQ(list.capacity, 3);

    list.Create(nullptr, 4, 1);
    EXPECT_STREQ(list.getName(), "");
    EXPECT_EQ(list.capacity, 4);

    // A name longer than 255 characters is cut; a list may be renamed after itself.
    std::string longName(300, 'n');
    list.Create(longName.c_str(), 1, 1);
    EXPECT_EQ(std::string(list.getName()), std::string(255, 'n'));
    list.Create(list.getName(), 2, 1);
    EXPECT_EQ(std::string(list.getName()), std::string(255, 'n'));
}

TEST(List, FailedAllocationRaisesAndLeavesAnUsableList)
{
    List<int> list("Broken", 1, 1);
    EXPECT_EQ(RaisedMessage([&] { list.Create("Broken", -3, 1); }),
              "Memory allocation error in List::Create(Broken[-3])");
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.capacity, 0);
    list.Add(4);
    EXPECT_EQ(Values(list), std::vector<int>{4});
}

TEST(List, RemoveMovesLaterElementsDown)
{
    struct Case {
        std::vector<int> before;
        int position;
        bool removed;
        std::vector<int> after;
    };
    const Case cases[] = {
        {{}, 0, false, {}},           {{1, 2, 3}, 3, false, {1, 2, 3}}, {{1, 2, 3}, -1, false, {1, 2, 3}},
        {{1, 2, 3}, 0, true, {2, 3}}, {{1, 2, 3}, 1, true, {1, 3}},     {{1, 2, 3}, 2, true, {1, 2}},
        {{7}, 0, true, {}},
    };
    for (const Case &c : cases) {
        List<int> list("list", 1, 1);
        for (int value : c.before)
            list.Add(value);
        const int capacity = list.capacity;
        EXPECT_EQ(list.remove(c.position), c.removed) << "position " << c.position;
        EXPECT_EQ(Values(list), c.after) << "position " << c.position;
        EXPECT_EQ(list.capacity, capacity);
    }
}

TEST(List, AssignmentTakesTheOtherListsNameAndElements)
{
    NodeList source("source", 1, 2);
    source.Add(Node(4));
    source.Add(Node(5));
    NodeList target("target", 1, 1);
    target.Add(Node(9));
    target = source;
    EXPECT_STREQ(target.getName(), "source");
    EXPECT_EQ(target.capacity, source.capacity);
    EXPECT_EQ(target.step, 2);
    ASSERT_EQ(target.count, 2);
    EXPECT_EQ(target[0].number, 4);
    EXPECT_EQ(target[1].number, 5);
    // The copy is independent of the source.
    source[0].number = 40;
    EXPECT_EQ(target[0].number, 4);

    NodeList &same = target;
    target = same;
    EXPECT_EQ(target.count, 2);
    EXPECT_STREQ(target.getName(), "source");

    NodeList copied(source);
    EXPECT_STREQ(copied.getName(), "source");
    EXPECT_EQ(copied[0].number, 40);
}

TEST(List, ReorderPlacesOldElementsAtTheirNewPositions)
{
    RodList rods("RodList", 1, 1);
    for (int number : {10, 20, 30})
        rods.Add(Rod(number, 0, 0));

    IndexList wrongLength = MakeIndexList("order", {0, 1});
    EXPECT_FALSE(rods.reorder(wrongLength));
    EXPECT_EQ(rods[0].number, 10);
    EXPECT_EQ(rods[2].number, 30);

    IndexList order = MakeIndexList("order", {2, 0, 1});
    ASSERT_TRUE(rods.reorder(order));
    EXPECT_EQ(rods[0].number, 30);
    EXPECT_EQ(rods[1].number, 10);
    EXPECT_EQ(rods[2].number, 20);
    EXPECT_STREQ(rods.getName(), "RodList");
    EXPECT_EQ(rods.count, 3);

    IndexList outside = MakeIndexList("order", {0, 3, 1});
    EXPECT_EQ(RaisedMessage([&] { rods.reorder(outside); }),
              "Subscription 3 in RodList[3] is out of defined range!");
    EXPECT_EQ(rods[0].number, 30);
}

TEST(IndexList, RemoveDuplicatesKeepsFirstOccurrences)
{
    IndexList withDuplicates = MakeIndexList("selNodes", {3, 1, 3, 2, 1});
    withDuplicates.removeDuplicates();
    EXPECT_EQ(Values(withDuplicates), (std::vector<int>{3, 1, 2}));
    EXPECT_STREQ(withDuplicates.getName(), "");

    IndexList unique = MakeIndexList("selNodes", {1, 2});
    unique.removeDuplicates();
    EXPECT_EQ(Values(unique), (std::vector<int>{1, 2}));
    EXPECT_STREQ(unique.getName(), "selNodes");

    IndexList empty("empty", 1, 1);
    empty.removeDuplicates();
    EXPECT_EQ(empty.count, 0);
    EXPECT_STREQ(empty.getName(), "empty");
}

TEST(IndexList, AppendAndContains)
{
    IndexList list = MakeIndexList("a", {1, 2});
    list.append(MakeIndexList("b", {2, 5}));
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 2, 5}));
    EXPECT_STREQ(list.getName(), "a");
    list.append(list);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 2, 5, 1, 2, 2, 5}));
    EXPECT_TRUE(list.contains(5));
    EXPECT_FALSE(list.contains(3));
    EXPECT_FALSE(IndexList("none", 1, 1).contains(0));
}
