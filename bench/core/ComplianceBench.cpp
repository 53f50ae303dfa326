// Calculation time of the generated rigid frames with axially compliant rods
// (EF = 1e10): preparation, assembly, sparse factorisation, solution and
// results, in process. The whole ruvo-calc process (reading, report) is
// measured by compliance-process.sh.

#include "engine/Calculate.h"
#include "fixtures/RigidFrame.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"

#include <benchmark/benchmark.h>
#include <string>
#include <sys/resource.h>

namespace {

void BM_CompliantFrame(benchmark::State &state)
{
    StructureModel frame = MakeRigidFrame(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (Rod &rod : frame.rods)
        rod.EF = 1e10;
    const Settings saved = Settings::current();
    Settings::current().logEnabled = 0;
    Settings::current().axialCompliance = 1;
    std::string error;
    const ErrorReporter previous =
        SetErrorReporter([&error](const std::string &headline, const std::string &) { error = headline; });

    for (auto _ : state) {
        state.PauseTiming();
        StructureModel structure = frame;
        state.ResumeTiming();
        double time = 0.0;
        if (!Calculate(structure, time)) {
            state.SkipWithError(("calculation failed: " + error).c_str());
            break;
        }
        benchmark::DoNotOptimize(structure.rods[0].resultM);
    }

    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["rods"] = frame.rods.count;
    state.counters["peakMB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    SetErrorReporter(previous);
    Settings::current() = saved;
}

} // namespace

BENCHMARK(BM_CompliantFrame)->Args({30, 20})->Args({60, 40})->Args({100, 100})->Unit(benchmark::kMillisecond);
