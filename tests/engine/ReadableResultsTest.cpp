// What the user reads off a calculation: rounding noise cleaned to 0 kind by
// kind, the moment extreme inside a loaded span, and a mechanism message
// that points at hinged joints.

#include "engine/Calculate.h"
#include "engine/KnownAnswerSupport.h"
#include "engine/ResultNoise.h"
#include "model/SpanExtreme.h"
#include "model/StructureFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace enginetest;

namespace {

// The result values of one kind, by reference to the largest of them.
struct KindValues {
    const char *name;
    std::vector<double> values;
};

std::vector<KindValues> ResultKinds(const StructureModel &s)
{
    std::vector<KindValues> kinds = {{"moments", {}},   {"forces", {}},          {"translations", {}},
                                     {"rotations", {}}, {"reaction forces", {}}, {"reaction moments", {}}};
    for (const Rod &rod : s.rods) {
        kinds[0].values.insert(kinds[0].values.end(), {rod.resultM.x, rod.resultM.y});
        kinds[1].values.insert(kinds[1].values.end(),
                               {rod.resultQ.x, rod.resultQ.y, rod.resultN.x, rod.resultN.y});
    }
    for (const Node &node : s.nodes) {
        kinds[2].values.insert(kinds[2].values.end(), {node.resultDisplacement.x, node.resultDisplacement.y});
        kinds[3].values.push_back(node.resultDisplacement.z);
        kinds[4].values.insert(kinds[4].values.end(), {node.reaction.x, node.reaction.y});
        kinds[5].values.push_back(node.reaction.z);
    }
    return kinds;
}

std::vector<std::filesystem::path> ExampleFiles()
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(ExamplesFolder(), error)) {
        if (entry.path().extension() == ".str")
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

// The continuous beam's middle support turned by 6.5e-19 rad while the
// other rotations are some 1e-3: that and every such value must come out
// as exactly 0, for every example.
TEST(ReadableResults, RoundingNoiseIsZeroAfterEveryExample)
{
    const std::vector<std::filesystem::path> files = ExampleFiles();
    ASSERT_GE(files.size(), 6u) << "no examples in " << ExamplesFolder();
    for (const std::filesystem::path &file : files) {
        SCOPED_TRACE(file.filename().string());
        StructureModel s;
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        ASSERT_TRUE(ReadStructure(s, text.str()).ok);
        ASSERT_TRUE(Calculated(s));
        for (const KindValues &kind : ResultKinds(s)) {
            double largest = 0.0;
            for (double v : kind.values)
                largest = std::max(largest, std::fabs(v));
            for (double v : kind.values) {
                if (v != 0.0) {
                    EXPECT_GE(std::fabs(v), 1e-12 * largest) << kind.name << ": " << v;
                }
                EXPECT_FALSE(v == 0.0 && std::signbit(v)) << kind.name << ": a negative zero";
            }
        }
    }
}

// Each kind is measured against its own largest value: a tiny moment
// beside large moments is noise, the same number as the only rotation is
// not; forces do not hide translations.
TEST(ReadableResults, NoiseIsJudgedKindByKind)
{
    StructureModel s;
    AddNode(s, 1, 0.0, 0.0, true);
    AddNode(s, 2, 1.0, 0.0, false);
    AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed);
    AddRod(s, 2, 0, 1, JointType::Fixed, JointType::Fixed);
    s.rods[0].resultM = Pair(45000.0, -3e-11);
    s.rods[1].resultM = Pair(4.6e-8, -0.0);
    s.rods[0].resultQ = Pair(1e6, 5e-7); // 5e-13 of the largest force: noise
    s.rods[0].resultN = Pair(2e-6, 0.0); // 2e-12 of it: kept
    s.nodes[0].resultDisplacement = Triple(1e-3, 1e-16, 6.50521e-19);
    s.nodes[1].resultDisplacement = Triple(0.0, 0.0, 0.0);
    s.nodes[1].reaction = Triple(75000.0, 1e-8, 6.5e-19);
    CleanResultNoise(s);
    EXPECT_EQ(s.rods[0].resultM, Pair(45000.0, 0.0)) << "3e-11 is below 1e-12 of 45000";
    EXPECT_EQ(s.rods[1].resultM.x, 4.6e-8) << "1e-12 of 45000 is 4.5e-8";
    EXPECT_FALSE(std::signbit(s.rods[1].resultM.y)) << "a negative zero prints as -0";
    EXPECT_EQ(s.rods[0].resultQ, Pair(1e6, 0.0));
    EXPECT_EQ(s.rods[0].resultN, Pair(2e-6, 0.0));
    EXPECT_EQ(s.nodes[0].resultDisplacement, Triple(1e-3, 0.0, 6.50521e-19))
        << "the only rotation is not noise of the translations";
    EXPECT_EQ(s.nodes[1].reaction, Triple(75000.0, 0.0, 6.5e-19)) << "reaction moments are their own kind";
}

