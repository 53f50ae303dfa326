// ruvo-calc --export run as a process: the page of an example with its
// moment diagram as PDF, SVG and PNG, without a display, and the refusals
// of a wrong command line.

#include "fixtures/FilesAndPixels.h"
#include "view/DrawingPalette.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef RUVO_CALC_PATH
#define RUVO_CALC_PATH ""
#endif

namespace {

struct CalcRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs ruvo-calc without a display (and without a platform chosen).
CalcRun RunCalc(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RUVO_CALC_PATH), arguments);
    CalcRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Example(const char *name)
{
    return QStringLiteral(RUVO_SOURCE_EXAMPLES "/") + QString::fromLatin1(name);
}

// The written page as a picture; a null image when it cannot be looked at.
QImage LoadPage(const QString &path, const QTemporaryDir &folder)
{
    QImage image;
    if (path.endsWith(QLatin1String(".png"))) {
        image.load(path);
    } else if (path.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(path);
        if (!renderer.isValid())
            return image;
        image = QImage(renderer.viewBox().size() / 2, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
    } else {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        const QString prefix = folder.filePath(QStringLiteral("pdf-page"));
        if (!pdftoppm.isEmpty() &&
            QProcess::execute(pdftoppm, {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), path, prefix}) == 0)
            image.load(prefix + QStringLiteral(".png"));
    }
    return image;
}

} // namespace

TEST(RuvoCalcExport, WritesThePageWithTheMomentDiagramInEachFormat)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QColor diagram = DrawingPalette::color(DrawingPalette::DiagramColor);
    const QColor reactions = DrawingPalette::color(DrawingPalette::ReactionColor);
    for (const char *name : {"page.pdf", "page.svg", "page.png"}) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(QString::fromLatin1(name));
        const CalcRun run = RunCalc({QStringLiteral("--export"), path, QStringLiteral("--show"),
                                     QStringLiteral("moments,reactions"), Example("portal-frame.str")});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("Моменты"))) << "the report is still printed";
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        ASSERT_TRUE(QFile::exists(path));
        if (path.endsWith(QLatin1String(".pdf"))) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.read(5) == "%PDF-");
        }
        const QImage page = LoadPage(path, folder);
        if (page.isNull() && path.endsWith(QLatin1String(".pdf")))
            continue; // no pdftoppm here
        ASSERT_FALSE(page.isNull());
        EXPECT_NEAR(double(page.width()) / page.height(), 210.0 / 297.0, 0.01) << "an A4 page";
        EXPECT_GT(CountNear(page, diagram, 40), 0) << "the moment diagram";
        EXPECT_GT(CountNear(page, reactions, 40), 0) << "the reactions";
    }
}

TEST(RuvoCalcExport, TheDisplaysListChoosesWhatIsDrawn)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QColor diagram = DrawingPalette::color(DrawingPalette::DiagramColor);
    const QString plain = folder.filePath(QStringLiteral("plain.png"));
    const QString axial = folder.filePath(QStringLiteral("axial.png"));
    ASSERT_EQ(RunCalc({QStringLiteral("--export"), plain, Example("portal-frame.str")}).status, 0);
    ASSERT_EQ(RunCalc({QStringLiteral("--export"), axial, QStringLiteral("--show"), QStringLiteral("axial"),
                       Example("portal-frame.str")})
                  .status,
              0);
    EXPECT_EQ(CountNear(QImage(plain), diagram, 0), 0) << "no diagram unless asked for";
    EXPECT_GT(CountNear(QImage(axial), diagram, 0), 0);
}

TEST(RuvoCalcExport, AWrongCommandLineOrPlaceIsRefused)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString page = folder.filePath(QStringLiteral("page.pdf"));
    const QString example = Example("portal-frame.str");
    const struct {
        const char *name;
        QStringList arguments;
        int status;
        const char *message;
    } cases[] = {
        {"unknown format",
         {QStringLiteral("--export"), folder.filePath(QStringLiteral("page.jpg")), example},
         2,
         "ending in .pdf, .svg or .png"},
        {"export without a file", {example, QStringLiteral("--export")}, 2, "--export needs"},
        {"show without export",
         {QStringLiteral("--show"), QStringLiteral("moments"), example},
         2,
         "--export"},
        {"unknown display",
         {QStringLiteral("--export"), page, QStringLiteral("--show"), QStringLiteral("stress"), example},
         2,
         "unknown display \"stress\""},
        {"empty display",
         {QStringLiteral("--export"), page, QStringLiteral("--show"), QStringLiteral("moments,"), example},
         2,
         "unknown display \"\""},
        {"two diagrams",
         {QStringLiteral("--export"), page, QStringLiteral("--show"), QStringLiteral("moments,shear"),
          example},
         2,
         "exclude each other"},
        {"named twice",
         {QStringLiteral("--export"), page, QStringLiteral("--show"), QStringLiteral("reactions,reactions"),
          example},
         2,
         "named twice"},
        {"missing folder",
         {QStringLiteral("--export"), folder.filePath(QStringLiteral("missing/page.svg")), example},
         3,
         "cannot write"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = RunCalc(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(page));
}

TEST(RuvoCalcExport, NoPageIsWrittenForAStructureThatCannotBeCalculated)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Two supports joined by one rod and a free node hanging from a hinged
    // rod: a mechanism.
    const QString mechanism = folder.filePath(QStringLiteral("mechanism.str"));
    ASSERT_TRUE(WriteBytes(mechanism, "FileVersion = 3\n"
                                      "Node0 1 0 0 0 0 0 0 0 0 0\n"
                                      "Node0 2 3 0 1 5 0 0 0 0 0\n"
                                      "Rod0 1 0 1 1 1 0 0 0 0 0 0 1 1 1 1 1 0.5\n"));
    // An old page at the place is neither replaced nor cut.
    const QString page = folder.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(WriteBytes(page, "old page"));
    const struct {
        const char *name;
        QStringList arguments;
        int status;
    } cases[] = {
        {"refused by the calculation", {QStringLiteral("--export"), page, mechanism}, 1},
        {"unreadable structure",
         {QStringLiteral("--export"), page, folder.filePath(QStringLiteral("missing.str"))},
         2},
        {"wrong display list",
         {QStringLiteral("--export"), page, QStringLiteral("--show"), QStringLiteral("moment"),
          Example("portal-frame.str")},
         2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CalcRun run = RunCalc(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << "a message says why";
        EXPECT_EQ(ReadBytes(page), QByteArray("old page"));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no temporary file left behind";
}
