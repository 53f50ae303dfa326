// The view as a widget: fitting, zooming, scrolling, the wheel and keys, the
// paint sequence on its pixels, the display toggles and the result switches
// with their one-calculation rule.

#include "view/RuvoView.h"

#include "app/RuvoApp.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "support/DocumentAccess.h"
#include "view/ViewTestSupport.h"

#include <QApplication>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace DrawingPalette;

double Width(const WorldRect &r)
{
    return r.right - r.left;
}

double Height(const WorldRect &r)
{
    return r.top - r.bottom;
}

void ExpectClose(double expected, double actual, const std::string &what)
{
    EXPECT_NEAR(expected, actual, 1e-9 * std::max(1.0, std::fabs(expected))) << what;
}

class RuvoViewTest : public ::testing::Test {
protected:
    RuvoViewTest() : view(&doc)
    {
        Settings::current().showGrid = 0;
        Settings::current().showNumbers = 0;
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(640, 480);
        view.show();
        doc.newDocument();
    }

    // Paints the view and returns its picture.
    QImage paint() { return view.canvas()->grab().toImage(); }

    // The colour of a logical pixel of a picture of the canvas.
    static QRgb at(const QImage &image, LogicalPoint p)
    {
        int y = image.height() - p.y;
        if (p.x < 0 || y < 0 || p.x >= image.width() || y >= image.height())
            return White;
        return image.pixel(p.x, y) & 0xffffff;
    }
    static QRgb rgb(int entry) { return color(entry).rgb() & 0xffffff; }

    static int count(const QImage &image, QRgb colour, LogicalPoint a, LogicalPoint b)
    {
        int n = 0;
        for (int x = std::min(a.x, b.x); x <= std::max(a.x, b.x); ++x)
            for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y)
                n += at(image, LogicalPoint{x, y}) == colour;
        return n;
    }

    void setStructure(const StructureModel &structure)
    {
        EditableStructure(doc) = structure;
        doc.needsCalculation = true;
        doc.requestFit();
    }

    int scaledSize()
    {
        ScaledRect e = view.viewport().scaledRect(doc.structure().extents());
        return std::max(e.top - e.bottom, e.right - e.left);
    }

    bool checked(int id)
    {
        CommandState state;
        EXPECT_TRUE(view.updateCommand(id, state)) << id;
        return state.checked;
    }

    void wheel(int delta)
    {
        QWheelEvent event(QPointF(20, 20), view.canvas()->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.canvas(), &event);
    }

    SettingsRestorer restoreSettings;
    RecordingReporter reporter;
    RuvoDoc doc;
    RuvoView view;
};

// A beam 4 m long on a hinged and a roller support under a downward
// distributed load, with a free node at mid-span.
StructureModel SimpleBeam()
{
    StructureModel beam;
    beam.nodes.Add(MakeNode(1, 0, 0, false));
    beam.nodes.Add(MakeNode(2, 2, 0));
    beam.nodes.Add(MakeNode(3, 4, 0, false));
    beam.rods.Add(MakeRod(1, 0, 1, JointType::Fixed));
    beam.rods.Add(MakeRod(2, 1, 2, JointType::Fixed));
    beam.rods[0].begin.joint = JointType::Hinge;
    beam.rods[1].end.joint = JointType::MovingHinge;
    beam.rods[0].load = Pair(0, -10);
    beam.rods[1].load = Pair(0, -10);
    return beam;
}

// A cantilever with a force at its free end.
StructureModel Cantilever()
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 0, false));
    structure.nodes.Add(MakeNode(2, 3, 0));
    structure.rods.Add(MakeRod(1, 0, 1, JointType::Fixed));
    structure.nodes[1].force = Pair(0, -10);
    return structure;
}

TEST_F(RuvoViewTest, FirstPaintFitsTheStructureWithATwentyPercentMargin)
{
    struct Case {
        const char *name;
        std::vector<Pair> nodes;
        WorldRect expected;
    };
    const Case cases[] = {
        {"empty", {}, {-2, 8, 12, -2}},
        {"one node", {{3, 4}}, {1.6, 5.4, 4.4, 2.6}},
        {"coinciding nodes", {{5, 5}, {5, 5}}, {3.6, 6.4, 6.4, 3.6}},
        {"horizontal line", {{0, 0}, {10, 0}}, {-2, 2.1, 12, -2}},
        {"vertical line", {{0, 0}, {0, 10}}, {-2, 12, 2.1, -2}},
    };
    for (const Case &c : cases) {
        StructureModel structure;
        for (const Pair &p : c.nodes)
            structure.nodes.Add(MakeNode(1, p.x, p.y));
        setStructure(structure);
        paint();
        const Viewport &port = view.viewport();
        double w = view.canvas()->width();
        double h = view.canvas()->height();
        ExpectClose(c.expected.left, port.originX, std::string(c.name) + ": left");
        ExpectClose(c.expected.bottom, port.originY, std::string(c.name) + ": bottom");
        ExpectClose(std::min(w / Width(c.expected), h / Height(c.expected)), port.scale,
                    std::string(c.name) + ": scale");
        EXPECT_FALSE(doc.fitRequested()) << c.name;
    }
}

