// The result displays on the pixels of an offscreen picture: 300 x 200
// pixels at 50 pixels per metre, world point (x, y) at logical pixel
// (50 (x + 1), 50 (y + 1)).

#include "view/ResultDrawing.h"

#include "view/ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace DrawingPalette;

const QRgb PlusRgb = qRgb(127, 0, 0);
const QRgb MinusRgb = qRgb(0, 0, 127);
const QRgb ChordRgb = qRgb(191, 191, 191);
const QRgb DotRgb = qRgb(0, 0, 0);

int L(double world)
{
    return int((world + 1.0) * 50.0);
}

Canvas MakeCanvas()
{
    return Canvas(300, 200, 50.0, -1.0, -1.0);
}

// A single rod between two free nodes.
StructureModel OneRod(double x1, double y1, double x2, double y2)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, x1, y1));
    structure.nodes.Add(MakeNode(2, x2, y2));
    structure.rods.Add(MakeRod(1, 0, 1));
    return structure;
}

TEST(ResultDrawing, MomentOfASimplySupportedBeamHangsBelowIt)
{
    // Downward load: the moment is positive, on the right of the rod seen
    // from begin to end, i.e. below it, and 40 pixels deep at mid-span.
    StructureModel beam = OneRod(0, 1, 4, 1);
    beam.rods[0].load = Pair(0, -10);
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawMoments(p, port, beam, false); });
    int y = L(1);
    EXPECT_TRUE(canvas.count(DiagramColor, L(2) - 1, y - 41, L(2) + 1, y - 39) > 0) << "outline at mid-span";
    EXPECT_EQ(0, canvas.count(DiagramColor, L(2) - 1, y - 50, L(2) + 1, y - 43))
        << "no deeper than 40 pixels";
    EXPECT_EQ(0, canvas.count(DiagramColor, L(0), y + 1, L(4), y + 60)) << "nothing above the beam";
    // Hatch ordinates every 5 pixels: at a quarter of the span the
    // ordinate is 30 pixels (M = 15 of 20).
    EXPECT_TRUE(canvas.is(L(1), y - 29, DiagramColor));
    EXPECT_EQ(0, canvas.count(DiagramColor, L(1), y - 36, L(1), y - 32));
}

TEST(ResultDrawing, EndMomentsGiveAStraightDiagramAcrossTheRod)
{
    // A rod turned right to left with M1 = 10 at the begin and M2 = 10 at
    // the end: the ordinate goes from +10 on the right (now above) to -10.
    StructureModel rod = OneRod(4, 1, 0, 1);
    rod.rods[0].resultM = Pair(10, 10);
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawMoments(p, port, rod, false); });
    int y = L(1);
    EXPECT_TRUE(canvas.is(L(4) - 1, y + 40, DiagramColor) || canvas.is(L(4), y + 40, DiagramColor));
    EXPECT_TRUE(canvas.is(L(0) + 1, y - 40, DiagramColor) || canvas.is(L(0), y - 40, DiagramColor));
    EXPECT_TRUE(canvas.is(L(2), y, DiagramColor) || canvas.is(L(2), y + 1, DiagramColor))
        << "zero at mid-span";
}

TEST(ResultDrawing, ParallelLoadWithoutEndMomentsDrawsNothing)
{
    // The scale reference is 0: nothing is drawn and nothing divides by it.
    StructureModel rod = OneRod(0, 1, 4, 1);
    rod.rods[0].load = Pair(5, 0);
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawMoments(p, port, rod, true); });
    EXPECT_EQ(0, canvas.countAll(DiagramColor));
}

