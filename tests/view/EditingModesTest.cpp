// Editing with the mouse and the keyboard, driven by mouse and key events
// on the view: drawing nodes and rods, loads by mode, dragging, selection,
// the context menu, rubber lines, cursors, tool tips and the status bar.

#include "app/ElementCommands.h"
#include "app/MainFrame.h"
#include "dialogs/GuiTestSupport.h"
#include "dialogs/ModalScript.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/Messages.h"
#include "support/DocumentAccess.h"
#include "support/SettingsRestorer.h"
#include "view/CursorHotspots.h"
#include "view/RuvoView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

const QRgb RubberLine = qRgb(192, 192, 192);

QString Message(int id)
{
    return QString::fromUtf8(LoadString(id));
}

class EditingModesTest : public ::testing::Test {
protected:
    EditingModesTest() : view(&doc)
    {
        Settings::current().showGrid = 0;
        Settings::current().showNumbers = 0;
        Settings::current().mouseStep = 0.1;
        Settings::current().type = 2;
        view.setElementEditor(&commands);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(640, 480);
        view.show();
        doc.newDocument();
        paint(); // the first paint maps the world (-2...12 by -2...8)
    }

    QImage paint() { return view.canvas()->grab().toImage(); }

    // The canvas point (y downward) of a world point.
    QPoint at(double x, double y) const
    {
        const LogicalPoint p = view.viewport().toLogical(x, y);
        return QPoint(p.x, view.canvas()->height() - p.y);
    }

    // The logical point (y upward) of a canvas point.
    LogicalPoint logical(QPoint p) const { return LogicalPoint{p.x(), view.canvas()->height() - p.y()}; }

    void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(p), QPointF(view.canvas()->mapToGlobal(p)), button, buttons,
                          modifiers);
        QApplication::sendEvent(view.canvas(), &event);
    }
    void press(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, m);
    }
    void move(QPoint p, Qt::MouseButtons buttons = Qt::NoButton)
    {
        send(QEvent::MouseMove, p, Qt::NoButton, buttons);
    }
    void release(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, m);
    }
    void click(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        press(p, m);
        release(p, m);
    }
    // Presses on a node and moves two pixels: the drag has begun.
    void startDrag(QPoint p)
    {
        press(p);
        move(p + QPoint(2, 0), Qt::LeftButton);
    }
    // Whether a pixel of the colour lies within one pixel of p (a line
    // through a computed midpoint may pass a pixel beside it).
    static bool colourNear(const QImage &image, QPoint p, QRgb colour)
    {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if ((image.pixel(p + QPoint(dx, dy)) & 0xffffff) == (colour & 0xffffff))
                    return true;
        return false;
    }
    void mode(int id) { ASSERT_TRUE(view.onCommand(id)); }
    bool checked(int id)
    {
        CommandState state;
        EXPECT_TRUE(view.updateCommand(id, state));
        return state.checked;
    }

    // Two support nodes, a free node above each and the three rods of a
    // portal frame, drawn with the mouse.
    void drawPortal()
    {
        mode(Command::ModeSupportNode);
        click(at(0, 0));
        click(at(4, 0));
        mode(Command::ModeFreeNode);
        click(at(0, 3));
        click(at(4, 3));
        mode(Command::ModeRod);
        click(at(0, 0));
        click(at(0, 3));
        click(at(0, 3));
        click(at(4, 3));
        click(at(4, 3));
        click(at(4, 0));
    }

    const Node &node(int i) const { return doc.structure().nodes[i]; }

    SettingsRestorer settings;
    RecordingReporter reporter;
    RuvoDoc doc;
    ElementCommands commands{&doc};
    RuvoView view;
};

