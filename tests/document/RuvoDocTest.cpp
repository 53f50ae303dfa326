// The document: files, the modified flag and title, the calculation trigger,
// undo and redo and the selection commands.

#include "document/RuvoDoc.h"

#include "document/CommandIds.h"
#include "fixtures/FilesAndPixels.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"
#include "support/DocumentAccess.h"
#include "support/RecordingReporter.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A cantilever 2 m long, clamped at the left, with a downward tip force.
void MakeCantilever(StructureModel &structure)
{
    structure.clear();
    structure.addNode(0.0, 0.0, false);
    structure.addNode(2.0, 0.0, true);
    structure.addRod(0, 1);
    structure.rods[0].begin.joint = JointType::Fixed;
    structure.rods[0].end.joint = JointType::Fixed;
    structure.nodes[1].force = Pair(0.0, -10.0);
}

// A rod between two free nodes: refused by the calculation (no supports).
void MakeFloatingRod(StructureModel &structure)
{
    structure.clear();
    structure.addNode(0.0, 0.0, true);
    structure.addNode(2.0, 0.0, true);
    structure.addRod(0, 1);
}

// The position of the first support node, or of the first free node: the
// calculation puts free nodes before support nodes.
int FindNode(const StructureModel &structure, bool isFree)
{
    for (int i = 0; i < structure.nodes.count; ++i)
        if ((structure.nodes[i].isFree != 0) == isFree)
            return i;
    return -1;
}

// An edit as the element commands make it: snapshot, change, structureChanged.
void AddNode(RuvoDoc &doc, double x, double y)
{
    doc.saveUndoState();
    EditableStructure(doc).addNode(x, y, true);
    doc.structureChanged();
}