TEST(ResultDrawing, PositiveShearAndAxialForcesKeepTheirSideWhateverTheRodDirection)
{
    struct Case {
        double x1, y1, x2, y2;
        int sideX, sideY; // where positive values are drawn
    };
    const Case cases[] = {
        {0, 2, 4, 2, 0, 1},  // left to right: above
        {4, 2, 0, 2, 0, 1},  // right to left: still above
        {2, 0, 2, 3, 1, 0},  // upward: to the right
        {2, 3, 2, 0, 1, 0},  // downward: still to the right
        {0, 0, 4, 3, -3, 4}, // inclined: above, along the left normal
    };
    for (bool axial : {false, true}) {
        for (const Case &c : cases) {
            StructureModel rod = OneRod(c.x1, c.y1, c.x2, c.y2);
            (axial ? rod.rods[0].resultN : rod.rods[0].resultQ) = Pair(10, 10);
            Canvas canvas = MakeCanvas();
            canvas.draw([&](QPainter &p, const Viewport &port) {
                if (axial)
                    drawAxial(p, port, rod, 50, true, false);
                else
                    drawShear(p, port, rod, 50, true, false);
            });
            // Probe 25 pixels to either side of the rod's middle.
            double length = std::hypot(c.sideX, c.sideY);
            int mx = (L(c.x1) + L(c.x2)) / 2;
            int my = (L(c.y1) + L(c.y2)) / 2;
            int px = mx + int(25 * c.sideX / length);
            int py = my + int(25 * c.sideY / length);
            int nx = mx - int(25 * c.sideX / length);
            int ny = my - int(25 * c.sideY / length);
            // Along the constant ordinate of 50 pixels lies the outline; the
            // hatching crosses the probes on the positive side only.
            int positive = canvas.count(DiagramColor, px - 3, py - 3, px + 3, py + 3);
            int negative = canvas.count(DiagramColor, nx - 3, ny - 3, nx + 3, ny + 3);
            std::string what = std::string(axial ? "axial" : "shear") + " rod (" + std::to_string(c.x1) +
                               "," + std::to_string(c.y1) + ")->(" + std::to_string(c.x2) + "," +
                               std::to_string(c.y2) + ")";
            EXPECT_GT(positive, 0) << what;
            EXPECT_EQ(0, negative) << what;
            // The plus circle stands 10 units out on the positive side.
            int plusX = mx + int(10 * c.sideX / length);
            int plusY = my + int(10 * c.sideY / length);
            int minusX = mx - int(10 * c.sideX / length);
            int minusY = my - int(10 * c.sideY / length);
            EXPECT_GT(canvas.countRgb(PlusRgb, plusX - 8, plusY - 8, plusX + 8, plusY + 8), 10) << what;
            EXPECT_GT(canvas.countRgb(MinusRgb, minusX - 8, minusY - 8, minusX + 8, minusY + 8), 10) << what;
        }
    }
}

TEST(ResultDrawing, ShearIsScaledToTheLargestEndValue)
{
    StructureModel two = OneRod(0, 1, 4, 1);
    two.nodes.Add(MakeNode(3, 0, 2.5));
    two.nodes.Add(MakeNode(4, 4, 2.5));
    two.rods.Add(MakeRod(2, 2, 3));
    two.rods[0].resultQ = Pair(-20, -20); // drawn below, 50 pixels
    two.rods[1].resultQ = Pair(-10, -10); // drawn below, 25 pixels
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawShear(p, port, two, 50, false, false); });
    EXPECT_GT(canvas.count(DiagramColor, L(2) - 3, L(1) - 50, L(2) + 3, L(1) - 50), 0);
    EXPECT_GT(canvas.count(DiagramColor, L(2) - 3, L(2.5) - 25, L(2) + 3, L(2.5) - 25), 0);
    EXPECT_EQ(0, canvas.count(DiagramColor, L(2) - 3, L(2.5) - 45, L(2) + 3, L(2.5) - 27));
}

