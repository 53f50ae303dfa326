#pragma once

#include "model/StructureModel.h"

// Relative size below which a result is rounding noise: a value smaller
// than this fraction of the largest value of its kind in the structure.
constexpr double ResultNoiseFraction = 1e-12;

// Sets every result that is rounding noise to exactly 0 (a negative zero
// too), kind by kind: rod moments, rod forces (shear and axial),
// translations, rotations, reaction forces and reaction moments. Runs once
// after a successful calculation, so every display, the report and the
// command-line calculator show the same numbers.
void CleanResultNoise(StructureModel &structure);
