#include "numeric/Matrix.h"

#include "model/MathException.h"
#include "numeric/RowKernels.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

void raiseSizeMismatch(const char *operation, const char *leftName, int leftRows, int leftCols,
                       const char *rightName, int rightRows, int rightCols)
{
    MathException::Raise("Matrix::%s: matrices %s[%d][%d] and %s[%d][%d] must have same size!", operation,
                         leftName, leftRows, leftCols, rightName, rightRows, rightCols);
}

} // namespace

template <typename T> MatrixT<T>::MatrixT()
{
    name[0] = '\0';
}

template <typename T> MatrixT<T>::MatrixT(const char *matrixName, int matrixRows, int matrixCols)
{
    name[0] = '\0';
    if (matrixName != nullptr && matrixRows != 0 && matrixCols != 0)
        Create(matrixName, matrixRows, matrixCols);
}

// A sized source is copied whatever its name; an empty one gives an empty copy.
template <typename T> MatrixT<T>::MatrixT(const MatrixT &other)
{
    name[0] = '\0';
    if (other.rows != 0 && other.cols != 0) {
        Create(other.name, other.rows, other.cols);
        *this = other;
    }
}

template <typename T>
MatrixT<T>::MatrixT(MatrixT &&other) noexcept
    : data(std::move(other.data)), rows(other.rows), cols(other.cols)
{
    std::copy(std::begin(other.name), std::end(other.name), std::begin(name));
    other.rows = 0;
    other.cols = 0;
    other.name[0] = '\0';
}

template <typename T> MatrixT<T>::~MatrixT() = default;

template <typename T>
void MatrixT<T>::Create(const char *matrixName, const int &matrixRows, const int &matrixCols)
{
    if (rows != 0 || cols != 0)
        MathException::Raise("Matrix::%s: matrix %s[%d][%d] is already initialized!", "Create", name, rows,
                             cols);
    std::snprintf(name, sizeof name, "%s", matrixName != nullptr ? matrixName : "");
    // Negative sizes and products beyond the address space cannot be allocated.
    bool sizeValid = matrixRows >= 0 && matrixCols >= 0;
    std::size_t elementCount =
        sizeValid ? static_cast<std::size_t>(matrixRows) * static_cast<std::size_t>(matrixCols) : 0;
    if (elementCount > static_cast<std::size_t>(std::numeric_limits<std::ptrdiff_t>::max()) / sizeof(T))
        sizeValid = false;
    ZeroedBuffer<T> buffer;
    if (sizeValid && elementCount > 0)
        buffer = AllocateZeroed<T>(elementCount);
    if (!sizeValid || (elementCount > 0 && buffer == nullptr))
        MathException::Raise("Matrix::%s: memory allocation error for Matrix %s[%d][%d]!", "Create", name,
                             matrixRows, matrixCols);
    // Sizes are committed with the storage, so a failed Create leaves an
    // empty matrix rather than sizes without elements.
    data = std::move(buffer);
    rows = matrixRows;
    cols = matrixCols;
}

template <typename T> void MatrixT<T>::Free()
{
    data.reset();
    rows = 0;
    cols = 0;
    name[0] = '\0';
}

template <typename T> MatrixT<T> &MatrixT<T>::operator=(const MatrixT &other)
{
    if (this == &other)
        return *this;
    if (rows != other.rows || cols != other.cols)
        raiseSizeMismatch("Operator =", name, rows, cols, other.name, other.rows, other.cols);
    std::copy(other.data.get(), other.data.get() + static_cast<std::size_t>(rows) * cols, data.get());
    return *this;
}

// Same rules as the copy; the storage is exchanged instead of copied, so the
// source keeps storage of its own size.
template <typename T> MatrixT<T> &MatrixT<T>::operator=(MatrixT &&other)
{
    if (this == &other)
        return *this;
    if (rows != other.rows || cols != other.cols)
        raiseSizeMismatch("Operator =", name, rows, cols, other.name, other.rows, other.cols);
    std::swap(data, other.data);
    return *this;
}

