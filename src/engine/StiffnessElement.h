#pragma once

// One rod of the axially compliant calculation in its own axes: degrees of
// freedom (u along the rod, v along its normal n = (-sin, cos), rotation
// counter-clockwise) at the begin, then at the end. `k` is the stiffness with
// the rotations of hinged ends condensed out; `fixedEnd` holds the forces the
// nodes exert on the rod when they are held still under the rod's own loads.
struct StiffnessElement {
    double length = 0.0;
    double c = 0.0; // direction cosines of the axis, begin to end
    double s = 0.0;
    double k[6][6] = {};
    double fixedEnd[6] = {};

    // Global components (x, y, rotation at each end) to local ones and back.
    void ToLocal(const double global[6], double local[6]) const;
    void ToGlobal(const double local[6], double global[6]) const;
    // The end forces in local axes for the given global end displacements.
    void EndForces(const double global[6], double ends[6]) const;
};

struct StiffnessElementInput {
    double bx = 0.0, by = 0.0, ex = 0.0, ey = 0.0; // end coordinates
    double EI = 1.0;
    double EF = 1.0;
    bool hingedBegin = false;
    bool hingedEnd = false;
    double qx = 0.0, qy = 0.0; // distributed load per length, global axes
    double tLeft = 0.0;        // fibre temperatures, left and right seen
    double tRight = 0.0;       // from begin to end
    double alpha = 1.0;
    double height = 1.0;
};

// Builds the element. The length must be non-zero and the rigidities
// positive (the caller checks).
StiffnessElement MakeStiffnessElement(const StiffnessElementInput &input);
