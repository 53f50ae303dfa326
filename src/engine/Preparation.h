#pragma once

#include "model/StructureModel.h"

// Before a calculation: hinged supports and moving hinges at supports are
// replaced by service nodes and rods, nodes and rods are reordered (free
// first) and turned (begin position below end position), and the structure
// is checked. After it: the service elements are removed again and their
// results folded into the user's nodes.
bool ReplaceSupportHinges(StructureModel& structure);
bool ReplaceMovingJoints(StructureModel& structure);
bool ReorderForCalculation(StructureModel& structure);
bool CheckStructure(StructureModel& structure);
bool RestoreHinges(StructureModel& structure);
bool RestoreMovingJoints(StructureModel& structure);
