// Gaussian elimination without row exchanges, back substitution and the
// generic inversion built on them.

#include "model/MathException.h"
#include "numeric/Matrix.h"
#include "numeric/RowKernels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

[[noreturn]] void raiseNotSquare(const char *operation, const char *name, int rows, int cols)
{
    MathException::Raise("Matrix::%s: matrix %s[%d][%d] is not square!", operation, name, rows, cols);
}

// Magnitudes below this count as zero on the diagonal of a triangle.
constexpr double zeroTolerance = 1e-10;

} // namespace

// Row i of this matrix and of the companion both lose f times row k, with
// f = A(i, k) / A(k, k). Rows with f exactly 0 are left alone (they would not
// change), and of the companion's row k only the span between its first and
// last non-zero element is used: outside it the terms are exactly zero.
template <typename T> bool MatrixT<T>::MakeUpperTriangle(MatrixT &companion)
{
    if (rows != cols)
        raiseNotSquare("MakeUpperTriangle()", name, rows, cols);
    const int n = rows;
    if (companion.rows != n)
        MathException::Raise("Matrix::%s: matrices %s[%d][%d] and %s[%d][%d] must have same size!",
                             "MakeUpperTriangle()", name, rows, cols, companion.name, companion.rows,
                             companion.cols);
    const int companionCols = companion.cols;
    for (int k = 0; k + 1 < n; ++k) {
        const T *pivotRow = (*this)[k];
        const T pivot = pivotRow[k];
        if (pivot == T(0))
            return false;
        const T *companionPivotRow = companion[k];
        int first = 0;
        while (first < companionCols && companionPivotRow[first] == T(0))
            ++first;
        int last = companionCols - 1;
        while (last >= first && companionPivotRow[last] == T(0))
            --last;
        for (int i = k + 1; i < n; ++i) {
            T *row = (*this)[i];
            const T f = row[k] / pivot;
            if (f == T(0))
                continue;
            rowkernels::SubtractScaled(row, pivotRow, f, n);
            rowkernels::SubtractScaled(companion[i] + first, companionPivotRow + first, f, last - first + 1);
        }
    }
    return true;
}

template <typename T> VectorT<T> MatrixT<T>::SolveUpperTriangle(const VectorT<T> &b) const
{
    if (rows != cols)
        raiseNotSquare("SolveUpperTriangle()", name, rows, cols);
    const int n = rows;
    VectorT<T> x("Xtemp", n);
    if (b.count != n)
        MathException::Raise("Vectors %s[%d] and %s[%d] have different num!", x.name, n, b.name, b.count);
    for (int i = n - 1; i >= 0; --i) {
        const T *row = (*this)[i];
        T s = 0;
        for (int j = n - 1; j > i; --j)
            s += row[j] * x[j];
        if (row[i] == T(0))
            MathException::Raise("Division by zero in SolveUpperTriangle.");
        x[i] = (b[i] - s) / row[i];
    }
    return x;
}

template <typename T> bool MatrixT<T>::HasNonZeroDiagonal() const
{
    const int n = rows < cols ? rows : cols;
    for (int i = 0; i < n; ++i)
        if (std::abs((*this)[i][i]) < zeroTolerance)
            return false;
    return true;
}

// The inverse is the solution of the triangle for every column of the
// eliminated unit matrix B. All columns are solved together, row by row from
// the bottom: each element X(i, c) is still summed as
// A(i, n-1)·X(n-1, c) + … + A(i, i+1)·X(i+1, c) in that order, then
// X(i, c) = (B(i, c) - sum) / A(i, i), but the rows of X are walked
// contiguously and a zero A(i, j) skips a whole row of terms.
template <typename T> bool MatrixT<T>::Invert()
{
    if (rows != cols)
        raiseNotSquare("Invert", name, rows, cols);
    const int n = rows;
    MatrixT inverse("AI", n, n);
    MatrixT unit("B", n, n);
    unit.SetIdentity();
    if (!MakeUpperTriangle(unit))
        return false;
    if (!HasNonZeroDiagonal())
        return false;
    // Strips of columns of X are solved one after the other, so that the
    // rows of the strip already solved stay in the cache.
    constexpr int stripWidth = 64;
    std::vector<T> sums(static_cast<std::size_t>(std::min(n, stripWidth)));
    for (int c0 = 0; c0 < n; c0 += stripWidth) {
        const int width = std::min(stripWidth, n - c0);
        for (int i = n - 1; i >= 0; --i) {
            const T *row = (*this)[i];
            std::fill(sums.begin(), sums.end(), T(0));
            for (int j = n - 1; j > i; --j) {
                const T factor = row[j];
                if (factor != T(0))
                    rowkernels::AddScaled(sums.data(), inverse[j] + c0, factor, width);
            }
            const T *right = unit[i] + c0;
            T *target = inverse[i] + c0;
            for (int c = 0; c < width; ++c)
                target[c] = (right[c] - sums[c]) / row[i];
        }
    }
    *this = std::move(inverse);
    return true;
}

template <typename T> bool MatrixT<T>::IsSignMatrix() const
{
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        if (data[k] != T(1) && data[k] != T(0) && data[k] != T(-1))
            return false;
    return true;
}

template bool MatrixT<double>::IsSignMatrix() const;
template bool MatrixT<int>::IsSignMatrix() const;

template bool MatrixT<double>::MakeUpperTriangle(MatrixT &);
template VectorT<double> MatrixT<double>::SolveUpperTriangle(const VectorT<double> &) const;
template bool MatrixT<double>::HasNonZeroDiagonal() const;
template bool MatrixT<double>::Invert();
