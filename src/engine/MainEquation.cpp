#include "engine/Calculation.h"
#include "engine/RigidMethodLimits.h"
#include "engine/CalculationKernels.h"
#include "engine/MechanismReport.h"
#include "model/Settings.h"
#include "numeric/CalcLog.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace CalculationKernels;

namespace {

constexpr int zeroPivotMessage = 50206;
constexpr int unsolvableMessage = 50207;

// An element of at most this fraction of its row's largest element in A1 is
// a zero of the topology: with inclined rods, exact zeros come out of the
// elimination as round-off. (A1 holds direction cosines, so its rows are of
// the size 1 in any units.)
constexpr double zeroTolerance = 1e-10;

// A pivot must reach this fraction of the largest candidate of its row; of
// those, the first column is taken. Where the candidates are of like size,
// as in most frames of horizontal and vertical rods, that is the first
// non-zero column. A much smaller candidate, the remainder of two nearly
// parallel rods, would make A11 nearly singular, and U and every result would
// lose most of their digits.
constexpr double pivotFraction = 0.5;

bool loggingOn()
{
    return Settings::current().logEnabled != 0;
}

// "%d " for every element, then an empty line; one record.
void logIndexLine(const char *title, const IntVector &values, bool positions)
{
    if (!loggingOn())
        return;
    std::string text = title;
    for (int j = 0; j < values.count; ++j)
        text += std::to_string(positions ? j : values[j]) + ' ';
    text += "\n\n";
    LogPrintf("%s", text.c_str());
}

} // namespace

bool Calculation::FindTransposition(const Matrix &A, IntVector &P)
{
    LogPrintf("Looking for transposition P in matrix:\n");
    LogMatrix(A);
    LogPrintf("\n");

    const int n = A.rows;
    const int m = A.cols;
    for (int j = 0; j < m; ++j)
        P[j] = j;

    // The elimination works on columns; the working copy keeps column j of A
    // as its row j, so that every column operation walks memory in order.
    // Every element is written before it is read.
    std::unique_ptr<double[]> columns(new double[static_cast<size_t>(m) * n]);
    for (int r = 0; r < n; ++r) {
        const double *row = A[r];
        for (int j = 0; j < m; ++j)
            columns[static_cast<size_t>(j) * n + r] = row[j];
    }
    auto column = [&](int j) { return columns.get() + static_cast<size_t>(j) * n; };

    std::vector<double> rowSize(n, 0.0);
    for (int r = 0; r < n; ++r) {
        for (int j = 0; j < m; ++j)
            rowSize[r] = std::fmax(rowSize[r], std::fabs(A[r][j]));
    }

    std::vector<int> pivotRows;
    pivotRows.reserve(n);
    for (int b = 0; b < n; ++b) {
        LogPrintf("Looking for column to be placed at %d.\n", b);
        int found = -1;
        double largest = 0.0;
        for (int i = b; i < m; ++i)
            largest = std::fmax(largest, std::fabs(column(i)[b]));
        for (int i = b; i < m && largest > zeroTolerance * rowSize[b]; ++i) {
            if (std::fabs(column(i)[b]) >= pivotFraction * largest) {
                found = i;
                break;
            }
        }
        if (found < 0) {
            ReportRigidMethodLimit(structure, unsolvableMessage);
            return false;
        }
        if (found != b)
            std::swap_ranges(column(found), column(found) + n, column(b));
        P.Swap(found, b);
        LogIntVector(P);

        const double *pivotColumn = column(b);
        const double pivot = pivotColumn[b];
        if (pivot == 0.0) {
            ReportMessage(zeroPivotMessage);
            return false;
        }
        // Clear row b right of the diagonal: column j -= f * column b. Rows
        // where column b is zero do not change.
        pivotRows.clear();
        for (int r = 0; r < n; ++r) {
            if (pivotColumn[r] != 0.0)
                pivotRows.push_back(r);
        }
        for (int j = b + 1; j < m; ++j) {
            double *target = column(j);
            const double f = target[b] / pivot;
            if (f == 0.0)
                continue;
            for (int r : pivotRows)
                target[r] -= f * pivotColumn[r];
        }
    }

    if (loggingOn()) {
        Matrix reduced(A);
        for (int r = 0; r < n; ++r) {
            for (int j = 0; j < m; ++j)
                reduced[r][j] = column(j)[r];
        }
        LogMatrix(reduced);
    }
    return true;
}

bool Calculation::SolveMainEquation()
{
    LogPrintf("SOLVING MAIN EQUATION\n\n");

    P.Create("P - Transposition of columns allowing to invert the matrix", 2 * NK);
    if (!FindTransposition(A1, P))
        return false;
    logIndexLine("Old indexes:\n", P, true);
    logIndexLine("New indexes:\n", P, false);

    // The first NC + NC0 columns of A1 in the order P form the invertible
    // block A11; the remaining NZ columns are the linear unknowns. Both are
    // taken from A1 directly (column k of the block is column P[k] of A1).
    // A11 is built in the storage of its inverse and logged under its own
    // name before the inversion.
    const int n = NC + NC0;
    Matrix A12("A12 - Submatrix of A1", n, NZ);
    A11_1.Create("A11 - Submatrix of A1", n, n);
    for (int i = 0; i < n; ++i) {
        const double *row = A1[i];
        double *blockRow = A11_1[i];
        for (int k = 0; k < n; ++k)
            blockRow[k] = row[P[k]];
        for (int k = 0; k < NZ; ++k)
            A12[i][k] = row[P[n + k]];
    }
    LogPrintf("Solving main equation system...\n");
    LogMatrix(A11_1);
    std::snprintf(A11_1.name, sizeof A11_1.name, "%s", "A11_1 - Inverted A11");

    bool inverted = false;
    if (A11_1.IsSignMatrix()) {
        LogPrintf("Trying unimodular inversion...\n");
        inverted = A11_1.InvertUnimodular();
        LogPrintf(inverted ? "UNIMODULAR ALGORITHM SUCCEEDED!\n" : "UNIMODULAR ALGORITHM FAILED!\n");
    }
    if (!inverted) {
        LogPrintf("Trying generic inversion...\n");
        if (!InvertWellConditioned(A11_1)) {
            ReportMechanism(structure);
            return false;
        }
        LogPrintf("GENERIC ALGORITHM SUCCEEDED!\n");
    }
    LogMatrix(A11_1);

    A11_12.Create("A11_12", n, NZ);
    A11_12 = Product(A11_1, A12, -1.0);
    LogMatrix(A11_12);

    // In the order P, U is A11_12 stacked on the unit matrix: every linear
    // unknown moves its own translation component by 1 and the dependent
    // components so that no rod changes its length.
    U.Create("U", 2 * NK, NZ);
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < NZ; ++k)
            U[i][k] = A11_12[i][k];
    }
    for (int k = 0; k < NZ; ++k)
        U[n + k][k] = 1.0;
    LogPrintf("U'\n:");
    LogMatrix(U);
    U.ScatterRows(P);
    LogMatrix(U);

    W.Create("W", NC, NZ);
    W = Product(B1, U);
    LogMatrix(W);
    return true;
}