TEST(ResultDrawing, ReactionArrowsPointAlongTheirSign)
{
    struct Case {
        Triple reaction;
        // Boxes (relative to the node) that must hold blue and that must not.
        int inX1, inY1, inX2, inY2;
        int outX1, outY1, outX2, outY2;
    };
    const Case cases[] = {
        // Rx > 0: head 15 units left of the node, opening to the left.
        {{10, 0, 0}, -24, 1, -17, 3, -53, 1, -46, 3},
        // Rx < 0: head 55 units left, opening to the right.
        {{-10, 0, 0}, -53, 1, -46, 3, -24, 1, -17, 3},
        // Ry > 0: head 10 units below the node, pointing up.
        {{0, 10, 0}, -3, -19, -1, -12, -3, -43, -1, -37},
        // Ry < 0: head 45 units below, pointing down.
        {{0, -10, 0}, -3, -43, -1, -37, -3, -19, -1, -12},
        // A moment: the lower part of a circle, nothing above the node.
        {{0, 0, 5}, -14, -15, 14, -9, -14, 3, 14, 15},
        {{0, 0, -5}, -14, -15, 14, -9, -14, 3, 14, 15},
    };
    for (const Case &c : cases) {
        StructureModel structure;
        structure.nodes.Add(MakeNode(1, 3, 2, false));
        structure.nodes[0].reaction = c.reaction;
        Canvas canvas = MakeCanvas();
        canvas.draw([&](QPainter &p, const Viewport &port) { drawReactions(p, port, structure, false); });
        int x = L(3);
        int y = L(2);
        std::string what = std::to_string(c.reaction.x) + ", " + std::to_string(c.reaction.y) + ", " +
                           std::to_string(c.reaction.z);
        EXPECT_GT(canvas.count(ReactionColor, x + c.inX1, y + c.inY1, x + c.inX2, y + c.inY2), 0) << what;
        EXPECT_EQ(0, canvas.count(ReactionColor, x + c.outX1, y + c.outY1, x + c.outX2, y + c.outY2)) << what;
    }
    // The moment's head sits at the right end when positive, at the left when negative.
    for (double moment : {5.0, -5.0}) {
        StructureModel structure;
        structure.nodes.Add(MakeNode(1, 3, 2, false));
        structure.nodes[0].reaction = Triple(0, 0, moment);
        Canvas canvas = MakeCanvas();
        canvas.draw([&](QPainter &p, const Viewport &port) { drawReactions(p, port, structure, false); });
        int x = L(3);
        int y = L(2);
        // Inside the circle, where only the flat barb of a head passes.
        int right = canvas.count(ReactionColor, x + 5, y - 9, x + 8, y - 8);
        int left = canvas.count(ReactionColor, x - 8, y - 10, x - 5, y - 9);
        EXPECT_EQ(moment > 0, right > 0) << moment;
        EXPECT_EQ(moment<0, left> 0) << moment;
    }
}

TEST(ResultDrawing, NodesWithoutReactionShowNothing)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 3, 2, false));
    structure.nodes.Add(MakeNode(2, 1, 2));
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawReactions(p, port, structure, true); });
    EXPECT_EQ(0, canvas.countAll(ReactionColor));
}

TEST(ResultDrawing, DisplacementSchemeMovesNodesByTheLargestComponent)
{
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 0, 1));
    structure.nodes.Add(MakeNode(2, 2, 1));
    structure.nodes.Add(MakeNode(3, 4, 1));
    structure.rods.Add(MakeRod(1, 0, 1));
    structure.rods.Add(MakeRod(2, 1, 2));
    structure.nodes[0].resultDisplacement = Triple(0.01, 0, 0); // the largest: 40 units
    structure.nodes[1].resultDisplacement = Triple(0, 0, 0.5);  // turns only: stays in place
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawDisplacements(p, port, structure, false); });
    int y = L(1);
    EXPECT_TRUE(canvas.countRgb(DotRgb, L(0) + 40, y, L(0) + 40, y) == 1) << "moved 40 units";
    EXPECT_EQ(0, canvas.countRgb(DotRgb, L(0) - 3, y - 3, L(0) + 3, y + 3)) << "not at its old place";
    EXPECT_TRUE(canvas.countRgb(DotRgb, L(2), y, L(2), y) == 1) << "a node that only turns stays";
    EXPECT_EQ(0, canvas.countRgb(DotRgb, L(4) - 3, y - 3, L(4) + 3, y + 3)) << "a still node has no dot";
    // Chords: between the moved first node and the second, and from the
    // turning second node to the still third one.
    EXPECT_GT(canvas.countRgb(ChordRgb, L(0) + 45, y, L(2) - 5, y), 10);
    EXPECT_GT(canvas.countRgb(ChordRgb, L(2) + 5, y, L(4) - 5, y), 10);
}

