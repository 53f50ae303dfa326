#include "model/StructureModel.h"

#include "model/Settings.h"

#include <algorithm>

namespace {

// Takes over the support description (joint and angle) of another rod end;
// the node position stays.
void takeJoint(RodEnd &target, const RodEnd &source)
{
    target.joint = source.joint;
    target.angle = source.angle;
}

} // namespace

StructureModel::StructureModel() : nodes("NodeList", 1, 1), rods("RodList", 1, 1) {}

StructureModel::StructureModel(const StructureModel &other) : StructureModel()
{
    *this = other;
}

StructureModel &StructureModel::operator=(const StructureModel &other)
{
    if (this == &other)
        return *this;
    nodes = other.nodes;
    rods = other.rods;
    return *this;
}

void StructureModel::clear()
{
    nodes.clear();
    rods.clear();
}

void StructureModel::deselectAll()
{
    for (Node &node : nodes)
        node.deselect();
    for (Rod &rod : rods)
        rod.deselect();
}

void StructureModel::selectedNodes(IndexList &list) const
{
    list.clear();
    for (int i = 0; i < nodes.count; ++i) {
        if (nodes[i].isSelected())
            list.Add(i);
    }
}

void StructureModel::selectedRods(IndexList &list) const
{
    list.clear();
    for (int i = 0; i < rods.count; ++i) {
        if (rods[i].isSelected())
            list.Add(i);
    }
}

bool StructureModel::severalNodesSelected() const
{
    return std::count_if(nodes.begin(), nodes.end(), [](const Node &node) { return node.isSelected(); }) >= 2;
}

bool StructureModel::severalRodsSelected() const
{
    return std::count_if(rods.begin(), rods.end(), [](const Rod &rod) { return rod.isSelected(); }) >= 2;
}

// Numbers are labels: the next one is 1 + the largest, so gaps left by
// removals stay and only the largest number comes back.
int StructureModel::nextNodeNumber() const
{
    int next = 1;
    for (const Node &node : nodes) {
        if (node.number >= next)
            next = node.number + 1;
    }
    return next;
}

int StructureModel::nextRodNumber() const
{
    int next = 1;
    for (const Rod &rod : rods) {
        if (rod.number >= next)
            next = rod.number + 1;
    }
    return next;
}

bool StructureModel::addNode(double x, double y, bool isFree)
{
    int number = nextNodeNumber();
    for (const Node &node : nodes) {
        if (node.x == x && node.y == y)
            return false;
    }
    Node node(number);
    node.x = x;
    node.y = y;
    node.isFree = isFree ? 1 : 0;
    nodes.Add(node);
    return true;
}

bool StructureModel::moveNode(int node, double x, double y)
{
    Node &moved = nodes[node];
    for (int i = 0; i < nodes.count; ++i) {
        if (i != node && nodes[i].x == x && nodes[i].y == y)
            return false;
    }
    moved.x = x;
    moved.y = y;
    return true;
}

bool StructureModel::addRod(int a, int b)
{
    // Subscripts first: a rod must never refer outside the node list.
    (void)nodes[a];
    (void)nodes[b];
    if (a == b)
        return false;

    const Settings &settings = Settings::current();
    const JointType type = static_cast<JointType>(settings.type);
    int lo = std::min(a, b);
    int hi = std::max(a, b);
    Rod rod(nextRodNumber(), lo, hi);
    rod.begin = RodEnd(lo, type, 0.0);
    rod.end = RodEnd(hi, type, 0.0);
    rod.EI = settings.EI;
    rod.EF = settings.EF;
    rod.height = settings.H;
    rod.mu = settings.MU;
    rod.nu = settings.NU;
    rod.alpha = settings.alpha;

    // Every rod runs from the lower position to the higher one, so this also
    // catches the reversed pair.
    for (const Rod &existing : rods) {
        if (existing.begin.node == lo && existing.end.node == hi)
            return false;
    }

    // A support is described by the joint and angle at every rod end that
    // meets it: take them over from the rods already there. Later rods
    // overwrite earlier ones.
    const bool beginIsSupport = nodeIsSupport(lo);
    const bool endIsSupport = nodeIsSupport(hi);
    for (const Rod &existing : rods) {
        if (existing.begin.node == lo && beginIsSupport)
            takeJoint(rod.begin, existing.begin);
        if (existing.begin.node == hi && endIsSupport)
            takeJoint(rod.end, existing.begin);
        if (existing.end.node == lo && beginIsSupport)
            takeJoint(rod.begin, existing.end);
        if (existing.end.node == hi && endIsSupport)
            takeJoint(rod.end, existing.end);
    }
    rods.Add(rod);
    return true;
}