TEST_F(EditingModesTest, APortalFrameIsDrawnWithTheMouse)
{
    drawPortal();
    const StructureModel &s = doc.structure();
    ASSERT_EQ(s.nodes.count, 4);
    const double expected[4][3] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 1}, {4, 3, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(node(i).x, expected[i][0], 1e-12) << i;
        EXPECT_NEAR(node(i).y, expected[i][1], 1e-12) << i;
        EXPECT_EQ(node(i).isFree, expected[i][2]) << i;
    }
    ASSERT_EQ(s.rods.count, 3);
    const int ends[3][2] = {{0, 2}, {2, 3}, {1, 3}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.rods[i].begin.node, ends[i][0]) << i;
        EXPECT_EQ(s.rods[i].end.node, ends[i][1]) << i;
        EXPECT_EQ(s.rods[i].begin.joint, JointType::Fixed) << "the setting \"Type\"";
    }
    EXPECT_FALSE(view.isRodStarted());
    EXPECT_TRUE(doc.isModified());
}

TEST_F(EditingModesTest, ClicksAndStatusBarUseTheSnappedPoint)
{
    QSignalSpy coordinates(&view, &RuvoView::coordinatesChanged);
    QSignalSpy status(&view, &RuvoView::statusMessage);
    // A pixel whose world point lies just below (1.28, 0.32).
    const QPoint p = at(1.28, 0.32);
    move(p);
    ASSERT_EQ(coordinates.count(), 1);
    EXPECT_EQ(coordinates[0][0].toString(), QStringLiteral("\t1.300"));
    EXPECT_EQ(coordinates[0][1].toString(), QStringLiteral("\t0.300"));
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status[0][0].toString(), Message(57345));

    mode(Command::ModeFreeNode);
    click(p);
    ASSERT_EQ(doc.structure().nodes.count, 1);
    EXPECT_NEAR(node(0).x, 1.3, 1e-12);
    EXPECT_NEAR(node(0).y, 0.3, 1e-12);

    // A negative coordinate snapped to zero is written as 0, not -0.
    move(at(-0.02, -0.02));
    EXPECT_EQ(coordinates.last()[0].toString(), QStringLiteral("\t0.000"));
}

TEST_F(EditingModesTest, ANodeIsHitWithinNinePixelsAndWinsOverARod)
{
    EditableStructure(doc).addNode(2, 2, true);
    EditableStructure(doc).addNode(8, 2, true);
    EditableStructure(doc).addRod(0, 1);
    const LogicalPoint n = view.viewport().toLogical(2, 2);
    EXPECT_EQ(view.hitAt(LogicalPoint{n.x + 9, n.y - 9}), (HitResult{HitNode, 0}));
    EXPECT_EQ(view.hitAt(LogicalPoint{n.x - 9, n.y + 9}), (HitResult{HitNode, 0}));
    EXPECT_EQ(view.hitAt(LogicalPoint{n.x + 10, n.y}), (HitResult{HitRod, 0})) << "on the rod, past the node";
    EXPECT_EQ(view.hitAt(LogicalPoint{n.x, n.y + 10}), (HitResult{})) << "10 pixels above: nothing";
    EXPECT_EQ(view.hitAt(LogicalPoint{n.x + 30, n.y + 9}), (HitResult{HitRod, 0}));
    EXPECT_EQ(view.hitAt(LogicalPoint{n.x + 30, n.y - 10}), (HitResult{}));

    // The same through clicks of the delete mode.
    mode(Command::ModeDelete);
    const QPoint p = at(2, 2);
    click(p + QPoint(0, 10)); // 10 pixels below the node and the rod
    EXPECT_EQ(doc.structure().nodes.count, 2);
    EXPECT_EQ(doc.structure().rods.count, 1);
    click(p + QPoint(9, 9));
    EXPECT_EQ(doc.structure().nodes.count, 1) << "the node wins over the rod";
    EXPECT_EQ(doc.structure().rods.count, 0);
}

