// The one-level undo and redo: the state table of the two snapshots, the
// enabling of the commands, and that new and open start without history.

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "support/DocumentAccess.h"
#include "support/RecordingReporter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UndoRedoTest : public ::testing::Test {
protected:
    bool enabled(int id)
    {
        CommandState state;
        EXPECT_TRUE(doc.updateCommand(id, state));
        return state.enabled;
    }
    // Undo and redo availability, as the menu shows it.
    void expectState(bool undo, bool redo, const char *when)
    {
        EXPECT_EQ(doc.canUndo(), undo) << when;
        EXPECT_EQ(doc.canRedo(), redo) << when;
        EXPECT_EQ(enabled(Command::EditUndo), undo) << when;
        EXPECT_EQ(enabled(Command::EditRedo), redo) << when;
    }
    int nodes() const { return doc.structure().nodes.count; }

    RecordingReporter reporter;
    RuvoDoc doc;
};

TEST_F(UndoRedoTest, TheFirstNodeOfAnEmptyStructureCannotBeUndone)
{
    expectState(false, false, "new document");
    doc.addNode(0, 0, true);
    expectState(false, false, "the snapshot of an empty structure is empty");
    doc.onCommand(Command::EditUndo);
    EXPECT_EQ(nodes(), 1) << "undo with nothing to undo changes nothing";
}

TEST_F(UndoRedoTest, UndoAndRedoFollowTheStateTable)
{
    doc.addNode(0, 0, true);
    doc.addNode(1, 0, true);
    expectState(true, false, "U set, R empty after an edit");

    doc.onCommand(Command::EditUndo);
    EXPECT_EQ(nodes(), 1);
    expectState(false, true, "after undo: U empty, R = before-undo");
    doc.onCommand(Command::EditUndo);
    EXPECT_EQ(nodes(), 1) << "a second undo changes nothing";

    doc.onCommand(Command::EditRedo);
    EXPECT_EQ(nodes(), 2);
    expectState(true, false, "after redo: U = before-redo, R empty");
    doc.onCommand(Command::EditRedo);
    EXPECT_EQ(nodes(), 2) << "a second redo changes nothing";

    // Undo and redo toggle between the same two structures.
    for (int i = 0; i < 3; ++i) {
        doc.onCommand(Command::EditUndo);
        EXPECT_EQ(nodes(), 1);
        doc.onCommand(Command::EditRedo);
        EXPECT_EQ(nodes(), 2);
    }

    doc.onCommand(Command::EditUndo);
    doc.addNode(5, 5, false);
    expectState(true, false, "an edit after undo drops the redo snapshot");
    doc.onCommand(Command::EditUndo);
    EXPECT_EQ(nodes(), 1);
}

TEST_F(UndoRedoTest, SnapshotsKeepSelectionAndEveryFieldAndEndWithStructureChanged)
{
    doc.addNode(0, 0, false);
    doc.addNode(3, 0, true);
    EditableStructure(doc).nodes[1].select();
    EditableStructure(doc).nodes[1].force = Pair(1, 2);
    doc.setModified(false);
    doc.addRod(0, 1);
    EditableStructure(doc).nodes[1].deselect();
    QSignalSpy updates(&doc, &RuvoDoc::viewsUpdated);
    doc.undo();
    EXPECT_EQ(doc.structure().rods.count, 0);
    EXPECT_TRUE(doc.structure().nodes[1].isSelected()) << "the marks of the snapshot come back";
    EXPECT_EQ(doc.structure().nodes[1].force, Pair(1, 2));
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.needsCalculation);
    EXPECT_GE(updates.count(), 1);
}

TEST_F(UndoRedoTest, NewAndOpenForgetBothSnapshotsAndTheCalculationTime)
{
    QSignalSpy status(&doc, &RuvoDoc::statusMessage);
    doc.addNode(0, 0, true);
    doc.addNode(1, 0, true);
    doc.newDocument();
    EXPECT_EQ(nodes(), 0);
    expectState(false, false, "after new");
    doc.undo();
    EXPECT_EQ(nodes(), 0) << "undo cannot bring back the structure edited before new";
    ASSERT_GE(status.count(), 1);
    EXPECT_EQ(status.last().at(0).toString(), QStringLiteral("Готов"))
        << "the old calculation time is cleared";

    // Opening a file forgets them too, also right after an undo (when only
    // redo would have been lit).
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("two.str"));
    doc.addNode(2, 0, true);
    doc.addNode(3, 0, true);
    ASSERT_TRUE(doc.saveFile(path)); // two nodes
    doc.addNode(4, 0, true);
    ASSERT_TRUE(doc.openFile(path));
    expectState(false, false, "after open");
    doc.addNode(5, 0, true);
    doc.undo();
    expectState(false, true, "after an undo");
    status.clear();
    ASSERT_TRUE(doc.openFile(path));
    expectState(false, false, "after open following an undo");
    doc.redo();
    doc.undo();
    EXPECT_EQ(nodes(), 2) << "the structure of the file, untouched";
    EXPECT_FALSE(doc.isModified());
    ASSERT_GE(status.count(), 1);
    EXPECT_EQ(status.last().at(0).toString(), QStringLiteral("Готов"));
}

// That a cancelled dialog takes no snapshot is the element commands' test
// (ElementCommandsTest.DialogCommandsTakeTheirSnapshotOnlyOnOk).
TEST_F(UndoRedoTest, RefusedEditsStillTakeASnapshot)
{
    doc.addNode(0, 0, true);
    doc.addNode(1, 0, true);
    doc.undo();
    expectState(false, true, "before");
    doc.addNode(0, 0, true); // on top of the existing node: refused
    EXPECT_EQ(nodes(), 1);
    expectState(true, false, "the refused edit took the snapshot");
    EXPECT_TRUE(doc.isModified());
}

} // namespace