bool StructureModel::splitRod(int rod, double x, double y, bool isFree)
{
    const Rod original = rods[rod];
    rods.remove(rod);

    Node node(nextNodeNumber());
    node.x = x;
    node.y = y;
    node.isFree = isFree ? 1 : 0;
    nodes.Add(node);
    const int middle = nodes.count - 1;

    // Both pieces end rigidly at the new node, which has the highest position.
    Rod pieceA = original;
    pieceA.number = nextRodNumber();
    pieceA.end = RodEnd(middle, JointType::Fixed, 0.0);
    rods.Add(pieceA);

    // Piece B runs from the old end back to the new node, opposite to the
    // rod it replaces; its left and right fibres are therefore exchanged so
    // that each fibre keeps its temperature.
    Rod pieceB = original;
    pieceB.number = nextRodNumber();
    pieceB.begin = original.end;
    pieceB.end = RodEnd(middle, JointType::Fixed, 0.0);
    pieceB.temperature = Pair(original.temperature.y, original.temperature.x);
    rods.Add(pieceB);
    return true;
}

bool StructureModel::removeRod(int rod)
{
    return rods.remove(rod);
}

bool StructureModel::removeNode(int node)
{
    // Refused before anything changes: rewriting the rods for a position
    // that is not in the list would corrupt every rod.
    if (node < 0 || node >= nodes.count)
        return false;

    for (int i = 0; i < rods.count;) {
        if (rods[i].begin.node == node || rods[i].end.node == node)
            rods.remove(i); // examine the vacated position again
        else
            ++i;
    }
    for (Rod &rod : rods) {
        if (rod.begin.node > node)
            --rod.begin.node;
        if (rod.end.node > node)
            --rod.end.node;
    }
    return nodes.remove(node);
}

bool StructureModel::isSupportRod(int rod) const
{
    const Rod &r = rods[rod];
    return r.begin.joint == JointType::Hinge && r.end.joint == JointType::Hinge &&
           (nodeIsSupport(r.begin.node) || nodeIsSupport(r.end.node));
}

void StructureModel::shareSupportJoints(int rod)
{
    const Rod source = rods[rod];
    const bool beginIsSupport = nodeIsSupport(source.begin.node);
    const bool endIsSupport = nodeIsSupport(source.end.node);
    for (int i = 0; i < rods.count; ++i) {
        if (i == rod)
            continue;
        Rod &other = rods[i];
        // Only the first rule that holds is applied.
        if (other.begin.node == source.begin.node && beginIsSupport)
            takeJoint(other.begin, source.begin);
        else if (other.begin.node == source.end.node && endIsSupport)
            takeJoint(other.begin, source.end);
        else if (other.end.node == source.begin.node && beginIsSupport)
            takeJoint(other.end, source.begin);
        else if (other.end.node == source.end.node && endIsSupport)
            takeJoint(other.end, source.end);
    }
}

void StructureModel::setSupportAngle(int rod, bool atBegin, double angle)
{
    RodEnd &edited = atBegin ? rods[rod].begin : rods[rod].end;
    const int node = edited.node;
    if (!nodeIsSupport(node))
        return;
    edited.angle = angle;
    for (int i = 0; i < rods.count; ++i) {
        if (i == rod)
            continue;
        if (rods[i].begin.node == node)
            rods[i].begin.angle = angle;
        if (rods[i].end.node == node)
            rods[i].end.angle = angle;
    }
}

bool StructureModel::nodeIsSupport(int node) const
{
    return nodes[node].isFree == 0;
}
