#include "engine/Preparation.h"

#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"
#include "numeric/Translation.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

constexpr double degreesToRadians = 0.017453292519943295;

bool isValidNode(const StructureModel &structure, int node)
{
    return node >= 0 && node < structure.nodes.count;
}

// A rod end that meets a user support node with the given joint. Ends that
// point outside the node list are left for CheckStructure to refuse.
bool endAtUserSupport(const StructureModel &structure, const RodEnd &end, JointType joint)
{
    if (end.joint != joint || !isValidNode(structure, end.node))
        return false;
    const Node &node = structure.nodes[end.node];
    return node.isFree == 0 && node.serviceKind == ServiceNone;
}

// Support nodes whose rod ends carry the given joint, in rod order, each once.
void collectSupportNodes(const StructureModel &structure, JointType joint, IndexList &list)
{
    for (const Rod &rod : structure.rods) {
        if (endAtUserSupport(structure, rod.begin, joint))
            list.Add(rod.begin.node);
        if (endAtUserSupport(structure, rod.end, joint))
            list.Add(rod.end.node);
    }
    list.removeDuplicates();
}

// Appends a support node of the given kind; returns its position.
int addServiceNode(StructureModel &structure, double x, double y, ServiceKind kind)
{
    Node node(structure.nextNodeNumber());
    node.x = x;
    node.y = y;
    node.isFree = 0;
    node.serviceKind = kind;
    structure.nodes.Add(node);
    return structure.nodes.count - 1;
}

// Appends a rod hinged at both ends from the replaced node to a service node.
int addServiceRod(StructureModel &structure, int from, int to, ServiceKind kind)
{
    Rod rod(structure.nextRodNumber(), from, to);
    rod.begin = RodEnd(from, JointType::Hinge, 0.0);
    rod.end = RodEnd(to, JointType::Hinge, 0.0);
    rod.EI = 1.0;
    rod.serviceKind = kind;
    structure.rods.Add(rod);
    return structure.rods.count - 1;
}

// The label of a node or rod in messages: its number, or its position in
// debug mode.
int nodeLabel(const StructureModel &structure, int node)
{
    if (Settings::current().debugMode || !isValidNode(structure, node))
        return node;
    return structure.nodes[node].number;
}

int rodLabel(const StructureModel &structure, int rod)
{
    return Settings::current().debugMode ? rod : structure.rods[rod].number;
}

bool allFinite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// Rods that refer outside the node list cannot be prepared or calculated.
bool checkRodNodes(const StructureModel &structure)
{
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        if (!isValidNode(structure, rod.begin.node) || !isValidNode(structure, rod.end.node)) {
            ReportError(TranslatedText("Calculation",
                                       QT_TRANSLATE_NOOP("Calculation",
                                                         "Стержень %d присоединен к несуществующему узлу: "
                                                         "Начальный узел %d, Конечный узел %d\tНеверная "
                                                         "топология. Узлов в конструкции: %d."))
                            .c_str(),
                        rodLabel(structure, r), rod.begin.node, rod.end.node, structure.nodes.count);
            return false;
        }
    }
    return true;
}

// Infinite or undefined input would come out of the calculation as
// undefined results.
bool checkFiniteInput(const StructureModel &structure)
{
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        if (!allFinite({rod.begin.angle, rod.end.angle, rod.load.x, rod.load.y, rod.temperature.x,
                        rod.temperature.y, rod.EI, rod.height, rod.alpha})) {
            ReportError(TranslatedText("Calculation",
                                       QT_TRANSLATE_NOOP("Calculation", "Ошибка в исходных данных!\tСвойства "
                                                                        "или нагрузки стержня %d не являются "
                                                                        "конечными числами."))
                            .c_str(),
                        rodLabel(structure, r));
            return false;
        }
    }
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        if (!allFinite({node.x, node.y, node.force.x, node.force.y, node.moment, node.displacement.x,
                        node.displacement.y, node.displacement.z})) {
            ReportError(
                TranslatedText("Calculation",
                               QT_TRANSLATE_NOOP("Calculation", "Ошибка в исходных данных!\tКоординаты "
                                                                "или нагрузки узла %d не являются "
                                                                "конечными числами."))
                    .c_str(),
                nodeLabel(structure, n));
            return false;
        }
    }
    return true;
}

