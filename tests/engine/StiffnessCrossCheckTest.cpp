// Cross-check of the engine against an independent direct-stiffness solution
// (StiffnessReference.h) on fifteen thousand small random plane frames:
// clamps, pins and rollers at an angle, rigid and hinged rod ends, node forces
// and moments, rod loads, temperatures and support settlements. A frame the
// reference finds stable must be calculated to the same end moments, shears,
// axial forces, displacements and reactions, or refused with one message (the
// method cannot take every stable frame, but it must take most); a mechanism
// must be refused with one message. Frames within a hair of a mechanism are
// left out. Sign conventions: see KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"
#include "engine/StiffnessReference.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace enginetest;

namespace {

// Random frames on a 0.5 m grid. Draws use the raw output of mt19937, whose
// sequence the standard fixes, so every library builds the same frames.
class FrameGenerator {
public:
    explicit FrameGenerator(std::uint32_t seed) : random(seed) {}

    Frame Next()
    {
        for (;;) {
            Frame frame;
            if (Attempt(frame))
                return frame;
        }
    }

private:
    int Uniform(int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); }
    bool Chance(double probability) { return random() % 1000 < probability * 1000; }

    // No node may lie inside a rod: it would look joined without being so,
    // and two rods along one line would overlap.
    static bool Clear(const Frame &frame, int a, int b)
    {
        const FrameNode &p = frame.nodes[a];
        const FrameNode &q = frame.nodes[b];
        for (int k = 0; k < static_cast<int>(frame.nodes.size()); ++k) {
            if (k == a || k == b)
                continue;
            const FrameNode &o = frame.nodes[k];
            const double cross = (q.x - p.x) * (o.y - p.y) - (q.y - p.y) * (o.x - p.x);
            const double along = (q.x - p.x) * (o.x - p.x) + (q.y - p.y) * (o.y - p.y);
            const double length2 = (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
            if (std::fabs(cross) < 1e-9 && along > 0.0 && along < length2)
                return false;
        }
        for (const FrameRod &rod : frame.rods) {
            if (rod.begin == std::min(a, b) && rod.end == std::max(a, b))
                return false;
        }
        return true;
    }

    bool AddRod(Frame &frame, int a, int b)
    {
        if (!Clear(frame, a, b))
            return false;
        FrameRod rod;
        rod.number = static_cast<int>(frame.rods.size()) + 1;
        // As the editor draws them: from the lower position to the higher.
        rod.begin = std::min(a, b);
        rod.end = std::max(a, b);
        rod.beginHinged = Chance(hingeChance);
        rod.endHinged = Chance(hingeChance);
        rod.EI = 1.0 + 0.5 * Uniform(0, 18);
        frame.rods.push_back(rod);
        return true;
    }

    bool Attempt(Frame &frame)
    {
        // Mostly rigid joints, which make most frames stable; now and then
        // many hinges, which make frames without any rotation unknown.
        const double hingeChances[] = {0.1, 0.2, 0.2, 0.6};
        hingeChance = hingeChances[Uniform(0, 3)];
        const int freeCount = Uniform(2, 6);
        const int supportCount = Uniform(1, 3);
        const int count = freeCount + supportCount;
        // Supports take random positions among the nodes, so that the
        // calculation reorders the nodes and turns rods.
        std::vector<bool> isSupport(count, false);
        for (int placed = 0; placed < supportCount;) {
            const int k = Uniform(0, count - 1);
            if (!isSupport[k]) {
                isSupport[k] = true;
                ++placed;
            }
        }
        std::vector<int> freeNodes, supports;
        for (int k = 0; k < count; ++k) {
            FrameNode node;
            node.number = k + 1;
            for (bool distinct = false; !distinct;) {
                node.x = 0.5 * Uniform(0, 12);
                node.y = 0.5 * Uniform(0, 10);
                distinct = true;
                for (const FrameNode &other : frame.nodes)
                    distinct = distinct && (other.x != node.x || other.y != node.y);
            }
            if (isSupport[k]) {
                const int kind = Uniform(0, 19);
                node.support = kind < 9    ? SupportKind::Clamp
                               : kind < 16 ? SupportKind::Pin
                                           : SupportKind::Roller;
                const double angles[] = {0.0, 90.0, 30.0, -45.0, 60.0, 135.0, 180.0, 17.5};
                node.rollerAngle = angles[Uniform(0, 7)];
                supports.push_back(k);
            } else {
                freeNodes.push_back(k);
            }
            frame.nodes.push_back(node);
        }
        // A tree over the free nodes, each support hung on a free node, then
        // up to two more rods, one of them at times between two supports.
        for (int i = 1; i < freeCount; ++i) {
            if (!AddRod(frame, freeNodes[i], freeNodes[Uniform(0, i - 1)]))
                return false;
        }
        for (int k : supports) {
            if (!AddRod(frame, k, freeNodes[Uniform(0, freeCount - 1)]))
                return false;
        }
        for (int extra = Uniform(0, 2); extra > 0; --extra) {
            const int a = freeNodes[Uniform(0, freeCount - 1)];
            const int b = Uniform(0, count - 1);
            if (a != b)
                AddRod(frame, a, b);
        }
        if (supportCount > 1 && Chance(0.1))
            AddRod(frame, supports[0], supports[1]);
        AddLoads(frame);
        return true;
    }

    void AddLoads(Frame &frame)
    {
        std::vector<bool> rigid(frame.nodes.size(), false);
        for (const FrameRod &rod : frame.rods) {
            rigid[rod.begin] = rigid[rod.begin] || IsRigidAt(frame, rod, true);
            rigid[rod.end] = rigid[rod.end] || IsRigidAt(frame, rod, false);
        }
        bool loaded = false;
        for (int k = 0; k < static_cast<int>(frame.nodes.size()); ++k) {
            FrameNode &node = frame.nodes[k];
            if (node.support == SupportKind::None) {
                if (Chance(0.4)) {
                    node.force = Pair(Uniform(-10, 10), Uniform(-10, 10));
                    loaded = true;
                }
                // A moment needs a rod rigidly joined to take it.
                if (rigid[k] && Chance(0.25)) {
                    node.moment = Uniform(-10, 10);
                    loaded = true;
                }
            } else if (Chance(0.2)) {
                node.settlement = Triple(0.005 * Uniform(-4, 4), 0.005 * Uniform(-4, 4),
                                         node.support == SupportKind::Clamp ? 0.25 * Uniform(-4, 4) : 0.0);
                loaded = true;
            }
        }
        for (FrameRod &rod : frame.rods) {
            if (Chance(0.4)) {
                rod.load = Pair(Uniform(-5, 5), Uniform(-5, 5));
                loaded = true;
            }
            if (Chance(0.15)) {
                rod.temperature = Pair(Uniform(-20, 30), Uniform(-20, 30));
                rod.alpha = 0.001 * Uniform(1, 3);
                rod.height = 0.1 * Uniform(2, 8);
                loaded = true;
            }
        }
        if (!loaded) {
            for (FrameNode &node : frame.nodes) {
                if (node.support == SupportKind::None) {
                    node.force = Pair(0.0, -10.0);
                    break;
                }
            }
        }
    }

    static bool IsRigidAt(const Frame &frame, const FrameRod &rod, bool atBegin)
    {
        return !stiffness::IsHinged(rod, frame, atBegin);
    }

    std::mt19937 random;
    double hingeChance = 0.2;
};

JointType JointAt(const Frame &frame, const FrameRod &rod, bool atBegin)
{
    switch (frame.nodes[atBegin ? rod.begin : rod.end].support) {
    case SupportKind::Clamp:
        return JointType::Fixed;
    case SupportKind::Pin:
        return JointType::Hinge;
    case SupportKind::Roller:
        return JointType::MovingHinge;
    case SupportKind::None:
        break;
    }
    return (atBegin ? rod.beginHinged : rod.endHinged) ? JointType::Hinge : JointType::Fixed;
}

// The frame as the user would enter it: a support is the joint and angle of
// every rod end that meets it.
StructureModel Build(const Frame &frame)
{
    StructureModel s;
    for (const FrameNode &node : frame.nodes) {
        const int k = AddNode(s, node.number, node.x, node.y, node.support == SupportKind::None);
        s.nodes[k].force = node.force;
        s.nodes[k].moment = node.moment;
        s.nodes[k].displacement = node.settlement;
    }
    for (const FrameRod &rod : frame.rods) {
        const int r = AddRod(s, rod.number, rod.begin, rod.end, JointAt(frame, rod, true),
                             JointAt(frame, rod, false), rod.EI);
        Rod &added = s.rods[r];
        if (added.begin.joint == JointType::MovingHinge)
            added.begin.angle = frame.nodes[rod.begin].rollerAngle;
        if (added.end.joint == JointType::MovingHinge)
            added.end.angle = frame.nodes[rod.end].rollerAngle;
        added.load = rod.load;
        added.temperature = rod.temperature;
        added.alpha = rod.alpha;
        added.height = rod.height;
    }
    return s;
}

// The frame as text, enough to rebuild it in a focused test.
std::string Describe(const Frame &frame)
{
    std::ostringstream text;
    const char *kinds[] = {"free", "clamp", "pin", "roller"};
    for (const FrameNode &n : frame.nodes) {
        text << "node " << n.number << " (" << n.x << ", " << n.y << ") "
             << kinds[static_cast<int>(n.support)];
        if (n.support == SupportKind::Roller)
            text << " angle " << n.rollerAngle;
        if (n.force != Pair())
            text << " F (" << n.force.x << ", " << n.force.y << ")";
        if (n.moment != 0.0)
            text << " M " << n.moment;
        if (n.settlement != Triple())
            text << " settles (" << n.settlement.x << ", " << n.settlement.y << ", " << n.settlement.z << ")";
        text << "\n";
    }
    for (const FrameRod &r : frame.rods) {
        text << "rod " << r.number << ": " << frame.nodes[r.begin].number
             << (JointAt(frame, r, true) == JointType::Fixed ? " rigid" : " hinged") << " - "
             << frame.nodes[r.end].number
             << (JointAt(frame, r, false) == JointType::Fixed ? " rigid" : " hinged") << ", EI " << r.EI;
        if (r.load != Pair())
            text << " q (" << r.load.x << ", " << r.load.y << ")";
        if (r.temperature != Pair())
            text << " T (" << r.temperature.x << ", " << r.temperature.y << ") alpha " << r.alpha << " h "
                 << r.height;
        text << "\n";
    }
    return text.str();
}

// Mismatches of one frame, each against the largest reference value of its
// kind.
class Comparison {
public:
    void Expect(const std::string &what, double actual, double expected, double scale)
    {
        const double tolerance = 1e-6 * std::fmax(scale, 1e-6);
        if (std::isfinite(actual) && std::fabs(actual - expected) <= tolerance)
            return;
        if (++count <= 8) {
            char line[200];
            std::snprintf(line, sizeof line, "  %s: engine %.10g, reference %.10g (tolerance %.3g)\n",
                          what.c_str(), actual, expected, tolerance);
            text += line;
        }
    }
    int count = 0;
    std::string text;
};

// Compares a calculated structure with the reference; axial forces and
// reactions only where they are determinate. Values are compared in four
// groups (forces, moments, translations, rotations), each against its
// largest reference value: values that should vanish come out as round-off
// in the reference and as 0 from the engine.
Comparison Compare(const Frame &frame, const FrameSolution &reference, const StructureModel &s,
                   bool axialDeterminate)
{
    double force = 0.0, moment = 0.0, translation = 0.0, rotation = 0.0;
    for (size_t r = 0; r < frame.rods.size(); ++r) {
        for (const EndValues &v : {reference.atBegin[r], reference.atEnd[r]}) {
            moment = std::fmax(moment, std::fabs(v.moment));
            force = std::fmax(force, std::fmax(std::fabs(v.shear), std::fabs(v.axial)));
        }
    }
    for (const NodeValues &v : reference.nodes) {
        translation = std::fmax(translation, std::hypot(v.translation.x, v.translation.y));
        if (v.rotates)
            rotation = std::fmax(rotation, std::fabs(v.rotation));
        force = std::fmax(force, std::hypot(v.reaction.x, v.reaction.y));
        moment = std::fmax(moment, std::fabs(v.reaction.z));
    }
    // Each group is also measured against the other of its pair through the
    // longest rod: a tip moment bends a cantilever without any force.
    double longest = 0.0;
    for (const FrameRod &rod : frame.rods) {
        const FrameNode &b = frame.nodes[rod.begin];
        const FrameNode &e = frame.nodes[rod.end];
        longest = std::fmax(longest, std::hypot(e.x - b.x, e.y - b.y));
    }
    force = std::fmax(force, moment / longest);
    moment = std::fmax(moment, force * longest);
    rotation = std::fmax(rotation, translation / longest);
    translation = std::fmax(translation, rotation * longest);
    const double shear = force, axial = force, reactionMoment = moment;

    Comparison result;
    for (size_t r = 0; r < frame.rods.size(); ++r) {
        const FrameRod &rod = frame.rods[r];
        for (bool atBegin : {true, false}) {
            const int node = frame.nodes[atBegin ? rod.begin : rod.end].number;
            const EndValues &v = atBegin ? reference.atBegin[r] : reference.atEnd[r];
            const std::string where =
                "rod " + std::to_string(rod.number) + " at node " + std::to_string(node);
            result.Expect("M " + where, MomentAt(s, rod.number, node), v.moment, moment);
            result.Expect("Q " + where, ShearAt(s, rod.number, node), v.shear, shear);
            if (axialDeterminate)
                result.Expect("N " + where, AxialAt(s, rod.number, node), v.axial, axial);
        }
    }
    for (size_t k = 0; k < frame.nodes.size(); ++k) {
        const FrameNode &input = frame.nodes[k];
        const NodeValues &v = reference.nodes[k];
        const Node &node = NodeNumber(s, input.number);
        const std::string where = "node " + std::to_string(input.number);
        result.Expect("dx " + where, node.resultDisplacement.x, v.translation.x, translation);
        result.Expect("dy " + where, node.resultDisplacement.y, v.translation.y, translation);
        if (v.rotates)
            result.Expect("rotation " + where, node.resultDisplacement.z, v.rotation, rotation);
        if (input.support != SupportKind::None && axialDeterminate) {
            result.Expect("Rx " + where, node.reaction.x, v.reaction.x, force);
            result.Expect("Ry " + where, node.reaction.y, v.reaction.y, force);
            result.Expect("reaction moment " + where, node.reaction.z, v.reaction.z, reactionMoment);
        }
    }
    return result;
}

// The string-table id of a reported message, 0 when it is none of the
// calculation's.
int MessageId(const Message &message)
{
    for (int id : {50202, 50204, 50206, 50207, 50208, 50209, 50212, 50213, 50216, 50222}) {
        const Message known = StringTableMessage(id);
        if (known.headline == message.headline && known.reason == message.reason)
            return id;
    }
    return 0;
}

// What a frame holds, for the summary of what the checked frames covered.
std::vector<std::string> Features(const Frame &frame, const FrameSolution &reference)
{
    std::vector<std::string> features;
    auto note = [&features](bool present, const char *name) {
        if (present)
            features.push_back(name);
    };
    bool roller = false, pin = false, settlement = false, turned = false, force = false, moment = false;
    bool freeRotation = false;
    for (size_t k = 0; k < frame.nodes.size(); ++k) {
        const FrameNode &n = frame.nodes[k];
        roller = roller || n.support == SupportKind::Roller;
        pin = pin || n.support == SupportKind::Pin;
        settlement = settlement || n.settlement != Triple();
        turned = turned || n.settlement.z != 0.0;
        force = force || n.force != Pair();
        moment = moment || n.moment != 0.0;
        freeRotation = freeRotation || (n.support == SupportKind::None && reference.nodes[k].rotates);
    }
    bool load = false, temperature = false, hinge = false, betweenSupports = false;
    for (const FrameRod &r : frame.rods) {
        const FrameNode &b = frame.nodes[r.begin];
        const FrameNode &e = frame.nodes[r.end];
        load = load || r.load != Pair();
        temperature = temperature || r.temperature != Pair();
        hinge = hinge || (b.support == SupportKind::None && r.beginHinged) ||
                (e.support == SupportKind::None && r.endHinged);
        betweenSupports =
            betweenSupports || (b.support != SupportKind::None && e.support != SupportKind::None);
    }
    note(roller, "roller");
    note(pin, "pin");
    note(settlement, "settlement");
    note(turned, "turned clamp");
    note(force, "node force");
    note(moment, "node moment");
    note(load, "rod load");
    note(temperature, "temperature");
    note(hinge, "hinge at a free node");
    note(betweenSupports, "rod between supports");
    note(!freeRotation, "no rotation unknown");
    note(reference.outcome == FrameOutcome::SelfStressed, "self-stressed");
    return features;
}

struct Tally {
    int frames = 0;
    int stable = 0; // including self-stressed frames
    int checked = 0;
    int refused = 0;
    int mechanisms = 0;
    int inconsistent = 0;
    int nearMechanisms = 0;
    std::map<int, int> refusedWith;
    std::map<std::string, int> checkedWith;
};

// Runs one frame through the reference and the engine and counts the
// outcome; returns what went wrong, empty when nothing did.
std::string CrossCheck(const Frame &frame, Tally &tally)
{
    const FrameSolution reference = SolveFrame(frame);
    StructureModel s = Build(frame);
    RecordedErrors errors;
    double time = -1.0;
    const bool ok = Calculate(s, time);
    ++tally.frames;

    std::string trouble;
    const bool refused = !ok && errors.messages.size() == 1;
    const bool succeeded = ok && errors.messages.empty();
    if (!refused && !succeeded)
        trouble = "calculation " + std::string(ok ? "succeeded" : "failed") + " with " +
                  std::to_string(errors.messages.size()) + " messages\n";
    switch (reference.outcome) {
    case FrameOutcome::Mechanism:
    case FrameOutcome::Inconsistent:
        ++(reference.outcome == FrameOutcome::Mechanism ? tally.mechanisms : tally.inconsistent);
        if (succeeded)
            trouble += "a structure that cannot carry its loads was calculated\n";
        break;
    case FrameOutcome::NearMechanism:
        ++tally.nearMechanisms;
        break;
    case FrameOutcome::Stable:
    case FrameOutcome::SelfStressed:
        ++tally.stable;
        if (reference.outcome == FrameOutcome::Stable && reference.largestResidual > 1e-9)
            trouble +=
                "the reference is out of balance by " + std::to_string(reference.largestResidual) + "\n";
        if (refused) {
            ++tally.refused;
            ++tally.refusedWith[MessageId(errors.messages[0])];
        } else if (succeeded) {
            ++tally.checked;
            for (const std::string &feature : Features(frame, reference))
                ++tally.checkedWith[feature];
            const Comparison comparison =
                Compare(frame, reference, s, reference.outcome == FrameOutcome::Stable);
            if (comparison.count > 0)
                trouble += std::to_string(comparison.count) + " values differ:\n" + comparison.text;
            // Loads that only strain the frame leave nothing to balance.
            const Resultant sum = LoadsAndReactions(s);
            if (sum.scale > 0.0 && !InEquilibrium(s))
                trouble +=
                    std::string("loads and reactions out of balance: ") + InEquilibrium(s).message() + "\n";
        }
        break;
    }
    if (trouble.empty())
        return trouble;
    for (const Message &message : errors.messages)
        trouble += "  message: " + message.headline + " / " + message.reason + "\n";
    return trouble + Describe(frame);
}

} // namespace

