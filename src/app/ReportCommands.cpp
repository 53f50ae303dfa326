// The report commands: results report, statistics and the calculation log,
// each shown in its modal dialog over the active window.

#include "app/ReportCommands.h"

#include "dialogs/LogDialog.h"
#include "dialogs/ResultsDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "engine/ResultsReport.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"

#include <QApplication>
#include <QFile>
#include <new>

namespace {
constexpr int LogMissingMessage = 50220; // "Файл журнала не существует!\tВключите запись в журнал ..."
}

ReportCommands::ReportCommands(RuvoDoc *document) : doc(document) {}

void ReportCommands::showResults()
{
    // A failed calculation has already shown its message.
    if (!doc->calculate())
        return;
    const std::string report = ResultsReport(doc->structure(), Settings::current().debugMode);
    ResultsDialog dialog(QString::fromStdString(report), QApplication::activeWindow());
    dialog.exec();
}

void ReportCommands::showStatistics()
{
    StatisticsDialog dialog(QString::number(doc->structure().nodes.count),
                            QString::number(doc->structure().rods.count),
                            QApplication::activeWindow());
    dialog.exec();
}

void ReportCommands::showLog()
{
    QFile file(QString::fromStdString(LogFilePath()));
    // A message about the log is not written into it: the next look at the
    // log would show only that message.
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessage(LogMissingMessage);
        return;
    }
    QString text;
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            ShowMessage(LogMissingMessage);
            return;
        }
        // The log is ASCII with the UTF-8 texts of reported errors.
        text = QString::fromUtf8(bytes);
    } catch (const std::bad_alloc &) {
        // A log too big for memory is simply not shown.
        return;
    }
    file.close();
    {
        LogDialog dialog(text, QApplication::activeWindow());
        dialog.exec();
    }
    doc->updateAllViews(0);
}

bool ReportCommands::onCommand(int id)
{
    switch (id) {
    case Command::Results:
        showResults();
        return true;
    case Command::ShowLog:
        showLog();
        return true;
    case Command::Statistics:
        showStatistics();
        return true;
    default:
        return false;
    }
}

bool ReportCommands::updateCommand(int id, CommandState &state)
{
    switch (id) {
    case Command::Results:
    case Command::ShowLog:
    case Command::Statistics:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}
