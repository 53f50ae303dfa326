// Never losing a structure: a save that fails half-way (a full disk) keeps
// the old file and the modified flag; every way of replacing a modified
// structure asks first, and a failed save at that prompt keeps it; files
// that are no structures (pictures, binary noise, truncated files, absurd
// numbers) give the reader's messages and leave a program that draws,
// calculates, saves and opens the next file.

#include "app/MainFrame.h"
#include "app/MainFrameFixture.h"
#include "app/SettingsStore.h"
#include "dialogs/GuiTestSupport.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "fixtures/FilesAndPixels.h"
#include "model/Settings.h"
#include "support/DocumentAccess.h"
#include "view/RuvoView.h"

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sys/resource.h>

namespace {

// Writes past `bytes` fail while the object lives, as on a full disk
// (EFBIG instead of ENOSPC; the signal that would end the process is
// ignored). Works for root as for any user.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active = false;

private:
    rlimit previous{};
    void (*previousHandler)(int) = SIG_DFL;
};

// A row of `count` free nodes on two supports, one rod between neighbours:
// its file is about a hundred bytes per element.
void MakeBeam(StructureModel &structure, int count)
{
    structure.clear();
    structure.addNode(0.0, 0.0, false);
    for (int i = 1; i <= count; ++i)
        structure.addNode(i, 0.0, true);
    structure.addNode(count + 1.0, 0.0, false);
    for (int i = 0; i <= count; ++i)
        structure.addRod(i, i + 1);
    for (Rod &rod : structure.rods) {
        rod.begin.joint = JointType::Fixed;
        rod.end.joint = JointType::Fixed;
    }
    structure.nodes[1].force = Pair(0.0, -1000.0);
}

bool ResultsAreFinite(const StructureModel &structure)
{
    for (const Node &node : structure.nodes) {
        for (double value : {node.resultDisplacement.x, node.resultDisplacement.y, node.resultDisplacement.z,
                             node.reaction.x, node.reaction.y, node.reaction.z}) {
            if (!std::isfinite(value))
                return false;
        }
    }
    for (const Rod &rod : structure.rods) {
        for (double value :
             {rod.resultM.x, rod.resultM.y, rod.resultQ.x, rod.resultQ.y, rod.resultN.x, rod.resultN.y}) {
            if (!std::isfinite(value))
                return false;
        }
    }
    return true;
}

// Paints the view as the screen would, into an image of the canvas' size.
void PaintView(RuvoView &view)
{
    QImage image(view.canvas()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.paintView(painter);
}

class FileSafetyTest : public MainFrameFixture {
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        frame->resize(800, 600);
    }
    RuvoDoc &doc() const { return *frame->document(); }
};

} // namespace

TEST_F(FileSafetyTest, AFullDiskKeepsTheOldFileTheNameAndTheModifiedFlag)
{
    // A new text that fits the write buffer (cut short only when flushed)
    // and one larger than it (cut short while written).
    for (int freeNodes : {20, 300}) {
        SCOPED_TRACE(freeNodes);
        const QString path = pathOf("beam.str");
        MakeBeam(EditableStructure(doc()), 2);
        ASSERT_TRUE(frame->saveAs(path));
        const QByteArray old = ReadBytes(path);

        MakeBeam(EditableStructure(doc()), freeNodes);
        doc().structureChanged();
        reporter.messages.clear();
        {
            FileSizeLimit full(static_cast<rlim_t>(old.size()) + 100);
            ASSERT_TRUE(full.active);
            EXPECT_FALSE(doc().saveFile(path));
        }
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].headline, "Ошибка записи файла!");
        EXPECT_NE(reporter.messages[0].reason.find("beam.str"), std::string::npos) << reporter.messages[0].reason;
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_TRUE(doc().isModified());
        EXPECT_EQ(doc().filePath(), path);
        EXPECT_EQ(frame->windowTitle(), QStringLiteral("beam.str - Руво"));
        // No half-written temporary file stays beside it.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("beam.str")});

        // With room on the disk again the same save goes through.
        reporter.messages.clear();
        ASSERT_TRUE(frame->save());
        EXPECT_TRUE(reporter.messages.empty());
        EXPECT_FALSE(doc().isModified());
        RuvoDoc reread;
        ASSERT_TRUE(reread.openFile(path));
        EXPECT_EQ(reread.structure().nodes.count, freeNodes + 2);
        EXPECT_EQ(reread.structure().rods.count, freeNodes + 1);
    }
}

