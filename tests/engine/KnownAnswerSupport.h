#pragma once

// Helpers of the known-answer tests: run a calculation, find nodes and rods
// by their numbers (the calculation reorders and turns them), read the end
// values of a rod at a given node, and compare with a relative tolerance.
//
// Sign conventions of the results, as the engine produces them:
// - resultM: end moments acting on the rod, clockwise positive, at each end.
//   Seen as a diagram, the moment at the begin is resultM.x and at the end
//   -resultM.y, positive when the fibre on the right (looking from begin to
//   end) is in tension. The end moment at a node does not depend on which
//   way the rod runs.
// - resultQ: shear force Q = dM/dx of that diagram (x from the begin), the
//   pair that turns an element clockwise being positive; it does not depend
//   on the rod's direction either.
// - resultN: axial force, tension positive.
// - Node moment loads act clockwise when positive.
// - resultDisplacement: dx, dy along the global axes (y up); da is the
//   rotation in radians, clockwise positive. A prescribed rotation is
//   entered in degrees, clockwise positive.
// - reaction: the force (Rx, Ry, global axes) and the moment (counter-
//   clockwise positive) that the support exerts on the structure.

#include "engine/Calculate.h"
#include "engine/EngineTestSupport.h"
#include "support/Near.h"

#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace enginetest {

// Runs Calculate; fails with the reported messages when it refuses.
inline ::testing::AssertionResult Calculated(StructureModel &structure)
{
    RecordingReporter errors;
    double time = -1.0;
    const bool ok = Calculate(structure, time);
    if (ok && errors.messages.empty() && time >= 0.0)
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "calculation " << (ok ? "succeeded" : "failed") << ", time " << time;
    for (const Message &message : errors.messages)
        failure << "\n  " << message.headline << " / " << message.reason;
    return failure;
}

inline const Node &NodeNumber(const StructureModel &structure, int number)
{
    const int position = FindNode(structure, number);
    if (position < 0)
        throw std::runtime_error("no node " + std::to_string(number));
    return structure.nodes[position];
}

inline const Rod &RodNumber(const StructureModel &structure, int number)
{
    const int position = FindRod(structure, number);
    if (position < 0)
        throw std::runtime_error("no rod " + std::to_string(number));
    return structure.rods[position];
}

// The value of a rod's end pair at the end that meets the given node.
inline double AtNode(const StructureModel &structure, int rodNumber, int nodeNumber, Pair Rod::*field)
{
    const Rod &rod = RodNumber(structure, rodNumber);
    const int node = FindNode(structure, nodeNumber);
    if (rod.begin.node == node)
        return (rod.*field).x;
    if (rod.end.node == node)
        return (rod.*field).y;
    throw std::runtime_error("rod " + std::to_string(rodNumber) + " does not meet node " +
                             std::to_string(nodeNumber));
}

inline double MomentAt(const StructureModel &s, int rod, int node)
{
    return AtNode(s, rod, node, &Rod::resultM);
}
inline double ShearAt(const StructureModel &s, int rod, int node)
{
    return AtNode(s, rod, node, &Rod::resultQ);
}
inline double AxialAt(const StructureModel &s, int rod, int node)
{
    return AtNode(s, rod, node, &Rod::resultN);
}

// Sum of all external loads and reactions of a calculated structure: forces
// and the moment about the origin (counter-clockwise positive). Zero for a
// structure in equilibrium.
struct Resultant {
    double x = 0.0;
    double y = 0.0;
    double moment = 0.0;
    double scale = 0.0; // the largest single contribution
};

inline Resultant LoadsAndReactions(const StructureModel &structure)
{
    Resultant sum;
    auto addForce = [&sum](double x, double y, double fx, double fy) {
        sum.x += fx;
        sum.y += fy;
        sum.moment += x * fy - y * fx;
        sum.scale = std::fmax(sum.scale, std::fmax(std::hypot(fx, fy), std::fabs(x * fy - y * fx)));
    };
    for (const Node &node : structure.nodes) {
        addForce(node.x, node.y, node.force.x + node.reaction.x, node.force.y + node.reaction.y);
        // A load that its own support takes cancels within the node; it still
        // sets the scale.
        sum.scale = std::fmax(sum.scale, std::fmax(std::hypot(node.force.x, node.force.y),
                                                   std::hypot(node.reaction.x, node.reaction.y)));
        sum.moment += node.reaction.z - node.moment; // node moments act clockwise
        sum.scale = std::fmax(sum.scale, std::fmax(std::fabs(node.reaction.z), std::fabs(node.moment)));
    }
    for (const Rod &rod : structure.rods) {
        const Node &b = structure.nodes[rod.begin.node];
        const Node &e = structure.nodes[rod.end.node];
        const double length = std::hypot(e.x - b.x, e.y - b.y);
        addForce(0.5 * (b.x + e.x), 0.5 * (b.y + e.y), rod.load.x * length, rod.load.y * length);
    }
    return sum;
}