TEST_F(EditingModesTest, AForceOnARodSplitsItAndLoadRulesRefuseTheWrongNodes)
{
    drawPortal();
    ModalScript script;
    script.then(TypeAndOk({{"first", "0"}, {"second", "-10"}}));
    mode(Command::ModeForce);
    click(at(2, 3)); // the middle of the beam
    ASSERT_EQ(doc.structure().nodes.count, 5);
    EXPECT_EQ(node(4).force, Pair(0, -10));
    EXPECT_NEAR(node(4).x, 2.0, 1e-12);
    EXPECT_EQ(doc.structure().rods.count, 4);

    // The refusals change nothing: no load, no snapshot, no modified flag.
    const std::string before = WriteStructure(doc.structure());
    const std::string undoBefore = WriteStructure(*doc.undoState);
    doc.setModified(false);
    click(at(0, 0)); // a support node
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0], Message(51007));
    mode(Command::ModeMoment);
    click(at(4, 0));
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_EQ(script.messages[1], Message(51007));
    mode(Command::ModeDisplacement);
    click(at(0, 3)); // a free node
    ASSERT_EQ(script.messages.size(), 3u);
    EXPECT_EQ(script.messages[2], Message(51006));
    EXPECT_EQ(doc.structure().nodes.count, 5);
    EXPECT_EQ(script.dialogs.size(), 1u) << "no dialog for a refused load";
    EXPECT_EQ(WriteStructure(doc.structure()), before);
    EXPECT_EQ(WriteStructure(*doc.undoState), undoBefore);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(EditingModesTest, AClickBesideARodPutsTheNewNodeOnTheRod)
{
    drawPortal();
    // 8 pixels above the beam (y = 3) and right of the left column (x = 0)
    // still hit the rod, but snap to a point off its line.
    ASSERT_GT(8 / view.viewport().scale, 0.1) << "the click must snap beside the rod";
    const QPoint aboveBeam = at(1, 3) - QPoint(0, 8);
    const QPoint besideColumn = at(0, 1) + QPoint(8, 0);
    ASSERT_EQ(view.hitAt(logical(aboveBeam)), (HitResult{HitRod, 1}));
    ASSERT_EQ(view.hitAt(logical(besideColumn)), (HitResult{HitRod, 0}));

    ModalScript script;
    script.then(TypeAndOk({{"first", "0"}, {"second", "-10"}})).then(TypeAndOk({{"moment", "2"}}));
    mode(Command::ModeForce);
    click(aboveBeam);
    ASSERT_EQ(doc.structure().nodes.count, 5);
    EXPECT_EQ(node(4).y, 3.0) << "the beam stays straight";
    EXPECT_NEAR(node(4).x, 1.0, 1e-12);
    EXPECT_EQ(node(4).force, Pair(0, -10));

    mode(Command::ModeMoment);
    click(besideColumn);
    ASSERT_EQ(doc.structure().nodes.count, 6);
    EXPECT_EQ(node(5).x, 0.0) << "the column stays straight";
    EXPECT_NEAR(node(5).y, 1.0, 1e-12);
    EXPECT_EQ(node(5).moment, 2.0);

    // A free or a support node put onto the right column likewise.
    mode(Command::ModeFreeNode);
    click(at(4, 2) - QPoint(8, 0));
    ASSERT_EQ(doc.structure().nodes.count, 7);
    EXPECT_EQ(node(6).x, 4.0);
    EXPECT_NEAR(node(6).y, 2.0, 1e-12);
    mode(Command::ModeSupportNode);
    click(at(4, 1) + QPoint(8, 0));
    ASSERT_EQ(doc.structure().nodes.count, 8);
    EXPECT_EQ(node(7).x, 4.0);
    EXPECT_EQ(script.dialogs.size(), 2u);
}

