// Printing, preview, printer setup and export as commands of the main
// window: the calculation before every job, the cancelled job after a
// failed one, the one page on a PDF printer, the cleared selection, the
// page independent of the screen, and printing a file from the command line.

#include "app/PrintCommands.h"

#include "app/MainFrame.h"
#include "app/MainFrameFixture.h"
#include "app/SettingsStore.h"
#include "dialogs/GuiTestSupport.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "support/DocumentAccess.h"
#include "view/DrawingPalette.h"
#include "view/PageExport.h"
#include "view/RuvoView.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString ExamplePath(const char *name)
{
    return QStringLiteral(RUVO_SOURCE_EXAMPLES "/") + QString::fromLatin1(name);
}

// Two support nodes joined by one rod and a free node hanging from a hinged
// rod: a mechanism that the calculation refuses.
const char *const Mechanism = "# Ruvo for Windows 2.0\nFileVersion = 3\n"
                              "Node0 1 0 0 0 0 0 0 0 0 0\n"
                              "Node0 2 3 0 1 5 0 0 0 0 0\n"
                              "Rod0 1 0 1 1 1 0 0 0 0 0 0 1 1 1 1 1 0.5\n";

int CountColour(const QImage &image, int entry)
{
    const QRgb rgb = DrawingPalette::color(entry).rgb() & 0xffffff;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) == rgb;
    return n;
}

class PrintCommandsTest : public MainFrameFixture {
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        frame->resize(800, 600);
        doc = frame->document();
        printing = frame->printCommands();
        ASSERT_NE(printing, nullptr);
    }
    void openExample(const char *name) { ASSERT_TRUE(doc->openFile(ExamplePath(name))); }
    void openText(const char *text)
    {
        const QString path = pathOf("structure.str");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        ASSERT_TRUE(doc->openFile(path));
    }
    void selectEverything()
    {
        for (int i = 0; i < doc->structure().nodes.count; ++i)
            EditableStructure(*doc).nodes[i].select();
        for (int i = 0; i < doc->structure().rods.count; ++i)
            EditableStructure(*doc).rods[i].select();
    }
    bool anySelected() const
    {
        for (int i = 0; i < doc->structure().nodes.count; ++i)
            if (doc->structure().nodes[i].isSelected())
                return true;
        for (int i = 0; i < doc->structure().rods.count; ++i)
            if (doc->structure().rods[i].isSelected())
                return true;
        return false;
    }
    // The page as the printer gets it, drawn on a picture.
    QImage page(int width = 1200, int height = 1700)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PrintPage(painter, doc->structure(), printing->displays());
        return image;
    }

    RuvoDoc *doc = nullptr;
    PrintCommands *printing = nullptr;
};

} // namespace

