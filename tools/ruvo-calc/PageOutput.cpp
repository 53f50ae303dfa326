#include "PageOutput.h"

#include "model/Settings.h"
#include "view/PageExport.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <clocale>
#include <cstdio>

namespace {

// Qt's notes about the session (no runtime folder, the platform) are not
// the calculator's business; real failures still reach stderr.
void QuietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "ruvo-calc: %s\n", message.toLocal8Bit().constData());
}

} // namespace

bool WritePage(const char *programName, const std::string &path, StructureModel &structure,
               const PageChoice &choice, std::string &reason)
{
    // The page is drawn off screen; a display is never needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char *argv[] = {const_cast<char *>(programName), nullptr};
    QGuiApplication application(argc, argv);
    // QGuiApplication has set the user's locale; labels and files need the C one.
    std::setlocale(LC_NUMERIC, "C");

    PageDisplays displays;
    displays.showMoments = choice.moments;
    displays.showShear = choice.shear;
    displays.showAxial = choice.axial;
    displays.showDisplacements = choice.displacements;
    displays.showReactions = choice.reactions;
    displays.showNumbers = Settings::current().showNumbers != 0;
    displays.fileName = QString::fromLocal8Bit(choice.sourceName.c_str());

    QString error;
    if (!ExportPage(QString::fromLocal8Bit(path.c_str()), structure, displays, DefaultExportLayout(),
                    &error)) {
        reason = error.toLocal8Bit().toStdString();
        return false;
    }
    return true;
}
