#pragma once

#include "model/StructureModel.h"

// Reports a structure that is a mechanism (message 50213). When no rod end
// at a free node of the prepared structure is rigid, every joint of the
// moving part is a hinge, and the message gets a line (50226) saying that
// the joints can be made rigid: a newcomer's first frame drawn with the
// default hinged rod ends is the usual case.
void ReportMechanism(const StructureModel &prepared);

// True when every end of a user's rod at a free node is a hinge.
bool AllFreeJointsHinged(const StructureModel &structure);
