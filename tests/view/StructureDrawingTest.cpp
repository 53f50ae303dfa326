// Drawing of rods, nodes, support symbols and loads, checked on the pixels
// of an offscreen picture. Pictures are 300 x 200 pixels at 50 pixels per
// metre with the world point (-1, -1) in the bottom-left corner, so the world
// point (x, y) is the logical pixel (50 (x + 1), 50 (y + 1)).

#include "view/StructureDrawing.h"

#include "view/LogicalPainter.h"
#include "view/ViewTestSupport.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace DrawingPalette;

int L(double world)
{
    return int((world + 1.0) * 50.0);
}

Canvas MakeCanvas()
{
    return Canvas(300, 200, 50.0, -1.0, -1.0);
}

void DrawAll(Canvas &canvas, const StructureModel &structure, bool showNumbers, bool showValues)
{
    canvas.draw([&](QPainter &painter, const Viewport &port) {
        drawLoads(painter, port, structure, showValues);
        drawStructure(painter, port, structure, showNumbers, true);
    });
}

// Non-white pixels in a logical box.
int Ink(const Canvas &canvas, int x1, int y1, int x2, int y2)
{
    return (x2 - x1 + 1) * (y2 - y1 + 1) - canvas.countRgb(qRgb(255, 255, 255), x1, y1, x2, y2);
}

TEST(StructureDrawing, SelectedRodsAndNodesUseTheSelectionColour)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 1));
    structure.nodes.Add(MakeNode(2, 4, 1));
    structure.nodes.Add(MakeNode(3, 0, 2));
    structure.nodes.Add(MakeNode(4, 4, 2));
    structure.rods.Add(MakeRod(1, 0, 1));
    structure.rods.Add(MakeRod(2, 2, 3));
    structure.rods[0].selected = true;
    structure.nodes[2].selected = true;

    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, false);
    EXPECT_TRUE(canvas.is(L(2), L(1), SelectionColor)) << "middle of the selected rod";
    EXPECT_TRUE(canvas.is(L(2), L(2), RodColor)) << "middle of the other rod";
    EXPECT_TRUE(canvas.is(L(0), L(2), SelectionColor)) << "the selected node's dot";
    EXPECT_TRUE(canvas.is(L(4), L(2), NodeColor)) << "an unselected node's dot";
}

TEST(StructureDrawing, IsolatedSupportNodeShowsDotAndFixedGroundBelowIt)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 2, 1, false));
    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, false);
    int x = L(2);
    int y = L(1);
    EXPECT_TRUE(canvas.is(x, y, NodeColor)) << "filled dot";
    EXPECT_TRUE(canvas.is(x + 8, y, NodeColor)) << "ground line through the node";
    EXPECT_TRUE(canvas.is(x - 8, y, NodeColor));
    EXPECT_EQ(0, canvas.count(NodeColor, x - 12, y + 3, x + 12, y + 8)) << "nothing above";
    // Seven hatch strokes (k, -3) -> (k + 2, -1) under the ground line.
    int hatch = 0;
    for (int k : {-11, -8, -5, -2, 1, 4, 7})
        hatch += canvas.is(x + k + 1, y - 2, NodeColor);
    EXPECT_EQ(7, hatch);
}

TEST(StructureDrawing, SupportSymbolsFollowTheJointAndTurnClockwiseWithTheAngle)
{
    struct Case {
        JointType joint;
        double angle;
        // Symbol points (units from the node) that must be inked, and one
        // that must stay white.
        std::vector<std::pair<int, int>> inked;
        std::pair<int, int> blank;
    };
    const Case cases[] = {
        // Hinge: the base 6 units below the node, hatching under it.
        {JointType::Hinge, 0.0, {{-8, -6}, {8, -6}, {2, -8}}, {0, -10}},
        // Roller: a second base 9 units below, hatching lowered to -11.
        {JointType::MovingHinge, 0.0, {{-8, -6}, {-8, -9}, {2, -11}}, {6, 6}},
        // Turned a quarter clockwise: the bases stand left of the node.
        {JointType::MovingHinge, 90.0, {{-6, 8}, {-6, -8}, {-9, 8}}, {8, -6}},
        // Sliding clamp: the slot walls at x = +-2 down to -7.
        {JointType::MovingFixed, 0.0, {{-2, -5}, {2, -5}, {-8, 0}}, {0, -5}},
    };
    for (const Case &c : cases) {
        StructureModel structure;
        structure.nodes.Add(MakeNode(1, 2, 1, false));
        structure.nodes.Add(MakeNode(2, 4.5, 1));
        structure.rods.Add(MakeRod(1, 0, 1, c.joint));
        structure.rods[0].begin.angle = c.angle;
        Canvas canvas = MakeCanvas();
        DrawAll(canvas, structure, false, false);
        int x = L(2);
        int y = L(1);
        for (auto [dx, dy] : c.inked)
            EXPECT_TRUE(canvas.is(x + dx, y + dy, NodeColor))
                << "joint " << int(c.joint) << " angle " << c.angle << " at (" << dx << ", " << dy << ")";
        EXPECT_FALSE(canvas.is(x + c.blank.first, y + c.blank.second, NodeColor))
            << "joint " << int(c.joint) << " angle " << c.angle;
    }
}

