// The printed page: margins, drawing unit and fit from the page size alone,
// what is drawn and in which order, the cleared selection, pages narrower
// than 800 pixels, and the page written as PDF, SVG and PNG.

#include "engine/Calculate.h"
#include "fixtures/FilesAndPixels.h"
#include "model/StructureFile.h"
#include "view/PageExport.h"
#include "view/PagePrinter.h"
#include "view/ViewTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

using namespace DrawingPalette;

std::string ExamplePath(const char *name)
{
    return std::string(RUVO_SOURCE_EXAMPLES) + "/" + name;
}

// A bundled example, read and calculated.
StructureModel CalculatedExample(const char *name)
{
    std::ifstream file(ExamplePath(name), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    StructureModel structure;
    EXPECT_TRUE(ReadStructure(structure, text.str()).ok) << name;
    double time = 0.0;
    EXPECT_TRUE(Calculate(structure, time)) << name;
    return structure;
}

// A frame of 6 m by 4 m: two columns and a beam.
StructureModel Frame()
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 0, false));
    structure.nodes.Add(MakeNode(2, 0, 4));
    structure.nodes.Add(MakeNode(3, 6, 4));
    structure.nodes.Add(MakeNode(4, 6, 0, false));
    structure.rods.Add(MakeRod(1, 0, 1));
    structure.rods.Add(MakeRod(2, 1, 2));
    structure.rods.Add(MakeRod(3, 2, 3));
    return structure;
}

QImage RenderPage(int width, int height, StructureModel &structure, const PageDisplays &displays)
{
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrintPage(painter, width, height, structure, displays);
    return image;
}

QRgb Rgb(int entry)
{
    return DrawingPalette::color(entry).rgb() & 0xffffff;
}

// Pixels of exactly this colour in the device box [x1, x2) x [y1, y2).
int CountColour(const QImage &image, QRgb rgb, int x1, int y1, int x2, int y2)
{
    int n = 0;
    for (int y = std::max(0, y1); y < std::min(image.height(), y2); ++y)
        for (int x = std::max(0, x1); x < std::min(image.width(), x2); ++x)
            n += (image.pixel(x, y) & 0xffffff) == rgb;
    return n;
}

int CountAll(const QImage &image, QRgb rgb)
{
    return CountColour(image, rgb, 0, 0, image.width(), image.height());
}

bool AnySelected(const StructureModel &structure)
{
    for (int i = 0; i < structure.nodes.count; ++i)
        if (structure.nodes[i].isSelected())
            return true;
    for (int i = 0; i < structure.rods.count; ++i)
        if (structure.rods[i].isSelected())
            return true;
    return false;
}

PageDisplays Moments()
{
    PageDisplays displays;
    displays.showMoments = true;
    displays.showReactions = true;
    return displays;
}

} // namespace

TEST(PagePrinting, MarginUnitAndFitFollowThePageAlone)
{
    // Margins are a twentieth of the larger side, the unit is a 800th of the
    // width; the 6 m x 4 m frame fills the tighter direction of the area,
    // centred in it.
    const struct {
        int width, height;
        int margin, unit;
    } pages[] = {
        {4800, 6000, 300, 6}, {6000, 4800, 300, 7},
        {2400, 1000, 120, 3}, {799, 1131, 56, 0}, // narrower than 800 pixels: unit 0
        {40, 20, 2, 0},
    };
    const StructureModel frame = Frame();
    for (const auto &page : pages) {
        SCOPED_TRACE(std::to_string(page.width) + " x " + std::to_string(page.height));
        const Viewport port = PageViewport(page.width, page.height, frame);
        EXPECT_EQ(PageMargin(page.width, page.height), page.margin);
        EXPECT_EQ(port.unit, page.unit);
        EXPECT_EQ(port.deviceRect.left, page.margin);
        EXPECT_EQ(port.deviceRect.top, page.margin);
        EXPECT_EQ(port.deviceRect.right, page.width - page.margin);
        EXPECT_EQ(port.deviceRect.bottom, page.height - page.margin);

        // Device points as the drawing places them: y = area height - logical y.
        auto device = [&port](double x, double y) {
            const LogicalPoint p = port.toLogical(x, y);
            return QPoint(p.x, port.deviceRect.height() - p.y);
        };
        // The structure centred in the area inside the margins, touching it
        // in the tighter direction (within the truncation of a pixel).
        const QPoint lowerLeft = device(0, 0);
        const QPoint corner = device(6, 4);
        EXPECT_NEAR((lowerLeft.x() + corner.x()) / 2.0, page.width / 2.0, 1.5);
        EXPECT_NEAR((lowerLeft.y() + corner.y()) / 2.0, page.height / 2.0, 1.5);
        EXPECT_GE(lowerLeft.x(), page.margin - 1);
        EXPECT_LE(lowerLeft.y(), page.height - page.margin + 1);
        EXPECT_LE(corner.x(), page.width - page.margin + 1);
        EXPECT_GE(corner.y(), page.margin - 1);
        const double areaWidth = page.width - 2 * page.margin;
        const double areaHeight = page.height - 2 * page.margin;
        const bool widthTighter = areaWidth / 6.0 <= areaHeight / 4.0;
        if (widthTighter) {
            EXPECT_NEAR(corner.x() - lowerLeft.x(), areaWidth, 2.0);
        } else {
            EXPECT_NEAR(lowerLeft.y() - corner.y(), areaHeight, 2.0);
        }
    }
}