TEST_F(EditingModesTest, LoadModesOpenTheirDialogsOnTheRightElements)
{
    drawPortal();
    ModalScript script;
    script.then(TypeAndOk({{"first", "0"}, {"second", "-2"}}))
        .then(TypeAndOk({{"left", "10"}}))
        .then(TypeAndOk({{"dy", "-0.01"}}))
        .then(TypeAndOk({{"moment", "3"}}));
    mode(Command::ModeDistributedLoad);
    click(at(0, 0)); // a node: nothing
    click(at(2, 3));
    mode(Command::ModeTemperature);
    click(at(0, 1.5));
    mode(Command::ModeDisplacement);
    click(at(4, 0));
    mode(Command::ModeMoment);
    click(at(0, 3));
    EXPECT_EQ(doc.structure().rods[1].load, Pair(0, -2));
    EXPECT_EQ(doc.structure().rods[0].temperature, Pair(10, 0));
    EXPECT_EQ(node(1).displacement, Triple(0, -0.01, 0));
    EXPECT_EQ(node(2).moment, 3.0);
}

TEST_F(EditingModesTest, DraggingANodeMovesItToTheSnappedReleasePoint)
{
    drawPortal();
    mode(Command::ModeEdit);
    const QPoint start = at(0, 3);
    press(start);
    move(start + QPoint(1, 1), Qt::LeftButton);
    EXPECT_FALSE(view.isDraggingNode()) << "one pixel is not yet a drag";
    move(start + QPoint(2, 0), Qt::LeftButton);
    ASSERT_TRUE(view.isDraggingNode());
    EXPECT_EQ(view.anchor(), 2);
    const CursorHotspot *moveCursor = FindCursorHotspot(1190);
    ASSERT_NE(moveCursor, nullptr);
    EXPECT_EQ(view.canvas()->cursor().hotSpot(), QPoint(moveCursor->x, moveCursor->y));

    const QPoint target = at(1.02, 3.49);
    move(target, Qt::LeftButton);
    // The rubber lines run from the pointer to the other ends of both rods.
    const QImage picture = paint();
    EXPECT_TRUE(colourNear(picture, (target + at(0, 0)) / 2, RubberLine)) << "toward the base";
    EXPECT_TRUE(colourNear(picture, (target + at(4, 3)) / 2, RubberLine)) << "toward the other corner";
    release(target);
    EXPECT_FALSE(view.isDraggingNode());
    EXPECT_NEAR(node(2).x, 1.0, 1e-12);
    EXPECT_NEAR(node(2).y, 3.5, 1e-12);
    EXPECT_FALSE(doc.structure().nodes[2].isSelected()) << "a drag is not a click";
    EXPECT_EQ(view.canvas()->cursor().shape(), Qt::ArrowCursor) << "the mode's cursor is back";

    // A press and release one pixel apart is the mode's click: it selects.
    press(at(4, 3));
    move(at(4, 3) + QPoint(1, 0), Qt::LeftButton);
    release(at(4, 3) + QPoint(1, 0));
    EXPECT_NEAR(node(3).x, 4.0, 1e-12);
    EXPECT_TRUE(node(3).isSelected());
}

TEST_F(EditingModesTest, PressingOnEmptySpaceAndMovingOverANodeDragsIt)
{
    drawPortal();
    press(at(2, 1.5));
    move(at(2, 1.5) + QPoint(3, 0), Qt::LeftButton);
    EXPECT_FALSE(view.isDraggingNode());
    move(at(4, 3), Qt::LeftButton);
    ASSERT_TRUE(view.isDraggingNode());
    EXPECT_EQ(view.anchor(), 3);
    release(at(5, 3));
    EXPECT_NEAR(node(3).x, 5.0, 1e-12);
}

TEST_F(EditingModesTest, EscapeCancelsADragAndTheLaterReleaseIsAPlainClick)
{
    drawPortal();
    mode(Command::ModeFreeNode);
    startDrag(at(0, 3));
    move(at(2, 5), Qt::LeftButton);
    ASSERT_TRUE(view.isDraggingNode());
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isDraggingNode());
    EXPECT_NEAR(node(2).y, 3.0, 1e-12) << "the node stays where it was";
    release(at(2, 5));
    ASSERT_EQ(doc.structure().nodes.count, 5) << "the release over the view adds a free node";
    EXPECT_NEAR(node(4).y, 5.0, 1e-12);

    // A release outside the view after Escape is no click.
    startDrag(at(0, 3));
    move(at(2, 5), Qt::LeftButton);
    QTest::keyClick(&view, Qt::Key_Escape);
    release(QPoint(-50, -50));
    EXPECT_EQ(doc.structure().nodes.count, 5);
}