TEST_F(FileSafetyTest, EveryWayOfReplacingAModifiedStructureAsksAndCancelOrAFailedSaveKeepsIt)
{
    // The other file that the replacing operations would open.
    RuvoDoc other;
    MakeBeam(EditableStructure(other), 1);
    ASSERT_TRUE(other.saveFile(pathOf("other.str")));

    struct Way {
        const char *name;
        std::function<void(MainFrame &, const QString &otherPath)> replace;
        bool closes;
    };
    const std::vector<Way> ways = {
        {"new", [](MainFrame &frame, const QString &) { frame.routeCommand(Command::FileNew); }, false},
        {"open", [](MainFrame &frame, const QString &) { frame.routeCommand(Command::FileOpen); }, false},
        {"recent file",
         [](MainFrame &frame, const QString &) { frame.action(Command::FileMru1 + 1)->trigger(); }, false},
        {"dropped file",
         [](MainFrame &frame, const QString &otherPath) {
             QMimeData data;
             data.setUrls({QUrl::fromLocalFile(otherPath)});
             // The drop goes to the widget that accepted the drag's entry.
             QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&frame, &enter);
             QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&frame, &drop);
             QTest::qWait(50); // the drop opens the file from the event loop
         },
         false},
        {"closing the window", [](MainFrame &frame, const QString &) { frame.close(); }, true},
        {"exit command", [](MainFrame &frame, const QString &) { frame.routeCommand(Command::AppExit); },
         true},
    };
    const QMessageBox::StandardButton answers[] = {QMessageBox::Cancel, QMessageBox::Yes};

    // Past the prompt nothing may ask for a file: a file dialog here means
    // the structure was about to be replaced. It is closed, and counted.
    int fileDialogs = 0;
    QTimer fileDialogCloser;
    QObject::connect(&fileDialogCloser, &QTimer::timeout, [&fileDialogs] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            ++fileDialogs;
            dialog->reject();
        }
    });
    fileDialogCloser.start(20);

    frame->show();
    for (const Way &way : ways) {
        for (QMessageBox::StandardButton answer : answers) {
            const bool saveFails = answer == QMessageBox::Yes;
            SCOPED_TRACE(std::string(way.name) + (saveFails ? ", Yes with a failing save" : ", Cancel"));
            // The recent list holds this file and the other one.
            MakeBeam(EditableStructure(doc()), 2);
            ASSERT_TRUE(frame->saveAs(pathOf("other.str")));
            ASSERT_TRUE(frame->saveAs(pathOf("mine.str")));
            const QByteArray onDisk = ReadBytes(pathOf("mine.str"));
            MakeBeam(EditableStructure(doc()), 60);
            doc().structureChanged();
            reporter.messages.clear();

            QString prompt;
            {
                ModalAnswer respond([&prompt, answer](QWidget *modal) {
                    auto *box = qobject_cast<QMessageBox *>(modal);
                    ASSERT_NE(box, nullptr);
                    prompt = box->text();
                    box->button(answer)->click();
                });
                std::unique_ptr<FileSizeLimit> full;
                if (saveFails) {
                    full = std::make_unique<FileSizeLimit>(static_cast<rlim_t>(onDisk.size()));
                    ASSERT_TRUE(full->active);
                }
                way.replace(*frame, pathOf("other.str"));
                EXPECT_TRUE(respond.seen());
            }
            EXPECT_EQ(prompt, QStringLiteral("Сохранить изменения в mine.str?"));
            EXPECT_EQ(doc().structure().nodes.count, 62) << "the edited structure is kept";
            EXPECT_TRUE(doc().isModified());
            EXPECT_EQ(doc().filePath(), pathOf("mine.str"));
            EXPECT_EQ(ReadBytes(pathOf("mine.str")), onDisk);
            if (way.closes) {
                EXPECT_TRUE(frame->isVisible()) << "the window stays open";
            }
            // A failed save says why; Cancel says nothing.
            EXPECT_EQ(reporter.messages.size(), saveFails ? 1u : 0u);
            EXPECT_EQ(fileDialogs, 0);
            fileDialogs = 0;
        }
    }
}

