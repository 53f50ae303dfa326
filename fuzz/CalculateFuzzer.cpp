// Fuzz target of the whole calculation: any bytes are read as a structure
// file and calculated. Every calculation either succeeds with finite
// results and no message, or fails with exactly one message; nothing
// crashes, hangs or trips a sanitizer.
//
// A first line "#!" followed by letters switches options for that input:
// "l" writes the calculation log, "d" calculates in debug mode (service
// elements stay in the structure).

#include "FuzzChecks.h"
#include "engine/Calculate.h"
#include "model/Settings.h"
#include "model/StructureFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

void CheckResults(const StructureModel &model)
{
    for (const Node &node : model.nodes) {
        if (!IsFinite(node.resultDisplacement) || !IsFinite(node.reaction))
            Finding("a node result is not finite", std::to_string(node.number));
    }
    for (const Rod &rod : model.rods) {
        if (!IsFinite(rod.resultM) || !IsFinite(rod.resultQ) || !IsFinite(rod.resultN))
            Finding("a rod result is not finite", std::to_string(rod.number));
    }
}

void ReadOptions(std::string_view text, Settings &settings)
{
    settings.logEnabled = 0;
    settings.debugMode = false;
    if (text.substr(0, 2) != "#!")
        return;
    const std::string_view line = text.substr(0, text.find('\n'));
    settings.logEnabled = line.find('l') != std::string_view::npos ? 1 : 0;
    settings.debugMode = line.find('d') != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The log of this process only; the user's log is never touched.
    const std::filesystem::path log =
        std::filesystem::temp_directory_path() / ("ruvo-fuzz-" + std::to_string(::getpid()) + ".log");
    SetLogFilePath(log.string());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    RecordingReporter reporter;
    StructureModel model;
    ReadStructure(model, text);
    reporter.messages.clear();
    ReadOptions(text, Settings::current());
    const int nodes = model.nodes.count;
    const int rods = model.rods.count;

    double time = -1.0;
    const bool ok = Calculate(model, time);
    if (ok) {
        if (!reporter.messages.empty())
            Finding("a successful calculation reported", reporter.messages.front());
        if (!std::isfinite(time) || time < 0.0)
            Finding("a successful calculation has no valid time", std::to_string(time));
        CheckResults(model);
    } else if (reporter.messages.size() != 1) {
        Finding("a failed calculation did not report exactly once", std::to_string(reporter.messages.size()));
    }
    // Outside debug mode the user's structure comes back without the
    // service elements of the preparation.
    if (!Settings::current().debugMode && (model.nodes.count != nodes || model.rods.count != rods))
        Finding("the calculation changed the number of elements");
    return 0;
}
