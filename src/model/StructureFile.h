#pragma once

#include "model/StructureModel.h"

#include <string>
#include <string_view>
#include <vector>

// Outcome of reading a structure file. On an error the elements read before
// the bad line stay in the model. The model sits below the error path: the
// caller shows `messages` (ReportMessages) right after the reading.
struct StructureReadResult {
    bool ok = true;
    int messageId = 0;   // 50219 (nodes) or 50221 (rods) when !ok
    int lineNumber = 0;  // 1-based line of the failure, 0 when not tied to a line
    // The string-table messages to show, in order, once the model holds
    // what was read.
    std::vector<int> messages;
};

// The whole file text: header, version line, node lines, rod lines.
std::string WriteStructure(const StructureModel& model);

// Clears the model and reads the lines of a ".str" file. Bad lines give
// their message once in the result's `messages` (50219 / 50221).
StructureReadResult ReadStructure(StructureModel& model, std::string_view text);
