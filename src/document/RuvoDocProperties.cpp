// The property operations of the document: the values of one or several
// nodes and rods as the property dialogs show them, and their write-back
// (one undo step each; the element commands call it only after OK).

#include "document/RuvoDoc.h"
#include "model/Settings.h"

namespace {

// After a change of the support state no support joint survives: every rod
// end at the node gets the new-rod joint with angle 0.
void ResetRodEnds(StructureModel &model, int node)
{
    const JointType type = static_cast<JointType>(Settings::current().type);
    for (Rod &rod : model.rods) {
        if (rod.begin.node == node)
            rod.begin = RodEnd(node, type, 0.0);
        if (rod.end.node == node)
            rod.end = RodEnd(node, type, 0.0);
    }
}

// The value of the first element, flagged when any other one differs.
template <typename Get> MixedValue Mixed(const std::vector<int> &positions, Get get)
{
    MixedValue mixed{get(positions[0]), false};
    for (size_t i = 1; i < positions.size(); ++i)
        if (get(positions[i]) != mixed.value)
            mixed.differs = true;
    return mixed;
}

// Replaces a value unless the user left its field empty.
void Apply(const MixedValue &value, double &target)
{
    if (!value.differs)
        target = value.value;
}

} // namespace

bool RuvoDoc::isRodWithValidEnds(int rod) const
{
    if (!isRod(rod))
        return false;
    const Rod &r = model.rods[rod];
    const int count = model.nodes.count;
    return r.begin.node >= 0 && r.begin.node < count && r.end.node >= 0 && r.end.node < count;
}

NodeValues RuvoDoc::nodeValues(int node) const
{
    const Node &n = model.nodes[node];
    NodeValues values;
    values.x = n.x;
    values.y = n.y;
    values.isFree = n.isFree != 0;
    values.fx = n.force.x;
    values.fy = n.force.y;
    values.moment = n.moment;
    values.dx = n.displacement.x;
    values.dy = n.displacement.y;
    values.da = n.displacement.z;
    return values;
}

void RuvoDoc::applyNodeValues(int node, const NodeValues &result)
{
    if (!isNode(node))
        return;
    edit([&] {
        Node &changed = model.nodes[node];
        const bool wasFree = changed.isFree != 0;
        // The coordinates are taken as entered, like a node read from a file.
        changed.x = result.x;
        changed.y = result.y;
        changed.isFree = result.isFree ? 1 : 0;
        changed.force = Pair(result.fx, result.fy);
        changed.moment = result.moment;
        changed.displacement = Triple(result.dx, result.dy, result.da);
        if (wasFree != result.isFree)
            ResetRodEnds(model, node);
    });
}

RodValues RuvoDoc::rodValues(int rod) const
{
    const Rod &r = model.rods[rod];
    RodValues values;
    values.beginJoint = static_cast<int>(r.begin.joint);
    values.beginAngle = r.begin.angle;
    values.endJoint = static_cast<int>(r.end.joint);
    values.endAngle = r.end.angle;
    values.EI = r.EI;
    values.EF = r.EF;
    values.height = r.height;
    values.mu = r.mu;
    values.nu = r.nu;
    values.alpha = r.alpha;
    values.qx = r.load.x;
    values.qy = r.load.y;
    values.leftTemperature = r.temperature.x;
    values.rightTemperature = r.temperature.y;
    return values;
}

RodContext RuvoDoc::rodContext(int rod) const
{
    const Rod &r = model.rods[rod];
    const Node &begin = model.nodes[r.begin.node];
    const Node &end = model.nodes[r.end.node];
    RodContext context;
    context.beginNumber = begin.number;
    context.endNumber = end.number;
    context.beginPosition = r.begin.node;
    context.endPosition = r.end.node;
    context.beginX = begin.x;
    context.beginY = begin.y;
    context.endX = end.x;
    context.endY = end.y;
    context.beginIsFree = begin.isFree != 0;
    context.endIsFree = end.isFree != 0;
    context.loadsDisabled = model.isSupportRod(rod);
    return context;
}

void RuvoDoc::applyRodValues(int rod, const RodValues &result)
{
    if (!isRodWithValidEnds(rod))
        return;
    edit([&] {
        Rod &changed = model.rods[rod];
        changed.begin = RodEnd(changed.begin.node, static_cast<JointType>(result.beginJoint), result.beginAngle);
        changed.end = RodEnd(changed.end.node, static_cast<JointType>(result.endJoint), result.endAngle);
        changed.load = Pair(result.qx, result.qy);
        changed.temperature = Pair(result.leftTemperature, result.rightTemperature);
        changed.EI = result.EI;
        changed.EF = result.EF;
        changed.mu = result.mu;
        changed.nu = result.nu;
        changed.height = result.height;
        changed.alpha = result.alpha;
        // Every rod at a support node of this rod takes the same joint there.
        model.shareSupportJoints(rod);
    });
}

std::vector<int> RuvoDoc::selectedNodes() const
{
    IndexList selNodes("selNodes", model.nodes.count, 1);
    model.selectedNodes(selNodes);
    return std::vector<int>(selNodes.begin(), selNodes.end());
}