TEST(PagePrinting, ThePageShowsResultsStructureAndLoadsWithoutGridOrSelection)
{
    SettingsRestorer restore;
    Settings::current().showGrid = 1;
    StructureModel portal = CalculatedExample("portal-frame.str");
    for (int i = 0; i < portal.nodes.count; ++i)
        portal.nodes[i].select();
    for (int i = 0; i < portal.rods.count; ++i)
        portal.rods[i].select();

    const int width = 1600, height = 2263;
    const QImage page = RenderPage(width, height, portal, Moments());
    const int d = PageMargin(width, height);

    // The page is drawn from a copy without the selection; clearing the
    // document's selection is the print command's (PrintCommandsTest).
    EXPECT_TRUE(AnySelected(portal)) << "the drawn structure is left as it was";
    // Inside the margins: the moment diagram, rods and nodes, the distributed
    // load, the reactions; the force on the left column points at it from
    // the margin.
    for (int entry : {DiagramColor, RodColor, DistributedColor, ReactionColor}) {
        EXPECT_GT(CountColour(page, Rgb(entry), d, d, width - d, height - d), 0) << "palette entry " << entry;
    }
    EXPECT_GT(CountAll(page, Rgb(ForceColor)), 0);
    // Neither selection (nor grid) red, nor the origin marker.
    EXPECT_EQ(CountAll(page, Rgb(SelectionColor)), 0);
    EXPECT_EQ(CountAll(page, Rgb(OriginColor)), 0);
    // The structure lies on the bottom margin and nothing of it is above
    // the top margin: the upper half of the top margin stays white.
    for (int entry : {DiagramColor, RodColor, DistributedColor}) {
        EXPECT_EQ(CountColour(page, Rgb(entry), 0, 0, width, d / 2), 0) << "palette entry " << entry;
    }

    // The structure is drawn over the diagram: on the middle of the left
    // column (away from loads and labels) no diagram pixel covers the rod.
    const Viewport port = PrintedPageViewport(width, height, portal, Moments(), page.logicalDpiY());
    const LogicalPoint foot = port.toLogical(0, 0);
    const LogicalPoint head = port.toLogical(0, 4);
    const int column = foot.x;
    const int columnTop = port.deviceRect.height() - (foot.y + 3 * (head.y - foot.y) / 4);
    const int columnBottom = port.deviceRect.height() - (foot.y + (head.y - foot.y) / 4);
    int rodPixels = 0;
    int diagramPixels = 0;
    const int u = width / 800;
    for (int y = columnBottom; y > columnTop; --y) {
        for (int x = column - u / 2; x < column + (u + 1) / 2; ++x) {
            rodPixels += (page.pixel(x, y) & 0xffffff) == Rgb(RodColor);
            diagramPixels += (page.pixel(x, y) & 0xffffff) == Rgb(DiagramColor);
        }
    }
    EXPECT_GT(rodPixels, 0);
    EXPECT_EQ(diagramPixels, 0);
}

