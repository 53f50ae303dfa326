// The element commands: the document's operations that the view calls,
// the load dialogs, the delete commands and the single and multiple
// property dialogs, each with its snapshot after OK and nothing on Cancel.

#include "app/ElementCommands.h"

#include "dialogs/GuiTestSupport.h"
#include "dialogs/ModalScript.h"
#include "dialogs/MultiNodeDialog.h"
#include "dialogs/MultiRodDialog.h"
#include "dialogs/RodDialog.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "support/DocumentAccess.h"
#include "support/SettingsRestorer.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class ElementCommandsTest : public ::testing::Test {
protected:
    // Two support nodes and a free node joined by two rods:
    // 0 (0,0) support - 2 (0,4) free - 1 (4,4) support.
    void portal()
    {
        StructureModel &s = EditableStructure(doc);
        s.clear();
        s.addNode(0, 0, false);
        s.addNode(4, 4, false);
        s.addNode(0, 4, true);
        s.addRod(0, 2);
        s.addRod(1, 2);
        doc.setModified(false);
    }
    // A rigid portal frame that can sway, so that it calculates, built in
    // the order a calculation leaves (free nodes and rods first), so that
    // calculating moves nothing: free corners 0 (0,4) and 1 (4,4), supports
    // 2 (0,0) and 3 (4,0); the beam 0-1 and the columns 0-2 and 1-3.
    void swayFrame()
    {
        Settings::current().type = 2;
        StructureModel &s = EditableStructure(doc);
        s.clear();
        s.addNode(0, 4, true);
        s.addNode(4, 4, true);
        s.addNode(0, 0, false);
        s.addNode(4, 0, false);
        s.addRod(0, 1);
        s.addRod(0, 2);
        s.addRod(1, 3);
        doc.setModified(false);
    }
    const Node &node(int i) const { return doc.structure().nodes[i]; }
    const Rod &rod(int i) const { return doc.structure().rods[i]; }

    SettingsRestorer settings;
    RecordingReporter reporter;
    RuvoDoc doc;
    ElementCommands commands{&doc};
};

TEST_F(ElementCommandsTest, ViewOperationsEditTheModelWithASnapshotEvenWhenRefused)
{
    portal();
    doc.moveNode(2, 0, 5);
    EXPECT_EQ(node(2).y, 5.0);
    EXPECT_TRUE(doc.canUndo());
    EXPECT_TRUE(doc.isModified());

    doc.undo();
    doc.moveNode(2, 4, 4); // onto node 1: refused, but recorded
    EXPECT_EQ(node(2).x, 0.0);
    EXPECT_TRUE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());

    doc.addRod(0, 2); // duplicate
    EXPECT_EQ(doc.structure().rods.count, 2);
    doc.addRod(1, 0);
    ASSERT_EQ(doc.structure().rods.count, 3);
    EXPECT_EQ(rod(2).begin.node, 0) << "rods run from the lower position";

    doc.splitRod(2, 2, 2, false);
    EXPECT_EQ(doc.structure().nodes.count, 4);
    EXPECT_EQ(node(3).isFree, 0);
    EXPECT_EQ(doc.structure().rods.count, 4);

    // Where a node stands already, the rod is not split: no rod of no length.
    doc.splitRod(0, 0, 0, true);
    EXPECT_EQ(doc.structure().nodes.count, 4);
    EXPECT_EQ(doc.structure().rods.count, 4);
    {
        ModalScript script;
        commands.forceOnRod(0, 4, 4);
        commands.momentOnRod(0, 0, 4);
        EXPECT_TRUE(script.dialogs.empty());
    }
    EXPECT_EQ(doc.structure().nodes.count, 4);

    // Positions outside the lists change nothing, not even the snapshot.
    doc.undo();
    const bool couldUndo = doc.canUndo();
    const bool couldRedo = doc.canRedo();
    doc.setModified(false);
    doc.moveNode(7, 0, 0);
    doc.addRod(0, 9);
    doc.splitRod(-1, 0, 0, true);
    EXPECT_EQ(doc.canUndo(), couldUndo);
    EXPECT_EQ(doc.canRedo(), couldRedo);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.structure().rods.count, 4);
}

