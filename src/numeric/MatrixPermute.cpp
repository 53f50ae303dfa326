// Row and column permutations by an index vector, and the column exchange.

#include "model/MathException.h"
#include "numeric/Matrix.h"

#include <algorithm>
#include <utility>

namespace {

// Every position of an order must address an existing row or column; one
// that does not would read or write outside the matrix.
void checkOrderRange(const IntVector &order, int limit, const char *matrixName)
{
    for (int k = 0; k < order.count; ++k)
        if (order[k] < 0 || order[k] >= limit)
            MathException::Raise("Subscription %d in %s[%d] is out of defined range!", order[k], matrixName,
                                 limit);
}

} // namespace

template <typename T> bool MatrixT<T>::TransposeCols(const IntVector &order)
{
    if (order.count != cols)
        MathException::Raise("TransposeCols: Size of list %d doesn't match to number of columns %d!",
                             order.count, cols);
    checkOrderRange(order, cols, name);
    if (rows == 0 || cols == 0)
        return true;
    MatrixT permuted(name, rows, cols);
    for (int i = 0; i < rows; ++i) {
        const T *source = (*this)[i];
        T *target = permuted[i];
        for (int j = 0; j < cols; ++j)
            target[j] = source[order[j]];
    }
    *this = std::move(permuted);
    return true;
}

template <typename T> bool MatrixT<T>::TransposeRows(const IntVector &order)
{
    if (order.count != rows)
        MathException::Raise("TransposeRows: Size of list %d doesn't match to number of rows %d!",
                             order.count, rows);
    checkOrderRange(order, rows, name);
    if (rows == 0 || cols == 0)
        return true;
    MatrixT permuted(name, rows, cols);
    for (int i = 0; i < rows; ++i) {
        const T *source = (*this)[order[i]];
        std::copy(source, source + cols, permuted[i]);
    }
    *this = std::move(permuted);
    return true;
}

template <typename T> bool MatrixT<T>::ScatterRows(const IntVector &order)
{
    if (order.count != rows)
        return false;
    checkOrderRange(order, rows, name);
    if (rows == 0 || cols == 0)
        return true;
    MatrixT scattered(name, rows, cols);
    for (int i = 0; i < rows; ++i) {
        const T *source = (*this)[i];
        std::copy(source, source + cols, scattered[order[i]]);
    }
    *this = std::move(scattered);
    return true;
}

template <typename T> bool MatrixT<T>::ScatterCols(const IntVector &order)
{
    if (order.count != cols)
        return false;
    checkOrderRange(order, cols, name);
    if (rows == 0 || cols == 0)
        return true;
    MatrixT scattered(name, rows, cols);
    for (int i = 0; i < rows; ++i) {
        const T *source = (*this)[i];
        T *target = scattered[i];
        for (int j = 0; j < cols; ++j)
            target[order[j]] = source[j];
    }
    *this = std::move(scattered);
    return true;
}

// The message says "row index" although a column is meant; it is kept as
// the text users and logs know.
template <typename T> void MatrixT<T>::ColSwap(int a, int b)
{
    if (a == b)
        return;
    for (int index : {a, b})
        if (index < 0 || index >= cols)
            MathException::Raise("Matrix::%s: row index %d is out of range in Matrix %s[%d][%d]!", "ColSwap",
                                 index, name, rows, cols);
    for (int i = 0; i < rows; ++i) {
        T *row = (*this)[i];
        std::swap(row[a], row[b]);
    }
}

template bool MatrixT<double>::TransposeCols(const IntVector &);
template bool MatrixT<int>::TransposeCols(const IntVector &);
template bool MatrixT<double>::TransposeRows(const IntVector &);
template bool MatrixT<int>::TransposeRows(const IntVector &);
template bool MatrixT<double>::ScatterRows(const IntVector &);
template bool MatrixT<int>::ScatterRows(const IntVector &);
template bool MatrixT<double>::ScatterCols(const IntVector &);
template bool MatrixT<int>::ScatterCols(const IntVector &);
template void MatrixT<double>::ColSwap(int, int);
template void MatrixT<int>::ColSwap(int, int);