TEST_F(EditingModesTest, ClicksSelectCtrlTogglesAndASecondClickOpensProperties)
{
    drawPortal();
    mode(Command::ModeEdit);
    ModalScript script;
    click(at(0, 3));
    EXPECT_TRUE(node(2).isSelected());
    click(at(4, 3));
    EXPECT_FALSE(node(2).isSelected()) << "a plain click replaces the selection";
    EXPECT_TRUE(node(3).isSelected());
    click(at(0, 3), Qt::ControlModifier);
    EXPECT_TRUE(node(2).isSelected());
    EXPECT_TRUE(node(3).isSelected());
    click(at(0, 3), Qt::ControlModifier);
    EXPECT_FALSE(node(2).isSelected()) << "Ctrl+click on a selected node deselects it";

    script.then(PressCancel);
    click(at(4, 3)); // selected: the single dialog
    click(at(0, 3), Qt::ControlModifier);
    script.then(PressCancel);
    click(at(4, 3)); // two selected: the multiple dialog
    click(at(2, 3)); // a rod
    EXPECT_TRUE(doc.structure().rods[1].isSelected());
    EXPECT_FALSE(node(3).isSelected());
    script.then(PressCancel);
    click(at(2, 3));
    EXPECT_EQ(script.dialogs, (std::vector<QString>{QStringLiteral("Свойства узла"),
                                                    QStringLiteral("Свойства нескольких узлов"),
                                                    QStringLiteral("Свойства стержня")}));
    click(at(10, 7)); // empty space
    EXPECT_FALSE(doc.structure().rods[1].isSelected());
}

TEST_F(EditingModesTest, ARodIsStartedFollowedByItsRubberLineAndCancelledElsewhere)
{
    drawPortal();
    mode(Command::ModeRod);
    click(at(0, 0));
    ASSERT_TRUE(view.isRodStarted());
    EXPECT_EQ(view.anchor(), 0);
    const QPoint pointer = at(3, 1);
    move(pointer);
    QImage picture = paint();
    const QPoint middle = (at(0, 0) + pointer) / 2;
    EXPECT_TRUE(colourNear(picture, middle, RubberLine));

    click(at(10, 7)); // empty space cancels
    EXPECT_FALSE(view.isRodStarted());
    picture = paint();
    EXPECT_FALSE(colourNear(picture, middle, RubberLine)) << "the rubber line is gone";
    EXPECT_EQ(doc.structure().rods.count, 3);

    // A mode change ends the pending rod and its rubber line.
    click(at(0, 0));
    ASSERT_TRUE(view.isRodStarted());
    move(pointer);
    mode(Command::ModeFreeNode);
    EXPECT_FALSE(view.isRodStarted());
    move(pointer);
    EXPECT_FALSE(colourNear(paint(), middle, RubberLine)) << "no rubber line in another mode";
    mode(Command::ModeRod);
    click(at(4, 3));
    EXPECT_EQ(view.anchor(), 3) << "back in rod mode the next node starts a new rod";
    QTest::keyClick(&view, Qt::Key_Escape);

    click(at(0, 0));
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(view.isRodStarted());
    click(at(4, 3));
    EXPECT_TRUE(view.isRodStarted()) << "after Escape the next node starts a new rod";
    click(at(0, 0));
    EXPECT_EQ(doc.structure().rods.count, 4);
    EXPECT_EQ(doc.structure().rods[3].begin.node, 0);
    EXPECT_EQ(doc.structure().rods[3].end.node, 3);
}