TEST_F(ElementCommandsTest, ForceAndMomentOnARodSplitItOnlyAfterOk)
{
    portal();
    {
        ModalScript script;
        script.then(PressCancel);
        commands.forceOnRod(0, 0, 2);
        ASSERT_EQ(script.dialogs.size(), 1u);
        EXPECT_EQ(script.dialogs[0], QStringLiteral("Сила"));
    }
    EXPECT_EQ(doc.structure().rods.count, 2) << "cancelled: nothing split";
    EXPECT_FALSE(doc.canUndo());
    EXPECT_FALSE(doc.isModified());

    {
        ModalScript script;
        script.then(TypeAndOk({{"first", "10"}, {"second", "-5"}}));
        commands.forceOnRod(0, 0, 2);
    }
    ASSERT_EQ(doc.structure().nodes.count, 4);
    EXPECT_EQ(node(3).force, Pair(10, -5));
    EXPECT_EQ(node(3).isFree, 1);
    EXPECT_EQ(node(3).y, 2.0);
    EXPECT_EQ(doc.structure().rods.count, 3);
    EXPECT_TRUE(doc.canUndo());

    {
        ModalScript script;
        script.then([](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Момент"));
            return TypeAndOk({{"moment", "-7.5"}})(dialog);
        });
        commands.momentOnRod(1, 2, 4);
    }
    ASSERT_EQ(doc.structure().nodes.count, 5);
    EXPECT_EQ(node(4).moment, -7.5);
    EXPECT_EQ(node(4).force, Pair(0, 0));
}

TEST_F(ElementCommandsTest, LoadDialogsStartFromTheElementAndWriteBackOnOk)
{
    portal();
    EditableStructure(doc).nodes[2].force = Pair(1, 2);
    EditableStructure(doc).rods[0].height = 0.5;
    EditableStructure(doc).rods[0].alpha = 2;
    ModalScript script;
    script
        .then([](QDialog &dialog) {
            auto &fields = dynamic_cast<FieldDialog &>(dialog);
            EXPECT_EQ(fields.field("first")->text(), QStringLiteral("1"));
            EXPECT_EQ(fields.field("second")->text(), QStringLiteral("2"));
            return TypeAndOk({{"second", "3"}})(dialog);
        })
        .then(TypeAndOk({{"moment", "4"}}))
        .then(TypeAndOk({{"first", "0"}, {"second", "-10"}}))
        .then([](QDialog &dialog) {
            auto &fields = dynamic_cast<FieldDialog &>(dialog);
            EXPECT_EQ(fields.field("height")->text(), QStringLiteral("0.5"));
            return TypeAndOk({{"left", "20"}, {"right", "-20"}, {"alpha", "1e-5"}})(dialog);
        })
        .then(TypeAndOk({{"dx", "0.01"}, {"da", "-90"}}));
    commands.forceOnNode(2);
    commands.momentOnNode(2);
    commands.distributedLoad(1);
    commands.temperatureOnRod(0);
    commands.displacementOnNode(0);
    EXPECT_EQ(script.dialogs, (std::vector<QString>{QStringLiteral("Сила"), QStringLiteral("Момент"),
                                                    QStringLiteral("Распределенная нагрузка"),
                                                    QStringLiteral("Температурная нагрузка"),
                                                    QStringLiteral("Перемещение")}));
    EXPECT_EQ(node(2).force, Pair(1, 3));
    EXPECT_EQ(node(2).moment, 4.0);
    EXPECT_EQ(rod(1).load, Pair(0, -10));
    EXPECT_EQ(rod(0).temperature, Pair(20, -20));
    EXPECT_EQ(rod(0).alpha, 1e-5);
    EXPECT_EQ(rod(0).height, 0.5);
    EXPECT_EQ(node(0).displacement, Triple(0.01, 0, -90));
}