TEST_F(RuvoViewTest, CommandsBeforeTheFirstPaintChangeNothing)
{
    RuvoDoc otherDoc;
    RuvoView fresh(&otherDoc);
    fresh.onCommand(Command::ZoomIn);
    fresh.onCommand(Command::ZoomOut);
    QTest::keyClick(&fresh, Qt::Key_Left);
    EXPECT_EQ(0.0, fresh.viewport().scale);
    EXPECT_EQ(0.0, fresh.viewport().originX);
}

TEST_F(RuvoViewTest, ZoomStopsAtTheStructureSizeLimits)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 0));
    structure.nodes.Add(MakeNode(2, 10, 6));
    setStructure(structure);
    paint();
    // Zooming in is allowed while the scaled structure is below 10000 pixels.
    for (int i = 0; i < 30; ++i)
        view.onCommand(Command::ZoomIn);
    EXPECT_GE(scaledSize(), 10000);
    EXPECT_LT(scaledSize(), 20000);
    double largest = view.viewport().scale;
    view.onCommand(Command::ZoomIn);
    EXPECT_EQ(largest, view.viewport().scale) << "refused beyond the limit";
    // Zooming out is allowed while it is above 100 pixels.
    for (int i = 0; i < 60; ++i)
        view.onCommand(Command::ZoomOut);
    EXPECT_LE(scaledSize(), 100);
    EXPECT_GT(scaledSize(), 50);
}

TEST_F(RuvoViewTest, KeypadPlusAndMinusZoomOtherKeysDoNot)
{
    setStructure(Cantilever());
    paint();
    double scale = view.viewport().scale;
    QTest::keyClick(&view, Qt::Key_Plus, Qt::KeypadModifier);
    ExpectClose(2 * scale, view.viewport().scale, "keypad plus");
    QTest::keyClick(&view, Qt::Key_Minus, Qt::KeypadModifier);
    ExpectClose(scale, view.viewport().scale, "keypad minus");
    QTest::keyClick(&view, Qt::Key_Plus);
    QTest::keyClick(&view, Qt::Key_A);
    ExpectClose(scale, view.viewport().scale, "other keys");
}

TEST_F(RuvoViewTest, ArrowKeysAndWheelPanByATenthOfTheVisibleWorld)
{
    setStructure(Cantilever());
    paint();
    const Viewport &port = view.viewport();
    double w = Width(port.visibleWorld());
    double h = Height(port.visibleWorld());
    double x = port.originX;
    double y = port.originY;
    QTest::keyClick(&view, Qt::Key_Left);
    ExpectClose(x - 0.1 * w, port.originX, "left");
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Right);
    ExpectClose(x + 0.1 * w, port.originX, "right");
    QTest::keyClick(&view, Qt::Key_Up);
    ExpectClose(y + 0.1 * h, port.originY, "up");
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Down);
    ExpectClose(y - 0.1 * h, port.originY, "down");
    // Each wheel message pans a tenth of the height, whatever its delta.
    wheel(120);
    ExpectClose(y, port.originY, "one notch up");
    wheel(480);
    ExpectClose(y + 0.1 * h, port.originY, "a large delta up");
    wheel(-120);
    wheel(-15);
    ExpectClose(y - 0.1 * h, port.originY, "down");
    ExpectClose(x + 0.1 * w, port.originX, "the wheel leaves x alone");
}

