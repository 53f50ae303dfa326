// Editing with the mouse and the keyboard: the mode commands and cursors,
// hit testing and snapping, clicks by mode, dragging nodes, the rubber
// lines, the context menu, tool tips and the status-bar coordinates. The
// view never changes the model itself: it calls the document.

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "numeric/Messages.h"
#include "view/CommandActions.h"
#include "view/ElementEditor.h"
#include "view/GridDrawing.h"
#include "view/LogicalPainter.h"
#include "view/RuvoView.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int ReadyMessage = 57345;               // "Готов"
constexpr int DisplacementOnFreeNodeRule = 51006; // kinematic loads only at supports
constexpr int ForceOnSupportRule = 51007;         // forces and moments only at free nodes
// A press becomes a drag once the pointer has left this many pixels.
constexpr int DragThreshold = 1;
const QColor RubberLineColour(192, 192, 192);

} // namespace

bool RuvoView::isUsable() const
{
    // Input before the first paint meets no mapping and is ignored.
    return doc != nullptr && port.isMapped();
}

LogicalPoint RuvoView::logicalPoint(const QPoint &canvasPoint) const
{
    return LogicalPoint{canvasPoint.x(), canvas()->height() - canvasPoint.y()};
}

Pair RuvoView::snappedWorld(LogicalPoint p) const
{
    const Pair world = port.toWorld(p.x, p.y);
    const double step = EffectiveMouseStep();
    // + 0.0 turns a snapped -0 into 0, which would be written as "-0".
    return Pair(snap(world.x, step) + 0.0, snap(world.y, step) + 0.0);
}

HitResult RuvoView::hitAt(LogicalPoint p) const
{
    if (doc == nullptr)
        return HitResult{};
    return hitTest(doc->structure(), p, port);
}

// --- Modes and cursors -------------------------------------------------------

void RuvoView::setModeCursor(int code)
{
    canvas()->setCursor(cursors.cursor(code));
}

void RuvoView::modeCommand(int id)
{
    ViewMode mode = ModeEdit;
    switch (id) {
    case Command::ModeFreeNode:
        mode = ModeFreeNode;
        break;
    case Command::ModeSupportNode:
        mode = ModeSupportNode;
        break;
    case Command::ModeRod:
        mode = ModeRod;
        break;
    case Command::ModeForce:
        mode = ModeForce;
        break;
    case Command::ModeDistributedLoad:
        mode = ModeDistributedLoad;
        break;
    case Command::ModeMoment:
        mode = ModeMoment;
        break;
    case Command::ModeTemperature:
        mode = ModeTemperature;
        break;
    case Command::ModeDisplacement:
        mode = ModeDisplacement;
        break;
    case Command::ModeDelete:
        mode = ModeDelete;
        break;
    default:
        break;
    }
    if (mode != ModeEdit && doc != nullptr) {
        doc->deselectAll();
        invalidate();
    }
    // A rod started in rod mode ends with the mode: its rubber line must
    // not go on following the pointer in a mode that cannot finish it.
    if (rodStarted) {
        rodStarted = false;
        invalidate();
    }
    currentMode = mode;
    setModeCursor(mode);
    emit commandStatesChanged();
}

void RuvoView::cancelPendingActions()
{
    if (!rodStarted && !draggingNode)
        return;
    rodStarted = false;
    if (draggingNode) {
        // As after Escape: the rest of the gesture starts no other drag
        // (the pointer, button held, may pass over another node).
        draggingNode = false;
        captured = false;
        setModeCursor(currentMode);
    }
    invalidate();
}

// --- Mouse ---------------------------------------------------------------------

void RuvoView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!isUsable())
        return;
    const LogicalPoint p = logicalPoint(event->position().toPoint());
    ctrlDown = event->modifiers().testFlag(Qt::ControlModifier);
    if (event->button() == Qt::LeftButton) {
        captured = true;
        pressPoint = p;
    } else if (event->button() == Qt::RightButton) {
        currentPoint = p;
        // The chosen action is triggered, and its command runs.
        const std::unique_ptr<QMenu> menu(createContextMenu(p));
        menu->exec(event->globalPosition().toPoint());
    }
}

void RuvoView::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (!isUsable())
        return;
    currentPoint = logicalPoint(event->position().toPoint());
    const Pair world = snappedWorld(currentPoint);
    emit coordinatesChanged(FormatLabel("\t%2.3f", world.x), FormatLabel("\t%2.3f", world.y));

    const HitResult hit = hitAt(currentPoint);
    updateToolTip(hit);
    emit statusMessage(QString::fromUtf8(LoadString(ReadyMessage)));

    if (rodStarted) {
        // The rubber line follows the pointer (drawn at paint).
        invalidate();
    } else if (captured && (std::abs(currentPoint.x - pressPoint.x) > DragThreshold ||
                            std::abs(currentPoint.y - pressPoint.y) > DragThreshold)) {
        if (hit.kind == HitNode && !draggingNode) {
            draggingNode = true;
            anchorNode = hit.index;
            const Node &node = doc->structure().nodes[hit.index];
            dragPoint = port.toLogical(node.x, node.y);
        }
        if (draggingNode) {
            setModeCursor(CursorMoveNode);
            // The rubber lines follow the unsnapped pointer; only the
            // release point is snapped.
            dragPoint = currentPoint;
            invalidate();
        }
    }
    previousPoint = currentPoint;
}

