// The dialogs of the element commands: each is filled from the document,
// and only a confirmed dialog hands its values back, so that the undo
// snapshot is taken only on OK. The element is checked again after the
// dialog, since a position may name nothing by then.

#include "app/ElementCommands.h"

#include "dialogs/LoadDialog.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/MultiNodeDialog.h"
#include "dialogs/MultiRodDialog.h"
#include "dialogs/NodeDialog.h"
#include "dialogs/PolarLoadDialog.h"
#include "dialogs/RodDialog.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "numeric/Messages.h"

#include <QApplication>

ElementCommands::ElementCommands(RuvoDoc *document) : doc(document) {}

void ElementCommands::nodeProperties(int node)
{
    if (!doc->isNode(node))
        return;
    NodeDialog dialog(doc->nodeValues(node), QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !doc->isNode(node))
        return;
    doc->applyNodeValues(node, dialog.values());
}

void ElementCommands::rodProperties(int rod)
{
    if (!doc->isRodWithValidEnds(rod))
        return;
    RodDialog dialog(doc->rodValues(rod), doc->rodContext(rod), QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !doc->isRodWithValidEnds(rod))
        return;
    doc->applyRodValues(rod, dialog.values());
}

void ElementCommands::selectedNodeProperties()
{
    const std::vector<int> nodes = doc->selectedNodes();
    if (nodes.empty())
        return;
    if (nodes.size() == 1) {
        nodeProperties(nodes[0]);
        return;
    }
    MultiNodeDialog dialog(doc->multiNodeValues(nodes), QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    doc->applyMultiNodeValues(nodes, dialog.values());
}

void ElementCommands::selectedRodProperties()
{
    const std::vector<int> rods = doc->selectedRods();
    if (rods.empty())
        return;
    if (rods.size() == 1) {
        rodProperties(rods[0]);
        return;
    }
    MultiRodDialog dialog(doc->multiRodValues(rods), QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    doc->applyMultiRodValues(rods, dialog.values());
}

void ElementCommands::forceOnRod(int rod, double x, double y)
{
    if (!doc->canSplitRodAt(rod, x, y))
        return;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::Force, 0.0, 0.0, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !doc->isRod(rod))
        return;
    doc->splitRodWithForce(rod, x, y, Pair(dialog.x(), dialog.y()));
}

void ElementCommands::momentOnRod(int rod, double x, double y)
{
    if (!doc->canSplitRodAt(rod, x, y))
        return;
    const auto dialog = LoadDialog::moment(0.0, QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !doc->isRod(rod))
        return;
    doc->splitRodWithMoment(rod, x, y, dialog->value("moment"));
}

void ElementCommands::forceOnNode(int node)
{
    if (!doc->isNode(node))
        return;
    const Pair force = doc->structure().nodes[node].force;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::Force, force.x, force.y, QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !doc->isNode(node))
        return;
    doc->setNodeForce(node, Pair(dialog.x(), dialog.y()));
}

void ElementCommands::momentOnNode(int node)
{
    if (!doc->isNode(node))
        return;
    const auto dialog = LoadDialog::moment(doc->structure().nodes[node].moment, QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !doc->isNode(node))
        return;
    doc->setNodeMoment(node, dialog->value("moment"));
}

void ElementCommands::distributedLoad(int rod)
{
    if (!doc->isRod(rod))
        return;
    const Pair load = doc->structure().rods[rod].load;
    PolarLoadDialog dialog(PolarLoadDialog::Kind::DistributedLoad, load.x, load.y,
                           QApplication::activeWindow());
    if (RunModal(dialog) != QDialog::Accepted || !doc->isRod(rod))
        return;
    doc->setRodLoad(rod, Pair(dialog.x(), dialog.y()));
}

void ElementCommands::displacementOnNode(int node)
{
    if (!doc->isNode(node))
        return;
    const Triple d = doc->structure().nodes[node].displacement;
    const auto dialog = LoadDialog::displacement(d.x, d.y, d.z, QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !doc->isNode(node))
        return;
    doc->setNodeDisplacement(node, Triple(dialog->value("dx"), dialog->value("dy"), dialog->value("da")));
}

void ElementCommands::temperatureOnRod(int rod)
{
    if (!doc->isRod(rod))
        return;
    const Rod &r = doc->structure().rods[rod];
    const auto dialog = LoadDialog::temperature(r.temperature.x, r.temperature.y, r.height, r.alpha,
                                                QApplication::activeWindow());
    if (RunModal(*dialog) != QDialog::Accepted || !doc->isRod(rod))
        return;
    doc->setRodTemperature(rod, Pair(dialog->value("left"), dialog->value("right")), dialog->value("alpha"),
                           dialog->value("height"));
}

void ElementCommands::warn(int message, QWidget *parent)
{
    ShowWarning(QString::fromUtf8(LoadString(message)), parent);
}

bool ElementCommands::onCommand(int id)
{
    switch (id) {
    case Command::NodeProperties:
        nodeProperties(doc->currentNodePosition());
        return true;
    case Command::RodProperties:
        rodProperties(doc->currentRodPosition());
        return true;
    default:
        return false;
    }
}

bool ElementCommands::updateCommand(int id, CommandState &state)
{
    switch (id) {
    case Command::NodeProperties:
        state.enabled = doc->isNode(doc->currentNodePosition());
        return true;
    case Command::RodProperties:
        state.enabled = doc->isRod(doc->currentRodPosition());
        return true;
    default:
        return false;
    }
}
