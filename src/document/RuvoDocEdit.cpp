// The element operations of the document that the view calls from the
// mouse, the load dialogs and the delete commands. Every change follows one
// pattern: undo snapshot, model operation, structureChanged.

#include "document/CommandIds.h"
#include "dialogs/LoadDialog.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/PolarLoadDialog.h"
#include "document/RuvoDoc.h"

#include <QApplication>
#include <QDialog>

namespace {

// Whether a node stands exactly at (x, y).
bool NodeStandsAt(const StructureModel &structure, double x, double y)
{
    for (const Node &node : structure.nodes)
        if (node.x == x && node.y == y)
            return true;
    return false;
}

} // namespace

void RuvoDoc::moveNode(int node, double x, double y)
{
    if (!isNode(node))
        return;
    saveUndoState();
    structure.moveNode(node, x, y);
    structureChanged();
}

void RuvoDoc::addNode(double x, double y, bool isFree)
{
    saveUndoState();
    structure.addNode(x, y, isFree);
    structureChanged();
}

void RuvoDoc::addRod(int a, int b)
{
    if (!isNode(a) || !isNode(b))
        return;
    saveUndoState();
    structure.addRod(a, b);
    structureChanged();
}

void RuvoDoc::splitRod(int rod, double x, double y, bool isFree)
{
    if (!isRod(rod))
        return;
    saveUndoState();
    // A node on top of another is refused, as when it is added: the split
    // would leave a rod of no length (a click snapped onto a rod's end node
    // when zoomed in far).
    if (!NodeStandsAt(structure, x, y))
        structure.splitRod(rod, x, y, isFree);
    structureChanged();
}

void RuvoDoc::forceOnRod(int rod, double x, double y)
{
    if (!isRod(rod) || NodeStandsAt(structure, x, y))
        return;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::Force, 0.0, 0.0, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !isRod(rod))
        return;
    saveUndoState();
    structure.splitRod(rod, x, y, true);
    structure.nodes[structure.nodes.count - 1].force = Pair(dialog.x(), dialog.y());
    structureChanged();
}

void RuvoDoc::momentOnRod(int rod, double x, double y)
{
    if (!isRod(rod) || NodeStandsAt(structure, x, y))
        return;
    const auto dialog = LoadDialog::moment(0.0, QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !isRod(rod))
        return;
    saveUndoState();
    structure.splitRod(rod, x, y, true);
    structure.nodes[structure.nodes.count - 1].moment = dialog->value("moment");
    structureChanged();
}

void RuvoDoc::forceOnNode(int node)
{
    if (!isNode(node))
        return;
    const Pair force = structure.nodes[node].force;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::Force, force.x, force.y, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !isNode(node))
        return;
    saveUndoState();
    structure.nodes[node].force = Pair(dialog.x(), dialog.y());
    structureChanged();
}

void RuvoDoc::momentOnNode(int node)
{
    if (!isNode(node))
        return;
    const auto dialog = LoadDialog::moment(structure.nodes[node].moment, QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !isNode(node))
        return;
    saveUndoState();
    structure.nodes[node].moment = dialog->value("moment");
    structureChanged();
}

void RuvoDoc::distributedLoad(int rod)
{
    if (!isRod(rod))
        return;
    const Pair load = structure.rods[rod].load;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::DistributedLoad, load.x, load.y,
                           QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !isRod(rod))
        return;
    saveUndoState();
    structure.rods[rod].load = Pair(dialog.x(), dialog.y());
    structureChanged();
}

void RuvoDoc::displacementOnNode(int node)
{
    if (!isNode(node))
        return;
    const Triple d = structure.nodes[node].displacement;
    const auto dialog = LoadDialog::displacement(d.x, d.y, d.z, QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !isNode(node))
        return;
    saveUndoState();
    structure.nodes[node].displacement =
        Triple(dialog->value("dx"), dialog->value("dy"), dialog->value("da"));
    structureChanged();
}

void RuvoDoc::temperatureOnRod(int rod)
{
    if (!isRod(rod))
        return;
    const Rod &r = structure.rods[rod];
    const auto dialog = LoadDialog::temperature(r.temperature.x, r.temperature.y, r.height, r.alpha,
                                                QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !isRod(rod))
        return;
    saveUndoState();
    Rod &changed = structure.rods[rod];
    changed.temperature = Pair(dialog->value("left"), dialog->value("right"));
    changed.alpha = dialog->value("alpha");
    changed.height = dialog->value("height");
    structureChanged();
}

void RuvoDoc::deleteCommand(int id)
{
    const bool onNode = id == Command::DeleteNode || id == Command::DeleteForce ||
                        id == Command::DeleteMoment || id == Command::DeleteDisplacement;
    // A position that no longer names an element (the lists changed since
    // it was set) changes nothing.
    if (onNode ? !isNode(currentNode) : !isRod(currentRod))
        return;
    saveUndoState();
    switch (id) {
    case Command::DeleteNode:
        structure.removeNode(currentNode);
        break;
    case Command::DeleteForce:
        structure.nodes[currentNode].force = Pair(0.0, 0.0);
        break;
    case Command::DeleteMoment:
        structure.nodes[currentNode].moment = 0.0;
        break;
    case Command::DeleteDisplacement:
        structure.nodes[currentNode].displacement = Triple(0.0, 0.0, 0.0);
        break;
    case Command::DeleteRod:
        structure.removeRod(currentRod);
        break;
    case Command::DeleteDistributedLoad:
        structure.rods[currentRod].load = Pair(0.0, 0.0);
        break;
    case Command::DeleteTemperature:
        // Alpha and the height stay for the next temperature load.
        structure.rods[currentRod].temperature = Pair(0.0, 0.0);
        break;
    default:
        break;
    }
    structureChanged();
}