// Removes every service rod of the given kind, folding the results of its
// service node S into the user's node U at its other end. Returns false,
// after the warning line, when a service rod has no service node.
bool removeServiceRods(StructureModel &structure, ServiceKind kind, IndexList &restored, const char *warning)
{
    for (int r = 0; r < structure.rods.count;) {
        const Rod &rod = structure.rods[r];
        if (rod.serviceKind != kind) {
            ++r;
            continue;
        }
        const int begin = rod.begin.node;
        const int end = rod.end.node;
        int service = -1;
        int user = -1;
        if (isValidNode(structure, begin) && isValidNode(structure, end)) {
            if (structure.nodes[begin].serviceKind == kind) {
                service = begin;
                user = end;
            } else if (structure.nodes[end].serviceKind == kind) {
                service = end;
                user = begin;
            }
        }
        if (service < 0) {
            LogPrintf("%s", warning);
            return false;
        }
        restored.Add(user);
        const Node &S = structure.nodes[service];
        Node &U = structure.nodes[user];
        // The reactions of the service supports are the user's support
        // reaction. The user's node already moved with its service supports
        // during the calculation, so its result displacement is its true
        // one; adding the service node's (prescribed) displacement would
        // count the settlement twice.
        U.reaction.x += S.reaction.x;
        U.reaction.y += S.reaction.y;
        U.reaction.z += S.reaction.z;
        if (kind == ServiceMovingJoint)
            U.displacement = S.displacement; // the prescribed displacement comes back
        structure.removeRod(r);
        r = 0;
    }
    return true;
}

// Makes the restored nodes support nodes again with the given joint at every
// rod end, then removes the service nodes of the given kind.
void restoreSupports(StructureModel &structure, ServiceKind kind, IndexList &restored, JointType joint)
{
    restored.removeDuplicates();
    LogIntList(restored);
    IndexList rodsAtNode;
    for (int i = 0; i < restored.count; ++i) {
        const int u = restored[i];
        Node &node = structure.nodes[u];
        node.serviceKind = ServiceNone;
        node.isFree = 0;
        structure.rodsAtNode(u, rodsAtNode);
        for (int k = 0; k < rodsAtNode.count; ++k) {
            Rod &rod = structure.rods[rodsAtNode[k]];
            if (rod.begin.node == u)
                rod.begin.joint = joint;
            if (rod.end.node == u)
                rod.end.joint = joint;
        }
    }
    for (int n = 0; n < structure.nodes.count;) {
        if (structure.nodes[n].serviceKind == kind) {
            structure.removeNode(n);
            n = 0;
        } else {
            ++n;
        }
    }
}

} // namespace

bool ReplaceSupportHinges(StructureModel &structure)
{
    IndexList H("H", 1, 1);
    collectSupportNodes(structure, JointType::Hinge, H);
    if (H.count == 0) {
        LogPrintf("No joints were detected\n");
        return false;
    }
    LogPrintf("Support hinges to be replaced:\n");
    LogIntList(H);
    LogPrintf("\nReplacing hinges...\n");

    for (int i = 0; i < H.count; ++i) {
        const int n = H[i];
        const double x = structure.nodes[n].x;
        const double y = structure.nodes[n].y;
        LogPrintf("Old node %d: x=%+2.2f y=%+2.2f r=%+2.2f\n", n, x, y, 0.0);
        structure.nodes[n].isFree = 1;

        // The node keeps its prescribed displacement (it comes back with it),
        // but as a free node it is not read by the calculation: the two
        // service supports carry the translation, so that the hinged bars
        // move the node by it.
        const Triple settlement(structure.nodes[n].displacement.x, structure.nodes[n].displacement.y, 0.0);
        const int a = addServiceNode(structure, x + 1.0, y, ServiceHinge);
        structure.nodes[a].displacement = settlement;
        LogPrintf("New node %d: x=%+2.2f y=%+2.2f\n", a, structure.nodes[a].x, structure.nodes[a].y);
        const int b = addServiceNode(structure, x, y - 1.0, ServiceHinge);
        structure.nodes[b].displacement = settlement;
        LogPrintf("New node %d: x=%+2.2f y=%+2.2f\n", b, structure.nodes[b].x, structure.nodes[b].y);

        int rod = addServiceRod(structure, n, a, ServiceHinge);
        LogPrintf("New rod  %d: bn=%d en=%d\n", rod, n, a);
        rod = addServiceRod(structure, n, b, ServiceHinge);
        LogPrintf("New rod  %d: bn=%d en=%d\n", rod, n, b);
    }
    return true;
}

