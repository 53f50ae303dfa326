// The report commands of the document: results report, statistics and the
// calculation log, each shown in its modal dialog over the active window.

#include "dialogs/LogDialog.h"
#include "dialogs/ResultsDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "engine/ResultsReport.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"

#include <QApplication>
#include <QFile>
#include <new>

namespace {
constexpr int LogMissingMessage = 50220; // "Файл журнала не существует!\tВключите запись в журнал ..."
}

void RuvoDoc::showResults()
{
    // A failed calculation has already shown its message.
    if (!calculate())
        return;
    const std::string report = ResultsReport(structure, Settings::current().debugMode);
    ResultsDialog dialog(QString::fromStdString(report), QApplication::activeWindow());
    dialog.exec();
}

void RuvoDoc::showStatistics()
{
    StatisticsDialog dialog(QString::number(structure.nodes.count), QString::number(structure.rods.count),
                            QApplication::activeWindow());
    dialog.exec();
}

void RuvoDoc::showLog()
{
    QFile file(QString::fromStdString(LogFilePath()));
    if (!file.open(QIODevice::ReadOnly)) {
        ReportMessage(LogMissingMessage);
        return;
    }
    QString text;
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            ReportMessage(LogMissingMessage);
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
    updateAllViews(0);
}