TEST(StiffnessCrossCheck, RandomFramesAgreeWithADirectStiffnessSolution)
{
    FrameGenerator generator(20261208u);
    Tally tally;
    int failures = 0;
    for (int index = 0; index < 15000; ++index) {
        const Frame frame = generator.Next();
        const std::string trouble = CrossCheck(frame, tally);
        if (!trouble.empty() && ++failures <= 10)
            ADD_FAILURE() << "frame " << index << ": " << trouble;
    }
    EXPECT_EQ(failures, 0) << "frames in trouble";

    std::string refusals, coverage;
    for (const auto &[id, count] : tally.refusedWith)
        refusals += " " + std::to_string(id) + " x" + std::to_string(count);
    for (const auto &[feature, count] : tally.checkedWith)
        coverage += (coverage.empty() ? "" : ", ") + feature + " " + std::to_string(count);
    std::printf("[ cross-check ] %d frames: %d stable, %d checked, %d refused (%s ), %d mechanisms, %d with "
                "strains the rods cannot take, %d too close to a mechanism to compare\n",
                tally.frames, tally.stable, tally.checked, tally.refused, refusals.c_str(), tally.mechanisms,
                tally.inconsistent, tally.nearMechanisms);
    std::printf("[ cross-check ] checked frames with: %s\n", coverage.c_str());
    // The method refuses some stable frames; the check is worth its name only
    // while most of them are calculated.
    EXPECT_LE(2 * tally.refused, tally.stable);
    EXPECT_GE(tally.checked, 1000);
    EXPECT_GE(tally.mechanisms, 100) << "the mechanisms' refusal is checked too";
}

