#pragma once

#include "model/StructureModel.h"

// The largest magnitude of an input value the calculation accepts. The
// method multiplies up to about six input magnitudes (a load times the
// fourth power of a length over a stiffness, and the like); values up to
// 1e50 keep every such product well inside the range of a double (1e308),
// whatever units the structure is drawn in.
constexpr double InputMagnitudeLimit = 1e50;

// Refuses, before anything is prepared, a finite node or rod value that the
// calculation uses (not EF, nu or mu: the rods are axially rigid) beyond
// InputMagnitudeLimit: message 50224 (node) or 50225 (rod) naming the
// element and the field. Values that are not finite are left for the
// structure check, which has its own message for them.
bool CheckInputMagnitudes(const StructureModel &structure);