TEST(PagePrinting, OnlyTheSwitchedOnDisplaysArePrinted)
{
    StructureModel portal = CalculatedExample("portal-frame.str");
    const int width = 1200, height = 900;
    const struct {
        const char *name;
        PageDisplays displays;
        int presentEntry; // -1: none expected
        int absentEntry;  // -1: none checked
    } cases[] = {
        {"no results", [] { return PageDisplays(); }(), -1, DiagramColor},
        {"reactions only",
         [] {
             PageDisplays p;
             p.showReactions = true;
             return p;
         }(),
         ReactionColor, DiagramColor},
        {"shear",
         [] {
             PageDisplays p;
             p.showShear = true;
             return p;
         }(),
         DiagramColor, ReactionColor},
        {"no loads",
         [] {
             PageDisplays p;
             p.showLoads = false;
             return p;
         }(),
         RodColor, DistributedColor},
        {"loads", PageDisplays(), DistributedColor, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage page = RenderPage(width, height, portal, c.displays);
        if (c.presentEntry >= 0) {
            EXPECT_GT(CountAll(page, Rgb(c.presentEntry)), 0);
        }
        if (c.absentEntry >= 0) {
            EXPECT_EQ(CountAll(page, Rgb(c.absentEntry)), 0);
        }
    }
}

TEST(PagePrinting, PagesNarrowerThan800PixelsAndTinyPagesFinish)
{
    // The drawing unit is 0 below 800 pixels: the loops of load arrows and
    // diagram ordinates must still advance. The portal frame gets every
    // kind of load.
    StructureModel structure = CalculatedExample("portal-frame.str");
    structure.rods[0].temperature = Pair(10, -10);
    for (int i = 0; i < structure.nodes.count; ++i) {
        Node &node = structure.nodes[i];
        if (node.isFree)
            node.moment = 7;
        else
            node.displacement = Triple(0.01, 0, 0.5);
    }
    double time = 0.0;
    ASSERT_TRUE(Calculate(structure, time));

    const QSize sizes[] = {{799, 1000}, {400, 300}, {120, 90}, {19, 19}, {1, 1}, {0, 0}};
    PageDisplays variants[4];
    variants[0].showMoments = true;
    variants[1].showShear = true;
    variants[2].showAxial = true;
    variants[3].showDisplacements = true;
    for (PageDisplays &displays : variants)
        displays.showReactions = true;
    for (const QSize &size : sizes) {
        for (const PageDisplays &displays : variants) {
            SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
            const QImage page = RenderPage(size.width(), size.height(), structure, displays);
            if (size.width() >= 120) {
                EXPECT_GT(CountAll(page, Rgb(RodColor)), 0) << "the rods are still drawn";
            }
        }
    }
}

TEST(PagePrinting, DebugModeLabelsElementsWithTheirPositions)
{
    SettingsRestorer restore;
    PageDisplays numbers;
    numbers.showNumbers = true;
    const int width = 1600, height = 1200;

    // The frame's numbers are its positions plus one; in debug mode its page
    // is the page of a frame numbered by position.
    StructureModel numbered = Frame();
    StructureModel byPosition = Frame();
    for (int i = 0; i < byPosition.nodes.count; ++i)
        byPosition.nodes[i].number = i;
    for (int i = 0; i < byPosition.rods.count; ++i)
        byPosition.rods[i].number = i;

    Settings::current().debugMode = false;
    const QImage normal = RenderPage(width, height, numbered, numbers);
    const QImage positions = RenderPage(width, height, byPosition, numbers);
    ASSERT_NE(normal, positions) << "the labels show on the page";
    Settings::current().debugMode = true;
    EXPECT_EQ(RenderPage(width, height, numbered, numbers), positions);
    // Without numbers debug mode changes nothing.
    numbers.showNumbers = false;
    const QImage bare = RenderPage(width, height, numbered, numbers);
    Settings::current().debugMode = false;
    EXPECT_EQ(RenderPage(width, height, numbered, numbers), bare);
}

TEST(PagePrinting, AnEmptyStructurePrintsAnEmptyPageOfTheDefaultExtents)
{
    StructureModel empty;
    const Viewport port = PageViewport(1000, 800, empty);
    const int d = PageMargin(1000, 800);
    // 10 m x 6 m in an area of 900 x 700 pixels: 90 pixels per metre,
    // centred: 0.89 m to spare below and above.
    EXPECT_DOUBLE_EQ(port.scale, std::min((1000 - 2 * d) / 10.0, (800 - 2 * d) / 6.0));
    EXPECT_EQ(port.originX, 0.0);
    EXPECT_NEAR(port.originY, -0.5 * ((800 - 2 * d) / port.scale - 6.0), 1e-12);
    const QImage page = RenderPage(1000, 800, empty, Moments());
    // Nothing but the title block along the bottom margin.
    const int titleTop = 800 - d - 2 * std::max(12, port.minimumFontPixels);
    EXPECT_EQ(CountColour(page, 0xffffff, 0, 0, 1000, titleTop), 1000 * titleTop);
}

TEST(PagePrinting, CoincidentNodesStillGiveAPage)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 2, 3, false));
    structure.nodes.Add(MakeNode(2, 2, 3));
    structure.rods.Add(MakeRod(1, 0, 1));
    const Viewport port = PageViewport(1000, 800, structure);
    EXPECT_TRUE(port.isMapped());
    const QImage page = RenderPage(1000, 800, structure, PageDisplays());
    EXPECT_GT(CountAll(page, Rgb(NodeColor)), 0);
}