TEST_F(RuvoViewTest, ScrollBarsCoverTheStructureAndPlaceTheViewOnTheirThumb)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 0));
    structure.nodes.Add(MakeNode(2, 10, 6));
    setStructure(structure);
    paint();
    view.onCommand(Command::ZoomIn);
    view.onCommand(Command::ZoomIn);
    paint();
    const Viewport &port = view.viewport();
    QScrollBar *hbar = view.horizontalScrollBar();
    QScrollBar *vbar = view.verticalScrollBar();
    // Ranges: the structure alone, without the fit margin.
    EXPECT_EQ(0, hbar->minimum());
    EXPECT_EQ(int(10 * port.scale), hbar->maximum());
    EXPECT_EQ(0, vbar->minimum());
    EXPECT_EQ(int(6 * port.scale), vbar->maximum());
    // Zooming keeps the centre: the thumbs sit at the middle of the structure
    // (the bars run downward, so the vertical position is mirrored).
    WorldRect v = port.visibleWorld();
    EXPECT_NEAR((v.left + v.right) / 2 * port.scale, hbar->value(), 1.0);
    EXPECT_NEAR(vbar->maximum() - (v.top + v.bottom) / 2 * port.scale, vbar->value(), 1.0);

    // Moving a thumb centres the view on its scaled position.
    hbar->setSliderPosition(hbar->maximum() / 4);
    v = port.visibleWorld();
    EXPECT_NEAR(2.5, (v.left + v.right) / 2, 1.0 / port.scale);
    vbar->setSliderPosition(vbar->maximum() / 4);
    v = port.visibleWorld();
    EXPECT_NEAR(4.5, (v.top + v.bottom) / 2, 1.0 / port.scale);
    paint();
    EXPECT_NEAR(hbar->maximum() / 4, hbar->value(), 1.0) << "the thumb stays where it was put";
    EXPECT_NEAR(vbar->maximum() / 4, vbar->value(), 1.0);

    // Arrows pan a tenth, page clicks three tenths.
    double w = Width(v);
    double h = Height(v);
    double x = port.originX;
    double y = port.originY;
    hbar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ExpectClose(x + 0.1 * w, port.originX, "line right");
    hbar->triggerAction(QAbstractSlider::SliderPageStepSub);
    ExpectClose(x - 0.2 * w, port.originX, "page left");
    vbar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    ExpectClose(y + 0.1 * h, port.originY, "line up");
    vbar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ExpectClose(y - 0.2 * h, port.originY, "page down");
    vbar->triggerAction(QAbstractSlider::SliderToMinimum);
    ExpectClose(y - 0.2 * h, port.originY, "other actions change nothing");
}

TEST_F(RuvoViewTest, ResizingKeepsTheBottomLeftWorldPoint)
{
    setStructure(Cantilever());
    paint();
    const Viewport &port = view.viewport();
    double x = port.originX;
    double y = port.originY;
    double scale = port.scale;
    double right = port.visibleWorld().right;
    view.resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(x, port.originX);
    EXPECT_EQ(y, port.originY);
    EXPECT_EQ(scale, port.scale);
    EXPECT_EQ(view.canvas()->width(), port.deviceRect.width());
    EXPECT_GT(port.visibleWorld().right, right + 100 / scale);
}

TEST_F(RuvoViewTest, GridDotsFollowTheSettingAndTheDefaultStep)
{
    setStructure(StructureModel());
    struct Case {
        int showGrid;
        double step;
        bool dotAtHalf; // a dot at world (0.5, 1)
        bool dotAtOne;  // a dot at world (1, 1)
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {1, 0.5, true, true},
        {1, 1.0, false, true},
        {0, 0.5, false, false},
        // Unusable steps fall back to 0.5 m.
        {1, 0.0, true, true},
        {1, -1.0, true, true},
        {1, nan, true, true},
    };
    for (const Case &c : cases) {
        Settings::current().showGrid = c.showGrid;
        Settings::current().gridStep = c.step;
        QImage image = paint();
        const Viewport &port = view.viewport();
        std::string what = "grid " + std::to_string(c.showGrid) + " step " + std::to_string(c.step);
        EXPECT_EQ(c.dotAtHalf, at(image, port.toLogical(0.5, 1)) == rgb(GridColor)) << what;
        EXPECT_EQ(c.dotAtOne, at(image, port.toLogical(1, 1)) == rgb(GridColor)) << what;
        EXPECT_NE(rgb(GridColor), at(image, port.toLogical(0.75, 1))) << what;
    }
}

TEST_F(RuvoViewTest, OriginMarkerIsDrawnAtTheWorldOrigin)
{
    QImage image = paint();
    LogicalPoint o = view.viewport().toLogical(0, 0);
    EXPECT_GT(count(image, rgb(OriginColor), LogicalPoint{o.x - 2, o.y - 2}, LogicalPoint{o.x + 2, o.y + 2}),
              2);
    EXPECT_EQ(
        0, count(image, rgb(OriginColor), LogicalPoint{o.x + 4, o.y + 4}, LogicalPoint{o.x + 40, o.y + 40}));
}