TEST_F(PrintCommandsTest, APdfPrinterGetsOnePageWithTheShownResults)
{
    openExample("portal-frame.str");
    frame->view()->resultCommand(Command::ShowMoments);
    frame->view()->resultCommand(Command::ShowReactions);
    ASSERT_TRUE(doc->display(RuvoDoc::ResultDisplay::Moments));
    ASSERT_TRUE(doc->display(RuvoDoc::ResultDisplay::Reactions));
    selectEverything();

    QPrinter &printer = printing->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pathOf("printed.pdf"));
    ASSERT_TRUE(printing->printPage(printer));
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_FALSE(anySelected()) << "printed in normal colours and left unselected";
    EXPECT_EQ(printer.resolution(), ExportResolution) << "a PDF printer has no resolution of its own";

    // RUVO_TEST_OUTPUT names a folder that keeps the page for a look.
    const QString keep = qEnvironmentVariable("RUVO_TEST_OUTPUT");
    if (!keep.isEmpty())
        QFile::copy(pathOf("printed.pdf"), QDir(keep).filePath(QStringLiteral("printed-page.pdf")));

    QFile pdf(pathOf("printed.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1) << "one page";

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed: the page cannot be looked at";
    const QString prefix = pathOf("printed");
    ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                           QStringLiteral("-singlefile"), pathOf("printed.pdf"), prefix}),
              0);
    QImage image;
    ASSERT_TRUE(image.load(prefix + QStringLiteral(".png")));
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Point).size();
    EXPECT_NEAR(image.width(), paper.width(), 1.0);
    EXPECT_NEAR(image.height(), paper.height(), 1.0);
    // The paintable part of the sheet lies inside the printer's margins; the
    // page's own margin is a twentieth of its larger side inside that.
    const QRectF paintable = printer.pageLayout().paintRect(QPageLayout::Point);
    const double margin = std::max(paintable.width(), paintable.height()) / 20.0;
    const QRect inside = paintable.adjusted(margin, margin, -margin, -margin).toRect();
    int green = 0;
    int blueBelowHalf = 0;
    int blueAboveHalf = 0;
    int outsideTop = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool isGreen = c.green() > c.red() + 40 && c.green() > c.blue() + 40;
            const bool isBlue = c.blue() > c.red() + 80 && c.blue() > c.green() + 80;
            if (isGreen && inside.contains(x, y))
                ++green;
            // The reactions stand at the supports, on the bottom of the
            // page: the frame is wider than high and sits on the bottom margin.
            if (isBlue)
                ++(y > image.height() / 2 ? blueBelowHalf : blueAboveHalf);
            if (c != Qt::white && y < paintable.top())
                ++outsideTop;
        }
    }
    EXPECT_GT(green, 0) << "the moment diagram inside the margins";
    EXPECT_GT(blueBelowHalf, 0) << "the reactions at the supports";
    EXPECT_EQ(blueAboveHalf, 0) << "nothing upside down";
    EXPECT_EQ(outsideTop, 0) << "nothing above the printable area";
}

TEST_F(PrintCommandsTest, ThePageIsTheSameWhateverTheScreenShows)
{
    openExample("portal-frame.str");
    frame->view()->resultCommand(Command::ShowShear);
    frame->view()->grab(); // the first paint fits the structure
    const QImage before = page();

    RuvoView *view = frame->view();
    view->zoomInCommand();
    view->zoomInCommand();
    view->onCommand(Command::ShowGrid);
    view->grab();
    EXPECT_EQ(page(), before);
    view->zoomOutCommand();
    view->zoomOutCommand();
    view->zoomOutCommand();
    view->grab();
    EXPECT_EQ(page(), before);
    // Scrolled sideways and up with the arrow keys and the wheel.
    const double originX = view->viewport().originX;
    const double originY = view->viewport().originY;
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Up);
    QWheelEvent wheel(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->canvas(), &wheel);
    view->grab();
    EXPECT_NE(view->viewport().originX, originX);
    EXPECT_NE(view->viewport().originY, originY);
    EXPECT_EQ(page(), before);
    EXPECT_GT(CountColour(before, DrawingPalette::DiagramColor), 0);
}

TEST_F(PrintCommandsTest, TheLoadAndValueSwitchesOfTheViewReachThePage)
{
    openExample("portal-frame.str");
    EXPECT_TRUE(printing->displays().showLoads);
    EXPECT_GT(CountColour(page(), DrawingPalette::DistributedColor), 0);
    frame->view()->onCommand(Command::ShowLoads);
    EXPECT_FALSE(printing->displays().showLoads);
    EXPECT_EQ(CountColour(page(), DrawingPalette::DistributedColor), 0);

    Settings::current().showNumbers = 0;
    frame->view()->onCommand(Command::ShowValues);
    const PageDisplays displays = printing->displays();
    EXPECT_FALSE(displays.showValues);
    EXPECT_FALSE(displays.showNumbers);
}