TEST_F(ElementCommandsTest, DeleteCommandsActOnTheCurrentElementAndKeepAlphaAndHeight)
{
    portal();
    EditableStructure(doc).nodes[2].force = Pair(1, 1);
    EditableStructure(doc).nodes[2].moment = 3;
    EditableStructure(doc).nodes[0].displacement = Triple(0, 0.1, 0);
    EditableStructure(doc).rods[1].load = Pair(0, -1);
    EditableStructure(doc).rods[1].temperature = Pair(5, 5);
    EditableStructure(doc).rods[1].alpha = 7;
    EditableStructure(doc).rods[1].height = 0.3;

    doc.setCurrentNode(2);
    doc.onCommand(Command::DeleteForce);
    EXPECT_EQ(node(2).force, Pair(0, 0));
    EXPECT_EQ(node(2).moment, 3.0);
    doc.onCommand(Command::DeleteMoment);
    EXPECT_EQ(node(2).moment, 0.0);
    doc.setCurrentNode(0);
    doc.onCommand(Command::DeleteDisplacement);
    EXPECT_EQ(node(0).displacement, Triple(0, 0, 0));
    doc.setCurrentRod(1);
    doc.onCommand(Command::DeleteDistributedLoad);
    EXPECT_EQ(rod(1).load, Pair(0, 0));
    doc.onCommand(Command::DeleteTemperature);
    EXPECT_EQ(rod(1).temperature, Pair(0, 0));
    EXPECT_EQ(rod(1).alpha, 7.0);
    EXPECT_EQ(rod(1).height, 0.3);
    doc.onCommand(Command::DeleteRod);
    EXPECT_EQ(doc.structure().rods.count, 1);
    doc.undo();
    EXPECT_EQ(doc.structure().rods.count, 2) << "each delete is one undo step";

    doc.setCurrentNode(2);
    doc.onCommand(Command::DeleteNode);
    EXPECT_EQ(doc.structure().nodes.count, 2);
    EXPECT_EQ(doc.structure().rods.count, 0) << "the rods at the node go with it";

    // A stale position (the lists have shrunk since) changes nothing.
    doc.undo();
    doc.setCurrentNode(5);
    doc.setCurrentRod(9);
    CommandState state;
    ASSERT_TRUE(doc.updateCommand(Command::DeleteNode, state));
    EXPECT_FALSE(state.enabled);
    for (int id : {Command::DeleteNode, Command::DeleteForce, Command::DeleteRod, Command::DeleteTemperature,
                   Command::NodeProperties, Command::RodProperties})
        EXPECT_TRUE(doc.onCommand(id) || commands.onCommand(id));
    EXPECT_EQ(doc.structure().nodes.count, 3);
    EXPECT_EQ(doc.structure().rods.count, 2);
    EXPECT_FALSE(doc.canUndo());
}

TEST_F(ElementCommandsTest, NodeDialogWritesBackAndResetsJointsWhenTheSupportStateChanges)
{
    SettingsRestorer backup;
    Settings::current().type = 2;
    portal();
    EditableStructure(doc).rods[0].begin = RodEnd(0, JointType::MovingHinge, 30);
    {
        ModalScript script;
        script.then([](QDialog &dialog) {
            auto &fields = dynamic_cast<FieldDialog &>(dialog);
            EXPECT_EQ(fields.field("x")->text(), QStringLiteral("0"));
            dialog.findChild<QCheckBox *>()->setChecked(true); // support -> free
            return TypeAndOk({{"x", "-1"}, {"fx", "2"}})(dialog);
        });
        commands.nodeProperties(0);
    }
    EXPECT_EQ(node(0).x, -1.0);
    EXPECT_EQ(node(0).isFree, 1);
    EXPECT_EQ(node(0).force, Pair(2, 0));
    EXPECT_EQ(rod(0).begin, RodEnd(0, JointType::Fixed, 0)) << "the setting \"Type\" with angle 0";
    EXPECT_TRUE(doc.canUndo());

    // Cancel changes nothing at all.
    doc.setModified(false);
    doc.undo();
    doc.setModified(false);
    {
        ModalScript script;
        script.then([](QDialog &dialog) {
            dynamic_cast<FieldDialog &>(dialog).field("x")->setText(QStringLiteral("9"));
            return PressCancel(dialog);
        });
        commands.nodeProperties(0);
    }
    EXPECT_EQ(node(0).x, 0.0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.canRedo());
}

