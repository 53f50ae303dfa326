// The report commands: statistics, the results report (calculating first)
// and the calculation log, each in its dialog.

#include "app/ReportCommands.h"

#include "dialogs/GuiTestSupport.h"
#include "dialogs/LogDialog.h"
#include "dialogs/ResultsDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "fixtures/FilesAndPixels.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "support/DocumentAccess.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
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

class ReportCommandsTest : public ::testing::Test {
protected:
    RecordingReporter reporter;
    RuvoDoc doc;
    ReportCommands reports{&doc};
};

TEST_F(ReportCommandsTest, StatisticsShowTheNodeAndRodCounts)
{
    MakeCantilever(EditableStructure(doc));
    EditableStructure(doc).addNode(7.0, 7.0, true);
    QString nodes, rods;
    ModalAnswer answer([&](QWidget *modal) {
        auto *dialog = qobject_cast<StatisticsDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        nodes = dialog->nodeCount();
        rods = dialog->rodCount();
        dialog->accept();
    });
    ASSERT_TRUE(reports.onCommand(Command::Statistics));
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(nodes, QStringLiteral("3"));
    EXPECT_EQ(rods, QStringLiteral("1"));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(ReportCommandsTest, ResultsCalculateOnceAndShowTheReport)
{
    MakeCantilever(EditableStructure(doc));
    QSignalSpy messages(&doc, &RuvoDoc::statusMessage);
    for (int round = 0; round < 2; ++round) {
        QString text;
        ModalAnswer answer([&](QWidget *modal) {
            auto *dialog = qobject_cast<ResultsDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            text = dialog->textBox()->toPlainText();
            dialog->accept();
        });
        ASSERT_TRUE(reports.onCommand(Command::Results));
        EXPECT_TRUE(answer.seen());
        EXPECT_TRUE(text.startsWith(QStringLiteral("ОТЧЕТ ПО КОНСТРУКЦИИ\n"))) << text.left(40).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Стержень 1:"))) << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    }
    EXPECT_EQ(messages.count(), 1) << "the second report reuses the results";
}

TEST_F(ReportCommandsTest, ResultsOfAFailingStructureShowOnlyTheError)
{
    MakeFloatingRod(EditableStructure(doc));
    ModalAnswer answer([](QWidget *modal) { modal->close(); });
    ASSERT_TRUE(reports.onCommand(Command::Results));
    EXPECT_FALSE(answer.seen());
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(ReportCommandsTest, TheLogCommandShowsTheFileOrReportsItsAbsence)
{
    const QString logPath = QString::fromStdString(LogFilePath());
    QFile::remove(logPath);
    // With logging on, the message about the missing log is shown but not
    // written into a new log of its own.
    const int logEnabled = Settings::current().logEnabled;
    Settings::current().logEnabled = 1;
    ASSERT_TRUE(reports.onCommand(Command::ShowLog));
    Settings::current().logEnabled = logEnabled;
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].headline, "Файл журнала не существует!");
    EXPECT_EQ(reporter.messages[0].reason, "Включите запись в журнал в диалоге Настройки");
    EXPECT_FALSE(QFile::exists(logPath));

    for (const QByteArray &contents :
         {QByteArray(), QByteArray("SOLVING MAIN EQUATION\n\nA[2,2]:\n     1      2 \n")}) {
        ASSERT_TRUE(WriteBytes(logPath, contents));
        QString text;
        ModalAnswer answer([&](QWidget *modal) {
            auto *dialog = qobject_cast<LogDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            text = dialog->textBox()->toPlainText();
            dialog->accept();
        });
        QSignalSpy updates(&doc, &RuvoDoc::viewsUpdated);
        ASSERT_TRUE(reports.onCommand(Command::ShowLog));
        EXPECT_TRUE(answer.seen());
        EXPECT_EQ(text, QString::fromUtf8(contents));
        EXPECT_EQ(updates.count(), 1) << "views are updated after the log closes";
    }
    EXPECT_EQ(reporter.messages.size(), 1u);
    QFile::remove(logPath);
}

} // namespace
