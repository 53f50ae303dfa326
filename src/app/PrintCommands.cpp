#include "app/PrintCommands.h"

#include "dialogs/ErrorBox.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"
#include "view/PageExport.h"
#include "view/RuvoView.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>
#include <string_view>

namespace {

constexpr int FileOpenErrorMessage = 50218; // "Ошибка открытия файла!\tФайл %s не может быть открыт"
// Update hint of a selection change: repaint without erasing.
constexpr int SelectionHint = 1;

const char *const ExportFilters = "PDF (*.pdf);;SVG (*.svg);;PNG (*.png)";

QByteArray Utf8(const QString &text)
{
    return text.toUtf8();
}

// The extension of a filter such as "SVG (*.svg)".
QString FilterSuffix(const QString &filter)
{
    const int star = filter.indexOf(QLatin1String("*."));
    if (star < 0)
        return QStringLiteral("pdf");
    return filter.mid(star + 2).section(QLatin1Char(')'), 0, 0);
}

} // namespace

PrintCommands::PrintCommands(RuvoDoc *document, RuvoView *view, QWidget *window)
    : QObject(window), doc(document), structureView(view), parentWindow(window),
      pagePrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

PrintCommands::~PrintCommands() = default;

PageDisplays PrintCommands::displays() const
{
    PageDisplays page;
    page.showMoments = doc->display(RuvoDoc::ResultDisplay::Moments) != 0;
    page.showShear = doc->display(RuvoDoc::ResultDisplay::Shear) != 0;
    page.showAxial = doc->display(RuvoDoc::ResultDisplay::Axial) != 0;
    page.showReactions = doc->display(RuvoDoc::ResultDisplay::Reactions) != 0;
    page.showDisplacements = doc->display(RuvoDoc::ResultDisplay::Displacements) != 0;
    page.showLoads = structureView == nullptr || structureView->showLoads();
    page.showValues = structureView == nullptr || structureView->showValues();
    page.showNumbers = Settings::current().showNumbers != 0;
    page.fileName = doc->filePath().isEmpty() ? QString() : doc->title();
    return page;
}

bool PrintCommands::preparePrinting()
{
    // Calculates only when the structure changed since the last successful
    // calculation, whether or not a result is shown; a failure has shown
    // its message and switched the result displays off.
    if (doc->calculate())
        return true;
    doc->updateAllViews(0);
    return false;
}

void PrintCommands::adjustResolution(QPrinter &target) const
{
    if (target.outputFormat() == QPrinter::PdfFormat && target.resolution() != ExportResolution)
        target.setResolution(ExportResolution);
}

bool PrintCommands::printPage(QPrinter &target)
{
    adjustResolution(target);
    target.setDocName(jobName.isEmpty() ? doc->title() : jobName);
    QPainter painter;
    if (!painter.begin(&target)) {
        const QString name =
            target.outputFormat() == QPrinter::PdfFormat ? target.outputFileName() : target.printerName();
        ReportError(qUtf8Printable(tr("Ошибка печати!\tПечать на «%s» не может начаться.")),
                    Utf8(name).constData());
        return false;
    }
    // A printed page leaves the structure unselected, on the screen too.
    doc->deselectAll();
    PrintPage(painter, doc->structure(), displays());
    const bool ended = painter.end();
    doc->updateAllViews(SelectionHint);
    if (!ended || target.printerState() == QPrinter::Error) {
        ReportError("%s", qUtf8Printable(tr("Ошибка печати!\tЗадание печати не выполнено.")));
        return false;
    }
    return true;
}

bool PrintCommands::print()
{
    if (!preparePrinting())
        return false;
    QPrintDialog dialog(pagePrinter.get(), parentWindow);
    dialog.setWindowTitle(tr("Печать"));
    // One page: no page range, no selection (setMinMax would offer a range).
    dialog.setMinMax(1, 1);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return printPage(*pagePrinter);
}

bool PrintCommands::printDirect()
{
    // Nothing chosen in a print dialog yet: the system's default printer.
    if (pagePrinter->printerName().isEmpty() && pagePrinter->outputFileName().isEmpty())
        return printToDefaultPrinter();
    if (!preparePrinting())
        return false;
    return printPage(*pagePrinter);
}