void RuvoView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasCaptured = captured;
    captured = false;
    if (!isUsable())
        return;
    const QPoint position = event->position().toPoint();
    // After Escape the button is no longer the view's: a release elsewhere
    // is not a click.
    if (!wasCaptured && !canvas()->rect().contains(position))
        return;
    ctrlDown = event->modifiers().testFlag(Qt::ControlModifier);
    leftButtonUp(logicalPoint(position), ctrlDown);
}

void RuvoView::leftButtonUp(LogicalPoint p, bool ctrl)
{
    const Pair world = snappedWorld(p);
    const HitResult hit = hitAt(p);
    currentPoint = p;

    if (draggingNode) {
        // A drag ends in a move, whatever the mode.
        draggingNode = false;
        setModeCursor(currentMode);
        doc->moveNode(anchorNode, world.x, world.y);
        invalidate();
        return;
    }

    if (currentMode == ModeRod && hit.kind == HitNode) {
        if (!rodStarted) {
            rodStarted = true;
            anchorNode = hit.index;
            previousPoint = p;
            return;
        }
        rodStarted = false;
        doc->addRod(anchorNode, hit.index);
        doc->deselectAll();
    } else {
        modeAction(hit, world, ctrl);
        // Any other click ends a started rod.
        rodStarted = false;
    }
    invalidate();
}

void RuvoView::modeAction(const HitResult &hit, Pair world, bool ctrl)
{
    const bool onNode = hit.kind == HitNode;
    const bool onRod = hit.kind == HitRod;
    const bool support = onNode && doc->structure().nodes[hit.index].isSupport();
    switch (currentMode) {
    case ModeEdit:
        if (onNode || onRod)
            selectionClick(hit, ctrl);
        else
            doc->deselectAll();
        break;
    case ModeFreeNode:
    case ModeSupportNode: {
        const bool isFree = currentMode == ModeFreeNode;
        if (onNode) {
            askEditor(&ElementEditor::nodeProperties, hit.index);
        } else if (onRod) {
            // The new node lies on the rod, not beside it where the click
            // (up to 9 pixels off) snapped: the rod stays straight.
            const Pair onLine = PointOnRod(doc->structure(), hit.index, world);
            doc->splitRod(hit.index, onLine.x, onLine.y, isFree);
        } else {
            doc->addNode(world.x, world.y, isFree);
        }
        doc->deselectAll();
        break;
    }
    case ModeRod:
        if (onRod) {
            askEditor(&ElementEditor::rodProperties, hit.index);
            doc->deselectAll();
        }
        break;
    case ModeForce:
    case ModeMoment: {
        const bool force = currentMode == ModeForce;
        if (onNode) {
            if (support)
                warn(ForceOnSupportRule);
            else if (force)
                askEditor(&ElementEditor::forceOnNode, hit.index);
            else
                askEditor(&ElementEditor::momentOnNode, hit.index);
        } else if (onRod) {
            // The new node lies on the rod, not beside it where the
            // click (up to 9 pixels off) snapped.
            const Pair onLine = PointOnRod(doc->structure(), hit.index, world);
            if (force)
                askEditor(&ElementEditor::forceOnRod, hit.index, onLine.x, onLine.y);
            else
                askEditor(&ElementEditor::momentOnRod, hit.index, onLine.x, onLine.y);
            doc->deselectAll();
        }
        break;
    }
    case ModeDistributedLoad:
        if (onRod)
            askEditor(&ElementEditor::distributedLoad, hit.index);
        break;
    case ModeTemperature:
        if (onRod)
            askEditor(&ElementEditor::temperatureOnRod, hit.index);
        break;
    case ModeDisplacement:
        if (onNode) {
            if (support)
                askEditor(&ElementEditor::displacementOnNode, hit.index);
            else
                warn(DisplacementOnFreeNodeRule);
        }
        break;
    case ModeDelete:
        if (onNode) {
            doc->setCurrentNode(hit.index);
            doc->deleteCommand(Command::DeleteNode);
        } else if (onRod) {
            doc->setCurrentRod(hit.index);
            doc->deleteCommand(Command::DeleteRod);
        }
        break;
    }
}