bool ReplaceMovingJoints(StructureModel &structure)
{
    LogPrintf("STRUCTURE PREPARATION\n\n");
    IndexList MH("MH", 1, 1);
    collectSupportNodes(structure, JointType::MovingHinge, MH);
    if (MH.count == 0) {
        LogPrintf("No moving joints were detected\n");
        return false;
    }
    LogPrintf("Moving joints to be replaced:\n");
    LogIntList(MH);
    LogPrintf("\nReplacing moving joints...\n");

    for (int i = 0; i < MH.count; ++i) {
        const int n = MH[i];
        // The direction of the support: the angle of the last rod end found
        // at the node (degrees; 0 means a link straight down).
        double angle = 0.0;
        for (Rod &rod : structure.rods) {
            if (rod.begin.node == n) {
                angle = rod.begin.angle;
                rod.begin.joint = JointType::Hinge;
            } else if (rod.end.node == n) {
                angle = rod.end.angle;
                rod.end.joint = JointType::Hinge;
            }
        }
        const double x = structure.nodes[n].x;
        const double y = structure.nodes[n].y;
        LogPrintf("Old node %d: x=%+2.2f y=%+2.2f r=%+2.2f\n", n, x, y, angle);
        for (Rod &rod : structure.rods) {
            if (rod.begin.node == n)
                rod.begin.joint = JointType::Hinge;
            if (rod.end.node == n)
                rod.end.joint = JointType::Hinge;
        }
        structure.nodes[n].isFree = 1;

        const double radians = angle * degreesToRadians;
        const int s =
            addServiceNode(structure, x - std::sin(radians), y - std::cos(radians), ServiceMovingJoint);
        structure.nodes[s].displacement = structure.nodes[n].displacement;
        structure.nodes[n].displacement = Triple();
        LogPrintf("Service node %d was added at x=%+2.2f y=%+2.2f\n", s, structure.nodes[s].x,
                  structure.nodes[s].y);
        addServiceRod(structure, n, s, ServiceMovingJoint);
        LogPrintf("Service rod %d was added between bn=%d en=%d\n", structure.rods.count, n, s);
    }
    return true;
}