TEST(StructureDrawing, TwoHingedRodsAtASupportDrawTheSameSymbolOnce)
{
    // Both rods redraw the support symbol; the copies coincide.
    StructureModel one;
    one.nodes.Add(MakeNode(1, 2, 1, false));
    one.nodes.Add(MakeNode(2, 0, 3));
    one.rods.Add(MakeRod(1, 0, 1, JointType::Hinge));
    StructureModel two = one;
    two.nodes.Add(MakeNode(3, 4, 3));
    two.rods.Add(MakeRod(2, 0, 2, JointType::Hinge));
    Canvas a = MakeCanvas();
    Canvas b = MakeCanvas();
    DrawAll(a, one, false, false);
    DrawAll(b, two, false, false);
    int x = L(2);
    int y = L(1);
    EXPECT_GT(a.count(NodeColor, x - 12, y - 12, x + 12, y - 3), 20);
    EXPECT_EQ(a.count(NodeColor, x - 12, y - 12, x + 12, y - 3),
              b.count(NodeColor, x - 12, y - 12, x + 12, y - 3));
}

TEST(StructureDrawing, HingeCircleSitsFiveUnitsAlongTheRodAtAFreeHingedEnd)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 1));
    structure.nodes.Add(MakeNode(2, 4, 1));
    structure.rods.Add(MakeRod(1, 0, 1, JointType::Fixed));
    structure.rods[0].begin.joint = JointType::Hinge;
    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, false);
    int y = L(1);
    EXPECT_GT(canvas.count(RodColor, L(0) + 3, y + 1, L(0) + 8, y + 3), 0) << "ring above the rod line";
    EXPECT_EQ(0, canvas.count(RodColor, L(4) - 8, y + 1, L(4) - 3, y + 3)) << "nothing at the fixed end";
}

TEST(StructureDrawing, ForceArrowPointsOntoTheNodeFromThirtyUnitsAway)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 2, 1));
    structure.nodes[0].force = Pair(0, -10);
    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, false);
    int x = L(2);
    int y = L(1);
    for (int dy : {5, 15, 29})
        EXPECT_TRUE(canvas.is(x, y + dy, ForceColor)) << "shaft above the node at " << dy;
    EXPECT_FALSE(canvas.is(x, y + 35, ForceColor)) << "the shaft ends 30 units away";
    EXPECT_EQ(0, canvas.count(ForceColor, x - 5, y - 40, x + 5, y - 1)) << "nothing below the node";
    // The head opens upward from its tip 3 units above the node.
    EXPECT_GT(canvas.count(ForceColor, x - 4, y + 4, x - 1, y + 11), 0);
    EXPECT_GT(canvas.count(ForceColor, x + 1, y + 4, x + 4, y + 11), 0);
}

TEST(StructureDrawing, ValuesSwitchHidesLabelsButKeepsSymbols)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 2, 1));
    structure.nodes[0].force = Pair(0, -10);
    Canvas with = MakeCanvas();
    Canvas without = MakeCanvas();
    DrawAll(with, structure, false, true);
    DrawAll(without, structure, false, false);
    int x = L(2);
    int y = L(1);
    // The label stands centred on its baseline 30 units above the node
    // (35 units out, 5 pixels down), above the shaft's end.
    EXPECT_GT(Ink(with, x - 25, y + 31, x + 25, y + 45), 0);
    EXPECT_EQ(0, Ink(without, x - 25, y + 31, x + 25, y + 45));
    // The label's halo may cover the end of the shaft, never the rest.
    EXPECT_EQ(with.count(ForceColor, x - 6, y, x + 6, y + 24),
              without.count(ForceColor, x - 6, y, x + 6, y + 24));
}