std::vector<int> RuvoDoc::selectedRods() const
{
    IndexList selRods("selRods", model.rods.count, 1);
    model.selectedRods(selRods);
    return std::vector<int>(selRods.begin(), selRods.end());
}

MultiNodeValues RuvoDoc::multiNodeValues(const std::vector<int> &selNodes) const
{
    const NodeList &nodes = model.nodes;
    MultiNodeValues values;
    const MixedValue isFree = Mixed(selNodes, [&](int i) { return double(nodes[i].isFree != 0); });
    values.isFree = isFree.value != 0.0;
    values.isFreeDiffers = isFree.differs;
    values.fx = Mixed(selNodes, [&](int i) { return nodes[i].force.x; });
    values.fy = Mixed(selNodes, [&](int i) { return nodes[i].force.y; });
    values.moment = Mixed(selNodes, [&](int i) { return nodes[i].moment; });
    values.dx = Mixed(selNodes, [&](int i) { return nodes[i].displacement.x; });
    values.dy = Mixed(selNodes, [&](int i) { return nodes[i].displacement.y; });
    values.da = Mixed(selNodes, [&](int i) { return nodes[i].displacement.z; });
    return values;
}

void RuvoDoc::applyMultiNodeValues(const std::vector<int> &selNodes, const MultiNodeValues &result)
{
    edit([&] {
        for (const int position : selNodes) {
            if (!isNode(position))
                continue;
            Node &node = model.nodes[position];
            Apply(result.fx, node.force.x);
            Apply(result.fy, node.force.y);
            Apply(result.moment, node.moment);
            Apply(result.dx, node.displacement.x);
            Apply(result.dy, node.displacement.y);
            Apply(result.da, node.displacement.z);
            // Loads of the wrong kind stay here; only the joints are reset.
            if (!result.isFreeDiffers && result.isFree != (node.isFree != 0)) {
                ResetRodEnds(model, position);
                node.isFree = result.isFree ? 1 : 0;
            }
        }
    });
}

MultiRodValues RuvoDoc::multiRodValues(const std::vector<int> &selRods) const
{
    const RodList &rods = model.rods;
    MultiRodValues values;
    const MixedValue beginJoint = Mixed(selRods, [&](int i) { return double(rods[i].begin.joint); });
    const MixedValue endJoint = Mixed(selRods, [&](int i) { return double(rods[i].end.joint); });
    values.beginJoint = int(beginJoint.value);
    values.beginJointDiffers = beginJoint.differs;
    values.endJoint = int(endJoint.value);
    values.endJointDiffers = endJoint.differs;
    values.beginAngle = Mixed(selRods, [&](int i) { return rods[i].begin.angle; });
    values.endAngle = Mixed(selRods, [&](int i) { return rods[i].end.angle; });
    values.qx = Mixed(selRods, [&](int i) { return rods[i].load.x; });
    values.qy = Mixed(selRods, [&](int i) { return rods[i].load.y; });
    values.leftTemperature = Mixed(selRods, [&](int i) { return rods[i].temperature.x; });
    values.rightTemperature = Mixed(selRods, [&](int i) { return rods[i].temperature.y; });
    values.EI = Mixed(selRods, [&](int i) { return rods[i].EI; });
    values.EF = Mixed(selRods, [&](int i) { return rods[i].EF; });
    values.height = Mixed(selRods, [&](int i) { return rods[i].height; });
    values.alpha = Mixed(selRods, [&](int i) { return rods[i].alpha; });
    values.nu = Mixed(selRods, [&](int i) { return rods[i].nu; });
    values.mu = Mixed(selRods, [&](int i) { return rods[i].mu; });
    return values;
}

void RuvoDoc::applyMultiRodValues(const std::vector<int> &selRods, const MultiRodValues &result)
{
    edit([&] {
        for (const int position : selRods) {
            if (!isRodWithValidEnds(position))
                continue;
            Rod &rod = model.rods[position];
            Apply(result.EI, rod.EI);
            Apply(result.EF, rod.EF);
            Apply(result.height, rod.height);
            Apply(result.alpha, rod.alpha);
            Apply(result.mu, rod.mu);
            Apply(result.nu, rod.nu);
            Apply(result.qx, rod.load.x);
            Apply(result.qy, rod.load.y);
            Apply(result.leftTemperature, rod.temperature.x);
            Apply(result.rightTemperature, rod.temperature.y);
            // An angle only lands at a support node, and there on every rod.
            if (!result.beginAngle.differs)
                model.setSupportAngle(position, true, result.beginAngle.value);
            if (!result.endAngle.differs)
                model.setSupportAngle(position, false, result.endAngle.value);
            if (!result.beginJointDiffers) {
                model.rods[position].begin.joint = static_cast<JointType>(result.beginJoint);
                model.shareSupportJoints(position);
            }
            if (!result.endJointDiffers) {
                model.rods[position].end.joint = static_cast<JointType>(result.endJoint);
                model.shareSupportJoints(position);
            }
        }
    });
}
