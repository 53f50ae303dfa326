// Exact inversion of matrices whose entries are only -1, 0 and 1: find row
// and column orders that make the matrix upper triangular with ±1 on the
// diagonal, invert that triangle by following chains of entries, and undo
// the orders. Integers only, no division.

#include "model/MathException.h"
#include "numeric/Matrix.h"

#include <vector>

namespace {

[[noreturn]] void raiseNotSquare(const char *operation, const char *name, int rows, int cols)
{
    MathException::Raise("Matrix::%s: matrix %s[%d][%d] is not square!", operation, name, rows, cols);
}

// The chain inversion yields the exact inverse only of a triangle in which
// every row has at most one entry off the diagonal and that entry is minus
// the row's diagonal entry (a row of an incidence matrix). Other sign
// matrices may still triangulate, but their chain "inverse" would be wrong.
bool isChainInvertible(const IntMatrix &triangle)
{
    for (int i = 0; i < triangle.rows; ++i) {
        const int *row = triangle[i];
        int offDiagonal = 0;
        for (int j = 0; j < triangle.cols; ++j) {
            if (j == i || row[j] == 0)
                continue;
            if (++offDiagonal > 1 || row[j] != -row[i])
                return false;
        }
    }
    return true;
}

} // namespace

// Chooses, over and over, the first column (from column 0) not chosen yet
// that has exactly one non-zero entry left, and clears that column and the
// entry's row. The number of non-zero entries of every column is kept up to
// date as rows are cleared, so each choice costs one pass over the columns
// instead of a recount of the whole matrix; the choices are the same.
template <typename T> bool MatrixT<T>::MakeUnimodularUpperTriangle(IntVector &TANV, IntVector &TAND)
{
    MatrixT original("temp", rows, cols);
    original = *this;
    if (rows != cols || TANV.count != rows || TAND.count != rows)
        raiseNotSquare("MakeUnimodularUpperTriangle()", name, rows, cols);
    const int n = rows;
    for (int k = 0; k < n; ++k) {
        TANV[k] = -1;
        TAND[k] = -1;
    }
    std::vector<int> nonZeros(static_cast<std::size_t>(n), 0);
    std::vector<bool> chosen(static_cast<std::size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        const T *row = (*this)[i];
        for (int j = 0; j < n; ++j)
            if (row[j] != 0)
                ++nonZeros[j];
    }
    for (int k = 0; k < n; ++k) {
        int column = 0;
        while (column < n && (chosen[column] || nonZeros[column] != 1))
            ++column;
        if (column == n)
            return false;
        int entryRow = 0;
        while ((*this)[entryRow][column] == 0)
            ++entryRow;
        TANV[k] = column;
        TAND[k] = entryRow;
        chosen[column] = true;
        for (int i = 0; i < n; ++i)
            (*this)[i][column] = 0;
        T *row = (*this)[entryRow];
        for (int j = 0; j < n; ++j) {
            if (row[j] != 0) {
                --nonZeros[j];
                row[j] = 0;
            }
        }
    }
    original.TransposeCols(TANV);
    original.TransposeRows(TAND);
    *this = std::move(original);
    return true;
}

// Row i of the inverse holds U(i, i) on the diagonal and U(p, p) at every p
// of the chain that starts at the first entry of row i right of the
// diagonal and goes on at the first off-diagonal entry of row p. In an upper
// triangle p grows at every step; a chain that would not grow (possible
// only in a matrix that is not upper triangular) is cut there.
template <typename T> bool MatrixT<T>::InvertUnimodularUpperTriangle()
{
    if (rows != cols)
        raiseNotSquare("InvertUnimodularUpperTriangle()", name, rows, cols);
    const int n = rows;
    MatrixT inverse("temp", n, n);
    // For each row: its first non-zero column other than the diagonal
    // (searched from column 0) and its first non-zero column right of the
    // diagonal, -1 when there is none.
    std::vector<int> nextOffDiagonal(static_cast<std::size_t>(n), -1);
    std::vector<int> nextRightOfDiagonal(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        const T *row = (*this)[i];
        for (int j = 0; j < n; ++j) {
            if (j == i || row[j] == 0)
                continue;
            if (nextOffDiagonal[i] < 0)
                nextOffDiagonal[i] = j;
            if (j > i) {
                nextRightOfDiagonal[i] = j;
                break;
            }
        }
    }
    for (int i = 0; i < n; ++i) {
        T *target = inverse[i];
        target[i] = (*this)[i][i];
        if (nextOffDiagonal[i] < 0)
            continue;
        int p = nextRightOfDiagonal[i];
        while (p >= 0) {
            target[p] = (*this)[p][p];
            int next = nextOffDiagonal[p];
            p = next > p ? next : -1;
        }
    }
    *this = std::move(inverse);
    return true;
}

// A is replaced by the inverse only when the triangle found is one the chain
// inversion inverts exactly; otherwise A stays unchanged and the caller goes
// on with the generic inversion.
template <typename T> bool MatrixT<T>::InvertUnimodular()
{
    if (!IsSignMatrix())
        return false;
    IntMatrix signs("M", rows, cols);
    for (int i = 0; i < rows; ++i) {
        const T *source = (*this)[i];
        int *target = signs[i];
        for (int j = 0; j < cols; ++j)
            target[j] = source[j] > T(0) ? 1 : (source[j] < T(0) ? -1 : 0);
    }
    IntVector TANV("TANV", cols);
    IntVector TAND("TAND", rows);
    if (!signs.MakeUnimodularUpperTriangle(TANV, TAND))
        return false;
    if (!isChainInvertible(signs))
        return false;
    signs.InvertUnimodularUpperTriangle();
    signs.ScatterCols(TAND);
    signs.ScatterRows(TANV);
    for (int i = 0; i < rows; ++i) {
        const int *source = signs[i];
        T *target = (*this)[i];
        for (int j = 0; j < cols; ++j)
            target[j] = static_cast<T>(source[j]);
    }
    return true;
}

template bool MatrixT<int>::MakeUnimodularUpperTriangle(IntVector &, IntVector &);
template bool MatrixT<int>::InvertUnimodularUpperTriangle();
template bool MatrixT<double>::InvertUnimodular();
