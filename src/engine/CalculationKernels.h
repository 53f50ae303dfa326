#pragma once

#include "numeric/Matrix.h"

#include <vector>

// Dense matrix kernels of the calculation. The products give exactly the
// values of the plain definitions (every C(i, j) accumulates A(i, k) * B(k, j)
// for k ascending) but skip the terms whose multiplicand is exactly zero:
// the topology, single-state and flexibility matrices of a frame are mostly
// zeros, and skipping them is what keeps large frames fast. Results are new
// matrices named "temp", like the products of Matrix.
namespace CalculationKernels {

// (sign * A) * B; sign is +1 or -1 (a negation first, then the product).
Matrix Product(const Matrix &A, const Matrix &B, double sign = 1.0);
// (sign * A)^T * B, without forming the transposition.
Matrix TransposedProduct(const Matrix &A, const Matrix &B, double sign = 1.0);

// (b^T * F) * X for a flexibility matrix F that is block-diagonal with one
// 2 x 2 block per rod (rows and columns 2d and 2d+1). Gives the values of the
// two plain products without forming b^T * F: column c of b^T * F only
// involves rows 2d and 2d+1 of b (d = c / 2), and is formed when needed.
Matrix FlexibilityProduct(const Matrix &b, const Matrix &F, const Matrix &X);

// Largest sum of magnitudes over the rows; NaN when an element is NaN.
double NormInf(const Matrix &A);
// Largest magnitude of an element; 0 when empty.
double MaxAbs(const Matrix &A);
double MaxAbs(const Vector &v);
// True when every element is finite and of magnitude at most `limit`.
bool AllBounded(const Matrix &A, double limit);
bool AllBounded(const Vector &v, double limit);

// Matrix::Invert, refused (false) also when the inverse is numerically
// meaningless: elimination without row exchanges turns an exactly singular
// matrix into one whose last pivots are round-off, which can pass the
// absolute pivot test and yield an "inverse" of enormous, arbitrary values.
// The condition number ||A|| * ||A^-1|| (infinity norm) tells them apart.
//
// Both tests judge the scaled matrix S = c * D * A * D, for the weights D of
// the unknowns (none: all 1) and c = 1 / size, where `size` is what the
// elements of D * A * D are made of (not their largest value: a matrix of
// round-off must still fail the pivot test): the unit reactions mix rotations and translations, and their
// sizes follow the units of lengths and rigidities, which must not decide
// whether a frame is calculated. Weighting each translation by a length
// makes every element of the size EI/length in any units. For the pivots
// the weights and c are rounded to powers of two: such scaling is exact,
// and elimination without row exchanges commutes with it, so the inverse
// has the very digits of the unscaled one.
// A matrix with an element that is not finite raises "Overflow range error".
bool InvertWellConditioned(Matrix &A, const std::vector<double> &weights = {}, double size = 1.0);
// Above this condition number results would keep fewer than four digits.
constexpr double conditionLimit = 1e12;

// to(i, j) = from(i, firstColumn + j) for every element of `to`.
void CopyColumns(const Matrix &from, int firstColumn, Matrix &to);
// to(i, j) = from(firstRow + i, j) for every element of `to`.
void CopyRows(const Matrix &from, int firstRow, Matrix &to);

} // namespace CalculationKernels