TEST(StructureDrawing, DistributedLoadArrowsEveryTenUnitsPlusTheEnd)
{
    // A rod 95 pixels long: arrows at 0, 10, ..., 90 and at the end node.
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 1));
    structure.nodes.Add(MakeNode(2, 1.9, 1));
    structure.rods.Add(MakeRod(1, 0, 1));
    structure.rods[0].load = Pair(0, -5);
    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, false);
    int y = L(1);
    // Above the heads and below the tail line 20 units up, only shafts.
    EXPECT_EQ(11, canvas.count(DistributedColor, L(0) - 5, y + 12, L(1.9) + 5, y + 12));
    EXPECT_EQ(96, canvas.count(DistributedColor, L(0) - 5, y + 20, L(1.9) + 5, y + 20))
        << "line through the tails";
    EXPECT_EQ(0, canvas.count(DistributedColor, L(0) - 5, y - 10, L(1.9) + 5, y - 1))
        << "nothing below the rod";
}

TEST(StructureDrawing, DistributedLoadKeepsItsLargerComponentTwentyUnitsLong)
{
    // The same picture for a load of 5 and of 5000: each rod is scaled by itself.
    for (double q : {-5.0, -5000.0}) {
        StructureModel structure;
        structure.nodes.Add(MakeNode(1, 0, 1));
        structure.nodes.Add(MakeNode(2, 2, 1));
        structure.rods.Add(MakeRod(1, 0, 1));
        structure.rods[0].load = Pair(0, q);
        Canvas canvas = MakeCanvas();
        DrawAll(canvas, structure, false, false);
        int y = L(1);
        EXPECT_TRUE(canvas.is(L(0), y + 20, DistributedColor)) << q;
        EXPECT_EQ(0, canvas.count(DistributedColor, L(0) - 2, y + 21, L(2) + 2, y + 40)) << q;
    }
}

TEST(StructureDrawing, TemperatureFibresLieOnTheirSideOfTheRod)
{
    struct Case {
        double left, right;
        bool above, below; // seen from begin (left) to end (right): left is above
    };
    const Case cases[] = {{5, 0, true, false}, {0, 5, false, true}, {5, -5, true, true}};
    for (const Case &c : cases) {
        StructureModel structure;
        structure.nodes.Add(MakeNode(1, 0, 1));
        structure.nodes.Add(MakeNode(2, 4, 1));
        structure.rods.Add(MakeRod(1, 0, 1));
        structure.rods[0].temperature = Pair(c.left, c.right);
        Canvas canvas = MakeCanvas();
        DrawAll(canvas, structure, false, false);
        int y = L(1);
        EXPECT_EQ(c.above, canvas.count(TemperatureColor, L(0.5), y + 2, L(3.5), y + 2) > 20)
            << c.left << " " << c.right;
        EXPECT_EQ(c.below, canvas.count(TemperatureColor, L(0.5), y - 2, L(3.5), y - 2) > 20)
            << c.left << " " << c.right;
    }
}

TEST(StructureDrawing, MomentArcLeavesTheUpperRightQuarterOpen)
{
    for (double moment : {7.0, -7.0}) {
        StructureModel structure;
        structure.nodes.Add(MakeNode(1, 2, 1));
        structure.nodes[0].moment = moment;
        Canvas canvas = MakeCanvas();
        DrawAll(canvas, structure, false, false);
        int x = L(2);
        int y = L(1);
        EXPECT_GT(canvas.count(MomentColor, x - 10, y - 10, x - 3, y - 3), 0) << moment << ": lower left";
        EXPECT_EQ(0, canvas.count(MomentColor, x + 3, y + 3, x + 8, y + 8)) << moment << ": upper right";
        // The head: at the upper end (clockwise) or at the right end.
        int upper = canvas.count(MomentColor, x - 8, y + 11, x - 3, y + 11);
        EXPECT_EQ(moment > 0, upper > 0) << moment;
    }
}

TEST(StructureDrawing, PrescribedDisplacementsAreScaledByTheLargest)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 1, false));
    structure.nodes.Add(MakeNode(2, 0, 2, false));
    structure.nodes[0].displacement = Triple(0.02, 0, 0);
    structure.nodes[1].displacement = Triple(0.01, 0, 0);
    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, false);
    // The largest is drawn 40 units long, the other 20.
    EXPECT_GT(canvas.count(DisplacementColor, L(0) + 38, L(1) + 1, L(0) + 42, L(1) + 3), 0);
    EXPECT_GT(canvas.count(DisplacementColor, L(0) + 18, L(2) + 1, L(0) + 22, L(2) + 3), 0);
    EXPECT_EQ(0, canvas.count(DisplacementColor, L(0) + 26, L(2) - 4, L(0) + 45, L(2) + 4));
}

