// The whole way of a large structure through the program: open a rigid
// frame of storeys x bays from its file, calculate it for the moment
// diagram, paint it and save it. The 40 x 40 frame has 1,681 nodes and
// 3,280 rods.
//
//   ruvo_gui_bench --benchmark_filter=Stress

#include "app/CommandIds.h"
#include "document/RuvoDoc.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"
#include "view/RuvoView.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

namespace {

// Fixed feet, rigid joints, a sideways force at each floor and a downward
// load on every beam.
StructureModel MakeFrame(int storeys, int bays)
{
    StructureModel frame;
    auto position = [bays](int storey, int column) { return storey * (bays + 1) + column; };
    for (int storey = 0; storey <= storeys; ++storey) {
        for (int column = 0; column <= bays; ++column) {
            Node node(frame.nodes.count + 1);
            node.x = column * 6.0;
            node.y = storey * 3.0;
            node.isFree = storey > 0 ? 1 : 0;
            if (storey > 0 && column == 0)
                node.force = Pair(1000.0, 0.0);
            frame.nodes.Add(node);
        }
    }
    auto addRod = [&frame](int begin, int end, double EI, double load) {
        Rod rod(frame.rods.count + 1, begin, end);
        rod.begin.joint = JointType::Fixed;
        rod.end.joint = JointType::Fixed;
        rod.EI = EI;
        rod.load = Pair(0.0, load);
        frame.rods.Add(rod);
    };
    for (int storey = 1; storey <= storeys; ++storey) {
        for (int column = 0; column <= bays; ++column)
            addRod(position(storey - 1, column), position(storey, column), 2.0e7, 0.0);
        for (int column = 0; column < bays; ++column)
            addRod(position(storey, column), position(storey, column + 1), 4.0e7, -2000.0);
    }
    return frame;
}

void BM_StressOpenCalculateDrawSave(benchmark::State &state)
{
    QTemporaryDir folder;
    const StructureModel frame =
        MakeFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const QString path = folder.filePath(QStringLiteral("frame.str"));
    const QString copy = folder.filePath(QStringLiteral("copy.str"));
    {
        QFile file(path);
        const std::string text = WriteStructure(frame);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
            state.SkipWithError("cannot write the frame");
            return;
        }
    }
    // The calculation deletes and writes its log: never the user's.
    const std::string savedLog = LogFilePath();
    SetLogFilePath(folder.filePath(QStringLiteral("Ruvo.log")).toStdString());
    std::string error;
    const ErrorReporter previous =
        SetErrorReporter([&error](const std::string &headline, const std::string &) { error = headline; });

    RuvoDoc doc;
    RuvoView view(&doc);
    view.resize(1000, 700);
    QImage picture(view.canvas()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        if (!doc.openFile(path)) {
            state.SkipWithError("cannot open the frame");
            break;
        }
        view.resultCommand(Command::ShowMoments);
        if (!doc.showMoments) {
            state.SkipWithError(("calculation failed: " + error).c_str());
            break;
        }
        picture.fill(Qt::white);
        {
            QPainter painter(&picture);
            view.paintView(painter);
        }
        if (!doc.saveFile(copy)) {
            state.SkipWithError("cannot save the frame");
            break;
        }
    }
    state.counters["rods"] = frame.rods.count;

    SetErrorReporter(previous);
    SetLogFilePath(savedLog);
}

} // namespace

BENCHMARK(BM_StressOpenCalculateDrawSave)
    ->Args({20, 20})
    ->Args({30, 20})
    ->Args({40, 40})
    ->Unit(benchmark::kMillisecond);