TEST_F(ElementCommandsTest, RodDialogSharesAMovingHingeWithTheOtherRodsAtTheSupport)
{
    portal();
    doc.addRod(0, 1); // a second rod at support node 0
    EditableStructure(doc).rods[1].begin.joint = JointType::Hinge;
    ModalScript script;
    script.then([](QDialog &dialog) {
        auto &rodDialog = dynamic_cast<RodDialog &>(dialog);
        rodDialog.jointGroup(true)->button(JointChoice::MovingHinge)->click();
        return TypeAndOk({{"beginAngle", "30"}, {"ei", "250"}, {"qy", "-3"}})(dialog);
    });
    commands.rodProperties(0);
    EXPECT_EQ(rod(0).begin, RodEnd(0, JointType::MovingHinge, 30));
    EXPECT_EQ(rod(0).EI, 250.0);
    EXPECT_EQ(rod(0).load, Pair(0, -3));
    EXPECT_EQ(rod(2).begin, RodEnd(0, JointType::MovingHinge, 30)) << "the same support, the same joint";
    EXPECT_EQ(rod(1).begin.joint, JointType::Hinge) << "another support keeps its own";
}

TEST_F(ElementCommandsTest, ASupportLinkOpensWithItsLoadFieldsDisabled)
{
    portal();
    EditableStructure(doc).rods[0].begin.joint = JointType::Hinge;
    EditableStructure(doc).rods[0].end.joint = JointType::Hinge;
    ModalScript script;
    script.then([](QDialog &dialog) {
        auto &fields = dynamic_cast<FieldDialog &>(dialog);
        EXPECT_FALSE(fields.field("qx")->isEnabled());
        EXPECT_FALSE(fields.field("right")->isEnabled());
        return PressCancel(dialog);
    });
    commands.rodProperties(0);
}

TEST_F(ElementCommandsTest, MultipleNodeDialogChangesOnlyWhatTheUserFilled)
{
    portal();
    EditableStructure(doc).nodes[0].force = Pair(1, 0);
    EditableStructure(doc).nodes[2].force = Pair(2, 0);
    EditableStructure(doc).nodes[0].select();
    EditableStructure(doc).nodes[2].select();
    ModalScript script;
    script.then([](QDialog &dialog) {
        auto &multi = dynamic_cast<MultiNodeDialog &>(dialog);
        EXPECT_TRUE(multi.field("fx")->text().isEmpty()) << "Fx differs";
        EXPECT_EQ(multi.field("fy")->text(), QStringLiteral("0"));
        EXPECT_EQ(multi.freeCheckBox()->checkState(), Qt::PartiallyChecked);
        return TypeAndOk({{"fy", "5"}})(dialog);
    });
    commands.selectedNodeProperties();
    EXPECT_EQ(node(0).force, Pair(1, 5));
    EXPECT_EQ(node(2).force, Pair(2, 5));
    EXPECT_EQ(node(0).isFree, 0) << "an indeterminate box keeps each node's state";
    EXPECT_EQ(node(2).isFree, 1);
    EXPECT_EQ(node(1).force, Pair(0, 0)) << "an unselected node is untouched";
}

TEST_F(ElementCommandsTest, MultipleNodeDialogMakesSupportsFreeAndKeepsTheirLoads)
{
    SettingsRestorer backup;
    Settings::current().type = 1;
    portal();
    EditableStructure(doc).rods[0].begin = RodEnd(0, JointType::Fixed, 10);
    EditableStructure(doc).nodes[0].displacement = Triple(0.5, 0, 0);
    EditableStructure(doc).nodes[0].select();
    EditableStructure(doc).nodes[1].select();
    ModalScript script;
    script.then([](QDialog &dialog) {
        dynamic_cast<MultiNodeDialog &>(dialog).freeCheckBox()->setCheckState(Qt::Checked);
        return PressOk(dialog);
    });
    commands.selectedNodeProperties();
    EXPECT_TRUE(script.messages.empty()) << "no load-rule messages here";
    EXPECT_EQ(node(0).isFree, 1);
    EXPECT_EQ(node(1).isFree, 1);
    EXPECT_EQ(rod(0).begin, RodEnd(0, JointType::Hinge, 0));
    EXPECT_EQ(node(0).displacement, Triple(0.5, 0, 0));
}

