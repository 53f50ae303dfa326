// The commands routed to the document: undo and redo, the selection
// commands of the Edit menu, the delete commands of the context menu and
// the calculator. The commands that ask the user first are the
// application's (ElementCommands, ReportCommands).

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {
// Update hint of a selection change: repaint without erasing.
constexpr int SelectionHint = 1;
} // namespace

bool RuvoDoc::onCommand(int id)
{
    switch (id) {
    case Command::EditUndo:
        undo();
        return true;
    case Command::EditRedo:
        redo();
        return true;
    case Command::SelectAll:
        selectAllNodes();
        updateAllViews(SelectionHint);
        selectRods(RodDirection::Any);
        updateAllViews(SelectionHint);
        return true;
    case Command::DeselectAll:
        deselectAll();
        updateAllViews(SelectionHint);
        return true;
    case Command::SelectAllNodes:
        selectAllNodes();
        updateAllViews(SelectionHint);
        return true;
    case Command::SelectAllRods:
        selectRods(RodDirection::Any);
        updateAllViews(SelectionHint);
        return true;
    case Command::SelectHorizontalRods:
        selectRods(RodDirection::Horizontal);
        updateAllViews(SelectionHint);
        return true;
    case Command::SelectVerticalRods:
        selectRods(RodDirection::Vertical);
        updateAllViews(SelectionHint);
        return true;
    case Command::DeleteNode:
    case Command::DeleteForce:
    case Command::DeleteMoment:
    case Command::DeleteDisplacement:
    case Command::DeleteRod:
    case Command::DeleteDistributedLoad:
    case Command::DeleteTemperature:
        deleteCommand(id);
        return true;
    case Command::Calculator:
        // A missing calculator is not an error worth a message.
        startCalculator();
        return true;
    default:
        return false;
    }
}

bool RuvoDoc::updateCommand(int id, CommandState &state)
{
    switch (id) {
    case Command::EditUndo:
        state.enabled = canUndo();
        return true;
    case Command::EditRedo:
        state.enabled = canRedo();
        return true;
    case Command::DeleteNode:
    case Command::DeleteForce:
    case Command::DeleteMoment:
    case Command::DeleteDisplacement:
        state.enabled = isNode(currentNode);
        return true;
    case Command::DeleteRod:
    case Command::DeleteDistributedLoad:
    case Command::DeleteTemperature:
        state.enabled = isRod(currentRod);
        return true;
    case Command::SelectAll:
    case Command::DeselectAll:
    case Command::SelectAllNodes:
    case Command::SelectAllRods:
    case Command::SelectHorizontalRods:
    case Command::SelectVerticalRods:
    case Command::Calculator:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}

void RuvoDoc::selectAllNodes()
{
    for (Node &node : model.nodes)
        node.select();
}

// Selection adds to what is selected. Directions compare the end
// coordinates exactly: a rod of zero length is both horizontal and vertical.
void RuvoDoc::selectRods(RodDirection direction)
{
    for (Rod &rod : model.rods) {
        if (direction != RodDirection::Any) {
            const Node &begin = model.nodes[rod.begin.node];
            const Node &end = model.nodes[rod.end.node];
            if (direction == RodDirection::Horizontal && begin.y != end.y)
                continue;
            if (direction == RodDirection::Vertical && begin.x != end.x)
                continue;
        }
        rod.select();
    }
}

bool RuvoDoc::startCalculator()
{
    static const char *const calculators[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                              "xcalc"};
    for (const char *name : calculators) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty())
            return QProcess::startDetached(program, QStringList());
    }
    return false;
}