bool PrintCommands::printToDefaultPrinter()
{
    if (!preparePrinting())
        return false;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        ReportError("%s", qUtf8Printable(tr("Печать невозможна!\tВ системе нет принтера по умолчанию.")));
        return false;
    }
    QPrinter target(info, QPrinter::HighResolution);
    return printPage(target);
}

bool PrintCommands::printPreview()
{
    if (!preparePrinting())
        return false;
    adjustResolution(*pagePrinter);
    QPrintPreviewDialog dialog(pagePrinter.get(), parentWindow);
    dialog.setWindowTitle(tr("Предварительный просмотр"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter *target) {
        if (target != nullptr)
            printPage(*target);
    });
    dialog.exec();
    return true;
}

bool PrintCommands::printerSetup()
{
    QPageSetupDialog dialog(pagePrinter.get(), parentWindow);
    dialog.setWindowTitle(tr("Настройки принтера"));
    return dialog.exec() == QDialog::Accepted;
}

bool PrintCommands::exportWithDialog()
{
    if (!preparePrinting())
        return false;
    const QString base =
        doc->filePath().isEmpty() ? doc->title() : QFileInfo(doc->filePath()).completeBaseName();
    QString filter;
    QString path = QFileDialog::getSaveFileName(parentWindow, tr("Экспорт"), base + QStringLiteral(".pdf"),
                                                QString::fromLatin1(ExportFilters), &filter);
    if (path.isEmpty())
        return false;
    if (PageFormatOf(path) == PageFormat::Unknown)
        path += QLatin1Char('.') + FilterSuffix(filter);
    return exportTo(path);
}

bool PrintCommands::exportTo(const QString &path)
{
    if (!preparePrinting())
        return false;
    QString reason;
    // As after printing, the structure is left unselected.
    doc->deselectAll();
    const bool written = ExportPage(path, doc->structure(), displays(), pagePrinter->pageLayout(), &reason);
    doc->updateAllViews(SelectionHint);
    if (!written) {
        ReportError(qUtf8Printable(tr("Ошибка экспорта!\tФайл %s не записан: %s")),
                    QFile::encodeName(path).constData(), Utf8(reason).constData());
        return false;
    }
    return true;
}

bool PrintCommands::onCommand(int id)
{
    switch (id) {
    case Command::FilePrint:
        print();
        return true;
    case Command::FilePrintDirect:
        printDirect();
        return true;
    case Command::FilePrintPreview:
        printPreview();
        return true;
    case Command::FilePrintSetup:
        printerSetup();
        return true;
    case Command::FileExport:
        exportWithDialog();
        return true;
    default:
        return false;
    }
}

bool PrintCommands::updateCommand(int id, CommandState &state)
{
    switch (id) {
    case Command::FilePrint:
    case Command::FilePrintDirect:
    case Command::FilePrintPreview:
    case Command::FilePrintSetup:
    case Command::FileExport:
        state.enabled = true;
        return true;
    default:
        return false;
    }
}

int PrintFileFromCommandLine(const QString &path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        ReportMessage(FileOpenErrorMessage, QFile::encodeName(path).constData());
        return 2;
    }
    // A malformed line has been reported; half a structure is not printed.
    StructureModel checked;
    const StructureReadResult read = ReadStructure(checked, std::string_view(bytes.constData(), size_t(bytes.size())));
    ReportMessages(read.messages);
    if (!read.ok)
        return 2;
    RuvoDoc document;
    document.setStructure(checked);
    PrintCommands commands(&document, nullptr, nullptr);
    commands.setJobName(QFileInfo(path).fileName());
    return commands.printToDefaultPrinter() ? 0 : 1;
}

ErrorReporter CommandLineReporter()
{
    const QString platform = QGuiApplication::platformName();
    const bool display = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    ErrorReporter box = display ? ErrorBox::reporter() : ErrorReporter();
    return [box](const std::string &headline, const std::string &reason) {
        std::fprintf(stderr, "ruvo: %s %s\n", headline.c_str(), reason.c_str());
        std::fflush(stderr);
        if (box)
            box(headline, reason);
    };
}
