// The error box, the results and log windows and the statistics box.

#include "dialogs/ErrorBox.h"
#include "dialogs/GuiTestSupport.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/LogDialog.h"
#include "dialogs/ResultsDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "numeric/CalcLog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

QAbstractButton *ButtonWithText(QWidget *dialog, const QString &text)
{
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    return nullptr;
}

// Every dialog with a "Справка" button opens its own help page.
void ExpectHelpButtonOpens(QDialog &dialog, int context)
{
    QAbstractButton *help = ButtonWithText(&dialog, QStringLiteral("Справка"));
    ASSERT_NE(help, nullptr);
    help->click();
    ASSERT_NE(HelpWindow::Instance(), nullptr);
    EXPECT_EQ(HelpWindow::Instance()->currentPage(), HelpWindow::PageForContext(context)) << context;
    HelpWindow::Instance()->close();
}

TEST(ErrorBoxTest, ShowsHeadlineAndReasonAsPlainTextWithOkAndHelp)
{
    ErrorBox box(QStringLiteral("Ошибка открытия файла!"),
                 QStringLiteral("Файл <b>x</b>.str не может быть открыт"));
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Извините, ошибка!"));
    EXPECT_EQ(box.headline(), QStringLiteral("Ошибка открытия файла!"));
    EXPECT_EQ(box.reason(), QStringLiteral("Файл <b>x</b>.str не может быть открыт"));
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (!label->text().isEmpty()) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << "a file name is never markup";
        }
    }
    EXPECT_NE(ButtonWithText(&box, QStringLiteral("OK")), nullptr);
    ExpectHelpButtonOpens(box, 436);
}

TEST(ErrorBoxTest, TheReporterShowsTheBoxModallyWithTheSplitMessage)
{
    ErrorReporter previous = SetErrorReporter(ErrorBox::reporter());
    QString headline, reason, title;
    ModalAnswer answer([&](QWidget *modal) {
        auto *box = qobject_cast<ErrorBox *>(modal);
        ASSERT_NE(box, nullptr);
        headline = box->headline();
        reason = box->reason();
        title = box->windowTitle();
        box->accept();
    });
    ReportMessage(50202);
    SetErrorReporter(std::move(previous));
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(title, QStringLiteral("Извините, ошибка!"));
    EXPECT_EQ(headline, QStringLiteral("Отсутствуют опорные узлы/стержни!"));
    EXPECT_EQ(reason, QStringLiteral("Добавьте хотя бы один опорный узел или стержень."));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the box restores the cursor it set";
}

TEST(ReportWindowsTest, ResultsAreReadOnlyFixedPitchWithBothScrollBars)
{
    const QString report =
        QStringLiteral("ОТЧЕТ ПО КОНСТРУКЦИИ\r\n\r\nСтержень 1:    \tM(1) =          0\r\n");
    ResultsDialog dialog(report);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Результаты расчета"));
    QPlainTextEdit *text = dialog.textBox();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(),
              QStringLiteral("ОТЧЕТ ПО КОНСТРУКЦИИ\n\nСтержень 1:    \tM(1) =          0\n"));
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->font().pixelSize(), 15);
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch()) << QFontInfo(text->font()).family().toStdString();
    EXPECT_FALSE(text->textCursor().hasSelection());
    EXPECT_NE(ButtonWithText(&dialog, QStringLiteral("OK")), nullptr);
    ExpectHelpButtonOpens(dialog, 441);
}

TEST(ReportWindowsTest, TheLogKeepsATenPixelMarginAndStartsWithoutSelection)
{
    LogDialog dialog(QStringLiteral("ERROR\nИзменяемая конструкция!\nМой вам совет: добавьте стержней\n\n"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Журнал расчета"));
    EXPECT_FALSE(dialog.windowIcon().isNull());
    QPlainTextEdit *text = dialog.textBox();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());
    dialog.show();
    for (const QSize size : {QSize(500, 300), QSize(900, 700), QSize(320, 240)}) {
        dialog.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(text->geometry(), dialog.rect().adjusted(10, 10, -10, -10))
            << size.width() << 'x' << size.height();
    }
    EXPECT_FALSE(text->textCursor().hasSelection());
    EXPECT_EQ(text->textCursor().position(), 0);
    dialog.close();
}

TEST(ReportWindowsTest, AMegabyteLogOpensQuicklyAndWhole)
{
    QString log;
    const QString row = QStringLiteral("     1      2      3      4      5      6      7      8 \n");
    const int rows = 4 * 1024 * 1024 / row.size(); // about 4 MB
    log.reserve(rows * row.size());
    for (int i = 0; i < rows; ++i)
        log += row;
    QElapsedTimer timer;
    timer.start();
    LogDialog dialog(log);
    dialog.show();
    QApplication::processEvents();
    const qint64 elapsed = timer.elapsed();
    EXPECT_EQ(dialog.textBox()->blockCount(), rows + 1);
    // Generous: the box lays out only what is visible.
    EXPECT_LT(elapsed, 20000) << elapsed << " ms";
    dialog.textBox()->verticalScrollBar()->setValue(dialog.textBox()->verticalScrollBar()->maximum());
    QApplication::processEvents();
    dialog.close();
}

TEST(StatisticsDialogTest, ShowsTheCountsInReadOnlyFieldsOfTheTopologyGroup)
{
    StatisticsDialog dialog(QStringLiteral("12"), QStringLiteral("15"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Статистика"));
    EXPECT_EQ(dialog.nodeCount(), QStringLiteral("12"));
    EXPECT_EQ(dialog.rodCount(), QStringLiteral("15"));
    auto *group = dialog.findChild<QGroupBox *>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Топология"));
    const QList<QLineEdit *> fields = group->findChildren<QLineEdit *>();
    ASSERT_EQ(fields.size(), 2);
    for (QLineEdit *field : fields)
        EXPECT_TRUE(field->isReadOnly());
    QStringList labels;
    for (QLabel *label : group->findChildren<QLabel *>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Число узлов")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Число стержней")));
    ExpectHelpButtonOpens(dialog, 437);
}

} // namespace
