#pragma once

#include "model/StructureModel.h"

// An independent check of calculated results, read only from the structure:
// node displacements and rotations, rod end moments, shear and axial forces,
// and reactions. It does not use the arrays of the method, so it applies to
// the results of any solver written into a prepared structure (free and
// support nodes; rod ends rigid or hinged; hinged supports and rollers
// replaced by links).
//
// Checked, each against the scale of its kind in the whole structure:
// - equilibrium of every node: forces of the rods, node loads and reactions,
//   and the moments of the rod ends, node moments and reaction moments;
// - equilibrium of every rod under its end values and its distributed load;
// - compatibility of every rod: at a rigid end, the end moments against the
//   end rotation and the chord rotation (beam flexibility with the fixed-end
//   moments of the load and of the temperature gradient); at a hinged end, a
//   moment of zero; and the change of length against the thermal
//   lengthening (plus N * L / EF when the rods are axially compliant).
// Links (rods hinged at both ends that reach a support) carry neither rod
// loads nor temperatures, as in the method.
struct ResultsCheckOptions {
    bool axialCompliance = false; // rods lengthen by N * L / EF
    double tolerance = 1e-6;      // allowed deviation, relative to the scale of its kind
};

struct ResultsCheck {
    bool passed = true;
    double worst = 0.0;        // largest deviation, relative to its scale
    bool atNode = false;       // the worst deviation is at a node (else at a rod)
    int position = -1;         // its position in the node or rod list; -1: none
    const char *what = "none"; // which condition
};

ResultsCheck CheckResults(const StructureModel &structure, const ResultsCheckOptions &options = {});

// Runs the check on calculated results, logs the largest deviation
// ("CHECKING RESULTS") and, when it is too large, reports message 50227
// naming the worst node or rod as the user knows it (a service node or rod
// stands for the node whose support it replaces); false then.
bool VerifyResults(const StructureModel &structure, const ResultsCheckOptions &options = {});
