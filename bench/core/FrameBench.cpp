// Calculation time of generated rigid frames: n storeys by m bays, fixed
// feet, every joint rigid, a horizontal force at each floor. The structure
// is copied outside the timed region, so each iteration calculates the
// user's structure from scratch.

#include "engine/Calculate.h"
#include "fixtures/RigidFrame.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Reports failures of the calculation as benchmark errors instead of
// printing them.
class QuietReporter {
public:
    QuietReporter()
    {
        previous =
            SetErrorReporter([this](const std::string &headline, const std::string &) { error = headline; });
    }
    ~QuietReporter() { SetErrorReporter(previous); }
    std::string error;

private:
    ErrorReporter previous;
};

void CalculateFrame(benchmark::State &state, bool logEnabled)
{
    const int storeys = static_cast<int>(state.range(0));
    const int bays = static_cast<int>(state.range(1));
    const StructureModel frame = MakeRigidFrame(storeys, bays);

    Settings saved = Settings::current();
    Settings::current().logEnabled = logEnabled ? 1 : 0;
    const std::string savedPath = LogFilePath();
    const std::filesystem::path logPath =
        std::filesystem::temp_directory_path() / ("ruvo-bench-" + std::to_string(::getpid()) + ".log");
    SetLogFilePath(logPath.string());
    QuietReporter reporter;

    for (auto _ : state) {
        state.PauseTiming();
        StructureModel structure = frame;
        state.ResumeTiming();
        double time = 0.0;
        if (!Calculate(structure, time)) {
            state.SkipWithError(("calculation failed: " + reporter.error).c_str());
            break;
        }
        benchmark::DoNotOptimize(structure.rods[0].resultM);
    }

    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["rods"] = frame.rods.count;
    state.counters["peakMB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;

    std::error_code error;
    std::filesystem::remove(logPath, error);
    SetLogFilePath(savedPath);
    Settings::current() = saved;
}

void BM_FrameLogOff(benchmark::State &state)
{
    CalculateFrame(state, false);
}
void BM_FrameLogOn(benchmark::State &state)
{
    CalculateFrame(state, true);
}

} // namespace

BENCHMARK(BM_FrameLogOff)
    ->Args({5, 5})
    ->Args({10, 10})
    ->Args({20, 20})
    ->Args({30, 20})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameLogOn)->Args({10, 10})->Unit(benchmark::kMillisecond);
