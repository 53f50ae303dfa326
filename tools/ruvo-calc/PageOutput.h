#pragma once

#include "model/StructureModel.h"

#include <string>

// The result displays of an exported page.
struct PageChoice {
    bool moments = false;
    bool shear = false;
    bool axial = false;
    bool displacements = false;
    bool reactions = false;
    std::string sourceName; // the structure file's name, for the title block
};

// Writes the printed page of the calculated structure (A4 portrait, loads
// and values shown, element numbers as the settings say) to `path`, as PDF,
// SVG or PNG by its extension. Needs no display. False, with a reason, when
// the page cannot be written or this build has no page output.
bool WritePage(const char *programName, const std::string &path, StructureModel &structure,
               const PageChoice &choice, std::string &reason);
