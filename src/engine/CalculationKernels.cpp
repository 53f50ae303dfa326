#include "engine/CalculationKernels.h"

#include "model/MathException.h"
#include "numeric/CalcLog.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace CalculationKernels {

namespace {

// For every row of B, the range [first, last) of columns that holds all of
// its non-zero elements; empty (first == last) for a zero row.
struct RowSpan {
    int first = 0;
    int last = 0;
};

std::vector<RowSpan> nonZeroSpans(const Matrix &B)
{
    std::vector<RowSpan> spans(B.rows);
    for (int k = 0; k < B.rows; ++k) {
        const double *row = B[k];
        int first = 0;
        while (first < B.cols && row[first] == 0.0)
            ++first;
        int last = B.cols;
        while (last > first && row[last - 1] == 0.0)
            --last;
        spans[k] = {first, last};
    }
    return spans;
}

[[noreturn]] void raiseSize(const char *leftName, int leftRows, int leftCols, const Matrix &B)
{
    MathException::Raise("Matrix::%s: matrices %s[%d][%d] and %s[%d][%d] must have same size!", "Operator *",
                         leftName, leftRows, leftCols, B.name, B.rows, B.cols);
}

// Adds a * B(k, span) to the row c.
inline void addScaledRow(double *c, double a, const double *bRow, const RowSpan &span)
{
    for (int j = span.first; j < span.last; ++j)
        c[j] += a * bRow[j];
}

} // namespace

Matrix Product(const Matrix &A, const Matrix &B, double sign)
{
    if (A.cols != B.rows)
        raiseSize(sign < 0.0 ? "Temp '-'" : A.name, A.rows, A.cols, B);
    Matrix C("temp", A.rows, B.cols);
    if (C.rows == 0 || C.cols == 0)
        return C;
    const std::vector<RowSpan> spans = nonZeroSpans(B);
    for (int i = 0; i < A.rows; ++i) {
        const double *aRow = A[i];
        double *cRow = C[i];
        for (int k = 0; k < A.cols; ++k) {
            if (aRow[k] == 0.0 || spans[k].first == spans[k].last)
                continue;
            addScaledRow(cRow, sign * aRow[k], B[k], spans[k]);
        }
    }
    return C;
}

Matrix TransposedProduct(const Matrix &A, const Matrix &B, double sign)
{
    if (A.rows != B.rows)
        raiseSize("temp", A.cols, A.rows, B);
    Matrix C("temp", A.cols, B.cols);
    if (C.rows == 0 || C.cols == 0)
        return C;
    const std::vector<RowSpan> spans = nonZeroSpans(B);
    // k outermost: every C(i, j) still accumulates its terms for k ascending.
    for (int k = 0; k < A.rows; ++k) {
        if (spans[k].first == spans[k].last)
            continue;
        const double *aRow = A[k];
        const double *bRow = B[k];
        for (int i = 0; i < A.cols; ++i) {
            if (aRow[i] == 0.0)
                continue;
            addScaledRow(C[i], sign * aRow[i], bRow, spans[k]);
        }
    }
    return C;
}

Matrix FlexibilityProduct(const Matrix &b, const Matrix &F, const Matrix &X)
{
    if (F.rows != b.rows || F.cols != b.rows || F.rows % 2 != 0)
        raiseSize("temp", b.cols, b.rows, F);
    if (X.rows != F.cols)
        raiseSize("temp", b.cols, F.cols, X);
    Matrix C("temp", b.cols, X.cols);
    if (C.rows == 0 || C.cols == 0)
        return C;
    const std::vector<RowSpan> bSpans = nonZeroSpans(b);
    const std::vector<RowSpan> xSpans = nonZeroSpans(X);
    // Column c in ascending order: every C(j, l) accumulates its terms in the
    // order of the plain product. Element j of column c of b^T * F is
    // b(2d, j) * F(2d, c) + b(2d + 1, j) * F(2d + 1, c), summed from 0.
    for (int c = 0; c < F.cols; ++c) {
        if (xSpans[c].first == xSpans[c].last)
            continue;
        const int k0 = c - c % 2;
        const int k1 = k0 + 1;
        const double f0 = F[k0][c];
        const double f1 = F[k1][c];
        const double *b0 = b[k0];
        const double *b1 = b[k1];
        const int first = std::min(bSpans[k0].first, bSpans[k1].first);
        const int last = std::max(bSpans[k0].last, bSpans[k1].last);
        for (int j = first; j < last; ++j) {
            double t = 0.0;
            if (b0[j] != 0.0)
                t += b0[j] * f0;
            if (b1[j] != 0.0)
                t += b1[j] * f1;
            if (t != 0.0)
                addScaledRow(C[j], t, X[c], xSpans[c]);
        }
    }
    return C;
}

