#pragma once

#include "document/CommandTarget.h"
#include "numeric/CalcLog.h"
#include "view/PagePrinter.h"

#include <QObject>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;
class RuvoDoc;
class RuvoView;

// Printing, print preview, printer setup and export of the one page of the
// structure. Before any job the results are brought up to date; a failed
// calculation (its message already shown) cancels the job. The printer and
// its page settings are kept for the whole run.
class PrintCommands : public QObject, public CommandTarget {
    Q_OBJECT

public:
    // The view may be null (printing a file from the command line): the
    // loads and values are then printed.
    PrintCommands(RuvoDoc *document, RuvoView *view, QWidget *window);
    ~PrintCommands() override;

    QPrinter &printer() { return *pagePrinter; }
    // Name of the print jobs; the document's title when empty.
    void setJobName(const QString &name) { jobName = name; }

    // The displays of the page: the document's result switches, the view's
    // load and value switches and the numbers setting.
    PageDisplays displays() const;

    // Runs the calculation when the structure changed since the last one;
    // false when it failed and the job must not start.
    bool preparePrinting();
    // Draws the page on the printer and ends the job; false, after a
    // message, when the printer refuses it.
    bool printPage(QPrinter &target);

    // The commands: each returns true when a page was printed or written.
    bool print();        // print dialog, then the page
    bool printDirect();  // the current printer, without a dialog
    bool printPreview(); // one page in the preview window
    bool printerSetup(); // page size and orientation
    bool exportWithDialog();
    // Writes the page as PDF, SVG or PNG (by the extension) on the printer's
    // paper size and orientation; false after a message.
    bool exportTo(const QString &path);

    // Prints on the system's default printer without a dialog; false, after
    // a message, when there is none or the job fails.
    bool printToDefaultPrinter();

    // CommandTarget
    bool onCommand(int id) override;
    bool updateCommand(int id, CommandState &state) override;

private:
    // A printer writing a PDF file has no resolution of its own.
    void adjustResolution(QPrinter &target) const;

    RuvoDoc *doc;
    RuvoView *structureView;
    QWidget *parentWindow;
    std::unique_ptr<QPrinter> pagePrinter;
    QString jobName;
};

// Prints a structure file on the default printer without showing the
// program (the desktop's print verb). Returns the process exit status:
// 0 printed, 1 the file cannot be calculated or printed, 2 it cannot be read.
int PrintFileFromCommandLine(const QString &path);

// The error path of a print started from the command line: every message
// goes to stderr and, on a real display, to the error box as well.
ErrorReporter CommandLineReporter();