TEST_F(ElementCommandsTest, OneSelectedElementOpensTheSingleDialogAndNoneOpensNothing)
{
    portal();
    {
        ModalScript script;
        commands.selectedNodeProperties();
        commands.selectedRodProperties();
        EXPECT_TRUE(script.dialogs.empty());
    }
    EditableStructure(doc).nodes[1].select();
    EditableStructure(doc).rods[1].select();
    ModalScript script;
    script.then(PressCancel).then(PressCancel);
    commands.selectedNodeProperties();
    commands.selectedRodProperties();
    EXPECT_EQ(script.dialogs,
              (std::vector<QString>{QStringLiteral("Свойства узла"), QStringLiteral("Свойства стержня")}));
}

TEST_F(ElementCommandsTest, MultipleRodDialogAppliesAnglesAtSupportsOnlyAndKeepsUnshownJoints)
{
    portal();
    // Both rods end rigidly at free node 2 and begin at a moving hinge.
    for (int i = 0; i < 2; ++i) {
        EditableStructure(doc).rods[i].begin.joint = JointType::MovingHinge;
        EditableStructure(doc).rods[i].end.joint = JointType::Fixed;
        EditableStructure(doc).rods[i].select();
    }
    EditableStructure(doc).rods[1].EI = 5;
    ModalScript script;
    script.then([](QDialog &dialog) {
        auto &multi = dynamic_cast<MultiRodDialog &>(dialog);
        EXPECT_EQ(multi.jointGroup(true)->checkedId(), -1) << "a moving hinge is shown with no choice";
        EXPECT_EQ(multi.jointGroup(false)->checkedId(), JointChoice::Fixed);
        EXPECT_TRUE(multi.field("ei")->text().isEmpty());
        return TypeAndOk({{"beginAngle", "45"}, {"endAngle", "60"}, {"qy", "-2"}})(dialog);
    });
    commands.selectedRodProperties();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rod(i).begin.joint, JointType::MovingHinge)
            << "confirming keeps the moving hinge of rod " << i;
        EXPECT_EQ(rod(i).begin.angle, 45.0) << i;
        EXPECT_EQ(rod(i).end.angle, 0.0) << "no angle lands at a free node, rod " << i;
        EXPECT_EQ(rod(i).end.joint, JointType::Fixed) << i;
        EXPECT_EQ(rod(i).load, Pair(0, -2)) << i;
    }
    EXPECT_EQ(rod(0).EI, 1.0);
    EXPECT_EQ(rod(1).EI, 5.0);

    // Choosing a joint does change it, and the support shares it.
    ModalScript again;
    again.then([](QDialog &dialog) {
        dynamic_cast<MultiRodDialog &>(dialog).jointGroup(true)->button(JointChoice::Hinge)->click();
        return PressOk(dialog);
    });
    commands.selectedRodProperties();
    EXPECT_EQ(rod(0).begin.joint, JointType::Hinge);
    EXPECT_EQ(rod(1).begin.joint, JointType::Hinge);
}

