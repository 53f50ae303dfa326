// A large frame through the program with axially compliant rods (EF = 1e10):
// open it from its file, calculate it for the moment diagram and paint it,
// each step timed on its own (counters openS, calculateS, drawS, seconds per
// iteration). The 100 x 100 frame has 10,201 nodes and 20,100 rods.
//
//   QT_QPA_PLATFORM=offscreen ruvo_gui_bench --benchmark_filter=Compliant

#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "fixtures/RigidFrame.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "numeric/CalcLog.h"
#include "view/RuvoView.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_CompliantOpenCalculateDraw(benchmark::State &state)
{
    QTemporaryDir folder;
    StructureModel frame =
        MakeRigidFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), {1000.0, -2000.0});
    for (Rod &rod : frame.rods)
        rod.EF = 1e10;
    const QString path = folder.filePath(QStringLiteral("frame.str"));
    {
        QFile file(path);
        const std::string text = WriteStructure(frame);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
            state.SkipWithError("cannot write the frame");
            return;
        }
    }
    const Settings saved = Settings::current();
    Settings::current().axialCompliance = 1;
    Settings::current().logEnabled = 0;
    const std::string savedLog = LogFilePath();
    SetLogFilePath(folder.filePath(QStringLiteral("Ruvo.log")).toStdString());
    std::string error;
    const ErrorReporter previous =
        SetErrorReporter([&error](const std::string &headline, const std::string &) { error = headline; });

    RuvoDoc doc;
    RuvoView view(&doc);
    view.resize(1000, 700);
    QImage picture(view.canvas()->size(), QImage::Format_RGB32);
    double open = 0.0, calculate = 0.0, draw = 0.0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        if (!doc.openFile(path)) {
            state.SkipWithError("cannot open the frame");
            break;
        }
        open += secondsSince(start);
        start = std::chrono::steady_clock::now();
        view.resultCommand(Command::ShowMoments);
        if (!doc.display(RuvoDoc::ResultDisplay::Moments)) {
            state.SkipWithError(("calculation failed: " + error).c_str());
            break;
        }
        calculate += secondsSince(start);
        start = std::chrono::steady_clock::now();
        picture.fill(Qt::white);
        {
            QPainter painter(&picture);
            view.paintView(painter);
        }
        draw += secondsSince(start);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["rods"] = frame.rods.count;
    state.counters["openS"] = open / runs;
    state.counters["calculateS"] = calculate / runs;
    state.counters["drawS"] = draw / runs;

    SetErrorReporter(previous);
    SetLogFilePath(savedLog);
    Settings::current() = saved;
}

} // namespace

BENCHMARK(BM_CompliantOpenCalculateDraw)->Args({100, 100})->Unit(benchmark::kMillisecond)->Iterations(3);
