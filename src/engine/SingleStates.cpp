#include "engine/Calculation.h"
#include "engine/CalculationKernels.h"
#include "engine/MechanismReport.h"
#include "numeric/CalcLog.h"

#include <cmath>
#include <vector>

using namespace CalculationKernels;

bool Calculation::SolveSingleStates()
{
    const int NN = this->NN();
    LogPrintf("CALCULATING SINGLE STATES OF THE MAIN SYSTEM\n\n");
    LogPrintf("Total states NN=%d, rotations NG=%d, movements NZ=%d\n", NN, NG, NZ);

    // Column of b for the rotation of each free node (-1: not an unknown).
    std::vector<int> rotationColumn(NK + NK0, -1);
    for (int j = 0; j < NG; ++j)
        rotationColumn[G[j]] = j;

    // End moments of the free rods (rows 2i: begin, 2i+1: end) for a unit
    // value of every unknown: 4EI/L at a turned rigid end and 2EI/L at the
    // other, 3EI/L at the rigid end of a rod with one joint; a transverse
    // displacement w gives 6EI*w/L^2 (3EI*w/L^2 with one joint).
    b.Create("b - Single moments", 2 * NC, NN);
    for (int i = 0; i < NC; ++i) {
        const int bn = INC[2 * i];
        const int en = INC[2 * i + 1];
        const bool jointAtBegin = beginsWithJoint(i);
        const bool jointAtEnd = endsWithJoint(i);
        double *beginRow = b[2 * i];
        double *endRow = b[2 * i + 1];
        const int beginColumn = rotationColumn[bn];
        const int endColumn = bn != en ? rotationColumn[en] : -1;
        if (!jointAtBegin && !jointAtEnd) {
            if (beginColumn >= 0) {
                beginRow[beginColumn] = 4.0 * J[i];
                endRow[beginColumn] = 2.0 * J[i];
            }
            if (endColumn >= 0) {
                beginRow[endColumn] = 2.0 * J[i];
                endRow[endColumn] = 4.0 * J[i];
            }
        } else if (jointAtBegin && !jointAtEnd) {
            if (endColumn >= 0)
                endRow[endColumn] = 3.0 * J[i];
        } else if (!jointAtBegin && jointAtEnd) {
            if (beginColumn >= 0)
                beginRow[beginColumn] = 3.0 * J[i];
        }

        const double *wRow = W[i];
        for (int m = 0; m < NZ; ++m) {
            const double w = wRow[m];
            if (!jointAtBegin && !jointAtEnd) {
                beginRow[NG + m] = 6.0 * J[i] * w / L[i];
                endRow[NG + m] = 6.0 * J[i] * w / L[i];
            } else if (jointAtBegin && !jointAtEnd) {
                endRow[NG + m] = 3.0 * J[i] * w / L[i];
            } else if (!jointAtBegin && jointAtEnd) {
                beginRow[NG + m] = 3.0 * J[i] * w / L[i];
            }
        }
    }
    LogMatrix(b);

    // Flexibility of each free rod as a simple beam under its end moments:
    // L/(6EI) * (2, -1; -1, 2).
    F.Create("F - Single loads", 2 * NC, 2 * NC);
    for (int d = 0; d < NC; ++d) {
        const double f = 1.0 / (6.0 * J[d]);
        F[2 * d][2 * d] = 2.0 * f;
        F[2 * d][2 * d + 1] = -f;
        F[2 * d + 1][2 * d] = -f;
        F[2 * d + 1][2 * d + 1] = 2.0 * f;
    }
    LogMatrix(F);

    // Unit reactions r = b^T * F * b, inverted in place.
    r1.Create("r1 = r^-1 - Reactions", NN, NN);
    r1 = FlexibilityProduct(b, F, b);
    LogPrintf("~b * F * b:\n");
    LogMatrix(r1);
    r.Create("r - Unit reactions", NN, NN);
    r = r1;
    // Translations measured in units of the mean rod length (weight L): every
    // element of r is then of the size EI/length whatever the units.
    double meanLength = 0.0, stiffest = 0.0;
    for (int i = 0; i < NC; ++i) {
        meanLength += L[i] / NC;
        stiffest = std::fmax(stiffest, J[i]);
    }
    std::vector<double> weights(NN, 1.0);
    for (int m = 0; m < NZ; ++m)
        weights[NG + m] = meanLength;
    if (!InvertWellConditioned(r1, weights, stiffest)) {
        ReportMechanism(structure);
        return false;
    }
    LogMatrix(r1);
    return true;
}