// M(x) of a rod with end moments M1, M2 (M2 stored with the opposite sign)
// and a transverse load q has its vertex at L/2 + (M1 + M2)/(qL).
TEST(ReadableResults, MomentExtremeInsideASpanMatchesTheClosedForm)
{
    const struct {
        const char *name;
        Pair end;  // world position of the end node; the begin node is at (0, 0)
        Pair load; // qx, qy
        Pair moments;
        bool exists;
        double distance;
        double value;
    } cases[] = {
        // Simply supported 4 m span under 10 N/m: qL²/8 = 20 in the middle.
        {"simply supported", {4, 0}, {0, -10}, {0, 0}, true, 2.0, 20.0},
        // Both ends clamped: -qL²/12 at the ends, +qL²/24 in the middle.
        {"clamped both ends", {6, 0}, {0, -10}, {-30, 30}, true, 3.0, 15.0},
        // Propped cantilever (clamp at the end): 9qL²/128 at 3L/8.
        {"propped cantilever", {8, 0}, {0, -10}, {0, 80}, true, 3.0, 45.0},
        // A vertical rod under a horizontal load: the load across it is -qx.
        {"vertical rod", {0, 4}, {10, 0}, {0, 0}, true, 2.0, 20.0},
        // The vertex at an end (a cantilever) is not inside the span.
        {"cantilever", {4, 0}, {0, -10}, {-80, 0}, false, 0.0, 0.0},
        {"load along the rod", {4, 0}, {-10, 0}, {5, 7}, false, 0.0, 0.0},
        {"no load", {4, 0}, {0, 0}, {5, 7}, false, 0.0, 0.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, c.end.x, c.end.y, false);
        AddRod(s, 1, 0, 1, JointType::Fixed, JointType::Fixed);
        s.rods[0].load = c.load;
        s.rods[0].resultM = c.moments;
        const SpanExtreme extreme = MomentExtremeInSpan(s, 0);
        ASSERT_EQ(extreme.exists, c.exists);
        if (!c.exists)
            continue;
        EXPECT_NEAR(extreme.distance, c.distance, 1e-12 * c.distance);
        EXPECT_NEAR(extreme.value, c.value, 1e-12 * c.value);
    }
}

// A portal frame drawn with hinged rod ends everywhere is a mechanism; the
// message adds that the joints can be made rigid. With one rigid corner
// (and a missing rod elsewhere) the advice would mislead and is left out.
TEST(ReadableResults, AMechanismWithHingedJointsPointsAtRigidJoints)
{
    const std::string advice = LoadString(50226);
    ASSERT_FALSE(advice.empty());
    auto portal = [](JointType corner) {
        StructureModel s;
        AddNode(s, 1, 0.0, 0.0, false);
        AddNode(s, 2, 0.0, 4.0, true);
        AddNode(s, 3, 3.0, 4.0, true);
        AddNode(s, 4, 6.0, 4.0, true);
        AddNode(s, 5, 6.0, 0.0, false);
        AddRod(s, 1, 0, 1, JointType::Hinge, corner);
        AddRod(s, 2, 1, 2, corner, JointType::Hinge);
        AddRod(s, 3, 2, 3, JointType::Hinge, JointType::Hinge);
        AddRod(s, 4, 3, 4, JointType::Hinge, JointType::Hinge);
        s.nodes[2].force = Pair(0.0, -1000.0);
        return s;
    };
    const struct {
        const char *name;
        JointType corner;
        bool advised;
    } cases[] = {{"every joint hinged", JointType::Hinge, true}, {"a rigid corner", JointType::Fixed, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        StructureModel s = portal(c.corner);
        RecordingReporter errors;
        double time = 0.0;
        EXPECT_FALSE(Calculate(s, time));
        ASSERT_EQ(errors.messages.size(), 1u);
        const Message mechanism = StringTableMessage(50213);
        EXPECT_EQ(errors.messages[0].headline, mechanism.headline) << errors.messages[0].reason;
        EXPECT_EQ(errors.messages[0].reason.rfind(mechanism.reason, 0), 0u);
        EXPECT_EQ(errors.messages[0].reason.find(advice) != std::string::npos, c.advised)
            << errors.messages[0].reason;
    }
}