TEST(StructureDrawing, RotationOnlyDisplacementDrawsARingWithoutAScale)
{
    // No translation anywhere: the scale reference is 0, yet the rotation
    // still shows, around the node.
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 2, 1, false));
    structure.nodes[0].displacement = Triple(0, 0, 3);
    Canvas canvas = MakeCanvas();
    DrawAll(canvas, structure, false, true);
    int x = L(2);
    int y = L(1);
    EXPECT_GT(canvas.count(DisplacementColor, x - 8, y - 8, x + 8, y + 8), 4);
}

TEST(StructureDrawing, NumbersAreDrawnOnlyWhenAsked)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 1));
    structure.nodes.Add(MakeNode(2, 4, 1));
    structure.rods.Add(MakeRod(1, 0, 1));
    Canvas with = MakeCanvas();
    Canvas without = MakeCanvas();
    DrawAll(with, structure, true, false);
    DrawAll(without, structure, false, false);
    // Node numbers in a ring above right of the node, the rod number in a
    // box on the rod's middle.
    EXPECT_GT(Ink(with, L(0) + 2, L(1) + 2, L(0) + 19, L(1) + 18), 20);
    EXPECT_EQ(0, Ink(without, L(0) + 3, L(1) + 3, L(0) + 19, L(1) + 18));
    EXPECT_TRUE(with.is(L(2) - 7, L(1) + 4, RodColor)) << "left side of the rod number's box";
    EXPECT_FALSE(without.is(L(2) - 7, L(1) + 4, RodColor));
}

// Makes a Russian LC_NUMERIC (decimal comma) while it lives, when the
// system can build one.
class RussianNumbers {
public:
    RussianNumbers()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-view-locale-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            return;
        folder = pattern;
        std::string command =
            "localedef -i ru_RU -f UTF-8 '" + (folder / "ru_RU.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(folder / "ru_RU.UTF-8"))
            return;
        const char *previousPath = std::getenv("LOCPATH");
        hadLocPath = previousPath != nullptr;
        if (hadLocPath)
            locPath = previousPath;
        setenv("LOCPATH", folder.c_str(), 1);
        active = std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") != nullptr;
    }
    ~RussianNumbers()
    {
        std::setlocale(LC_NUMERIC, "C");
        if (hadLocPath)
            setenv("LOCPATH", locPath.c_str(), 1);
        else
            unsetenv("LOCPATH");
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
    bool active = false;

private:
    std::filesystem::path folder;
    std::string locPath;
    bool hadLocPath = false;
};

TEST(StructureDrawing, LabelsUseADecimalPointWhateverTheLocale)
{
    RussianNumbers russian;
    if (!russian.active)
        GTEST_SKIP() << "no Russian locale can be built here";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", 2.5);
    ASSERT_STREQ("2,5", buffer) << "the locale is active";
    EXPECT_EQ(QStringLiteral("2.5 N/M"), FormatLabel("%g N/M", 2.5));
    EXPECT_EQ(QStringLiteral("-0.125 N*M"), FormatLabel("%g N*M", -0.125));
    EXPECT_EQ(QString::fromUtf8("1.5\u00b0"), FormatLabel("%g\u00b0", 1.5));
}

} // namespace

namespace {

TEST(StructureDrawing, LabelFormatsMatchPrintfInTheCLocale)
{
    const char *formats[] = {"%g", "%g N", "%g N/M", "%g N*M", "%gM", "DX=%g", "R=%g", "%g\u00b0", "%.3f"};
    const double values[] = {0.0,    -0.0,  5.0,   -10.0,  0.1,    1.0 / 3.0, 123456.0, 1234567.0, 1e-5,
                             -2.5e-7, 1e300, 1e-300, 99999.95, 0.0001, std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (const char *format : formats) {
        for (double value : values) {
            char expected[128];
            std::snprintf(expected, sizeof expected, format, value);
            EXPECT_EQ(QString::fromUtf8(expected), FormatLabel(format, value)) << format << " " << value;
        }
    }
    for (int value : {0, 1, -7, 2147483647, -2147483647 - 1}) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d", value);
        EXPECT_EQ(QString::fromUtf8(expected), FormatLabel("%d", value));
    }
}

} // namespace