TEST_F(RuvoViewTest, PaintShowsLoadsStructureAndSelectionAsSwitched)
{
    StructureModel structure = Cantilever();
    structure.rods[0].selected = true;
    setStructure(structure);
    QImage image = paint();
    const Viewport &port = view.viewport();
    EXPECT_EQ(rgb(SelectionColor), at(image, port.toLogical(1.5, 0))) << "the selected rod";
    LogicalPoint tip = port.toLogical(3, 0);
    LogicalPoint shaftTop{tip.x, tip.y + 25};
    EXPECT_GT(count(image, rgb(ForceColor), LogicalPoint{tip.x, tip.y + 5}, shaftTop), 15) << "the force";
    // Fixed support at the left end: its hatching below the node.
    LogicalPoint support = port.toLogical(0, 0);
    EXPECT_GT(count(image, rgb(NodeColor), LogicalPoint{support.x - 11, support.y - 3},
                    LogicalPoint{support.x + 9, support.y - 1}),
              10);

    view.onCommand(Command::ShowLoads);
    EXPECT_FALSE(checked(Command::ShowLoads));
    image = paint();
    EXPECT_EQ(0,
              count(image, rgb(ForceColor), LogicalPoint{0, 0}, LogicalPoint{image.width(), image.height()}))
        << "loads off hides every load";
    EXPECT_GT(count(image, rgb(NodeColor), LogicalPoint{support.x - 11, support.y - 3},
                    LogicalPoint{support.x + 9, support.y - 1}),
              10)
        << "but not the supports";

    view.onCommand(Command::ShowValues);
    EXPECT_FALSE(checked(Command::ShowValues));
    // A new or loaded structure shows loads and values again.
    doc.requestFit();
    paint();
    EXPECT_TRUE(view.showLoads());
    EXPECT_TRUE(view.showValues());
    EXPECT_TRUE(checked(Command::ShowLoads));
    EXPECT_EQ(ModeEdit, view.mode());
}

TEST_F(RuvoViewTest, MomentDiagramOfACalculatedBeamLiesBelowIt)
{
    setStructure(SimpleBeam());
    paint();
    view.onCommand(Command::ShowMoments);
    ASSERT_TRUE(reporter.messages.empty())
        << reporter.messages[0].headline << " " << reporter.messages[0].reason;
    ASSERT_EQ(1, doc.display(RuvoDoc::ResultDisplay::Moments)) << "the beam calculates";
    view.onCommand(Command::ShowValues); // labels off: only the diagram's own pixels
    QImage image = paint();
    LogicalPoint middle = view.viewport().toLogical(2, 0);
    // M = q l^2 / 8 = 20 at mid-span, drawn 40 pixels deep below the beam.
    EXPECT_GT(count(image, rgb(DiagramColor), LogicalPoint{middle.x - 1, middle.y - 41},
                    LogicalPoint{middle.x + 1, middle.y - 39}),
              0);
    EXPECT_EQ(0, count(image, rgb(DiagramColor), LogicalPoint{middle.x - 30, middle.y + 1},
                       LogicalPoint{middle.x + 30, middle.y + 38}))
        << "nothing above the beam";
    // The hinge and roller supports: a base line 6 units under each end.
    for (double x : {0.0, 4.0}) {
        LogicalPoint s = view.viewport().toLogical(x, 0);
        EXPECT_GE(
            count(image, rgb(NodeColor), LogicalPoint{s.x - 10, s.y - 6}, LogicalPoint{s.x + 10, s.y - 6}),
            15)
            << "support at " << x;
    }
}

