#pragma once

#include "model/MathException.h"
#include "numeric/Matrix.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>

// The message of the MathException the call raises, or a marker text when
// it raises none.
template <typename Call> std::string RaisedMessage(Call &&call)
{
    try {
        call();
    } catch (const MathException &exception) {
        return exception.message();
    }
    return "<no exception>";
}

// A matrix filled row by row from a list of rows.
template <typename T>
MatrixT<T> MakeMatrix(const char *name, std::initializer_list<std::initializer_list<T>> values)
{
    int rows = static_cast<int>(values.size());
    int cols = rows > 0 ? static_cast<int>(values.begin()->size()) : 0;
    MatrixT<T> matrix(name, rows, cols);
    int i = 0;
    for (const auto &row : values) {
        int j = 0;
        for (T value : row)
            matrix[i][j++] = value;
        ++i;
    }
    return matrix;
}

template <typename T> VectorT<T> MakeVector(const char *name, std::initializer_list<T> values)
{
    VectorT<T> vector(name, static_cast<int>(values.size()));
    int i = 0;
    for (T value : values)
        vector[i++] = value;
    return vector;
}

// Exact element-wise equality; the first difference is described in `where`.
template <typename T>
bool SameElements(const MatrixT<T> &a, const MatrixT<T> &b, std::string *where = nullptr)
{
    if (a.rows != b.rows || a.cols != b.cols) {
        if (where != nullptr)
            *where = "sizes differ";
        return false;
    }
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            if (a[i][j] != b[i][j]) {
                if (where != nullptr)
                    *where = "(" + std::to_string(i) + ", " + std::to_string(j) +
                             "): " + std::to_string(a[i][j]) + " vs " + std::to_string(b[i][j]);
                return false;
            }
    return true;
}

// Largest deviation of a·b from the unit matrix.
inline double DistanceFromIdentity(const Matrix &a, const Matrix &b)
{
    Matrix product = a * b;
    double largest = 0.0;
    for (int i = 0; i < product.rows; ++i)
        for (int j = 0; j < product.cols; ++j)
            largest = std::max(largest, std::fabs(product[i][j] - (i == j ? 1.0 : 0.0)));
    return largest;
}

// A random n×n matrix with a dominant diagonal (so elimination without row
// exchanges succeeds) and about a quarter of its other elements exactly 0.
inline Matrix RandomDominantMatrix(const char *name, int n, std::mt19937 &random)
{
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_int_distribution<int> quarter(0, 3);
    Matrix matrix(name, n, n);
    for (int i = 0; i < n; ++i) {
        double rowSum = 0.0;
        for (int j = 0; j < n; ++j) {
            if (i != j && quarter(random) != 0) {
                matrix[i][j] = value(random);
                rowSum += std::fabs(matrix[i][j]);
            }
        }
        matrix[i][i] = (rowSum + 1.0) * (value(random) < 0.0 ? -1.0 : 1.0);
    }
    return matrix;
}