TEST(ResultDrawing, RotationWithoutAnyTranslationIsDrawnInPlace)
{
    // The scale reference is 0: the node is drawn at its own place.
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, 2, 1));
    structure.nodes[0].resultDisplacement = Triple(0, 0, 0.25);
    Canvas canvas = MakeCanvas();
    canvas.draw([&](QPainter &p, const Viewport &port) { drawDisplacements(p, port, structure, true); });
    EXPECT_EQ(1, canvas.countRgb(DotRgb, L(2), L(1), L(2), L(1)));
    // Its label "R=0.25" stands right of the dot.
    int ink = 0;
    for (int x = L(2) + 5; x < L(2) + 60; ++x)
        for (int y = L(1) + 2; y < L(1) + 16; ++y)
            ink += canvas.at(x, y) != White;
    EXPECT_GT(ink, 10);
}

TEST(ResultDrawing, ValuesSwitchAddsEndLabelsOnly)
{
    StructureModel rod = OneRod(0, 2, 4, 2);
    rod.rods[0].resultM = Pair(10, -10);
    Canvas with = MakeCanvas();
    Canvas without = MakeCanvas();
    with.draw([&](QPainter &p, const Viewport &port) { drawMoments(p, port, rod, true); });
    without.draw([&](QPainter &p, const Viewport &port) { drawMoments(p, port, rod, false); });
    // The begin label stands a tenth of the rod in, its baseline 2 units
    // below the rod, so the text covers the rod; the diagram lies below.
    int x = L(0) + 20;
    int y = L(2);
    int inkWith = 0;
    int inkWithout = 0;
    for (int dx = -12; dx <= 12; ++dx)
        for (int dy = 1; dy <= 10; ++dy) {
            inkWith += with.at(x + dx, y + dy) != White && !with.is(x + dx, y + dy, DiagramColor);
            inkWithout += without.at(x + dx, y + dy) != White && !without.is(x + dx, y + dy, DiagramColor);
        }
    EXPECT_GT(inkWith, 5);
    EXPECT_EQ(0, inkWithout);
}

} // namespace

namespace {

TEST(ResultDrawing, EveryDrawingFinishesWithAZeroUnitAndHugeCoordinates)
{
    // A page narrower than 800 pixels has a drawing unit of 0: the loops
    // that step in units must still advance.
    StructureModel structure;
    structure.nodes.Add(MakeNode(1, -1e12, 0, false));
    structure.nodes.Add(MakeNode(2, 1e12, 1));
    structure.nodes.Add(MakeNode(3, 2, 1));
    structure.nodes.Add(MakeNode(4, 2, 1)); // a rod of no length
    structure.rods.Add(MakeRod(1, 0, 1, JointType::Hinge));
    structure.rods.Add(MakeRod(2, 1, 2, JointType::Hinge));
    structure.rods.Add(MakeRod(3, 2, 3, JointType::Hinge));
    for (Rod &rod : structure.rods) {
        rod.load = Pair(3, -4);
        rod.temperature = Pair(10, 20);
        rod.resultM = Pair(5, -7);
        rod.resultQ = Pair(1, 2);
        rod.resultN = Pair(-3, 3);
    }
    for (Node &node : structure.nodes) {
        node.force = Pair(1, 1);
        node.moment = 2;
        node.displacement = Triple(0.1, 0, 1);
        node.resultDisplacement = Triple(0.01, -0.02, 0.003);
        node.reaction = Triple(1, -1, 1);
    }
    for (int unit : {0, 1, 6}) {
        Canvas canvas(700, 500, 50.0, -1.0, -1.0, unit);
        canvas.draw([&](QPainter &p, const Viewport &port) {
            drawMoments(p, port, structure, true);
            drawShear(p, port, structure, 50, true, true);
            drawAxial(p, port, structure, 50, true, true);
            drawReactions(p, port, structure, true);
            drawDisplacements(p, port, structure, true);
        });
        // The part of the long rods inside the picture carries its diagram.
        EXPECT_GT(canvas.countAll(DiagramColor), 100) << "unit " << unit;
    }
}

} // namespace