TEST_F(PrintCommandsTest, AnEditedStructureIsCalculatedBeforeAnyJobEvenWithoutResultsShown)
{
    openExample("portal-frame.str");
    ASSERT_FALSE(doc->anyResultShown());
    ASSERT_TRUE(doc->needsCalculation);
    ASSERT_TRUE(printing->exportTo(pathOf("page.png")));
    EXPECT_FALSE(doc->needsCalculation);
    EXPECT_NE(doc->structure().rods[0].resultM.x, 0.0) << "the results are up to date";
    EXPECT_TRUE(QFile::exists(pathOf("page.png")));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PrintCommandsTest, AStructureThatCannotBeCalculatedStartsNoJob)
{
    openText(Mechanism);
    frame->view()->resultCommand(Command::ShowReactions);
    reporter.messages.clear();
    doc->needsCalculation = true;
    printing->printer().setOutputFormat(QPrinter::PdfFormat);
    printing->printer().setOutputFileName(pathOf("never.pdf"));

    const struct {
        const char *name;
        std::function<bool()> job;
    } jobs[] = {
        {"print", [this] { return printing->print(); }},
        {"preview", [this] { return printing->printPreview(); }},
        {"direct", [this] { return printing->printDirect(); }},
        {"export", [this] { return printing->exportTo(pathOf("never.png")); }},
        {"export dialog", [this] { return printing->exportWithDialog(); }},
    };
    for (const auto &job : jobs) {
        SCOPED_TRACE(job.name);
        reporter.messages.clear();
        ModalAnswer noDialog(
            [](QWidget *modal) { ADD_FAILURE() << "a dialog opened: " << modal->metaObject()->className(); });
        EXPECT_FALSE(job.job());
        ASSERT_EQ(reporter.messages.size(), 1u) << "the calculation's own message, once";
        EXPECT_FALSE(doc->anyResultShown());
    }
    EXPECT_FALSE(QFile::exists(pathOf("never.pdf")));
    EXPECT_FALSE(QFile::exists(pathOf("never.png")));
}

TEST_F(PrintCommandsTest, ThePrintDialogOffersOnePageAndCancelPrintsNothing)
{
    openExample("portal-frame.str");
    printing->printer().setOutputFormat(QPrinter::PdfFormat);
    printing->printer().setOutputFileName(pathOf("cancelled.pdf"));
    int first = -1, last = -1;
    ModalAnswer answer([&](QWidget *modal) {
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        first = dialog->minPage();
        last = dialog->maxPage();
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        dialog->reject();
    });
    EXPECT_FALSE(printing->print());
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 1);
    EXPECT_FALSE(QFile::exists(pathOf("cancelled.pdf")));
}

TEST_F(PrintCommandsTest, ThePreviewShowsOnePageAndClearsTheSelection)
{
    openExample("continuous-beam.str");
    frame->view()->resultCommand(Command::ShowMoments);
    selectEverything();
    int pages = -1;
    ModalAnswer answer([&](QWidget *modal) {
        auto *preview = modal->findChild<QPrintPreviewWidget *>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        pages = preview->pageCount();
        modal->close();
    });
    EXPECT_TRUE(printing->printPreview());
    EXPECT_TRUE(answer.seen());
    EXPECT_EQ(pages, 1);
    EXPECT_FALSE(anySelected());
}

TEST_F(PrintCommandsTest, PrinterSetupAndTheFileMenuCommandsAreHandled)
{
    frame->updateActions();
    for (int id :
         {Command::FilePrint, Command::FilePrintPreview, Command::FilePrintSetup, Command::FileExport})
        EXPECT_TRUE(frame->action(id)->isEnabled()) << id;
    EXPECT_EQ(frame->action(Command::FileExport)->text(), QStringLiteral("Экспорт..."));

    ModalAnswer answer([](QWidget *modal) {
        EXPECT_NE(qobject_cast<QPageSetupDialog *>(modal), nullptr) << modal->metaObject()->className();
        modal->close();
    });
    EXPECT_TRUE(frame->routeCommand(Command::FilePrintSetup));
    EXPECT_TRUE(answer.seen());
}

