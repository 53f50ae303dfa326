// Fuzz target of the structure file reader. Any bytes are read; the reader
// reports a bad line exactly when it says it failed, leaves a model that
// keeps its promises, and what it read survives a save: the written text
// reads back without a message into the same text. (A read stopped at a
// bad line keeps numbers below 1, which the next complete read renumbers;
// the comparison allows for that and for nothing else.)

#include "FuzzChecks.h"
#include "model/StructureFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// The numbering a complete read gives: a list holding a number below 1 is
// numbered 1..n in order.
template <typename T> void RenumberLikeReader(List<T> &list)
{
    bool renumber = false;
    for (const T &element : list)
        renumber = renumber || element.number < 1;
    for (int i = 0; renumber && i < list.count; ++i)
        list[i].number = i + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    RecordingReporter reporter;

    StructureModel model;
    const StructureReadResult result = ReadStructure(model, text);
    ReportMessages(result.messages);
    if (result.ok != reporter.messages.empty())
        Finding("the reader's result and its messages disagree",
                std::to_string(reporter.messages.size()) + " messages");
    if (!result.ok && result.messageId != 50219 && result.messageId != 50221)
        Finding("unknown message id", std::to_string(result.messageId));
    if (!result.ok && result.lineNumber < 1)
        Finding("a failure without its line", std::to_string(result.lineNumber));
    CheckReadModel(model);

    if (!result.ok) {
        RenumberLikeReader(model.nodes);
        RenumberLikeReader(model.rods);
    }
    const std::string written = WriteStructure(model);
    StructureModel again;
    reporter.messages.clear();
    const StructureReadResult reread = ReadStructure(again, written);
    ReportMessages(reread.messages);
    if (!reread.ok || !reporter.messages.empty())
        Finding("a written structure does not read back", written);
    if (again.nodes.count != model.nodes.count || again.rods.count != model.rods.count)
        Finding("a written structure reads back with other counts", written);
    const std::string rewritten = WriteStructure(again);
    if (rewritten != written)
        Finding("a written structure reads back different", written + "\n----\n" + rewritten);
    return 0;
}
