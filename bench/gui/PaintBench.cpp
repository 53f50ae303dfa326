// One full paint of a generated frame of about 2,000 rods, with its loads,
// numbers, grid and moment diagram, into an offscreen picture: a repaint of
// an unchanged structure, the first paint after a change, and the drawing
// functions alone.
//
//   ruvo_gui_bench --benchmark_filter=Paint

#include "document/RuvoDoc.h"
#include "model/Settings.h"
#include "support/DocumentAccess.h"
#include "view/GridDrawing.h"
#include "view/ResultDrawing.h"
#include "view/RuvoView.h"
#include "view/StructureDrawing.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int Bays = 20;
constexpr int Storeys = 50;

// A multi-storey frame: Bays x Storeys panels of 3 m x 3 m, fixed at the
// ground, every beam under a distributed load, forces and moments at the
// beam ends, temperature on the columns of the first bay, and end moments
// on every rod as a calculation would leave them.
void MakeFrame(StructureModel &structure)
{
    structure.clear();
    auto index = [](int column, int level) { return level * (Bays + 1) + column; };
    for (int level = 0; level <= Storeys; ++level) {
        for (int column = 0; column <= Bays; ++column) {
            Node node(index(column, level) + 1);
            node.x = 3.0 * column;
            node.y = 3.0 * level;
            node.isFree = level == 0 ? 0 : 1;
            if (level > 0 && column == 0)
                node.force = Pair(1000.0 * level, 0.0);
            if (level > 0 && column == Bays)
                node.moment = -500.0;
            structure.nodes.Add(node);
        }
    }
    int number = 1;
    auto addRod = [&](int a, int b) {
        Rod rod(number++, a, b);
        rod.begin.joint = JointType::Fixed;
        rod.end.joint = JointType::Fixed;
        double phase = 0.37 * number;
        rod.resultM = Pair(1000.0 * std::sin(phase), -800.0 * std::cos(phase));
        structure.rods.Add(rod);
        return structure.rods.count - 1;
    };
    for (int level = 1; level <= Storeys; ++level) {
        for (int column = 0; column <= Bays; ++column) {
            int rod = addRod(index(column, level - 1), index(column, level));
            if (column == 0)
                structure.rods[rod].temperature = Pair(20.0, -10.0);
        }
        for (int column = 0; column < Bays; ++column) {
            int rod = addRod(index(column, level), index(column + 1, level));
            structure.rods[rod].load = Pair(0.0, -2000.0);
        }
    }
}

// The frame with its moment diagram in a view of 1280 x 900 pixels that is
// never shown on the screen, and a picture of the view's size to paint into.
struct PaintedFrame {
    PaintedFrame()
    {
        MakeFrame(EditableStructure(doc));
        doc.requestFit();
        doc.setDisplay(RuvoDoc::ResultDisplay::Moments, 1);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(1280, 900);
        view.show();
        image = QImage(view.canvas()->size(), QImage::Format_RGB32);
    }
    void paint()
    {
        QPainter painter(&image);
        view.paintView(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }

    RuvoDoc doc;
    RuvoView view{&doc};
    QImage image;
};

// The view's own paint sequence, as on the screen.
void BM_PaintView(benchmark::State &state)
{
    PaintedFrame frame;
    for (auto _ : state)
        frame.paint();
    state.counters["rods"] = frame.doc.structure().rods.count;
}
BENCHMARK(BM_PaintView)->Unit(benchmark::kMillisecond);

// The first paint after a change of the results: the moment scale is
// sampled again on every rod.
void BM_PaintViewAfterChange(benchmark::State &state)
{
    PaintedFrame frame;
    double nudge = 0.0;
    for (auto _ : state) {
        nudge += 1e-6;
        EditableStructure(frame.doc).rods[0].resultM.x = 1000.0 + nudge;
        frame.paint();
    }
}
BENCHMARK(BM_PaintViewAfterChange)->Unit(benchmark::kMillisecond);

// The drawing functions alone on a page-sized picture at the screen unit.
void BM_DrawFunctions(benchmark::State &state)
{
    StructureModel structure;
    MakeFrame(structure);
    QImage image(1280, 900, QImage::Format_RGB32);
    Viewport port;
    port.prepare(DeviceRect{0, 0, image.width(), image.height()}, 1);
    WorldRect extents = structure.extents();
    port.fitTo(extents);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        drawGrid(painter, port, 0.5);
        drawLoads(painter, port, structure, true);
        drawStructure(painter, port, structure, true, true);
        drawMoments(painter, port, structure, true);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawFunctions)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_SCALE_FACTOR", "1", 1);
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    Settings::current().showGrid = 1;
    Settings::current().showNumbers = 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
