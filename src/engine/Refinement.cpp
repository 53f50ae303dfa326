#include "engine/Calculation.h"
#include "engine/CalculationKernels.h"
#include "numeric/CalcLog.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

// The residual r * Z + R, summed in extended precision, and its
// componentwise size: max over the rows of |residual| / (|r| * |Z| + |R|),
// which does not depend on the units of the rows.
double residual(const Matrix &r, const Matrix &Z, const Matrix &R, Matrix &out)
{
    double worst = 0.0;
    for (int i = 0; i < r.rows; ++i) {
        const double *row = r[i];
        long double sum = R[i][0];
        double size = std::fabs(R[i][0]);
        for (int j = 0; j < r.cols; ++j) {
            sum += static_cast<long double>(row[j]) * Z[j][0];
            size += std::fabs(row[j] * Z[j][0]);
        }
        out[i][0] = static_cast<double>(sum);
        if (size > 0.0)
            worst = std::fmax(worst, std::fabs(out[i][0]) / size);
    }
    return worst;
}

} // namespace

// Z = -r1 * R is the product with an explicit inverse, which is not backward
// stable: a rod far stiffer than its neighbours turns the error of its end
// rotations into large errors of its end moments. Each correction solves
// r * dZ = -(r * Z + R) with the same inverse, the residual being formed
// with the unit reactions themselves; it stops when the residual no longer
// shrinks.
void Calculation::RefineUnknowns(Matrix &Z, const Matrix &R, const char *equation)
{
    constexpr int maxCorrections = 3;
    const double roundOff = std::numeric_limits<double>::epsilon();
    Matrix rest("residual", Z.rows, 1);
    const double initial = residual(r, Z, R, rest);
    double current = initial;
    int corrections = 0;
    Matrix candidate("temp", Z.rows, 1);
    Matrix candidateRest("residual", Z.rows, 1);
    while (corrections < maxCorrections && current > roundOff) {
        candidate = Z + CalculationKernels::Product(r1, rest, -1.0);
        const double next = residual(r, candidate, R, candidateRest);
        if (!(next < current))
            break;
        Z = candidate;
        rest = candidateRest;
        current = next;
        ++corrections;
    }
    LogPrintf("Refining %s: residual %.3g, after %d corrections %.3g\n", equation, initial, corrections,
              current);
}
