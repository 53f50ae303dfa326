// Start-up of the desktop program: the application, the C numeric locale,
// the interface language, the settings, the error box, the main window and
// the command line.

#include "app/GuardedApplication.h"
#include "app/InterfaceLanguage.h"
#include "app/MainFrame.h"
#include "app/PrintCommands.h"
#include "app/SettingsStore.h"
#include "dialogs/ErrorBox.h"
#include "document/RuvoDoc.h"
#include "numeric/CalcLog.h"

#include <QCommandLineParser>
#include <QIcon>
#include <clocale>
#include <cstdio>

int main(int argc, char **argv)
{
    GuardedApplication application(argc, argv);
    // QApplication has set the user's locale; files and logs need the C one.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(SettingsStore::organizationName());
    QApplication::setApplicationName(SettingsStore::applicationName());
    QApplication::setApplicationVersion(QStringLiteral("2.1.1"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ruvo.svg")));
    // Before any text is made: Qt's catalogue and, for English, ours.
    if (!InterfaceLanguage::Install(InterfaceLanguage::ForThisStart()))
        std::fputs("ruvo: a translation catalogue is missing; some texts stay untranslated\n", stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "Руво: расчет плоских рам"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "Файл конструкции (*.str)"));
    const QCommandLineOption printOption(
        QStringLiteral("print"),
        QCoreApplication::translate("main", "Напечатать файл на принтере по умолчанию и завершить работу"));
    parser.addOption(printOption);
    parser.process(application);

    SetLogFilePath(DefaultLogFilePath());
    SetErrorReporter(ErrorBox::reporter());
    SettingsStore::LoadSettings();

    if (parser.isSet(printOption)) {
        // The desktop's print verb: no main window; the exit status tells
        // whether the page went to the printer.
        const QStringList files = parser.positionalArguments();
        if (files.size() != 1) {
            std::fputs("ruvo: --print needs exactly one structure file\n", stderr);
            return 2;
        }
        SetErrorReporter(CommandLineReporter());
        return PrintFileFromCommandLine(files.first());
    }

    MainFrame frame;
    frame.document()->newDocument();
    // The window comes first, so that a message about the file stands over
    // it; a file that cannot be opened leaves the new, empty structure.
    frame.showAtStart();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        frame.openFile(files.first());
    return application.exec();
}