// Every command that opens a dialog: Cancel leaves the structure, both
// snapshots and the modified flag alone; OK takes exactly one undo step,
// drops the redo snapshot, and a shown diagram follows the change at once.
TEST_F(ElementCommandsTest, DialogCommandsTakeTheirSnapshotOnlyOnOk)
{
    struct Case {
        const char *name;
        std::function<void(RuvoDoc &)> select; // the selection the command reads
        std::function<void(ElementCommands &)> command;
        ModalScript::Answer ok;
    };
    const std::vector<Case> cases = {
        {"force on node", nullptr, [](ElementCommands &e) { e.forceOnNode(0); }, TypeAndOk({{"first", "3"}})},
        {"moment on node", nullptr, [](ElementCommands &e) { e.momentOnNode(0); }, TypeAndOk({{"moment", "3"}})},
        {"force on rod", nullptr, [](ElementCommands &e) { e.forceOnRod(1, 0, 2); }, TypeAndOk({{"second", "-1"}})},
        {"moment on rod", nullptr, [](ElementCommands &e) { e.momentOnRod(1, 0, 2); }, TypeAndOk({{"moment", "1"}})},
        {"distributed load", nullptr, [](ElementCommands &e) { e.distributedLoad(0); },
         TypeAndOk({{"second", "-2"}})},
        {"displacement", nullptr, [](ElementCommands &e) { e.displacementOnNode(2); }, TypeAndOk({{"dy", "-0.01"}})},
        {"temperature", nullptr, [](ElementCommands &e) { e.temperatureOnRod(1); }, TypeAndOk({{"left", "10"}})},
        {"node properties", nullptr, [](ElementCommands &e) { e.nodeProperties(0); }, TypeAndOk({{"fx", "4"}})},
        {"rod properties", nullptr, [](ElementCommands &e) { e.rodProperties(1); }, TypeAndOk({{"ei", "7"}})},
        {"node properties of the selection",
         [](RuvoDoc &d) {
             d.selectNode(0, true);
             d.selectNode(2, true);
         },
         [](ElementCommands &e) { e.selectedNodeProperties(); }, TypeAndOk({{"moment", "2"}})},
        {"rod properties of the selection",
         [](RuvoDoc &d) {
             d.selectRod(0, true);
             d.selectRod(1, true);
         },
         [](ElementCommands &e) { e.selectedRodProperties(); }, TypeAndOk({{"ef", "9"}})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        swayFrame();
        if (c.select)
            c.select(doc);
        // State "U empty, R set": a redo snapshot that an edit would drop.
        doc.addNode(9, 9, true);
        doc.undo();
        const std::string before = WriteStructure(doc.structure());
        doc.setModified(false);
        doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 0);
        {
            ModalScript script;
            script.then(PressCancel);
            c.command(commands);
            EXPECT_EQ(script.dialogs.size(), 1u);
        }
        EXPECT_EQ(WriteStructure(doc.structure()), before) << "Cancel changes nothing";
        EXPECT_FALSE(doc.canUndo());
        EXPECT_TRUE(doc.canRedo()) << "Cancel keeps the redo snapshot";
        EXPECT_FALSE(doc.isModified());

        ASSERT_TRUE(doc.calculate());
        doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
        {
            ModalScript script;
            script.then(c.ok);
            c.command(commands);
        }
        EXPECT_NE(WriteStructure(doc.structure()), before) << "OK applies the values";
        EXPECT_TRUE(doc.canUndo());
        EXPECT_FALSE(doc.canRedo());
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(doc.display(RuvoDoc::ResultDisplay::Moments), 1);
        EXPECT_FALSE(doc.needsCalculation) << "the shown diagram was recalculated after the change";
        EXPECT_TRUE(reporter.messages.empty());

        doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 0);
        doc.undo();
        EXPECT_EQ(WriteStructure(doc.structure()), before) << "one undo step brings back the structure";
        EXPECT_FALSE(doc.canUndo());
        doc.deselectAll();
    }
}

TEST_F(ElementCommandsTest, AnEditThatMakesTheStructureFailSwitchesTheDiagramOff)
{
    swayFrame();
    ASSERT_TRUE(doc.calculate());
    doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
    doc.setDisplay(RuvoDoc::ResultDisplay::Reactions, 1);
    doc.selectNode(2, true);
    doc.selectNode(3, true);
    ModalScript script;
    script.then([](QDialog &dialog) {
        // Both supports become free nodes: nothing holds the frame.
        dynamic_cast<MultiNodeDialog &>(dialog).freeCheckBox()->setCheckState(Qt::Checked);
        return PressOk(dialog);
    });
    commands.selectedNodeProperties();
    EXPECT_EQ(node(2).isFree, 1);
    EXPECT_FALSE(doc.anyResultShown()) << "the failed recalculation switched the displays off";
    EXPECT_TRUE(doc.needsCalculation);
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_TRUE(doc.canUndo()) << "the edit itself stands";
}

TEST_F(ElementCommandsTest, EveryChangePublishesThatPositionsMayBeStale)
{
    portal();
    QSignalSpy positions(&doc, &RuvoDoc::positionsChanged);
    doc.addNode(9, 9, true);
    EXPECT_EQ(positions.count(), 1);
    doc.undo();
    EXPECT_EQ(positions.count(), 2);
    doc.redo();
    EXPECT_EQ(positions.count(), 3);
    doc.newDocument();
    EXPECT_EQ(positions.count(), 4);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("frame.str"));
    portal();
    ASSERT_TRUE(doc.saveFile(path));
    EXPECT_EQ(positions.count(), 4) << "saving moves nothing";
    ASSERT_TRUE(doc.openFile(path));
    EXPECT_EQ(positions.count(), 5);
}

} // namespace