TEST(PageExport, TheFormatFollowsTheExtension)
{
    const struct {
        const char *path;
        PageFormat format;
    } cases[] = {{"a.pdf", PageFormat::Pdf},        {"/x/B.PDF", PageFormat::Pdf},
                 {"c.svg", PageFormat::Svg},        {"d.Png", PageFormat::Png},
                 {"e.jpg", PageFormat::Unknown},    {"pdf", PageFormat::Unknown},
                 {"f.png.txt", PageFormat::Unknown}};
    for (const auto &c : cases) {
        EXPECT_EQ(PageFormatOf(QString::fromLatin1(c.path)), c.format) << c.path;
    }
}

TEST(PageExport, WritesThePageAsPdfSvgAndPng)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    StructureModel portal = CalculatedExample("portal-frame.str");
    const QPageLayout a4 = DefaultExportLayout();
    const QSize pixels = a4.fullRectPixels(ExportResolution).size();
    const QColor green = DrawingPalette::color(DiagramColor);

    for (const char *name : {"page.png", "page.svg", "page.pdf"}) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(QString::fromLatin1(name));
        QString error;
        ASSERT_TRUE(ExportPage(path, portal, Moments(), a4, &error)) << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_FALSE(bytes.isEmpty());

        QImage picture;
        switch (PageFormatOf(path)) {
        case PageFormat::Png:
            ASSERT_TRUE(picture.loadFromData(bytes, "PNG"));
            EXPECT_EQ(picture.size(), pixels);
            EXPECT_EQ(qRound(picture.dotsPerMeterX() * 0.0254), ExportResolution);
            break;
        case PageFormat::Svg: {
            QSvgRenderer renderer(bytes);
            ASSERT_TRUE(renderer.isValid());
            EXPECT_EQ(renderer.viewBox().size(), pixels);
            picture = QImage(pixels / 2, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            renderer.render(&painter);
            break;
        }
        case PageFormat::Pdf: {
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
            const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
            if (pdftoppm.isEmpty())
                continue; // the PDF cannot be looked at here
            const QString prefix = folder.filePath(QStringLiteral("rendered"));
            ASSERT_EQ(QProcess::execute(pdftoppm,
                                        {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), path, prefix}),
                      0);
            ASSERT_TRUE(picture.load(prefix + QStringLiteral(".png")));
            // A4 at 100 dpi.
            EXPECT_NEAR(picture.width(), 827, 1);
            EXPECT_NEAR(picture.height(), 1169, 1);
            break;
        }
        case PageFormat::Unknown:
            FAIL();
        }
        EXPECT_GT(CountNear(picture, green, 40), 0) << "the moment diagram";
        EXPECT_GT(CountNear(picture, DrawingPalette::color(RodColor), 20), 0) << "the rods";
    }
}

TEST(PageExport, ThePageLiesInsideThePrinterMarginsOfTheSheet)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    StructureModel portal = CalculatedExample("portal-frame.str");
    const QPageLayout a4 = DefaultExportLayout();
    EXPECT_EQ(a4.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(a4.orientation(), QPageLayout::Portrait);
    const QRect area = a4.paintRectPixels(ExportResolution);
    const QSize sheet = a4.fullRectPixels(ExportResolution).size();
    ASSERT_LT(area.width(), sheet.width());

    const QString path = folder.filePath(QStringLiteral("page.png"));
    QString error;
    ASSERT_TRUE(ExportPage(path, portal, Moments(), a4, &error)) << error.toStdString();
    const QImage exported(path);
    ASSERT_EQ(exported.size(), sheet);

    // The page drawn in the paintable area is the printed page of that size:
    // the unit and margins follow the area, not the sheet.
    QImage printed(area.size(), QImage::Format_RGB32);
    printed.setDotsPerMeterX(exported.dotsPerMeterX());
    printed.setDotsPerMeterY(exported.dotsPerMeterY());
    printed.fill(Qt::white);
    {
        QPainter painter(&printed);
        PrintPage(painter, area.width(), area.height(), portal, Moments());
    }
    EXPECT_EQ(exported.copy(area).convertToFormat(QImage::Format_RGB32), printed);

    // The reaction labels left of the left support reach past the page's
    // own margin but stay on the sheet: nothing touches its edges.
    int onEdges = 0;
    for (int y = 0; y < exported.height(); ++y)
        for (int x = 0; x < exported.width(); ++x) {
            const bool edge = x < 2 || y < 2 || x >= exported.width() - 2 || y >= exported.height() - 2;
            onEdges += edge && (exported.pixel(x, y) & 0xffffff) != 0xffffff;
        }
    EXPECT_EQ(onEdges, 0);
}