TEST(StiffnessCrossCheck, NearlyParallelRodsKeepTheirDigits)
{
    // Rod 4 (2-6, slope 1/12) and rod 6 (2-5, horizontal) leave node 2 almost
    // along one line. The main equation once took as pivot the first
    // non-zero remainder of their difference, a small number, and the
    // results kept few digits: node 6 was out of balance by 65 N under a 9 N
    // force, and the axial force of rod 1 came out -8.18 instead of -1.09.
    Frame frame;
    auto node = [&frame](double x, double y, SupportKind support, Pair force = Pair(), double moment = 0.0) {
        FrameNode n;
        n.number = static_cast<int>(frame.nodes.size()) + 1;
        n.x = x;
        n.y = y;
        n.support = support;
        n.force = force;
        n.moment = moment;
        frame.nodes.push_back(n);
    };
    node(2.0, 4.5, SupportKind::None);
    node(6.0, 0.0, SupportKind::None, Pair(), -4.0);
    node(5.5, 4.0, SupportKind::None);
    node(6.0, 0.5, SupportKind::None, Pair(), 6.0);
    node(2.0, 0.0, SupportKind::Pin);
    node(0.0, 0.5, SupportKind::None, Pair(9.0, 6.0));
    node(4.5, 2.0, SupportKind::Roller);
    node(1.0, 4.0, SupportKind::None);
    auto rod = [&frame](int begin, int end, double EI) -> FrameRod & {
        FrameRod r;
        r.number = static_cast<int>(frame.rods.size()) + 1;
        r.begin = begin - 1;
        r.end = end - 1;
        r.EI = EI;
        frame.rods.push_back(r);
        return frame.rods.back();
    };
    FrameRod &first = rod(1, 2, 9.0);
    first.temperature = Pair(-13.0, -13.0);
    first.alpha = 0.003;
    first.height = 0.8;
    rod(1, 3, 3.0);
    rod(3, 4, 5.0);
    rod(2, 6, 9.0);
    rod(3, 8, 4.0).load = Pair(-1.0, -3.0);
    FrameRod &sixth = rod(2, 5, 5.0);
    sixth.temperature = Pair(3.0, -19.0);
    sixth.alpha = 0.001;
    sixth.height = 0.4;
    rod(1, 7, 7.5);
    rod(2, 4, 3.0);

    Tally tally;
    const std::string trouble = CrossCheck(frame, tally);
    EXPECT_TRUE(trouble.empty()) << trouble;
    EXPECT_EQ(tally.checked, 1) << "the frame is stable and calculable";
}
