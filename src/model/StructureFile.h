#pragma once

#include "model/StructureModel.h"

#include <string>
#include <string_view>

// Outcome of reading a structure file. On an error the elements read before
// the bad line stay in the model; the message has already been reported.
struct StructureReadResult {
    bool ok = true;
    int messageId = 0;   // 50219 (nodes) or 50221 (rods) when !ok
    int lineNumber = 0;  // 1-based line of the failure, 0 when not tied to a line
};

// The whole file text: header, version line, node lines, rod lines.
std::string WriteStructure(const StructureModel& model);

// Clears the model and reads the lines of a ".str" file. Bad lines are
// reported once through ReportMessage (50219 / 50221).
StructureReadResult ReadStructure(StructureModel& model, std::string_view text);
