// The whole way of a large structure through the program: open a rigid
// frame of storeys x bays from its file, calculate it for the moment
// diagram, paint it and save it. The 40 x 40 frame has 1,681 nodes and
// 3,280 rods.
//
//   ruvo_gui_bench --benchmark_filter=Stress

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "fixtures/RigidFrame.h"
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

void BM_StressOpenCalculateDrawSave(benchmark::State &state)
{
    QTemporaryDir folder;
    const StructureModel frame =
        MakeRigidFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), {1000.0, -2000.0});
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
        if (!doc.display(RuvoDoc::ResultDisplay::Moments)) {
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