TEST_F(EditingModesTest, APendingRodOrDragEndsWhenItsNodesChangePosition)
{
    drawPortal();
    mode(Command::ModeRod);
    click(at(4, 3)); // anchored on node 3
    ASSERT_TRUE(view.isRodStarted());
    doc.setCurrentNode(0);
    doc.onCommand(Command::DeleteNode); // node 3 is now node 2
    EXPECT_FALSE(view.isRodStarted());
    click(at(0, 3));
    EXPECT_TRUE(view.isRodStarted()) << "a new rod, not one from a stale position";

    click(at(4, 3));
    EXPECT_FALSE(view.isRodStarted());
    click(at(0, 3));
    doc.undo();
    EXPECT_FALSE(view.isRodStarted()) << "undo ends a pending rod";
    click(at(4, 3));
    doc.newDocument();
    EXPECT_FALSE(view.isRodStarted()) << "new ends a pending rod";
    paint();

    // A drag whose node goes away with undo, and a calculation that
    // reorders the nodes under a pending rod.
    drawPortal();
    mode(Command::ModeEdit);
    startDrag(at(4, 3));
    move(at(5, 4), Qt::LeftButton);
    ASSERT_TRUE(view.isDraggingNode());
    doc.undo();
    EXPECT_FALSE(view.isDraggingNode());
    move(at(0, 3), Qt::LeftButton); // over another node, the button still held
    EXPECT_FALSE(view.isDraggingNode()) << "the cancelled gesture drags nothing else";
    release(at(5, 4));
    EXPECT_EQ(doc.structure().nodes.count, 4);
    EXPECT_NEAR(node(2).x, 0.0, 1e-12);

    mode(Command::ModeRod);
    click(at(0, 0));
    ASSERT_TRUE(view.isRodStarted());
    doc.needsCalculation = true;
    doc.calculate();
    EXPECT_FALSE(view.isRodStarted());
    paint(); // nothing stale is drawn
}

