// Bad or extreme input through the whole calculation: every structure ends
// either with finite results or with one message, never with a crash, a
// hang or an undefined number shown as a result; and the user's input
// survives either way.

#include "engine/KnownAnswerSupport.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace enginetest;

namespace {

constexpr double infinite = std::numeric_limits<double>::infinity();
constexpr double undefined = std::numeric_limits<double>::quiet_NaN();

// Clamp 1 at the origin, free node 2 at (3, 0), a 2 kN/m load and a tip
// force: a calculable cantilever to be spoilt by each case.
StructureModel Cantilever()
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, 3.0, 0.0, true);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, 2.0);
    s.nodes[1].force = Pair(0.0, -1.0);
    s.rods[0].load = Pair(0.0, -2.0);
    return s;
}

// The input of a user's rod, seen from its end nodes' numbers so that a rod
// turned by the calculation compares equal to the one the user drew.
struct RodInput {
    int number, first, second;
    RodEnd firstEnd, secondEnd;
    Pair load, firstSideTemperature;
    double EI, height, alpha;
};

RodInput InputOf(const StructureModel &s, const Rod &rod)
{
    auto label = [&s](int node) {
        return node >= 0 && node < s.nodes.count ? s.nodes[node].number : -1000 - node;
    };
    RodEnd b = rod.begin, e = rod.end;
    Pair temperature = rod.temperature;
    int first = label(b.node), second = label(e.node);
    if (first > second) {
        std::swap(first, second);
        std::swap(b, e);
        temperature = Pair(temperature.y, temperature.x);
    }
    b.node = e.node = 0;
    return {rod.number, first, second, b, e, rod.load, temperature, rod.EI, rod.height, rod.alpha};
}

// Every user node and rod is still there with its input unchanged (positions
// may differ), and no service element is left.
::testing::AssertionResult InputKept(const StructureModel &before, const StructureModel &after)
{
    if (CountService(after) != 0)
        return ::testing::AssertionFailure() << "service elements left";
    if (before.nodes.count != after.nodes.count || before.rods.count != after.rods.count)
        return ::testing::AssertionFailure() << "element counts changed";
    auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (const Node &old : before.nodes) {
        const int position = FindNode(after, old.number);
        if (position < 0)
            return ::testing::AssertionFailure() << "node " << old.number << " lost";
        const Node &now = after.nodes[position];
        if (!same(now.x, old.x) || !same(now.y, old.y) || now.isFree != old.isFree ||
            now.force != old.force || now.moment != old.moment || now.displacement != old.displacement)
            return ::testing::AssertionFailure() << "node " << old.number << " changed";
    }
    for (const Rod &old : before.rods) {
        const int position = FindRod(after, old.number);
        if (position < 0)
            return ::testing::AssertionFailure() << "rod " << old.number << " lost";
        const RodInput a = InputOf(before, old), b = InputOf(after, after.rods[position]);
        const bool equal =
            a.first == b.first && a.second == b.second && a.firstEnd.joint == b.firstEnd.joint &&
            same(a.firstEnd.angle, b.firstEnd.angle) && a.secondEnd.joint == b.secondEnd.joint &&
            same(a.secondEnd.angle, b.secondEnd.angle) && same(a.load.x, b.load.x) &&
            same(a.load.y, b.load.y) && same(a.firstSideTemperature.x, b.firstSideTemperature.x) &&
            same(a.firstSideTemperature.y, b.firstSideTemperature.y) && same(a.EI, b.EI) &&
            same(a.height, b.height) && same(a.alpha, b.alpha);
        if (!equal)
            return ::testing::AssertionFailure() << "rod " << old.number << " changed";
    }
    return ::testing::AssertionSuccess();
}

bool ResultsFinite(const StructureModel &s)
{
    for (const Node &node : s.nodes) {
        for (double v : {node.resultDisplacement.x, node.resultDisplacement.y, node.resultDisplacement.z,
                         node.reaction.x, node.reaction.y, node.reaction.z})
            if (!std::isfinite(v))
                return false;
    }
    for (const Rod &rod : s.rods) {
        for (double v :
             {rod.resultM.x, rod.resultM.y, rod.resultQ.x, rod.resultQ.y, rod.resultN.x, rod.resultN.y})
            if (!std::isfinite(v))
                return false;
    }
    return true;
}

enum class Outcome { Calculated, Refused };

struct Case {
    const char *name;
    std::function<void(StructureModel &)> spoil;
    Outcome outcome;
    const char *reasonPart; // a piece of the refusal's text
};

} // namespace