bool ReorderForCalculation(StructureModel &structure)
{
    const int nodeCount = structure.nodes.count;
    const int rodCount = structure.rods.count;

    IndexList newNodeOrder("newNodeOrder", nodeCount, 1);
    for (int n = 0; n < nodeCount; ++n) {
        if (structure.nodes[n].isFree != 0)
            newNodeOrder.Add(n);
    }
    for (int n = 0; n < nodeCount; ++n) {
        if (structure.nodes[n].isFree == 0)
            newNodeOrder.Add(n);
    }
    if (newNodeOrder.count != nodeCount) {
        ReportMessage(50210);
        return false;
    }
    structure.nodes.reorder(newNodeOrder);

    // newPosition[old] is the position at which `old` stands in the order.
    // Positions outside the list stay as they are, for the check to refuse.
    IndexList newPosition("", nodeCount, 1);
    for (int n = 0; n < nodeCount; ++n)
        newPosition.Add(0);
    for (int i = nodeCount - 1; i >= 0; --i)
        newPosition[newNodeOrder[i]] = i;
    for (Rod &rod : structure.rods) {
        if (isValidNode(structure, rod.begin.node))
            rod.begin.node = newPosition[rod.begin.node];
        if (isValidNode(structure, rod.end.node))
            rod.end.node = newPosition[rod.end.node];
    }

    IndexList freeRods("freeRods", rodCount, 1);
    IndexList supportRods("supportRods", rodCount, 1);
    for (int r = 0; r < rodCount; ++r) {
        const Rod &rod = structure.rods[r];
        const bool atSupport =
            (isValidNode(structure, rod.begin.node) && structure.nodes[rod.begin.node].isFree == 0) ||
            (isValidNode(structure, rod.end.node) && structure.nodes[rod.end.node].isFree == 0);
        if (rod.begin.joint == JointType::Hinge && rod.end.joint == JointType::Hinge && atSupport)
            supportRods.Add(r);
        else
            freeRods.Add(r);
    }
    freeRods.append(supportRods);
    IndexList newRodsOrder("newRodsOrder", rodCount, 1);
    newRodsOrder = freeRods;
    structure.rods.reorder(newRodsOrder);

    for (Rod &rod : structure.rods) {
        if (rod.begin.node > rod.end.node) {
            std::swap(rod.begin, rod.end);
            // The left and right fibres change sides with the direction of
            // the rod; the temperatures must follow them so that the user's
            // physical load stays the same.
            std::swap(rod.temperature.x, rod.temperature.y);
        }
    }
    return true;
}

bool CheckStructure(StructureModel &structure)
{
    if (!checkRodNodes(structure))
        return false;

    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        if (rod.begin.node > rod.end.node) {
            ReportError(LoadString(50203), rodLabel(structure, r), nodeLabel(structure, rod.begin.node),
                        nodeLabel(structure, rod.end.node));
            return false;
        }
    }

    bool hasSupport = false;
    for (const Node &node : structure.nodes) {
        if (node.isFree == 0)
            hasSupport = true;
    }
    if (!hasSupport) {
        ReportMessage(50202);
        return false;
    }

    // One pass over the rods (their nodes are valid here): asking every node
    // for its rods would take nodes x rods steps on a large frame.
    std::vector<char> hasRod(structure.nodes.count, 0);
    for (const Rod &rod : structure.rods) {
        hasRod[rod.begin.node] = 1;
        hasRod[rod.end.node] = 1;
    }
    if (std::find(hasRod.begin(), hasRod.end(), 0) != hasRod.end()) {
        ReportMessage(50204);
        return false;
    }

    for (const Rod &rod : structure.rods) {
        if (rod.begin.joint == JointType::MovingHinge || rod.end.joint == JointType::MovingHinge) {
            ReportMessage(50209);
            return false;
        }
        if (rod.begin.joint == JointType::MovingFixed || rod.end.joint == JointType::MovingFixed) {
            ReportMessage(50205);
            return false;
        }
    }

    return checkFiniteInput(structure);
}

bool RestoreHinges(StructureModel &structure)
{
    LogPrintf("Restoring joints\n\n");
    IndexList restored("Joints to be restored\n", 1, 1);
    if (!removeServiceRods(structure, ServiceHinge, restored,
                           "Warning: An automatic rod has no automatic nodes at the ends\n"))
        return false;
    restoreSupports(structure, ServiceHinge, restored, JointType::Hinge);
    return true;
}

bool RestoreMovingJoints(StructureModel &structure)
{
    LogPrintf("Restoring moving joints\n\n");
    IndexList restored("Moving joints to be restored\n", 1, 1);
    if (!removeServiceRods(structure, ServiceMovingJoint, restored,
                           "WARNING: An automatic rod has no automatic nodes at the ends\n"))
        return false;
    restoreSupports(structure, ServiceMovingJoint, restored, JointType::MovingHinge);
    return true;
}
