#pragma once

#include "model/StructureModel.h"

#include <string>
#include <vector>

// A message shown to the user: headline and reason, in the chosen language.
struct CalcMessage {
    std::string headline;
    std::string reason;
};

// What one run of ruvo-calc did, for its JSON output.
struct CalcRun {
    std::string file;
    // "calculated", "refused" (exit status 1) or "unreadable" (exit status 2).
    const char *status = "calculated";
    std::vector<CalcMessage> messages;
    // The calculator's own description of an unreadable file (English).
    std::string problem;
    // The calculated structure, or null when there are no results.
    const StructureModel *structure = nullptr;
    bool debugMode = false;
};

// The results as a JSON object: the units, the sign conventions, per rod the
// end moments, shear and axial forces and the moment extreme inside the span,
// per node the displacements, per support the reactions, and the messages. Labels as in the report (numbers,
// or positions in debug mode).
std::string ResultsJson(const CalcRun &run);