TEST_F(RuvoViewTest, DiagramSwitchesExcludeEachOtherAndReactionsCombine)
{
    setStructure(Cantilever());
    paint();
    struct Step {
        int command;
        int moments, shear, axial, displacements, reactions;
    };
    const Step steps[] = {
        {Command::ShowMoments, 1, 0, 0, 0, 0},       {Command::ShowAxial, 0, 0, 1, 0, 0},
        {Command::ShowReactions, 0, 0, 1, 0, 1},     {Command::ShowShear, 0, 1, 0, 0, 1},
        {Command::ShowDisplacements, 0, 0, 0, 1, 1}, {Command::ShowDisplacements, 0, 0, 0, 0, 1},
        {Command::ShowReactions, 0, 0, 0, 0, 0},     {Command::ShowMoments, 1, 0, 0, 0, 0},
        {Command::ShowMoments, 0, 0, 0, 0, 0},
    };
    int n = 0;
    for (const Step &s : steps) {
        view.onCommand(s.command);
        ++n;
        EXPECT_EQ(s.moments, doc.display(RuvoDoc::ResultDisplay::Moments)) << "step " << n;
        EXPECT_EQ(s.shear, doc.display(RuvoDoc::ResultDisplay::Shear)) << "step " << n;
        EXPECT_EQ(s.axial, doc.display(RuvoDoc::ResultDisplay::Axial)) << "step " << n;
        EXPECT_EQ(s.displacements, doc.display(RuvoDoc::ResultDisplay::Displacements)) << "step " << n;
        EXPECT_EQ(s.reactions, doc.display(RuvoDoc::ResultDisplay::Reactions)) << "step " << n;
        EXPECT_EQ(s.moments != 0, checked(Command::ShowMoments)) << "step " << n;
        EXPECT_EQ(s.reactions != 0, checked(Command::ShowReactions)) << "step " << n;
        paint();
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(RuvoViewTest, ResultsAreCalculatedOnceUntilTheStructureChanges)
{
    setStructure(Cantilever());
    paint();
    QSignalSpy calculations(&doc, &RuvoDoc::statusMessage);
    view.onCommand(Command::ShowMoments);
    EXPECT_EQ(1, calculations.count()) << "switching on with results not valid calculates";
    EXPECT_FALSE(doc.needsCalculation);
    view.onCommand(Command::ShowMoments);
    view.onCommand(Command::ShowShear);
    view.onCommand(Command::ShowReactions);
    view.onCommand(Command::ShowShear);
    EXPECT_EQ(1, calculations.count())
        << "valid results are not calculated again; switching off never calculates";
    // The cantilever's fixed end carries the whole force and its moment.
    EXPECT_NEAR(10.0,
                std::fabs(doc.structure().nodes[doc.structure().nodes.count - 1].reaction.y) +
                    std::fabs(doc.structure().nodes[0].reaction.y),
                1e-9);
    doc.needsCalculation = true;
    view.onCommand(Command::ShowAxial);
    EXPECT_EQ(2, calculations.count()) << "after a change the next switch calculates";
}

TEST_F(RuvoViewTest, FailingCalculationLeavesTheSwitchOff)
{
    // A rod between two free nodes is a mechanism.
    StructureModel loose;
    loose.nodes.Add(MakeNode(1, 0, 0));
    loose.nodes.Add(MakeNode(2, 3, 0));
    loose.rods.Add(MakeRod(1, 0, 1));
    loose.nodes[1].force = Pair(0, -10);
    setStructure(loose);
    paint();
    for (int command : {Command::ShowMoments, Command::ShowShear, Command::ShowAxial,
                        Command::ShowDisplacements, Command::ShowReactions}) {
        size_t before = reporter.messages.size();
        view.onCommand(command);
        EXPECT_FALSE(checked(command)) << command;
        EXPECT_EQ(before + 1, reporter.messages.size()) << "the error is shown once for " << command;
    }
    EXPECT_FALSE(doc.anyResultShown());
    paint();
}

// The application object flips and stores the two settings; the view shows
// their checked state.
TEST_F(RuvoViewTest, GridAndNumbersTogglesAreStoredAtOnce)
{
    RuvoApp app;
    Settings::current().showGrid = 1;
    Settings::current().showNumbers = 1;
    QSettings store(QStringLiteral("Ostrand"), QStringLiteral("Руво"));
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(app.onCommand(Command::ShowGrid));
        EXPECT_TRUE(app.onCommand(Command::ShowNumbers));
        int expected = round == 0 ? 0 : 1;
        EXPECT_EQ(expected, Settings::current().showGrid);
        EXPECT_EQ(expected, Settings::current().showNumbers);
        EXPECT_EQ(expected != 0, checked(Command::ShowGrid));
        EXPECT_EQ(expected != 0, checked(Command::ShowNumbers));
        store.sync();
        EXPECT_EQ(expected, store.value(QStringLiteral("Settings/ShowGrid")).toInt()) << "round " << round;
        EXPECT_EQ(expected, store.value(QStringLiteral("Settings/ShowNumbers")).toInt()) << "round " << round;
    }
}

TEST_F(RuvoViewTest, DocumentUpdatesRepaintTheView)
{
    setStructure(Cantilever());
    paint();
    QApplication::processEvents();
    int painted = 0;
    struct Counter : QObject {
        int *count;
        explicit Counter(int *c) : count(c) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&painted);
    view.canvas()->installEventFilter(&counter);
    doc.updateAllViews(0);
    doc.updateAllViews(1);
    QApplication::processEvents();
    view.canvas()->removeEventFilter(&counter);
    EXPECT_GE(painted, 1);
}

TEST_F(RuvoViewTest, PaintFinishesOnHugeAndInvalidValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    StructureModel wild;
    wild.nodes.Add(MakeNode(1, -1e300, 0, false));
    wild.nodes.Add(MakeNode(2, 1e300, 1e-300));
    wild.nodes.Add(MakeNode(3, 0, 0));
    wild.nodes.Add(MakeNode(4, 1e-9, 0)); // nearly on node 3
    wild.nodes.Add(MakeNode(5, 3e17, 2e17));
    wild.rods.Add(MakeRod(1, 0, 1, JointType::Hinge));
    wild.rods.Add(MakeRod(2, 1, 2, JointType::Hinge));
    wild.rods.Add(MakeRod(3, 2, 3, JointType::Hinge));
    wild.rods.Add(MakeRod(4, 3, 4, JointType::MovingHinge));
    for (Rod &rod : wild.rods) {
        rod.load = Pair(1, -1e300);
        rod.temperature = Pair(5, -5);
        rod.resultM = Pair(1e300, -1e-300);
        rod.resultQ = Pair(nan, 3);
        rod.resultN = Pair(inf, -inf);
        rod.begin.angle = nan;
    }
    for (Node &node : wild.nodes) {
        node.force = Pair(1e308, 1e308);
        node.moment = nan;
        node.displacement = Triple(inf, 1, 1);
        node.resultDisplacement = Triple(1e300, -1e300, nan);
        node.reaction = Triple(nan, inf, -1);
    }
    Settings::current().showGrid = 1;
    Settings::current().showNumbers = 1;
    Settings::current().gridStep = 1e-12;
    setStructure(wild);
    using Display = RuvoDoc::ResultDisplay;
    for (Display display : {Display::Moments, Display::Shear, Display::Axial, Display::Displacements}) {
        for (Display other : {Display::Moments, Display::Shear, Display::Axial, Display::Displacements})
            doc.setDisplay(other, 0);
        doc.setDisplay(display, 1);
        doc.setDisplay(RuvoDoc::ResultDisplay::Reactions, 1);
        paint();
        for (int i = 0; i < 40; ++i)
            view.onCommand(Command::ZoomIn);
        QTest::keyClick(&view, Qt::Key_Up);
        paint();
        view.onCommand(Command::FitAll);
        paint();
    }
    // Moved far away from everything, one pixel per 1e-300 m.
    StructureModel tiny;
    tiny.nodes.Add(MakeNode(1, 1e17, 1e17));
    tiny.nodes.Add(MakeNode(2, 1e17 + 64, 1e17));
    tiny.rods.Add(MakeRod(1, 0, 1));
    tiny.rods[0].load = Pair(0, -1);
    setStructure(tiny);
    Settings::current().gridStep = 0.5;
    paint();
    SUCCEED() << "every paint finished";
}

} // namespace

// "Показать всю конструкцию" makes room for the value labels: in a small
// window the settlement example's reactions ("-1514.42 N" left of the left
// support) and its moment values are whole after a fit, none touches the
// window's edge.
TEST_F(RuvoViewTest, FitKeepsEveryValueLabelInsideTheWindow)
{
    ASSERT_TRUE(doc.openFile(QStringLiteral(RUVO_SOURCE_EXAMPLES "/settlement.str")));
    view.resize(360, 240);
    paint();
    view.resultCommand(Command::ShowMoments);
    view.resultCommand(Command::ShowReactions);
    ASSERT_TRUE(checked(Command::ShowReactions));
    view.fitAllCommand();
    const QImage picture = paint();
    const int w = picture.width();
    const int h = picture.height();
    int onEdges = 0;
    int labelled = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = picture.pixel(x, y) & 0xffffff;
            const bool value = c == rgb(ReactionColor) || c == rgb(DiagramColor);
            labelled += value;
            if (value && (x < 2 || y < 2 || x >= w - 2 || y >= h - 2))
                ++onEdges;
        }
    EXPECT_GT(labelled, 0);
    EXPECT_EQ(onEdges, 0) << "a value or diagram reaches the window's edge";
}