inline ::testing::AssertionResult InEquilibrium(const StructureModel &structure)
{
    const Resultant sum = LoadsAndReactions(structure);
    const double tolerance = 1e-8 * sum.scale;
    if (sum.scale > 0.0 && std::fabs(sum.x) <= tolerance && std::fabs(sum.y) <= tolerance &&
        std::fabs(sum.moment) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "residual force (" << sum.x << ", " << sum.y << "), moment "
                                         << sum.moment << ", scale " << sum.scale;
}

// Moment balance of every free rigid node: the end moments of the rods rigidly
// joined there (clockwise on the rods) equal the node's moment load.
inline ::testing::AssertionResult JointsInBalance(const StructureModel &structure)
{
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        if (node.isFree == 0)
            continue;
        double sum = 0.0;
        double scale = std::fabs(node.moment);
        bool rigid = false;
        for (const Rod &rod : structure.rods) {
            if (rod.begin.node == n && rod.begin.joint == JointType::Fixed) {
                sum += rod.resultM.x;
                rigid = true;
            }
            if (rod.end.node == n && rod.end.joint == JointType::Fixed) {
                sum += rod.resultM.y;
                rigid = true;
            }
            scale = std::fmax(scale, std::fmax(std::fabs(rod.resultM.x), std::fabs(rod.resultM.y)));
        }
        if (rigid && std::fabs(sum - node.moment) > 1e-8 * std::fmax(scale, 1e-300))
            return ::testing::AssertionFailure()
                   << "node " << node.number << ": end moments " << sum << ", node moment " << node.moment;
    }
    return ::testing::AssertionSuccess();
}

// Force and moment balance of every node and every rod of a calculated
// structure, from its result fields alone: rods carry their distributed
// loads with N and Q linear and M parabolic along them.
inline ::testing::AssertionResult PartsInBalance(const StructureModel &s, double relative = 1e-8)
{
    double scale = 0.0;
    for (const Rod &rod : s.rods) {
        for (double v :
             {rod.resultM.x, rod.resultM.y, rod.resultQ.x, rod.resultQ.y, rod.resultN.x, rod.resultN.y})
            scale = std::fmax(scale, std::fabs(v));
    }
    for (const Node &node : s.nodes) {
        for (double v :
             {node.force.x, node.force.y, node.moment, node.reaction.x, node.reaction.y, node.reaction.z})
            scale = std::fmax(scale, std::fabs(v));
    }
    // Values of round-off size (1e-11) count as balanced.
    const double tolerance = std::fmax(relative * scale, 1e-11);
    std::vector<Triple> onNodes(s.nodes.count);
    for (int r = 0; r < s.rods.count; ++r) {
        const Rod &rod = s.rods[r];
        const Node &b = s.nodes[rod.begin.node];
        const Node &e = s.nodes[rod.end.node];
        const double length = std::hypot(e.x - b.x, e.y - b.y);
        const double c = (e.x - b.x) / length, sn = (e.y - b.y) / length;
        const double qt = rod.load.x * c + rod.load.y * sn;
        const double qn = -rod.load.x * sn + rod.load.y * c;
        const double out[3] = {
            rod.resultN.y - rod.resultN.x + qt * length, rod.resultQ.y - rod.resultQ.x - qn * length,
            -rod.resultM.y - rod.resultM.x - 0.5 * length * (rod.resultQ.x + rod.resultQ.y)};
        for (double v : out) {
            if (std::fabs(v) > tolerance * std::fmax(1.0, length))
                return ::testing::AssertionFailure() << "rod " << rod.number << " out of balance by " << v;
        }
        // What the rod exerts on its nodes (counter-clockwise moments).
        onNodes[rod.begin.node].x += c * rod.resultN.x + sn * rod.resultQ.x;
        onNodes[rod.begin.node].y += sn * rod.resultN.x - c * rod.resultQ.x;
        onNodes[rod.begin.node].z += rod.resultM.x;
        onNodes[rod.end.node].x += -c * rod.resultN.y - sn * rod.resultQ.y;
        onNodes[rod.end.node].y += -sn * rod.resultN.y + c * rod.resultQ.y;
        onNodes[rod.end.node].z += rod.resultM.y;
    }
    for (int k = 0; k < s.nodes.count; ++k) {
        const Node &node = s.nodes[k];
        const Triple &sum = onNodes[k];
        const double out[3] = {sum.x + node.force.x + node.reaction.x, sum.y + node.force.y + node.reaction.y,
                               sum.z - node.moment + node.reaction.z};
        for (double v : out) {
            if (std::fabs(v) > tolerance)
                return ::testing::AssertionFailure() << "node " << node.number << " out of balance by " << v;
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace enginetest
