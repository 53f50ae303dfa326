#pragma once

#include "numeric/Vector.h"

// A named, zero-initialised, 0-based matrix of reals (Matrix) or integers
// (IntMatrix), stored by rows. m[i][j] is unchecked. Every operation that
// returns a new matrix returns it by value under the name of its temporary
// ("temp", "Temp '-'"); assigning it to an existing matrix keeps that
// matrix's name and requires equal sizes.
template <typename T>
class MatrixT {
public:
    MatrixT();
    // Creates the matrix only when a name is given and rows, cols are non-zero.
    MatrixT(const char* name, int rows, int cols);
    MatrixT(const MatrixT& other);
    MatrixT(MatrixT&& other) noexcept;
    ~MatrixT();

    // Raises "Matrix::Create: matrix %s[%d][%d] is already initialized!".
    void Create(const char* name, const int& rows, const int& cols);
    void Free();

    T* operator[](int i) { return data.get() + static_cast<long long>(i) * cols; }
    const T* operator[](int i) const { return data.get() + static_cast<long long>(i) * cols; }

    // Same size required ("Operator ="); keeps this matrix's name.
    MatrixT& operator=(const MatrixT& other);
    MatrixT& operator=(MatrixT&& other);

    // Real kind unless stated.
    MatrixT operator+(const MatrixT& other) const;  // "temp"
    MatrixT operator-(const MatrixT& other) const;  // "temp"
    MatrixT operator*(const MatrixT& other) const;  // "temp", A.rows x B.cols
    MatrixT operator-() const;                      // "Temp '-'"
    MatrixT Transpose() const;                      // "temp", cols x rows

    bool SetIdentity();
    bool HasNoZeros() const;       // true for an empty matrix
    void ZeroTiny();               // |element| <= 1e-10 becomes exactly 0
    // The same, relative to the size of the data judged: an element that is
    // 0 or below 1e-10 * scale counts as zero, and ZeroTiny clears elements
    // of magnitude up to 1e-10 * scale.
    bool HasNoZeros(double scale) const;
    void ZeroTiny(double scale);

    // Elimination, inversion and permutations.
    bool MakeUpperTriangle(MatrixT& companion);
    VectorT<T> SolveUpperTriangle(const VectorT<T>& b) const;  // "Xtemp"
    bool HasNonZeroDiagonal() const;
    bool Invert();
    bool IsSignMatrix() const;
    bool InvertUnimodular();
    bool MakeUnimodularUpperTriangle(VectorT<int>& TANV, VectorT<int>& TAND);  // integer kind
    bool InvertUnimodularUpperTriangle();                                        // integer kind
    bool TransposeCols(const VectorT<int>& order);  // new column j = old column order[j]
    bool TransposeRows(const VectorT<int>& order);  // new row i = old row order[i]
    bool ScatterRows(const VectorT<int>& order);    // new row order[i] = old row i
    bool ScatterCols(const VectorT<int>& order);    // new column order[j] = old column j
    void ColSwap(int a, int b);

    // Name of row i: the matrix name followed by the row number ("K0").
    void rowName(int i, char* buffer, int size) const;

    ZeroedBuffer<T> data;  // rows * cols elements, row by row
    int rows = 0;
    int cols = 0;
    char name[256];
};

using Matrix = MatrixT<double>;
using IntMatrix = MatrixT<int>;
