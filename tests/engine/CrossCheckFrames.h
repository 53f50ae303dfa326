#pragma once

// Random plane frames and their comparison with the direct-stiffness
// reference (StiffnessReference.h), shared by the cross-checks. A frame can
// be handed to the engine in other units (lengths, rigidities and loads
// scaled); the engine's results are then scaled back before they are
// compared, so one reference solution serves every unit system.
// Sign conventions: see KnownAnswerSupport.h.

#include "engine/KnownAnswerSupport.h"
#include "engine/StiffnessReference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace enginetest {

// Random frames on a 0.5 m grid. Draws use the raw output of mt19937, whose
// sequence the standard fixes, so every library builds the same frames.
//
// With a spread s > 0, every rod's EI is multiplied by 10^u, u uniform in
// [0, s): rigidities of one frame then differ by up to 10^s.
class FrameGenerator {
public:
    explicit FrameGenerator(std::uint32_t seed, double spread = 0.0) : random(seed), spread(spread) {}

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
        if (spread > 0.0)
            rod.EI *= std::pow(10.0, spread * (random() / 4294967296.0));
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
    double spread = 0.0;
    double hingeChance = 0.2;
};

// A unit system relative to the generator's (m, N): lengths times `length`,
// rigidities times `rigidity`, forces times `force`. Every other quantity
// follows so that the scaled frame is the same frame: moments scale by
// force * length, translations by force * length^3 / rigidity, rotations by
// force * length^2 / rigidity.
struct Units {
    const char *name = "m, N";
    double length = 1.0;
    double rigidity = 1.0;
    double force = 1.0;

    double moment() const { return force * length; }
    double translation() const { return force * length * length * length / rigidity; }
    double rotation() const { return force * length * length / rigidity; }
};

inline JointType JointAt(const Frame &frame, const FrameRod &rod, bool atBegin)
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
inline StructureModel Build(const Frame &frame, const Units &units = Units())
{
    StructureModel s;
    for (const FrameNode &node : frame.nodes) {
        const int k = AddNode(s, node.number, node.x * units.length, node.y * units.length,
                              node.support == SupportKind::None);
        s.nodes[k].force = Pair(node.force.x * units.force, node.force.y * units.force);
        s.nodes[k].moment = node.moment * units.moment();
        // Rotations are entered in degrees; they scale like computed ones.
        s.nodes[k].displacement =
            Triple(node.settlement.x * units.translation(), node.settlement.y * units.translation(),
                   node.settlement.z * units.rotation());
    }
    for (const FrameRod &rod : frame.rods) {
        const int r = AddRod(s, rod.number, rod.begin, rod.end, JointAt(frame, rod, true),
                             JointAt(frame, rod, false), rod.EI * units.rigidity);
        Rod &added = s.rods[r];
        if (added.begin.joint == JointType::MovingHinge)
            added.begin.angle = frame.nodes[rod.begin].rollerAngle;
        if (added.end.joint == JointType::MovingHinge)
            added.end.angle = frame.nodes[rod.end].rollerAngle;
        added.load = Pair(rod.load.x * units.force / units.length, rod.load.y * units.force / units.length);
        added.temperature = rod.temperature;
        // The curvature alpha * dT / height scales like rotation / length and
        // the lengthening alpha * T * L like a translation.
        added.alpha = rod.alpha * units.rotation();
        added.height = rod.height * units.length;
    }
    return s;
}

// The results of a structure built with `units`, brought back to the
// generator's units.
inline void ScaleBack(StructureModel &s, const Units &units)
{
    for (Rod &rod : s.rods) {
        rod.resultM = Pair(rod.resultM.x / units.moment(), rod.resultM.y / units.moment());
        rod.resultQ = Pair(rod.resultQ.x / units.force, rod.resultQ.y / units.force);
        rod.resultN = Pair(rod.resultN.x / units.force, rod.resultN.y / units.force);
    }
    for (Node &node : s.nodes) {
        const Triple d = node.resultDisplacement;
        node.resultDisplacement =
            Triple(d.x / units.translation(), d.y / units.translation(), d.z / units.rotation());
        const Triple r = node.reaction;
        node.reaction = Triple(r.x / units.force, r.y / units.force, r.z / units.moment());
    }
}

// The frame as text, enough to rebuild it in a focused test.
inline std::string Describe(const Frame &frame)
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
    explicit Comparison(double relative = 1e-6) : relative(relative) {}
    void Expect(const std::string &what, double actual, double expected, double scale)
    {
        const double tolerance = relative * std::fmax(scale, 1e-6);
        if (std::isfinite(actual) && std::fabs(actual - expected) <= tolerance)
            return;
        if (++count <= 8) {
            char line[200];
            std::snprintf(line, sizeof line, "  %s: engine %.10g, reference %.10g (tolerance %.3g)\n",
                          what.c_str(), actual, expected, tolerance);
            text += line;
        }
    }
    double relative;
    int count = 0;
    std::string text;
};

