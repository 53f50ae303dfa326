#pragma once

// Shared by the fuzz targets: a reporter that records every message instead
// of showing it, and the checks whose failure is a finding. A finding
// prints what went wrong and aborts, so that libFuzzer keeps the input.

#include "model/StructureModel.h"
#include "numeric/CalcLog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class RecordingReporter {
public:
    RecordingReporter()
    {
        previous = SetErrorReporter([this](const std::string &headline, const std::string &reason) {
            messages.push_back(headline + '\t' + reason);
        });
    }
    ~RecordingReporter() { SetErrorReporter(previous); }
    RecordingReporter(const RecordingReporter &) = delete;
    RecordingReporter &operator=(const RecordingReporter &) = delete;

    std::vector<std::string> messages;

private:
    ErrorReporter previous;
};

[[noreturn]] inline void Finding(const char *what, const std::string &detail = std::string())
{
    std::fprintf(stderr, "FINDING: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::abort();
}

inline bool IsFinite(const Pair &pair)
{
    return std::isfinite(pair.x) && std::isfinite(pair.y);
}

inline bool IsFinite(const Triple &triple)
{
    return std::isfinite(triple.x) && std::isfinite(triple.y) && std::isfinite(triple.z);
}

// What the reader promises about every model it leaves behind: finite
// input values, rods that point at existing nodes with a joint of 1..4.
inline void CheckReadModel(const StructureModel &model)
{
    for (const Node &node : model.nodes) {
        if (!std::isfinite(node.x) || !std::isfinite(node.y) || !IsFinite(node.force) ||
            !std::isfinite(node.moment) || !IsFinite(node.displacement))
            Finding("a node value read is not finite", std::to_string(node.number));
    }
    for (const Rod &rod : model.rods) {
        if (rod.begin.node < 0 || rod.begin.node >= model.nodes.count || rod.end.node < 0 ||
            rod.end.node >= model.nodes.count)
            Finding("a rod points outside the node list", std::to_string(rod.number));
        for (JointType joint : {rod.begin.joint, rod.end.joint}) {
            if (joint < JointType::Hinge || joint > JointType::MovingFixed)
                Finding("a rod has a joint outside 1..4", std::to_string(rod.number));
        }
        if (!std::isfinite(rod.begin.angle) || !std::isfinite(rod.end.angle) || !IsFinite(rod.load) ||
            !IsFinite(rod.temperature) || !std::isfinite(rod.EI) || !std::isfinite(rod.EF) ||
            !std::isfinite(rod.height) || !std::isfinite(rod.alpha) || !std::isfinite(rod.mu) ||
            !std::isfinite(rod.nu))
            Finding("a rod value read is not finite", std::to_string(rod.number));
    }
}