// A first click selects, a second click on a selected element opens its
// properties (of the whole selection when several are selected), and
// Ctrl+click adds to or removes from the selection.
void RuvoView::selectionClick(const HitResult &hit, bool ctrl)
{
    const StructureModel &structure = doc->structure();
    const bool node = hit.kind == HitNode;
    const bool selected =
        node ? structure.nodes[hit.index].isSelected() : structure.rods[hit.index].isSelected();
    if (selected && !ctrl) {
        if (node) {
            if (structure.severalNodesSelected())
                askEditor(&ElementEditor::selectedNodeProperties);
            else
                askEditor(&ElementEditor::nodeProperties, hit.index);
        } else {
            if (structure.severalRodsSelected())
                askEditor(&ElementEditor::selectedRodProperties);
            else
                askEditor(&ElementEditor::rodProperties, hit.index);
        }
        return;
    }
    if (selected) {
        node ? doc->selectNode(hit.index, false) : doc->selectRod(hit.index, false);
        return;
    }
    if (!ctrl)
        doc->deselectAll();
    node ? doc->selectNode(hit.index, true) : doc->selectRod(hit.index, true);
}

void RuvoView::updateToolTip(const HitResult &hit)
{
    std::string description;
    if (hit.kind == HitNode)
        doc->structure().nodes[hit.index].describe(description);
    else if (hit.kind == HitRod)
        doc->structure().rods[hit.index].describe(description);
    const QString text = QString::fromStdString(description);
    if (text == canvas()->toolTip())
        return;
    canvas()->setToolTip(text);
    if (!QToolTip::isVisible())
        return;
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), text, canvas());
}

// --- Context menu ----------------------------------------------------------------

QAction *RuvoView::commandAction(int id)
{
    if (actions == nullptr) {
        actions = new CommandActions(this);
        for (QAction *action : actions->all()) {
            const int command = action->data().toInt();
            connect(action, &QAction::triggered, this, [this, command] { contextCommand(command); });
        }
    }
    return actions->action(id);
}

QMenu *RuvoView::createContextMenu(LogicalPoint p)
{
    auto *menu = new QMenu(this);
    auto add = [this, menu](int id, bool enabled = true) {
        QAction *action = commandAction(id);
        action->setEnabled(enabled);
        menu->addAction(action);
        return action;
    };
    const HitResult hit = hitAt(p);
    if (hit.kind == HitNode && doc != nullptr) {
        doc->setCurrentNode(hit.index);
        const Node &node = doc->structure().nodes[hit.index];
        menu->setDefaultAction(add(Command::NodeProperties));
        menu->addSeparator();
        add(Command::DeleteNode);
        add(Command::DeleteForce, node.hasForce());
        add(Command::DeleteMoment, node.hasMoment());
        add(Command::DeleteDisplacement, node.hasDisplacement());
        menu->addSeparator();
    } else if (hit.kind == HitRod && doc != nullptr) {
        doc->setCurrentRod(hit.index);
        const Rod &rod = doc->structure().rods[hit.index];
        menu->setDefaultAction(add(Command::RodProperties));
        menu->addSeparator();
        add(Command::DeleteRod);
        add(Command::DeleteDistributedLoad, rod.hasLoad());
        add(Command::DeleteTemperature, rod.hasTemperature());
        menu->addSeparator();
    }
    add(Command::ZoomIn);
    add(Command::ZoomOut);
    menu->addSeparator();
    add(Command::FitAll);
    return menu;
}

void RuvoView::contextCommand(int id)
{
    if (onCommand(id) || doc == nullptr)
        return;
    if (!doc->onCommand(id) && editor != nullptr)
        editor->onCommand(id);
}

void RuvoView::warn(int message)
{
    if (editor != nullptr)
        editor->warn(message, this);
}

// --- Keys ------------------------------------------------------------------------

void RuvoView::escape()
{
    captured = false;
    rodStarted = false;
    draggingNode = false;
    setModeCursor(currentMode);
    if (doc != nullptr)
        doc->deselectAll();
    invalidate();
}

void RuvoView::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Control)
        ctrlDown = false;
    QWidget::keyReleaseEvent(event);
}

void RuvoView::focusOutEvent(QFocusEvent *event)
{
    // A Ctrl released in another window would otherwise stay held here.
    ctrlDown = false;
    QAbstractScrollArea::focusOutEvent(event);
}

// --- Rubber lines ------------------------------------------------------------------

void RuvoView::drawRubberLines(QPainter &painter)
{
    const StructureModel &structure = doc->structure();
    if (!(rodStarted || draggingNode) || anchorNode < 0 || anchorNode >= structure.nodes.count)
        return;
    LogicalPainter lp(painter, port);
    lp.setPen(RubberLineColour, 1);
    if (rodStarted) {
        const Node &anchor = structure.nodes[anchorNode];
        lp.line(port.toLogical(anchor.x, anchor.y), currentPoint);
        return;
    }
    // From the pointer to the other node of every rod at the dragged node.
    for (const Rod &rod : structure.rods) {
        int other = -1;
        if (rod.begin.node == anchorNode)
            other = rod.end.node;
        else if (rod.end.node == anchorNode)
            other = rod.begin.node;
        if (other < 0 || other >= structure.nodes.count)
            continue;
        const Node &node = structure.nodes[other];
        lp.line(dragPoint, port.toLogical(node.x, node.y));
    }
}