TEST_F(PrintCommandsTest, TheExportDialogAddsTheExtensionOfTheChosenFormat)
{
    openExample("portal-frame.str");
    const QString chosen = pathOf("report");
    ModalAnswer answer([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectNameFilter(QStringLiteral("SVG (*.svg)"));
        dialog->selectFile(chosen);
        // The dialog may still be filling in its starting name while it
        // loads the folder: type the name the way a user does, last.
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(chosen);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_TRUE(printing->exportWithDialog());
    EXPECT_TRUE(answer.seen());
    EXPECT_TRUE(QFile::exists(chosen + QStringLiteral(".svg")))
        << "written: " << QDir(folder.path()).entryList(QDir::Files).join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PrintCommandsTest, AnExportedPdfIsThePrintedPage)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed: the pages cannot be compared";
    openExample("portal-frame.str");
    frame->view()->resultCommand(Command::ShowMoments);
    frame->view()->resultCommand(Command::ShowReactions);
    QPrinter &printer = printing->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pathOf("printed.pdf"));
    ASSERT_TRUE(printing->printPage(printer));
    ASSERT_TRUE(printing->exportTo(pathOf("exported.pdf")));
    EXPECT_TRUE(reporter.messages.empty());

    QImage pages[2];
    const char *const names[] = {"printed", "exported"};
    for (int i = 0; i < 2; ++i) {
        const QString prefix = pathOf(names[i]);
        ASSERT_EQ(QProcess::execute(pdftoppm,
                                    {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), prefix + QStringLiteral(".pdf"), prefix}),
                  0);
        ASSERT_TRUE(pages[i].load(prefix + QStringLiteral(".png")));
    }
    ASSERT_EQ(pages[0].size(), pages[1].size());
    int different = 0;
    QRect where;
    for (int y = 0; y < pages[0].height(); ++y)
        for (int x = 0; x < pages[0].width(); ++x)
            if (pages[0].pixel(x, y) != pages[1].pixel(x, y)) {
                ++different;
                where |= QRect(x, y, 1, 1);
            }
    EXPECT_EQ(different, 0) << "the same page on the same sheet; differences within x " << where.left()
                            << "..." << where.right() << ", y " << where.top() << "..." << where.bottom();
    const QString keep = qEnvironmentVariable("RUVO_TEST_OUTPUT");
    if (!keep.isEmpty()) {
        QFile::copy(pathOf("exported.pdf"), QDir(keep).filePath(QStringLiteral("exported.pdf")));
        QFile::copy(pathOf("printed.pdf"), QDir(keep).filePath(QStringLiteral("printed.pdf")));
    }
}

TEST_F(PrintCommandsTest, APrinterThatRefusesThePageIsReportedOnce)
{
    openExample("portal-frame.str");
    QPrinter &printer = printing->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pathOf("missing-folder/printed.pdf"));
    EXPECT_FALSE(printing->printPage(printer));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].headline, "Ошибка печати!");
    EXPECT_NE(reporter.messages[0].reason.find("missing-folder/printed.pdf"), std::string::npos)
        << reporter.messages[0].reason;
    EXPECT_FALSE(QFile::exists(pathOf("missing-folder/printed.pdf")));
}

TEST_F(PrintCommandsTest, AnExportThatCannotBeWrittenIsReported)
{
    openExample("portal-frame.str");
    EXPECT_FALSE(printing->exportTo(pathOf("missing-folder/page.pdf")));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].headline, "Ошибка экспорта!");
    EXPECT_NE(reporter.messages[0].reason.find("missing-folder/page.pdf"), std::string::npos);
}

TEST_F(PrintCommandsTest, PrintingAFileFromTheCommandLine)
{
    const QString good = ExamplePath("portal-frame.str");
    const QString malformed = pathOf("malformed.str");
    const QString mechanism = pathOf("mechanism.str");
    for (const auto &[path, text] : {std::pair{malformed, QByteArray("FileVersion = 3\nNode0 1 x\n")},
                                     std::pair{mechanism, QByteArray(Mechanism)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const bool printerPresent = !QPrinterInfo::defaultPrinter().isNull();
    const struct {
        const char *name;
        QString path;
        int status;
        const char *headline;
    } cases[] = {
        {"missing file", pathOf("missing.str"), 2, "Ошибка открытия файла!"},
        {"malformed line", malformed, 2, nullptr},
        {"cannot be calculated", mechanism, 1, nullptr},
        {"no printer", good, printerPresent ? 0 : 1, printerPresent ? nullptr : "Печать невозможна!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reporter.messages.clear();
        EXPECT_EQ(PrintFileFromCommandLine(c.path), c.status);
        if (c.status != 0) {
            ASSERT_EQ(reporter.messages.size(), 1u);
        }
        if (c.headline != nullptr) {
            EXPECT_EQ(reporter.messages[0].headline, c.headline);
        }
    }
}