double NormInf(const Matrix &A)
{
    double norm = 0.0;
    for (int i = 0; i < A.rows; ++i) {
        const double *row = A[i];
        double sum = 0.0;
        for (int j = 0; j < A.cols; ++j)
            sum += std::fabs(row[j]);
        if (std::isnan(sum))
            return sum;
        if (sum > norm)
            norm = sum;
    }
    return norm;
}

bool AllBounded(const Matrix &A, double limit)
{
    for (int i = 0; i < A.rows; ++i) {
        const double *row = A[i];
        for (int j = 0; j < A.cols; ++j) {
            // Written so that NaN fails the test.
            if (!(std::fabs(row[j]) <= limit))
                return false;
        }
    }
    return true;
}

bool AllBounded(const Vector &v, double limit)
{
    for (int i = 0; i < v.count; ++i) {
        if (!(std::fabs(v[i]) <= limit))
            return false;
    }
    return true;
}

double MaxAbs(const Matrix &A)
{
    double largest = 0.0;
    const std::size_t size = static_cast<std::size_t>(A.rows) * A.cols;
    for (std::size_t k = 0; k < size; ++k)
        largest = std::fmax(largest, std::fabs(A.data[k]));
    return largest;
}

double MaxAbs(const Vector &v)
{
    double largest = 0.0;
    for (int i = 0; i < v.count; ++i)
        largest = std::fmax(largest, std::fabs(v[i]));
    return largest;
}

namespace {

// The power of two that brings `largest` into [1, 2); 1 for 0.
double powerOfTwoScale(double largest)
{
    if (!(largest > 0.0) || !std::isfinite(largest))
        return 1.0;
    int exponent = 0;
    std::frexp(largest, &exponent); // largest = m * 2^exponent, m in [0.5, 1)
    return std::ldexp(1.0, 1 - exponent);
}

} // namespace

bool InvertWellConditioned(Matrix &A, const std::vector<double> &weights, double size)
{
    if (!std::isfinite(NormInf(A)))
        OnMathError(MathErrorKind::Overflow);
    const int n = A.rows;
    auto weight = [&weights](int i) { return weights.empty() ? 1.0 : weights[i]; };
    // ||D * A * D|| (infinity norm) and the same for the inverse, from the
    // unscaled matrices: D^-1 * A^-1 * D^-1 is the inverse of D * A * D.
    auto weightedNorm = [&](bool inverse) {
        double norm = 0.0;
        for (int i = 0; i < n; ++i) {
            double sum = 0.0;
            for (int j = 0; j < A.cols; ++j) {
                const double w = weight(i) * weight(j);
                sum += std::fabs(A[i][j]) * (inverse ? 1.0 / w : w);
            }
            if (std::isnan(sum))
                return sum;
            norm = std::fmax(norm, sum);
        }
        return norm;
    };
    const double norm = weightedNorm(false);

    std::vector<double> scale(n, 1.0);
    for (int i = 0; i < n; ++i)
        scale[i] = powerOfTwoScale(1.0 / weight(i)); // the weight, rounded to a power of two
    // 1 / size, rounded to a power of two; exactly 1 for a size of 1.
    const double overall = size == 1.0 ? 1.0 : powerOfTwoScale(size);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < A.cols; ++j)
            A[i][j] *= overall * scale[i] * scale[j];
    }
    if (!A.Invert())
        return false;
    // (c * S * A * S)^-1 = S^-1 * A^-1 * S^-1 / c.
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < A.cols; ++j)
            A[i][j] *= overall * scale[i] * scale[j];
    }
    return norm * weightedNorm(true) <= conditionLimit;
}

void CopyColumns(const Matrix &from, int firstColumn, Matrix &to)
{
    if (to.rows != from.rows || firstColumn < 0 || firstColumn + to.cols > from.cols)
        MathException::Raise("CopyColumns: columns %d..%d of %s[%d][%d] do not fit %s[%d][%d]!", firstColumn,
                             firstColumn + to.cols - 1, from.name, from.rows, from.cols, to.name, to.rows,
                             to.cols);
    for (int i = 0; i < to.rows; ++i) {
        const double *source = from[i] + firstColumn;
        double *target = to[i];
        for (int j = 0; j < to.cols; ++j)
            target[j] = source[j];
    }
}

void CopyRows(const Matrix &from, int firstRow, Matrix &to)
{
    if (to.cols != from.cols || firstRow < 0 || firstRow + to.rows > from.rows)
        MathException::Raise("CopyRows: rows %d..%d of %s[%d][%d] do not fit %s[%d][%d]!", firstRow,
                             firstRow + to.rows - 1, from.name, from.rows, from.cols, to.name, to.rows,
                             to.cols);
    for (int i = 0; i < to.rows; ++i) {
        const double *source = from[firstRow + i];
        double *target = to[i];
        for (int j = 0; j < to.cols; ++j)
            target[j] = source[j];
    }
}

} // namespace CalculationKernels