TEST(PageExport, SmallSheetsWithAZeroDrawingUnitAreWrittenToo)
{
    // Sheets whose paintable width is below 800 pixels at the export
    // resolution: the drawing unit is 0 and every loop must still end.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    StructureModel portal = CalculatedExample("portal-frame.str");
    PageDisplays everything = Moments();
    const QSizeF sheets[] = {{60, 45}, {20, 15}, {8, 8}}; // millimetres
    for (const QSizeF &sheet : sheets) {
        const QPageLayout layout(QPageSize(sheet, QPageSize::Millimeter), QPageLayout::Portrait,
                                 QMarginsF(1, 1, 1, 1), QPageLayout::Millimeter);
        ASSERT_LT(layout.paintRectPixels(ExportResolution).width(), 800);
        for (const char *name : {"small.png", "small.svg", "small.pdf"}) {
            SCOPED_TRACE(std::to_string(sheet.width()) + " mm, " + name);
            const QString path = folder.filePath(QString::fromLatin1(name));
            QString error;
            ASSERT_TRUE(ExportPage(path, portal, everything, layout, &error)) << error.toStdString();
            EXPECT_GT(QFileInfo(path).size(), 0);
        }
        const QImage picture(folder.filePath(QStringLiteral("small.png")));
        EXPECT_GT(CountAll(picture, Rgb(RodColor)), 0) << "the rods are drawn";
    }
}

TEST(PageExport, RefusesUnknownFormatsAndUnwritablePlaces)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    StructureModel frame = Frame();
    const QString kept = folder.filePath(QStringLiteral("kept.txt"));
    ASSERT_TRUE(WriteBytes(kept, "old contents"));
    const struct {
        const char *name;
        QString path;
    } cases[] = {
        {"unknown extension", kept},
        {"missing folder", folder.filePath(QStringLiteral("missing/page.pdf"))},
        {"a folder in the way", folder.path() + QStringLiteral("/sub.png")},
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub.png")));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(ExportPage(c.path, frame, PageDisplays(), DefaultExportLayout(), &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(ReadBytes(kept), QByteArray("old contents"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing/page.pdf"))));
}

// On paper the diagram ordinates grow with the page like every other size:
// on an A4 page at 300 dpi (2480 pixels wide, unit 3) the clamp moment of a
// cantilever, the largest moment, is 40 units = 120 pixels long, as its 40
// pixels are on the screen, not a 3 mm hairline. Labels are at least 8 pt.
TEST(PagePrinting, DiagramOrdinatesScaleWithThePage)
{
    StructureModel cantilever;
    cantilever.nodes.Add(MakeNode(1, 0, 0, false));
    cantilever.nodes.Add(MakeNode(2, 6, 0));
    cantilever.rods.Add(MakeRod(1, 0, 1));
    cantilever.nodes[1].force = Pair(0, -10);
    double time = 0.0;
    ASSERT_TRUE(Calculate(cantilever, time));

    PageDisplays moments;
    moments.showMoments = true;
    moments.showLoads = false;
    moments.showValues = false;
    moments.showNumbers = false;
    const int width = 2480, height = 3508;
    QImage page(width, height, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811); // 300 dpi
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PrintPage(painter, width, height, cantilever, moments);
    }
    const Viewport port = PrintedPageViewport(width, height, cantilever, moments, 300);
    EXPECT_EQ(port.unit, 3);
    EXPECT_GE(port.minimumFontPixels, 8 * 300 / 72) << "8 points at 300 dpi";
    const LogicalPoint clamp = port.toLogical(0, 0);
    const int rodY = port.deviceRect.height() - clamp.y;
    int reach = 0;
    for (int x = clamp.x; x <= clamp.x + 2; ++x)
        for (int y = 0; y < height; ++y)
            if ((page.pixel(x, y) & 0xffffff) == Rgb(DiagramColor))
                reach = std::max(reach, std::abs(y - rodY));
    EXPECT_NEAR(reach, 40 * 3, 3) << "the largest ordinate in pixels";
}