TEST(CalculationRobustness, EndsWithResultsOrOneMessage)
{
    const Case cases[] = {
        {"rod of zero length between coinciding nodes", [](StructureModel &s) { s.nodes[1].x = 0.0; },
         Outcome::Refused, "Вектор L"},
        {"rod from a node to itself",
         [](StructureModel &s) {
             const int end = AddNode(s, 3, 6.0, 0.0, true);
             AddRod(s, 2, 1, end, JointType::Fixed, JointType::Fixed);
             AddRod(s, 3, end, end, JointType::Fixed, JointType::Fixed);
         },
         Outcome::Refused, "Вектор L"},
        {"nodes 1e-300 apart", [](StructureModel &s) { s.nodes[1].x = 1e-300; }, Outcome::Refused, "Вектор L"},
        // Lengths of any size are a matter of units.
        {"a cantilever 1e-11 long", [](StructureModel &s) { s.nodes[1].x = 1e-11; }, Outcome::Calculated, ""},
        {"two rods on coinciding free nodes",
         [](StructureModel &s) {
             const int twin = AddNode(s, 3, 3.0, 0.0, true);
             AddRod(s, 2, 0, twin, JointType::Fixed, JointType::Fixed, 2.0);
         },
         Outcome::Calculated, ""},
        {"rod pointing beyond the node list",
         [](StructureModel &s) { AddRod(s, 2, 1, 99, JointType::Fixed, JointType::Fixed); }, Outcome::Refused,
         "Неверная топология"},
        {"rod pointing before the node list",
         [](StructureModel &s) { AddRod(s, 2, -1, 1, JointType::Hinge, JointType::Hinge); }, Outcome::Refused,
         "Неверная топология"},
        {"undefined coordinate", [](StructureModel &s) { s.nodes[1].y = undefined; }, Outcome::Refused,
         "конечными"},
        {"infinite distributed load", [](StructureModel &s) { s.rods[0].load.y = -infinite; },
         Outcome::Refused, "конечными"},
        {"infinite settlement", [](StructureModel &s) { s.nodes[0].displacement.z = infinite; },
         Outcome::Refused, "конечными"},
        {"undefined roller angle",
         [](StructureModel &s) {
             const int roller = AddNode(s, 3, 6.0, 0.0, false);
             AddRod(s, 2, 1, roller, JointType::Fixed, JointType::MovingHinge);
             s.rods[1].end.angle = undefined;
         },
         Outcome::Refused, "конечными"},
        {"huge force", [](StructureModel &s) { s.nodes[1].force.y = -1e300; }, Outcome::Refused,
         "Узел 2: Сила Y = -1e+300"},
        // A clamp takes its own loads into its reaction, which must stay a
        // usable number also beside a reaction near the limit of the results.
        {"largest force on a clamp that holds a huge tip force",
         [](StructureModel &s) {
             s.nodes[1].force.y = -1e299;
             s.nodes[0].force.y = -std::numeric_limits<double>::max();
         },
         Outcome::Refused, "Узел 1: Сила Y = -1.79769e+308"},
        {"largest moment on a clamp that holds a huge tip force",
         [](StructureModel &s) {
             s.nodes[1].force.y = -1e299;
             s.nodes[0].moment = std::numeric_limits<double>::max();
         },
         Outcome::Refused, "Узел 1: Момент = 1.79769e+308"},
        {"large loads on the clamp",
         [](StructureModel &s) {
             s.nodes[0].force = Pair(1e200, -1e200);
             s.nodes[0].moment = 1e200;
         },
         Outcome::Refused, "Узел 1: Сила X = 1e+200"},
        // A frame drawn in millimetres: EI in N*mm², loads in N and N/mm.
        {"frame in millimetres",
         [](StructureModel &s) {
             s.nodes[1].x = 6000.0;
             s.nodes[1].force.y = -1e7;
             s.rods[0].EI = 2.1e13;
             s.rods[0].EF = 1e9;
             s.rods[0].load.y = -1e4;
         },
         Outcome::Calculated, ""},
        {"huge temperature gradient on a thin rod",
         [](StructureModel &s) {
             s.rods[0].temperature = Pair(1e300, -1e300);
             s.rods[0].height = 1e-5;
         },
         Outcome::Refused, "Стержень 1: Температура слева = 1e+300"},
        {"huge coordinates", [](StructureModel &s) { s.nodes[1].x = 1e200; }, Outcome::Refused, ""},
        {"tiny rigidity", [](StructureModel &s) { s.rods[0].EI = 1e-300; }, Outcome::Refused, "Вектор I"},
        {"huge rigidity", [](StructureModel &s) { s.rods[0].EI = 1e300; }, Outcome::Refused,
         "Стержень 1: EI = 1e+300"},
        {"huge roller angle",
         [](StructureModel &s) {
             const int roller = AddNode(s, 3, 6.0, 0.0, false);
             AddRod(s, 2, 1, roller, JointType::Fixed, JointType::MovingHinge);
             s.rods[1].end.angle = 1e300;
         },
         Outcome::Calculated, ""},
        {"no rods at all", [](StructureModel &s) { s.rods.clear(); }, Outcome::Refused, "ни один стержень"},
        {"empty structure", [](StructureModel &s) { s.clear(); }, Outcome::Refused, "опорный узел"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = Cantilever();
        c.spoil(s);
        const StructureModel before = s;
        RecordingReporter errors;
        double time = 0.0;
        const bool ok = Calculate(s, time);
        if (c.outcome == Outcome::Calculated) {
            EXPECT_TRUE(ok);
            EXPECT_TRUE(errors.messages.empty());
            EXPECT_TRUE(ResultsFinite(s));
        } else {
            EXPECT_FALSE(ok);
            ASSERT_EQ(errors.messages.size(), 1u) << "one message for one refusal";
            const Message &message = errors.messages[0];
            EXPECT_NE((message.headline + "\t" + message.reason).find(c.reasonPart), std::string::npos)
                << message.headline << " / " << message.reason;
        }
        EXPECT_TRUE(InputKept(before, s));
    }
}

TEST(CalculationRobustness, LongChainIsCalculatedQuickly)
{
    // A cantilever of 120 segments (rigid joints): every joint adds a
    // rotation and a translation unknown. Tip force P: tip deflection
    // PL^3/(3EI) whatever the subdivision.
    const int segments = 120;
    const double L = 12.0, P = 3.0, EI = 50.0;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    for (int i = 1; i <= segments; ++i) {
        AddNode(s, i + 1, L * i / segments, 0.0, true);
        AddRod(s, i, i - 1, i, JointType::Fixed, JointType::Fixed, EI);
    }
    s.nodes[segments].force = Pair(0.0, -P);
    ASSERT_TRUE(Calculated(s));
    // Some 240 unknowns of very different scales (rotations and
    // translations) cost a few digits: compare to 1e-6.
    const double deflection = P * L * L * L / (3 * EI);
    const double tip = NodeNumber(s, segments + 1).resultDisplacement.y;
    EXPECT_NEAR(tip, -deflection, 1e-6 * deflection);
    EXPECT_NEAR(NodeNumber(s, 1).reaction.z, P * L, 1e-6 * P * L);
    EXPECT_NEAR(NodeNumber(s, 1).reaction.y, P, 1e-6 * P);
}

TEST(CalculationRobustness, RefusedStructureKeepsItsEarlierResults)
{
    // A calculation that fails writes no result: the results of the last
    // good calculation stay (the document hides them).
    StructureModel s = Cantilever();
    ASSERT_TRUE(Calculated(s));
    const Rod good = RodNumber(s, 1);
    s.rods[FindRod(s, 1)].EI = 0.0;
    RecordingReporter errors;
    double time = 0.0;
    EXPECT_FALSE(Calculate(s, time));
    EXPECT_EQ(RodNumber(s, 1).resultM, good.resultM);
    EXPECT_EQ(RodNumber(s, 1).resultN, good.resultN);
}

// The magnitude check is about what overflows, not about units: a steel
// cantilever drawn in millimetres (EI ~ 1e13 N*mm², loads ~ 1e7 N) is
// calculated and matches the closed form PL³/(3EI) + qL⁴/(8EI).
TEST(CalculationRobustness, AFrameInMillimetresIsCalculated)
{
    const double L = 6000.0, P = 1e7, q = 10.0, EI = 2.1e13;
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, false);
    AddNode(s, 2, L, 0.0, true);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed, EI);
    s.nodes[1].force = Pair(0.0, -P);
    s.rods[0].load = Pair(0.0, -q);
    ASSERT_TRUE(Calculated(s));
    const double deflection = P * L * L * L / (3 * EI) + q * L * L * L * L / (8 * EI);
    EXPECT_NEAR(NodeNumber(s, 2).resultDisplacement.y, -deflection, 1e-9 * deflection);
    EXPECT_NEAR(NodeNumber(s, 1).reaction.y, P + q * L, 1e-9 * (P + q * L));
}
