// The property commands of the document: the single and multiple node and
// rod dialogs, filled from the structure and written back after OK (the
// undo snapshot is taken only then; Cancel changes nothing).

#include "dialogs/ModalRunner.h"
#include "dialogs/MultiNodeDialog.h"
#include "dialogs/MultiRodDialog.h"
#include "dialogs/NodeDialog.h"
#include "dialogs/RodDialog.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"

#include <QApplication>

namespace {

// A rod whose two ends name nodes of the list.
bool HasValidEnds(const StructureModel &structure, const Rod &rod)
{
    const int count = structure.nodes.count;
    return rod.begin.node >= 0 && rod.begin.node < count && rod.end.node >= 0 && rod.end.node < count;
}

// After a change of the support state no support joint survives: every rod
// end at the node gets the new-rod joint with angle 0.
void ResetRodEnds(StructureModel &structure, int node)
{
    const JointType type = static_cast<JointType>(Settings::current().type);
    for (Rod &rod : structure.rods) {
        if (rod.begin.node == node)
            rod.begin = RodEnd(node, type, 0.0);
        if (rod.end.node == node)
            rod.end = RodEnd(node, type, 0.0);
    }
}

// The value of the first element, flagged when any other one differs.
template <typename Get> MixedValue Mixed(const IndexList &positions, Get get)
{
    MixedValue mixed{get(positions[0]), false};
    for (int i = 1; i < positions.count; ++i)
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

void RuvoDoc::nodeProperties(int node)
{
    if (!isNode(node))
        return;
    const Node &n = structure.nodes[node];
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
    NodeDialog dialog(values, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !isNode(node))
        return;
    const NodeValues result = dialog.values();

    saveUndoState();
    Node &changed = structure.nodes[node];
    const bool wasFree = changed.isFree != 0;
    // The coordinates are taken as entered, like a node read from a file.
    changed.x = result.x;
    changed.y = result.y;
    changed.isFree = result.isFree ? 1 : 0;
    changed.force = Pair(result.fx, result.fy);
    changed.moment = result.moment;
    changed.displacement = Triple(result.dx, result.dy, result.da);
    if (wasFree != result.isFree)
        ResetRodEnds(structure, node);
    structureChanged();
}

void RuvoDoc::rodProperties(int rod)
{
    if (!isRod(rod) || !HasValidEnds(structure, structure.rods[rod]))
        return;
    const Rod &r = structure.rods[rod];
    const Node &begin = structure.nodes[r.begin.node];
    const Node &end = structure.nodes[r.end.node];
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
    context.loadsDisabled = structure.isSupportRod(rod);
    RodDialog dialog(values, context, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !isRod(rod) || !HasValidEnds(structure, structure.rods[rod]))
        return;
    const RodValues result = dialog.values();

    saveUndoState();
    Rod &changed = structure.rods[rod];
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
    structure.shareSupportJoints(rod);
    structureChanged();
}

void RuvoDoc::selectedNodeProperties()
{
    IndexList selNodes("selNodes", structure.nodes.count, 1);
    structure.selectedNodes(selNodes);
    if (selNodes.count == 0)
        return;
    if (selNodes.count == 1) {
        nodeProperties(selNodes[0]);
        return;
    }
    const NodeList &nodes = structure.nodes;
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
    MultiNodeDialog dialog(values, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const MultiNodeValues result = dialog.values();

    saveUndoState();
    for (int k = 0; k < selNodes.count; ++k) {
        const int position = selNodes[k];
        if (!isNode(position))
            continue;
        Node &node = structure.nodes[position];
        Apply(result.fx, node.force.x);
        Apply(result.fy, node.force.y);
        Apply(result.moment, node.moment);
        Apply(result.dx, node.displacement.x);
        Apply(result.dy, node.displacement.y);
        Apply(result.da, node.displacement.z);
        // Loads of the wrong kind stay here; only the joints are reset.
        if (!result.isFreeDiffers && result.isFree != (node.isFree != 0)) {
            ResetRodEnds(structure, position);
            node.isFree = result.isFree ? 1 : 0;
        }
    }
    structureChanged();
}

void RuvoDoc::selectedRodProperties()
{
    IndexList selRods("selRods", structure.rods.count, 1);
    structure.selectedRods(selRods);
    if (selRods.count == 0)
        return;
    if (selRods.count == 1) {
        rodProperties(selRods[0]);
        return;
    }
    const RodList &rods = structure.rods;
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
    MultiRodDialog dialog(values, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const MultiRodValues result = dialog.values();

    saveUndoState();
    for (int k = 0; k < selRods.count; ++k) {
        const int position = selRods[k];
        if (!isRod(position) || !HasValidEnds(structure, structure.rods[position]))
            continue;
        Rod &rod = structure.rods[position];
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
            structure.setSupportAngle(position, true, result.beginAngle.value);
        if (!result.endAngle.differs)
            structure.setSupportAngle(position, false, result.endAngle.value);
        if (!result.beginJointDiffers) {
            structure.rods[position].begin.joint = static_cast<JointType>(result.beginJoint);
            structure.shareSupportJoints(position);
        }
        if (!result.endJointDiffers) {
            structure.rods[position].end.joint = static_cast<JointType>(result.endJoint);
            structure.shareSupportJoints(position);
        }
    }
    structureChanged();
}
