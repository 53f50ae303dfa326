// The element operations of the document that the view and the element
// commands call. Every change goes through edit(): undo snapshot, model
// operation, structureChanged.

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"

bool RuvoDoc::nodeStandsAt(double x, double y) const
{
    for (const Node &node : model.nodes)
        if (node.x == x && node.y == y)
            return true;
    return false;
}

void RuvoDoc::moveNode(int node, double x, double y)
{
    if (!isNode(node))
        return;
    edit([&] { model.moveNode(node, x, y); });
}

void RuvoDoc::addNode(double x, double y, bool isFree)
{
    edit([&] { model.addNode(x, y, isFree); });
}

void RuvoDoc::addRod(int a, int b)
{
    if (!isNode(a) || !isNode(b))
        return;
    edit([&] { model.addRod(a, b); });
}

void RuvoDoc::splitRod(int rod, double x, double y, bool isFree)
{
    if (!isRod(rod))
        return;
    // A node on top of another is refused, as when it is added: the split
    // would leave a rod of no length (a click snapped onto a rod's end node
    // when zoomed in far).
    edit([&] {
        if (!nodeStandsAt(x, y))
            model.splitRod(rod, x, y, isFree);
    });
}

bool RuvoDoc::canSplitRodAt(int rod, double x, double y) const
{
    return isRod(rod) && !nodeStandsAt(x, y);
}

void RuvoDoc::splitRodWithForce(int rod, double x, double y, Pair force)
{
    if (!isRod(rod))
        return;
    edit([&] {
        model.splitRod(rod, x, y, true);
        model.nodes[model.nodes.count - 1].force = force;
    });
}

void RuvoDoc::splitRodWithMoment(int rod, double x, double y, double moment)
{
    if (!isRod(rod))
        return;
    edit([&] {
        model.splitRod(rod, x, y, true);
        model.nodes[model.nodes.count - 1].moment = moment;
    });
}

void RuvoDoc::setNodeForce(int node, Pair force)
{
    if (!isNode(node))
        return;
    edit([&] { model.nodes[node].force = force; });
}

void RuvoDoc::setNodeMoment(int node, double moment)
{
    if (!isNode(node))
        return;
    edit([&] { model.nodes[node].moment = moment; });
}

void RuvoDoc::setRodLoad(int rod, Pair load)
{
    if (!isRod(rod))
        return;
    edit([&] { model.rods[rod].load = load; });
}

void RuvoDoc::setNodeDisplacement(int node, Triple displacement)
{
    if (!isNode(node))
        return;
    edit([&] { model.nodes[node].displacement = displacement; });
}

void RuvoDoc::setRodTemperature(int rod, Pair temperature, double alpha, double height)
{
    if (!isRod(rod))
        return;
    edit([&] {
        Rod &changed = model.rods[rod];
        changed.temperature = temperature;
        changed.alpha = alpha;
        changed.height = height;
    });
}

void RuvoDoc::setCurrentNode(int node)
{
    currentNode = node;
}

void RuvoDoc::setCurrentRod(int rod)
{
    currentRod = rod;
}

void RuvoDoc::deleteCommand(int id)
{
    const bool onNode = id == Command::DeleteNode || id == Command::DeleteForce ||
                        id == Command::DeleteMoment || id == Command::DeleteDisplacement;
    // A position that no longer names an element (the lists changed since
    // it was set) changes nothing.
    if (onNode ? !isNode(currentNode) : !isRod(currentRod))
        return;
    edit([&] {
        switch (id) {
        case Command::DeleteNode:
            model.removeNode(currentNode);
            break;
        case Command::DeleteForce:
            model.nodes[currentNode].force = Pair(0.0, 0.0);
            break;
        case Command::DeleteMoment:
            model.nodes[currentNode].moment = 0.0;
            break;
        case Command::DeleteDisplacement:
            model.nodes[currentNode].displacement = Triple(0.0, 0.0, 0.0);
            break;
        case Command::DeleteRod:
            model.removeRod(currentRod);
            break;
        case Command::DeleteDistributedLoad:
            model.rods[currentRod].load = Pair(0.0, 0.0);
            break;
        case Command::DeleteTemperature:
            // Alpha and the height stay for the next temperature load.
            model.rods[currentRod].temperature = Pair(0.0, 0.0);
            break;
        default:
            break;
        }
    });
}
