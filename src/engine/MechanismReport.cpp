#include "engine/MechanismReport.h"

#include "numeric/CalcLog.h"
#include "numeric/Messages.h"

namespace {

constexpr int mechanismMessage = 50213;
constexpr int rigidJointsAdvice = 50226;

bool rigidAtFreeNode(const StructureModel &structure, const RodEnd &end)
{
    if (end.node < 0 || end.node >= structure.nodes.count)
        return false;
    return structure.nodes[end.node].isFree != 0 && end.joint == JointType::Fixed;
}

} // namespace

bool AllFreeJointsHinged(const StructureModel &structure)
{
    bool anyFreeEnd = false;
    for (const Rod &rod : structure.rods) {
        if (rod.serviceKind != ServiceNone)
            continue;
        for (const RodEnd *end : {&rod.begin, &rod.end}) {
            if (rigidAtFreeNode(structure, *end))
                return false;
            if (end->node >= 0 && end->node < structure.nodes.count && structure.nodes[end->node].isFree != 0)
                anyFreeEnd = true;
        }
    }
    return anyFreeEnd;
}

void ReportMechanism(const StructureModel &prepared)
{
    if (AllFreeJointsHinged(prepared))
        ReportError("%s\n%s", LoadString(mechanismMessage), LoadString(rigidJointsAdvice));
    else
        ReportMessage(mechanismMessage);
}