// Compares a calculated structure with the reference; axial forces and
// reactions only where they are determinate. Values are compared in four
// groups (forces, moments, translations, rotations), each against its
// largest reference value: values that should vanish come out as round-off
// in the reference and as 0 from the engine.
inline Comparison Compare(const Frame &frame, const FrameSolution &reference, const StructureModel &s,
                          bool axialDeterminate, double relative = 1e-6)
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
    // Frames whose loads only strain them (a temperature on a determinate
    // frame) have results of round-off; the loads set their scale.
    double shortest = longest, settlement = 0.0;
    for (const FrameRod &rod : frame.rods) {
        const FrameNode &b = frame.nodes[rod.begin];
        const FrameNode &e = frame.nodes[rod.end];
        shortest = std::fmin(shortest, std::hypot(e.x - b.x, e.y - b.y));
    }
    for (const FrameNode &node : frame.nodes) {
        force = std::fmax(force, std::hypot(node.force.x, node.force.y));
        moment = std::fmax(moment, std::fabs(node.moment));
        settlement = std::fmax(settlement, std::fmax(std::hypot(node.settlement.x, node.settlement.y),
                                                     std::fabs(node.settlement.z) * M_PI / 180 * shortest));
    }
    for (const FrameRod &rod : frame.rods) {
        force = std::fmax(force, std::hypot(rod.load.x, rod.load.y) * shortest);
        const double strain = rod.alpha * (std::fabs(rod.temperature.x) + std::fabs(rod.temperature.y));
        moment = std::fmax(moment, rod.EI * (strain / rod.height + settlement / (shortest * shortest)));
    }
    force = std::fmax(force, moment / longest);
    moment = std::fmax(moment, force * longest);
    rotation = std::fmax(rotation, translation / longest);
    translation = std::fmax(translation, rotation * longest);
    const double shear = force, axial = force, reactionMoment = moment;

    Comparison result(relative);
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
inline int MessageId(const Message &message)
{
    for (int id : {50202, 50204, 50206, 50207, 50208, 50209, 50212, 50213, 50216, 50222, 50227}) {
        // A reason with an argument (a vector, a node or a rod) is known by
        // its headline; a refusal may add a line of its own after the text.
        const Message known = StringTableMessage(id);
        const bool formatted = known.reason.find('%') != std::string::npos;
        if (known.headline == message.headline && (formatted || message.reason.rfind(known.reason, 0) == 0))
            return id;
    }
    return 0;
}

// What a frame holds, for the summary of what the checked frames covered.
inline std::vector<std::string> Features(const Frame &frame, const FrameSolution &reference)
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
    int wrong = 0;                // calculated, but values differ from the reference
    int mechanismsCalculated = 0; // a mechanism reported as calculated
    int otherOutcome = 0;         // success with messages, or failure without exactly one
    int referenceOff = 0;         // the reference itself out of balance: not compared
    int mechanisms = 0;
    int inconsistent = 0;
    int nearMechanisms = 0;
    std::map<int, int> refusedWith;
    std::map<std::string, int> checkedWith;
};

// Runs one frame through the reference and the engine and counts the
// outcome; returns what went wrong, empty when nothing did.
inline std::string CrossCheck(const Frame &frame, const FrameSolution &reference, Tally &tally,
                              const Units &units = Units(), double relative = 1e-6)
{
    StructureModel s = Build(frame, units);
    RecordingReporter errors;
    double time = -1.0;
    const bool ok = Calculate(s, time);
    ++tally.frames;

    std::string trouble;
    const bool refused = !ok && errors.messages.size() == 1;
    const bool succeeded = ok && errors.messages.empty();
    if (!refused && !succeeded) {
        ++tally.otherOutcome;
        trouble = "calculation " + std::string(ok ? "succeeded" : "failed") + " with " +
                  std::to_string(errors.messages.size()) + " messages\n";
    }
    switch (reference.outcome) {
    case FrameOutcome::Mechanism:
    case FrameOutcome::Inconsistent:
        ++(reference.outcome == FrameOutcome::Mechanism ? tally.mechanisms : tally.inconsistent);
        if (succeeded) {
            ++tally.mechanismsCalculated;
            trouble += "a structure that cannot carry its loads was calculated\n";
        }
        break;
    case FrameOutcome::NearMechanism:
        ++tally.nearMechanisms;
        break;
    case FrameOutcome::Stable:
    case FrameOutcome::SelfStressed:
        ++tally.stable;
        if (reference.outcome == FrameOutcome::Stable && reference.largestResidual > 1e-9) {
            ++tally.referenceOff;
            trouble +=
                "the reference is out of balance by " + std::to_string(reference.largestResidual) + "\n";
        } else if (refused) {
            ++tally.refused;
            ++tally.refusedWith[MessageId(errors.messages[0])];
        } else if (succeeded) {
            ++tally.checked;
            for (const std::string &feature : Features(frame, reference))
                ++tally.checkedWith[feature];
            // Loads that only strain the frame leave nothing to balance. The
            // balance is asked for to 1e-8 of the largest load or reaction,
            // or to a tenth of the accuracy of the values where less is asked.
            const Resultant sum = LoadsAndReactions(s);
            const double balance = (relative > 1e-6 ? 0.1 * relative : 1e-8) * sum.scale;
            bool wrong = false;
            if (sum.scale > 0.0 && (!(std::fabs(sum.x) <= balance) || !(std::fabs(sum.y) <= balance) ||
                                    !(std::fabs(sum.moment) <= balance))) {
                wrong = true;
                trouble +=
                    std::string("loads and reactions out of balance: ") + InEquilibrium(s).message() + "\n";
            }
            ScaleBack(s, units);
            const Comparison comparison =
                Compare(frame, reference, s, reference.outcome == FrameOutcome::Stable, relative);
            if (comparison.count > 0) {
                wrong = true;
                trouble += std::to_string(comparison.count) + " values differ:\n" + comparison.text;
            }
            if (wrong)
                ++tally.wrong;
        }
        break;
    }
    if (trouble.empty())
        return trouble;
    for (const Message &message : errors.messages)
        trouble += "  message: " + message.headline + " / " + message.reason + "\n";
    return trouble + Describe(frame);
}

// Solves the frame with the reference first. The engine's results are compared within `relative` of the
// largest reference value of their kind.
inline std::string CrossCheck(const Frame &frame, Tally &tally, const Units &units = Units(),
                              double relative = 1e-6)
{
    const FrameSolution reference = SolveFrame(frame);
    return CrossCheck(frame, reference, tally, units, relative);
}

} // namespace enginetest