template <typename T> MatrixT<T> MatrixT<T>::operator+(const MatrixT &other) const
{
    if (rows != other.rows || cols != other.cols)
        raiseSizeMismatch("Operator +", name, rows, cols, other.name, other.rows, other.cols);
    MatrixT sum("temp", rows, cols);
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        sum.data[k] = data[k] + other.data[k];
    return sum;
}

template <typename T> MatrixT<T> MatrixT<T>::operator-(const MatrixT &other) const
{
    if (rows != other.rows || cols != other.cols)
        raiseSizeMismatch("Operator -", name, rows, cols, other.name, other.rows, other.cols);
    MatrixT difference("temp", rows, cols);
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        difference.data[k] = data[k] - other.data[k];
    return difference;
}

// Each C(i, j) is summed over k in ascending order, starting from 0. Rows
// are walked contiguously (i-k-j), and the work is cut into column strips
// and runs of k so that the part of B in use stays in the cache; the runs of
// k are taken in ascending order, so every element still receives its terms
// in the order k = 0, 1, 2, ... A term whose left factor is exactly zero adds
// nothing and is skipped.
template <typename T> MatrixT<T> MatrixT<T>::operator*(const MatrixT &other) const
{
    if (cols != other.rows)
        raiseSizeMismatch("Operator *", name, rows, cols, other.name, other.rows, other.cols);
    MatrixT product("temp", rows, other.cols);
    const int resultCols = other.cols;
    if (resultCols == 0 || rows == 0)
        return product;
    constexpr int stripWidth = 512;
    constexpr int runLength = 64;
    for (int j0 = 0; j0 < resultCols; j0 += stripWidth) {
        const int width = std::min(stripWidth, resultCols - j0);
        for (int k0 = 0; k0 < cols; k0 += runLength) {
            const int k1 = std::min(cols, k0 + runLength);
            for (int i = 0; i < rows; ++i) {
                T *target = product[i] + j0;
                const T *left = (*this)[i];
                for (int k = k0; k < k1; ++k) {
                    const T factor = left[k];
                    if (factor != T(0))
                        rowkernels::AddScaled(target, other[k] + j0, factor, width);
                }
            }
        }
    }
    return product;
}

template <typename T> MatrixT<T> MatrixT<T>::operator-() const
{
    MatrixT negation("Temp '-'", rows, cols);
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        negation.data[k] = -data[k];
    return negation;
}

template <typename T> MatrixT<T> MatrixT<T>::Transpose() const
{
    MatrixT transposed("temp", cols, rows);
    for (int i = 0; i < rows; ++i) {
        const T *row = (*this)[i];
        for (int j = 0; j < cols; ++j)
            transposed[j][i] = row[j];
    }
    return transposed;
}

template <typename T> bool MatrixT<T>::SetIdentity()
{
    for (int i = 0; i < rows; ++i) {
        T *row = (*this)[i];
        for (int j = 0; j < cols; ++j)
            row[j] = i == j ? T(1) : T(0);
    }
    return true;
}

template <typename T> bool MatrixT<T>::HasNoZeros() const
{
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        if (std::abs(data[k]) < 1e-10)
            return false;
    return true;
}

template <typename T> bool MatrixT<T>::HasNoZeros(double scale) const
{
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        if (data[k] == T(0) || std::abs(data[k]) < 1e-10 * scale)
            return false;
    return true;
}

template <typename T> void MatrixT<T>::ZeroTiny(double scale)
{
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        if (std::abs(data[k]) <= 1e-10 * scale)
            data[k] = T(0);
}

template <typename T> void MatrixT<T>::ZeroTiny()
{
    std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::size_t k = 0; k < size; ++k)
        if (std::abs(data[k]) <= 1e-10)
            data[k] = T(0);
}

template <typename T> void MatrixT<T>::rowName(int i, char *buffer, int size) const
{
    if (buffer != nullptr && size > 0)
        std::snprintf(buffer, static_cast<std::size_t>(size), "%s%d", name, i);
}

template class MatrixT<double>;
template class MatrixT<int>;