TEST_F(FileSafetyTest, FilesThatAreNoStructuresGiveTheReadersMessagesAndTheProgramGoesOn)
{
    const QByteArray example = "# Ruvo for Windows 2.0\n# test\n\nFileVersion = 3\n\n"
                               "Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 0 4 1 10000 0 0 0 0 0\n"
                               "Node0 3 6 4 1 0 0 0 0 0 0\nNode0 4 6 0 0 0 0 0 0 0 0\n\n"
                               "Rod0 1 0 1 2 2 0 0 0 0 0 0 21000000 4200000000 0.3 1.2e-05 1 0.3 \n"
                               "Rod0 2 1 2 2 2 0 0 0 -20000 0 0 21000000 4200000000 0.3 1.2e-05 1 0.3 \n"
                               "Rod0 3 2 3 2 2 0 0 0 0 0 0 21000000 4200000000 0.3 1.2e-05 1 0.3 \n";
    auto portal = [](const char *span, const char *force, const char *stiffness) {
        return QByteArray("Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 0 4 1 ") + force + " 0 0 0 0 0\nNode0 3 " +
               span + " 4 1 0 0 0 0 0 0\nNode0 4 " + span + " 0 0 0 0 0 0 0 0\n" +
               "Rod0 1 0 1 2 2 0 0 0 0 0 0 " + stiffness + " 1 1 1 1 0.5\nRod0 2 1 2 2 2 0 0 0 -1 0 0 " +
               stiffness + " 1 1 1 1 0.5\nRod0 3 2 3 2 2 0 0 0 0 0 0 " + stiffness + " 1 1 1 1 0.5\n";
    };

    QByteArray picture;
    {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer buffer(&picture);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "PNG"));
    }
    QByteArray noise(200000, '\0');
    std::mt19937 random(20240601);
    for (char &byte : noise)
        byte = static_cast<char>(random() & 0xFF);

    constexpr int None = 0, Nodes = 50219, Rods = 50221;
    struct Case {
        const char *name;
        QByteArray bytes;
        int message;
    };
    const std::vector<Case> cases = {
        {"picture.str", picture, None},
        {"zeros.str", QByteArray(100000, '\0'), None},
        {"noise.str", noise, -1}, // whatever the noise holds: no crash
        {"russian text.str", QByteArray("Конструкция\nУзлы и стержни\n"), None},
        {"truncated in a node.str", example.left(example.indexOf("Node0 3") + 12), Nodes},
        {"truncated in a rod.str", example.left(example.lastIndexOf("Rod0") + 20), Rods},
        {"nul in a line.str", QByteArray("Node0 1 0 0 0 0\0 0 0 0 0 0\n", 27), Nodes},
        {"overflowing number.str", QByteArray("Node0 1 1e309 0 0 0 0 0 0 0 0\n"), Nodes},
        {"endless line.str", QByteArray("Node0 1 ") + QByteArray(4000000, '7'), Nodes},
        {"rod to nowhere.str",
         QByteArray("Node0 1 0 0 0 0 0 0 0 0 0\nRod0 1 0 7 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n"), Rods},
        {"huge positions.str", portal("1e308", "10000", "1"), None},
        {"huge negative positions.str", portal("-1e308", "10000", "1"), None},
        {"huge loads.str", portal("6", "1e308", "1"), None},
        {"opposite huge loads.str", portal("6", "-1e308", "1e308"), None},
        {"subnormal stiffness.str", portal("6", "10000", "1e-320"), None},
        {"subnormal span.str", portal("1e-320", "10000", "1"), None},
        {"windows line ends.str", QByteArray(example).replace("\n", "\r\n"), None},
    };

    RuvoView &view = *frame->view();
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        const QString path = pathOf(test.name);
        ASSERT_TRUE(WriteBytes(path, test.bytes));
        reporter.messages.clear();

        EXPECT_TRUE(frame->openFile(path)) << "a readable file always counts as opened";
        if (test.message == None) {
            EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front().reason;
        }
        if (test.message > 0) {
            ASSERT_EQ(reporter.messages.size(), 1u);
            const char *reason =
                test.message == Nodes ? "Не могу загрузить узлы." : "Не могу загрузить стержни.";
            EXPECT_EQ(reporter.messages[0].reason, reason);
        }
        EXPECT_FALSE(doc().isModified());
        PaintView(view);

        // A diagram asks for a calculation: it succeeds with finite
        // results or says once why not, and the view draws either way.
        reporter.messages.clear();
        view.resultCommand(Command::ShowMoments);
        if (doc().display(RuvoDoc::ResultDisplay::Moments)) {
            EXPECT_TRUE(reporter.messages.empty());
            EXPECT_TRUE(ResultsAreFinite(doc().structure()));
        } else if (doc().structure().elementCount() > 0) {
            EXPECT_EQ(reporter.messages.size(), 1u);
        }
        PaintView(view);
        view.fitAllCommand();
        view.zoomInCommand();
        PaintView(view);

        // What was read can be saved and reopened unchanged.
        reporter.messages.clear();
        const QString copy = pathOf("copy.str");
        ASSERT_TRUE(frame->saveAs(copy));
        const QByteArray written = ReadBytes(copy);
        ASSERT_TRUE(frame->openFile(copy));
        ASSERT_TRUE(frame->saveAs(copy));
        EXPECT_EQ(ReadBytes(copy), written);
        EXPECT_TRUE(reporter.messages.empty());
    }

    // And the next real structure opens and calculates as usual.
    reporter.messages.clear();
    ASSERT_TRUE(WriteBytes(pathOf("portal.str"), example));
    ASSERT_TRUE(frame->openFile(pathOf("portal.str")));
    EXPECT_EQ(doc().structure().nodes.count, 4);
    EXPECT_TRUE(doc().calculate());
    EXPECT_TRUE(reporter.messages.empty());
}