// Makes a folder read-only for its lifetime. Root ignores permissions, so
// for root the folder is also made immutable where the file system allows.
class LockedFolder {
public:
    explicit LockedFolder(const QString &folderPath) : path(folderPath)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        if (!canWrite())
            return;
        immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    ~LockedFolder()
    {
        if (immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    LockedFolder(const LockedFolder &) = delete;
    LockedFolder &operator=(const LockedFolder &) = delete;

    bool isLocked() const { return !canWrite(); }

private:
    bool canWrite() const
    {
        QFile probe(QDir(path).filePath(QStringLiteral("probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.close();
        probe.remove();
        return true;
    }

    QString path;
    bool immutable = false;
};

class RuvoDocTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString pathOf(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }

    RecordingReporter reporter;
    QTemporaryDir folder;
    RuvoDoc doc;
};

TEST_F(RuvoDocTest, NewDocumentEmptiesTheStructureKeepsTheResultsFlagAndForgetsUndo)
{
    EXPECT_EQ(doc.title(), QStringLiteral("Новая Конструкция"));
    EXPECT_FALSE(doc.isModified());

    MakeCantilever(EditableStructure(doc));
    AddNode(doc, 5.0, 5.0);
    ASSERT_TRUE(doc.isModified());
    ASSERT_TRUE(doc.canUndo());
    doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
    doc.setDisplay(RuvoDoc::ResultDisplay::Reactions, 1);
    doc.needsCalculation = false;

    QSignalSpy titles(&doc, &RuvoDoc::titleChanged);
    doc.newDocument();
    EXPECT_EQ(doc.structure().elementCount(), 0);
    EXPECT_TRUE(doc.fitRequested());
    EXPECT_FALSE(doc.anyResultShown());
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.needsCalculation) << "new leaves the results flag as it was";
    EXPECT_FALSE(doc.canUndo()) << "the old structure's snapshot is gone";
    ASSERT_EQ(titles.count(), 1);
    EXPECT_EQ(titles.at(0).at(0).toString(), QStringLiteral("Новая Конструкция"));
}

TEST_F(RuvoDocTest, SaveAndReopenLeavesTheFileByteIdentical)
{
    MakeCantilever(EditableStructure(doc));
    EditableStructure(doc).nodes[1].moment = 1.0 / 3.0;
    EditableStructure(doc).rods[0].load = Pair(-2.5, 1e-7);
    EditableStructure(doc).rods[0].temperature = Pair(20.0, -15.5);
    doc.structureChanged();
    const QString first = pathOf("first.str");
    ASSERT_TRUE(doc.saveFile(first));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), QStringLiteral("first.str"));
    EXPECT_EQ(ReadBytes(first), QByteArray::fromStdString(WriteStructure(doc.structure())));

    RuvoDoc reopened;
    ASSERT_TRUE(reopened.openFile(first));
    const QString second = pathOf("second.str");
    ASSERT_TRUE(reopened.saveFile(second));
    EXPECT_EQ(ReadBytes(second), ReadBytes(first));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(RuvoDocTest, BundledExamplesSurviveOpenAndSaveUnchanged)
{
    const char *examples = std::getenv("RUVO_EXAMPLES");
    if (examples == nullptr)
        examples = RUVO_SOURCE_EXAMPLES;
    const QStringList files = QDir(QString::fromLocal8Bit(examples)).entryList({QStringLiteral("*.str")});
    if (files.isEmpty())
        GTEST_SKIP() << "no example structures";
    for (const QString &name : files) {
        const QString original = QDir(QString::fromLocal8Bit(examples)).filePath(name);
        ASSERT_TRUE(doc.openFile(original)) << name.toStdString();
        EXPECT_GT(doc.structure().elementCount(), 0) << name.toStdString();
        const QString copy = folder.filePath(name);
        ASSERT_TRUE(doc.saveFile(copy)) << name.toStdString();
        EXPECT_EQ(ReadBytes(copy), ReadBytes(original)) << name.toStdString();
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(RuvoDocTest, AFileThatCannotBeReadIsReportedAndTheDocumentKept)
{
    MakeCantilever(EditableStructure(doc));
    doc.structureChanged();
    // A missing file and a folder.
    for (const QString &path : {pathOf("missing.str"), folder.path()}) {
        reporter.messages.clear();
        EXPECT_FALSE(doc.openFile(path)) << path.toStdString();
        ASSERT_EQ(reporter.messages.size(), 1u) << path.toStdString();
        EXPECT_EQ(reporter.messages[0].headline, "Ошибка открытия файла!");
        EXPECT_NE(reporter.messages[0].reason.find(path.toStdString()), std::string::npos);
        EXPECT_EQ(doc.structure().nodes.count, 2);
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(doc.title(), QStringLiteral("Новая Конструкция"));
    }
}

TEST_F(RuvoDocTest, AMalformedLineIsReportedAndTheFileCountsAsOpenedWithFreshResults)
{
    const QString path = pathOf("broken.str");
    ASSERT_TRUE(WriteBytes(path, "Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3\nNode0 3 1 1 1 0 0 0 0 0 0\n"));
    MakeCantilever(EditableStructure(doc));
    doc.needsCalculation = false;
    doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
    doc.fitDone();

    EXPECT_TRUE(doc.openFile(path));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].reason, "Не могу загрузить узлы.");
    EXPECT_EQ(doc.structure().nodes.count, 1) << "the node before the bad line stays";
    EXPECT_EQ(doc.structure().rods.count, 0);
    // The results of the old structure must not be shown for the new one.
    EXPECT_TRUE(doc.needsCalculation);
    EXPECT_FALSE(doc.anyResultShown());
    EXPECT_TRUE(doc.fitRequested());
    EXPECT_EQ(doc.title(), QStringLiteral("broken.str"));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(RuvoDocTest, OpeningSwitchesResultsOffAndInvalidatesThem)
{
    MakeCantilever(EditableStructure(doc));
    const QString path = pathOf("cantilever.str");
    ASSERT_TRUE(doc.saveFile(path));
    ASSERT_TRUE(doc.calculate());
    doc.setDisplay(RuvoDoc::ResultDisplay::Shear, 1);
    doc.setDisplay(RuvoDoc::ResultDisplay::Displacements, 1);
    ASSERT_TRUE(doc.openFile(path));
    EXPECT_TRUE(doc.needsCalculation);
    EXPECT_FALSE(doc.anyResultShown());
}

TEST_F(RuvoDocTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    // A folder that does not exist, and a name that is a folder, fail for
    // every user.
    MakeCantilever(EditableStructure(doc));
    doc.structureChanged();
    QDir(folder.path()).mkdir(QStringLiteral("taken.str"));
    for (const QString &path : {pathOf("no-such-folder/structure.str"), pathOf("taken.str")}) {
        reporter.messages.clear();
        EXPECT_FALSE(doc.saveFile(path)) << path.toStdString();
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].headline, "Ошибка записи файла!");
        EXPECT_TRUE(doc.isModified());
        EXPECT_TRUE(doc.filePath().isEmpty());
    }
    reporter.messages.clear();

    // A folder nobody may write into: the old file must survive unchanged.
    QDir(folder.path()).mkdir(QStringLiteral("locked"));
    const QString path = pathOf("locked/structure.str");
    ASSERT_TRUE(WriteBytes(path, "old contents\n"));
    LockedFolder locked(pathOf("locked"));
    if (!locked.isLocked())
        GTEST_SKIP() << "this user can write into a read-only folder";
    EXPECT_FALSE(doc.saveFile(path));
    EXPECT_EQ(ReadBytes(path), QByteArray("old contents\n"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(RuvoDocTest, StructureChangedRecalculatesOnlyWhileAResultIsShown)
{
    MakeCantilever(EditableStructure(doc));
    QSignalSpy messages(&doc, &RuvoDoc::statusMessage);
    QSignalSpy updates(&doc, &RuvoDoc::viewsUpdated);

    doc.structureChanged();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_TRUE(doc.needsCalculation);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(updates.count(), 1);

    doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
    doc.structureChanged();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.at(0).at(0).toString().startsWith(QStringLiteral("Время расчета:")));
    EXPECT_FALSE(doc.needsCalculation);
    EXPECT_EQ(doc.display(RuvoDoc::ResultDisplay::Moments), 1);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(RuvoDocTest, CalculateRunsOnceUntilTheNextChange)
{
    MakeCantilever(EditableStructure(doc));
    QSignalSpy messages(&doc, &RuvoDoc::statusMessage);
    EXPECT_TRUE(doc.calculate());
    EXPECT_TRUE(doc.calculate());
    EXPECT_EQ(messages.count(), 1);
    const int support = FindNode(doc.structure(), false);
    ASSERT_GE(support, 0);
    EXPECT_NEAR(doc.structure().nodes[support].reaction.y, 10.0, 1e-9) << "results are in the nodes";

    // Saving neither invalidates the results nor switches displays.
    doc.setDisplay(RuvoDoc::ResultDisplay::Reactions, 1);
    ASSERT_TRUE(doc.saveFile(pathOf("saved.str")));
    EXPECT_FALSE(doc.needsCalculation);
    EXPECT_EQ(doc.display(RuvoDoc::ResultDisplay::Reactions), 1);

    EditableStructure(doc).nodes[FindNode(EditableStructure(doc), true)].force = Pair(0.0, -20.0);
    doc.setDisplay(RuvoDoc::ResultDisplay::Reactions, 0);
    doc.structureChanged();
    EXPECT_EQ(messages.count(), 1);
    EXPECT_TRUE(doc.calculate());
    EXPECT_EQ(messages.count(), 2);
}

TEST_F(RuvoDocTest, AFailedCalculationSwitchesEveryResultOff)
{
    MakeFloatingRod(EditableStructure(doc));
    QSignalSpy messages(&doc, &RuvoDoc::statusMessage);
    doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
    doc.setDisplay(RuvoDoc::ResultDisplay::Reactions, 1);
    EXPECT_FALSE(doc.calculate());
    EXPECT_FALSE(doc.anyResultShown());
    EXPECT_TRUE(doc.needsCalculation);
    EXPECT_EQ(messages.count(), 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].headline, "Отсутствуют опорные узлы/стержни!");

    // An edit while a diagram is shown tries again and switches it off again.
    doc.setDisplay(RuvoDoc::ResultDisplay::Displacements, 1);
    doc.structureChanged();
    EXPECT_FALSE(doc.anyResultShown());
    EXPECT_EQ(reporter.messages.size(), 2u);
}

TEST_F(RuvoDocTest, UndoAndRedoToggleBetweenTwoStructures)
{
    CommandState state;
    ASSERT_TRUE(doc.updateCommand(Command::EditUndo, state));
    EXPECT_FALSE(state.enabled);

    AddNode(doc, 0.0, 0.0);
    EXPECT_FALSE(doc.canUndo()) << "the snapshot of an empty structure is empty";
    AddNode(doc, 1.0, 0.0);
    ASSERT_TRUE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());
    ASSERT_TRUE(doc.updateCommand(Command::EditUndo, state));
    EXPECT_TRUE(state.enabled);

    EditableStructure(doc).nodes[0].select();
    ASSERT_TRUE(doc.onCommand(Command::EditUndo));
    EXPECT_EQ(doc.structure().nodes.count, 1);
    EXPECT_FALSE(doc.structure().nodes[0].isSelected()) << "undo restores the marks of the snapshot";
    EXPECT_FALSE(doc.canUndo());
    EXPECT_TRUE(doc.canRedo());
    ASSERT_TRUE(doc.updateCommand(Command::EditRedo, state));
    EXPECT_TRUE(state.enabled);

    ASSERT_TRUE(doc.onCommand(Command::EditRedo));
    EXPECT_EQ(doc.structure().nodes.count, 2);
    EXPECT_TRUE(doc.canUndo());
    EXPECT_FALSE(doc.canRedo());

    doc.undo();
    AddNode(doc, 2.0, 0.0);
    EXPECT_FALSE(doc.canRedo()) << "an edit after undo drops the redo state";
    EXPECT_TRUE(doc.isModified());
}

TEST_F(RuvoDocTest, UndoWhileADiagramIsShownRecalculatesAtOnce)
{
    MakeCantilever(EditableStructure(doc));
    doc.saveUndoState();
    EditableStructure(doc).nodes[FindNode(EditableStructure(doc), true)].force = Pair(0.0, -30.0);
    doc.structureChanged();
    doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
    QSignalSpy messages(&doc, &RuvoDoc::statusMessage);
    doc.undo();
    EXPECT_EQ(messages.count(), 1);
    EXPECT_FALSE(doc.needsCalculation);
    EXPECT_EQ(doc.structure().nodes[FindNode(doc.structure(), true)].force, Pair(0.0, -10.0));
}

TEST_F(RuvoDocTest, SelectionCommandsAddToTheSelectionWithExactDirections)
{
    struct Case {
        int command;
        std::vector<bool> nodes;
        std::vector<bool> rods;
    };
    // Rods: horizontal, almost horizontal (1e-9 m), vertical, zero length is not drawable
    // by addRod, so the last one is a diagonal.
    const Case cases[] = {
        {Command::SelectAllNodes, {true, true, true, true, true}, {false, false, false, false}},
        {Command::SelectAllRods, {false, false, false, false, false}, {true, true, true, true}},
        {Command::SelectHorizontalRods, {false, false, false, false, false}, {true, false, false, false}},
        {Command::SelectVerticalRods, {false, false, false, false, false}, {false, false, true, false}},
        {Command::SelectAll, {true, true, true, true, true}, {true, true, true, true}},
    };
    for (const Case &c : cases) {
        EditableStructure(doc).clear();
        EditableStructure(doc).addNode(0.0, 0.0, false);
        EditableStructure(doc).addNode(5.0, 0.0, true);
        EditableStructure(doc).addNode(5.0, 1e-9, true);
        EditableStructure(doc).addNode(0.0, 3.0, true);
        EditableStructure(doc).addNode(4.0, 4.0, true);
        EditableStructure(doc).addRod(0, 1);
        EditableStructure(doc).addRod(0, 2);
        EditableStructure(doc).addRod(0, 3);
        EditableStructure(doc).addRod(0, 4);
        doc.setModified(false);
        QSignalSpy updates(&doc, &RuvoDoc::viewsUpdated);
        ASSERT_TRUE(doc.onCommand(c.command));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(doc.structure().nodes[i].isSelected(), c.nodes[i]) << c.command << " node " << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(doc.structure().rods[i].isSelected(), c.rods[i]) << c.command << " rod " << i;
        EXPECT_FALSE(doc.isModified());
        ASSERT_GE(updates.count(), 1);
        EXPECT_EQ(updates.last().at(0).toInt(), 1) << "selection repaints without erasing";
    }

    // Adding to the selection: selecting all nodes keeps selected rods.
    doc.deselectAll();
    doc.selectRod(1, true);
    doc.onCommand(Command::SelectAllNodes);
    EXPECT_TRUE(doc.structure().rods[1].isSelected());
    doc.onCommand(Command::DeselectAll);
    EXPECT_FALSE(doc.structure().rods[1].isSelected());
    EXPECT_FALSE(doc.structure().nodes[0].isSelected());
    EXPECT_FALSE(doc.canUndo()) << "selection takes no undo snapshot";
}

} // namespace

TEST_F(RuvoDocTest, CompliantRodsCalculateWhatRigidRodsRefuseAndTheStatusBarSaysSo)
{
    // One rod on a pin and a roller, its EF never set.
    const Settings saved = Settings::current();
    StructureModel &s = EditableStructure(doc);
    for (double x : {0.0, 4.0}) {
        Node node(s.nodes.count + 1);
        node.x = x;
        node.isFree = 0;
        s.nodes.Add(node);
    }
    Rod rod(1, 0, 1);
    rod.begin.joint = JointType::Hinge;
    rod.end.joint = JointType::MovingHinge;
    rod.EI = 1000.0;
    rod.load = Pair(0.0, -10.0);
    s.rods.Add(rod);
    QSignalSpy messages(&doc, &RuvoDoc::statusMessage);

    Settings::current().axialCompliance = 0;
    EXPECT_FALSE(doc.calculate());
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(messages.count(), 0);

    Settings::current().axialCompliance = 1;
    doc.structureChanged();
    EXPECT_TRUE(doc.calculate());
    ASSERT_EQ(messages.count(), 1);
    const QString status = messages.at(0).at(0).toString();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Время расчета:")));
    EXPECT_TRUE(status.contains(QStringLiteral("с учетом продольных деформаций"))) << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("стержня 1 "))) << "the rod whose EF was never set";
    EXPECT_NEAR(s.nodes[0].reaction.y + s.nodes[1].reaction.y, 40.0, 1e-9);
    Settings::current() = saved;
}
