#pragma once

#include "model/StructureModel.h"

#include <string>

// The plain-text results report: title, units, moments, shear forces, axial
// forces, displacements, support reactions and the moment extremes inside
// spans, with the string-table line formats ("\r\n" line ends) in the
// user's language (Russian unless a text translator is set).
// Labels are numbers, or list positions in debug mode.
std::string ResultsReport(const StructureModel& structure, bool debugMode);