TEST_F(EditingModesTest, TheContextMenuOffersAndGreysTheElementCommands)
{
    drawPortal();
    EditableStructure(doc).rods[1].load = Pair(0, -1);
    auto ids = [](QMenu *menu) {
        std::vector<std::pair<int, bool>> result;
        for (QAction *action : menu->actions())
            result.emplace_back(action->isSeparator() ? 0 : action->data().toInt(), action->isEnabled());
        return result;
    };
    using Items = std::vector<std::pair<int, bool>>;
    const Items view_items = {
        {Command::ZoomIn, true}, {Command::ZoomOut, true}, {0, true}, {Command::FitAll, true}};

    std::unique_ptr<QMenu> onNode(view.createContextMenu(view.viewport().toLogical(0, 3)));
    Items expected = {{Command::NodeProperties, true},
                      {0, true},
                      {Command::DeleteNode, true},
                      {Command::DeleteForce, false},
                      {Command::DeleteMoment, false},
                      {Command::DeleteDisplacement, false},
                      {0, true}};
    expected.insert(expected.end(), view_items.begin(), view_items.end());
    EXPECT_EQ(ids(onNode.get()), expected);
    EXPECT_EQ(onNode->defaultAction()->data().toInt(), Command::NodeProperties);
    EXPECT_EQ(onNode->actions()[0]->text(), QStringLiteral("Свойства узла..."));
    EXPECT_EQ(doc.currentNodePosition(), 2);

    std::unique_ptr<QMenu> onRod(view.createContextMenu(view.viewport().toLogical(2, 3)));
    expected = {{Command::RodProperties, true},      {0, true},
                {Command::DeleteRod, true},          {Command::DeleteDistributedLoad, true},
                {Command::DeleteTemperature, false}, {0, true}};
    expected.insert(expected.end(), view_items.begin(), view_items.end());
    EXPECT_EQ(ids(onRod.get()), expected);
    EXPECT_EQ(onRod->defaultAction()->data().toInt(), Command::RodProperties);
    EXPECT_EQ(doc.currentRodPosition(), 1);

    // Each delete-load item is greyed exactly while its load is absent.
    auto enabledOf = [&ids](QMenu *menu, int id) {
        for (const auto &[item, enabled] : ids(menu))
            if (item == id)
                return enabled;
        ADD_FAILURE() << "no item " << id;
        return false;
    };
    for (int loads = 0; loads < 8; ++loads) {
        Node &corner = EditableStructure(doc).nodes[3];
        corner.force = (loads & 1) ? Pair(0, -0.001) : Pair(0, 0);
        corner.moment = (loads & 2) ? -1e-9 : 0.0;
        corner.displacement = (loads & 4) ? Triple(0, 0, 5) : Triple(0, 0, 0);
        std::unique_ptr<QMenu> menu(view.createContextMenu(view.viewport().toLogical(4, 3)));
        EXPECT_EQ(enabledOf(menu.get(), Command::DeleteForce), (loads & 1) != 0) << loads;
        EXPECT_EQ(enabledOf(menu.get(), Command::DeleteMoment), (loads & 2) != 0) << loads;
        EXPECT_EQ(enabledOf(menu.get(), Command::DeleteDisplacement), (loads & 4) != 0) << loads;
        EXPECT_TRUE(enabledOf(menu.get(), Command::DeleteNode)) << loads;

        Rod &beam = EditableStructure(doc).rods[1];
        beam.load = (loads & 1) ? Pair(1, 0) : Pair(0, 0);
        beam.temperature = (loads & 2) ? Pair(0, -3) : Pair(0, 0);
        std::unique_ptr<QMenu> rodMenu(view.createContextMenu(view.viewport().toLogical(2, 3)));
        EXPECT_EQ(enabledOf(rodMenu.get(), Command::DeleteDistributedLoad), (loads & 1) != 0) << loads;
        EXPECT_EQ(enabledOf(rodMenu.get(), Command::DeleteTemperature), (loads & 2) != 0) << loads;
        EXPECT_TRUE(enabledOf(rodMenu.get(), Command::DeleteRod)) << loads;
    }
    EditableStructure(doc).nodes[3] = Node(EditableStructure(doc).nodes[3].number);
    EditableStructure(doc).nodes[3].x = 4;
    EditableStructure(doc).nodes[3].y = 3;
    EditableStructure(doc).rods[1].load = Pair(0, -1);
    EditableStructure(doc).rods[1].temperature = Pair(0, 0);

    std::unique_ptr<QMenu> elsewhere(view.createContextMenu(view.viewport().toLogical(10, 7)));
    EXPECT_EQ(ids(elsewhere.get()), view_items);
    EXPECT_EQ(elsewhere->actions()[0]->text(), QStringLiteral("Увеличить"));

    // A right click opens the menu; the chosen command reaches the document.
    mode(Command::ModeRod);
    click(at(0, 3)); // a pending rod anchored on the node about to go
    bool shown = false;
    QTimer::singleShot(50, [&shown] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        shown = true;
        for (QAction *action : menu->actions())
            if (action->data().toInt() == Command::DeleteNode)
                menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    send(QEvent::MouseButtonPress, at(0, 3), Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(shown);
    EXPECT_EQ(doc.structure().nodes.count, 3);
    EXPECT_FALSE(view.isRodStarted()) << "the rod anchored on the deleted node is cancelled";
}

TEST_F(EditingModesTest, ModesAreCheckedAndShowTheirCursorsAndClearTheSelection)
{
    drawPortal();
    struct Case {
        int command;
        ViewMode mode;
        int cursor; // resource, 0 for the arrow
    };
    const Case cases[] = {
        {Command::ModeSupportNode, ModeSupportNode, 1001},
        {Command::ModeFreeNode, ModeFreeNode, 1001},
        {Command::ModeRod, ModeRod, 1002},
        {Command::ModeForce, ModeForce, 1003},
        {Command::ModeDistributedLoad, ModeDistributedLoad, 1005},
        {Command::ModeMoment, ModeMoment, 1004},
        {Command::ModeTemperature, ModeTemperature, 1006},
        {Command::ModeDisplacement, ModeDisplacement, 1007},
        {Command::ModeDelete, ModeDelete, 1191},
        {Command::ModeEdit, ModeEdit, 0},
    };
    for (const Case &c : cases) {
        EditableStructure(doc).nodes[0].select();
        mode(c.command);
        EXPECT_EQ(view.mode(), c.mode);
        for (const Case &other : cases)
            EXPECT_EQ(checked(other.command), other.command == c.command)
                << c.command << " " << other.command;
        EXPECT_EQ(node(0).isSelected(), c.mode == ModeEdit) << "every mode but editing deselects";
        const QCursor cursor = view.canvas()->cursor();
        if (c.cursor == 0) {
            EXPECT_EQ(cursor.shape(), Qt::ArrowCursor);
        } else {
            const CursorHotspot *spot = FindCursorHotspot(c.cursor);
            ASSERT_NE(spot, nullptr);
            EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << c.cursor;
            EXPECT_EQ(cursor.hotSpot(), QPoint(spot->x, spot->y)) << c.cursor;
        }
    }
    // A new structure resets the view to editing.
    mode(Command::ModeRod);
    doc.newDocument();
    paint();
    EXPECT_EQ(view.mode(), ModeEdit);
}

TEST_F(EditingModesTest, TheToolTipDescribesTheElementUnderTheMouse)
{
    drawPortal();
    EditableStructure(doc).nodes[2].force = Pair(1.5, 0);
    move(at(0, 3));
    EXPECT_EQ(view.canvas()->toolTip(), QStringLiteral("X=0.000 Y=3.000 Fx=1.500"));
    move(at(2, 3));
    EXPECT_EQ(view.canvas()->toolTip(), QStringLiteral("EI=1.000"));
    move(at(10, 7));
    EXPECT_TRUE(view.canvas()->toolTip().isEmpty());
}

TEST_F(EditingModesTest, FunctionKeysAndTheModeToolBarReachTheView)
{
    MainFrame frame;
    frame.show();
    // Accelerators act only in the active window.
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    RuvoView *frameView = frame.view();
    const std::pair<Qt::Key, ViewMode> keys[] = {
        {Qt::Key_F2, ModeSupportNode}, {Qt::Key_F3, ModeFreeNode},        {Qt::Key_F4, ModeRod},
        {Qt::Key_F5, ModeForce},       {Qt::Key_F6, ModeDistributedLoad}, {Qt::Key_F7, ModeMoment},
        {Qt::Key_F10, ModeEdit}};
    for (const auto &[key, expected] : keys) {
        QTest::keyClick(frameView, key);
        EXPECT_EQ(frameView->mode(), expected) << key;
    }
    // The texts of the mode commands in the menu and on the mode tool bar.
    const std::pair<int, const char *> texts[] = {
        {Command::ModeEdit, "Режим редактирования"},
        {Command::ModeFreeNode, "Свободный узел"},
        {Command::ModeSupportNode, "Опорный узел"},
        {Command::ModeRod, "Стержень"},
        {Command::ModeForce, "Сила"},
        {Command::ModeDistributedLoad, "Распределенная нагрузка"},
        {Command::ModeMoment, "Момент"},
        {Command::ModeTemperature, "Температура"},
        {Command::ModeDisplacement, "Перемещения"},
        {Command::ModeDelete, "Режим удаления"},
    };
    for (const auto &[id, text] : texts)
        EXPECT_EQ(frame.action(id)->text(), QString::fromUtf8(text)) << id;

    frame.action(Command::ModeDelete)->trigger();
    EXPECT_EQ(frameView->mode(), ModeDelete);
    EXPECT_TRUE(frame.action(Command::ModeDelete)->isChecked());
    EXPECT_FALSE(frame.action(Command::ModeEdit)->isChecked());
}

} // namespace
