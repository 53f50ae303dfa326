#include "NumericTestSupport.h"
#include "numeric/Matrix.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

namespace {

void ExpectElements(const Matrix &actual, std::initializer_list<std::initializer_list<double>> expected,
                    double relative = 1e-14)
{
    int i = 0;
    for (const auto &row : expected) {
        int j = 0;
        for (double value : row) {
            EXPECT_NEAR(actual[i][j], value, relative * std::max(1.0, std::fabs(value)))
                << actual.name << "(" << i << ", " << j << ")";
            ++j;
        }
        ++i;
    }
}

// The inverse the slow way: eliminate, then solve the triangle for one
// column of the eliminated unit matrix at a time.
Matrix ColumnByColumnInverse(const Matrix &original)
{
    const int n = original.rows;
    Matrix triangle("triangle", n, n);
    triangle = original;
    Matrix unit("B", n, n);
    unit.SetIdentity();
    EXPECT_TRUE(triangle.MakeUpperTriangle(unit));
    Matrix inverse("AI", n, n);
    Vector column("B1", n);
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i)
            column[i] = unit[i][j];
        Vector x = triangle.SolveUpperTriangle(column);
        for (int i = 0; i < n; ++i)
            inverse[i][j] = x[i];
    }
    return inverse;
}

// A random incidence-like triangle (±1 diagonal, at most one entry per row
// right of it, equal to minus the diagonal) with shuffled rows and columns.
Matrix RandomIncidenceMatrix(int n, std::mt19937 &random)
{
    std::uniform_int_distribution<int> coin(0, 9);
    IntMatrix triangle("U", n, n);
    for (int i = 0; i < n; ++i) {
        triangle[i][i] = coin(random) < 5 ? 1 : -1;
        if (i + 1 < n && coin(random) < 7) {
            std::uniform_int_distribution<int> column(i + 1, n - 1);
            triangle[i][column(random)] = -triangle[i][i];
        }
    }
    std::vector<int> rowOrder(n), colOrder(n);
    std::iota(rowOrder.begin(), rowOrder.end(), 0);
    std::iota(colOrder.begin(), colOrder.end(), 0);
    std::shuffle(rowOrder.begin(), rowOrder.end(), random);
    std::shuffle(colOrder.begin(), colOrder.end(), random);
    Matrix shuffled("A11", n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            shuffled[rowOrder[i]][colOrder[j]] = triangle[i][j];
    return shuffled;
}

} // namespace

TEST(Invert, SmallMatricesIncludingAllOnesInTheLastColumn)
{
    Matrix a = MakeMatrix<double>("A", {{2, 1}, {4, 3}});
    ASSERT_TRUE(a.Invert());
    EXPECT_STREQ(a.name, "A");
    ExpectElements(a, {{1.5, -0.5}, {-2, 1}});

    // Last columns of ones are ordinary invertible matrices.
    Matrix one = MakeMatrix<double>("one", {{1}});
    ASSERT_TRUE(one.Invert());
    EXPECT_EQ(one[0][0], 1.0);
    Matrix ones = MakeMatrix<double>("ones", {{2, 1}, {3, 1}});
    ASSERT_TRUE(ones.Invert());
    ExpectElements(ones, {{-1, 1}, {3, -2}});

    Matrix empty;
    EXPECT_TRUE(empty.Invert());
}

TEST(Invert, RandomMatricesInvertAndMultiplyBackToTheUnitMatrix)
{
    std::mt19937 random(2024);
    for (int n : {1, 2, 3, 5, 10, 40, 90}) {
        Matrix original = RandomDominantMatrix("R", n, random);
        Matrix inverse(original);
        ASSERT_TRUE(inverse.Invert()) << n;
        EXPECT_LT(DistanceFromIdentity(original, inverse), 1e-12) << n;
        EXPECT_LT(DistanceFromIdentity(inverse, original), 1e-12) << n;
        // Solving all columns at once must give the very same bits as the
        // column-by-column back substitution.
        std::string where;
        EXPECT_TRUE(SameElements(inverse, ColumnByColumnInverse(original), &where)) << n << " " << where;
    }
}

TEST(Invert, SingularMatricesAreRefusedWithoutAMessage)
{
    struct Case {
        const char *what;
        Matrix matrix;
    };
    Case cases[] = {
        {"zero first pivot, no row exchange", MakeMatrix<double>("S", {{0, 1}, {1, 0}})},
        {"dependent rows", MakeMatrix<double>("S", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}})},
        {"zero last row", MakeMatrix<double>("S", {{1, 2}, {0, 0}})},
        {"tiny last pivot", MakeMatrix<double>("S", {{1, 0}, {0, 5e-11}})},
        {"zero 1x1", MakeMatrix<double>("S", {{0}})},
    };
    for (Case &c : cases)
        EXPECT_FALSE(c.matrix.Invert()) << c.what;

    Matrix wide("A11", 3, 4);
    EXPECT_EQ(RaisedMessage([&] { wide.Invert(); }), "Matrix::Invert: matrix A11[3][4] is not square!");
}

TEST(Invert, EliminationAppliesTheSameRowOperationsToTheCompanion)
{
    Matrix a = MakeMatrix<double>("A", {{2, -1, 0.5}, {4, 1, 3}, {-6, 2, 7}});
    Matrix companion("C", 3, 3);
    companion = a;
    ASSERT_TRUE(a.MakeUpperTriangle(companion));
    EXPECT_EQ(a[1][0], 0.0);
    EXPECT_EQ(a[2][1], 0.0);
    std::string where;
    EXPECT_TRUE(SameElements(a, companion, &where)) << where;

    Matrix zeroPivot = MakeMatrix<double>("Z", {{1, 2}, {2, 4}});
    Matrix z2("Z2", 2, 2);
    zeroPivot[0][0] = 0.0;
    EXPECT_FALSE(zeroPivot.MakeUpperTriangle(z2));
    // The last pivot is left to the caller.
    Matrix zero1 = MakeMatrix<double>("Z1", {{0}});
    Matrix c1("C1", 1, 1);
    EXPECT_TRUE(zero1.MakeUpperTriangle(c1));

    Matrix wide("X", 2, 3), c23("C", 2, 3), small("B", 1, 3);
    EXPECT_EQ(RaisedMessage([&] { wide.MakeUpperTriangle(c23); }),
              "Matrix::MakeUpperTriangle(): matrix X[2][3] is not square!");
    Matrix square("A", 2, 2);
    EXPECT_EQ(RaisedMessage([&] { square.MakeUpperTriangle(small); }),
              "Matrix::MakeUpperTriangle(): matrices A[2][2] and B[1][3] must have same size!");
}

TEST(Invert, BackSubstitution)
{
    Matrix triangle = MakeMatrix<double>("T", {{2, 1, -1}, {0, 4, 2}, {0, 0, 0.5}});
    Vector b = MakeVector<double>("b", {3, 10, 1});
    Vector x = triangle.SolveUpperTriangle(b);
    EXPECT_STREQ(x.name, "Xtemp");
    ASSERT_EQ(x.count, 3);
    // x2 = 2, x1 = (10 - 4) / 4, x0 = (3 - 1.5 + 2) / 2
    EXPECT_DOUBLE_EQ(x[2], 2.0);
    EXPECT_DOUBLE_EQ(x[1], 1.5);
    EXPECT_DOUBLE_EQ(x[0], 1.75);

    triangle[1][1] = 0.0;
    EXPECT_EQ(RaisedMessage([&] { triangle.SolveUpperTriangle(b); }),
              "Division by zero in SolveUpperTriangle.");
    Matrix wide("W", 2, 3);
    EXPECT_EQ(RaisedMessage([&] { wide.SolveUpperTriangle(b); }),
              "Matrix::SolveUpperTriangle(): matrix W[2][3] is not square!");
    Vector shortB("b", 2);
    EXPECT_EQ(RaisedMessage([&] { triangle.SolveUpperTriangle(shortB); }),
              "Vectors Xtemp[3] and b[2] have different num!");
}

TEST(Invert, DiagonalAndSignTests)
{
    struct Case {
        double element;
        bool nonZeroDiagonal;
        bool sign;
    };
    for (Case c :
         {Case{1.0, true, true}, Case{-1.0, true, true}, Case{0.0, false, true}, Case{0.5, true, false},
          Case{1e-10, true, false}, Case{-9e-11, false, false}, Case{2.0, true, false}}) {
        Matrix m = MakeMatrix<double>("D", {{1, 0, -1}, {0, c.element, 1}});
        EXPECT_EQ(m.HasNonZeroDiagonal(), c.nonZeroDiagonal) << c.element;
        EXPECT_EQ(m.IsSignMatrix(), c.sign) << c.element;
    }
    Matrix empty;
    EXPECT_TRUE(empty.IsSignMatrix());
}

TEST(UnimodularInvert, TriangulatesAndInvertsTheTwoByTwoExample)
{
    IntMatrix m = MakeMatrix<int>("M", {{1, 0}, {-1, 1}});
    IntVector tanv("TANV", 2), tand("TAND", 2);
    ASSERT_TRUE(m.MakeUnimodularUpperTriangle(tanv, tand));
    EXPECT_EQ(tanv[0], 1);
    EXPECT_EQ(tanv[1], 0);
    EXPECT_EQ(tand[0], 1);
    EXPECT_EQ(tand[1], 0);
    std::string where;
    EXPECT_TRUE(SameElements(m, MakeMatrix<int>("", {{1, -1}, {0, 1}}), &where)) << where;
    EXPECT_STREQ(m.name, "M");
    ASSERT_TRUE(m.InvertUnimodularUpperTriangle());
    EXPECT_TRUE(SameElements(m, MakeMatrix<int>("", {{1, 1}, {0, 1}}), &where)) << where;

    Matrix a = MakeMatrix<double>("A11", {{1, 0}, {-1, 1}});
    ASSERT_TRUE(a.InvertUnimodular());
    EXPECT_STREQ(a.name, "A11");
    EXPECT_TRUE(SameElements(a, MakeMatrix<double>("", {{1, 0}, {1, 1}}), &where)) << where;
}

TEST(UnimodularInvert, RefusedMatricesStayUnchangedForTheGenericInversion)
{
    struct Case {
        const char *what;
        Matrix matrix;
        std::initializer_list<std::initializer_list<double>> inverse;
    };
    Case cases[] = {
        {"every column has two entries",
         MakeMatrix<double>("A", {{1, 1}, {1, -1}}),
         {{0.5, 0.5}, {0.5, -0.5}}},
        // Triangular, but the entry right of the diagonal equals the
        // diagonal: following chains would give (1, 1), (0, 1).
        {"not an incidence triangle", MakeMatrix<double>("A", {{1, 1}, {0, 1}}), {{1, -1}, {0, 1}}},
        {"two entries right of the diagonal",
         MakeMatrix<double>("A", {{1, -1, -1}, {0, 1, 0}, {0, 0, 1}}),
         {{1, 1, 1}, {0, 1, 0}, {0, 0, 1}}},
        {"not a sign matrix", MakeMatrix<double>("A", {{2, 0}, {0, 1}}), {{0.5, 0}, {0, 1}}},
    };
    for (Case &c : cases) {
        Matrix before(c.matrix);
        EXPECT_FALSE(c.matrix.InvertUnimodular()) << c.what;
        std::string where;
        EXPECT_TRUE(SameElements(c.matrix, before, &where)) << c.what << " " << where;
        ASSERT_TRUE(c.matrix.Invert()) << c.what;
        ExpectElements(c.matrix, c.inverse);
    }
}

TEST(UnimodularInvert, ShuffledIncidenceMatricesInvertExactly)
{
    std::mt19937 random(11);
    for (int n : {1, 2, 3, 6, 25, 120}) {
        for (int trial = 0; trial < 4; ++trial) {
            Matrix original = RandomIncidenceMatrix(n, random);
            Matrix inverse(original);
            ASSERT_TRUE(inverse.InvertUnimodular()) << n;
            // Integer arithmetic: the product is exactly the unit matrix.
            EXPECT_EQ(DistanceFromIdentity(original, inverse), 0.0) << n << " trial " << trial;
            EXPECT_TRUE(inverse.IsSignMatrix()) << n;
        }
    }
}

TEST(UnimodularInvert, SizeFailures)
{
    Matrix wide = MakeMatrix<double>("A", {{1, 0, 0}, {0, 1, 0}});
    EXPECT_EQ(RaisedMessage([&] { wide.InvertUnimodular(); }),
              "Matrix::MakeUnimodularUpperTriangle(): matrix M[2][3] is not square!");

    IntMatrix square = MakeMatrix<int>("Q", {{1, 0}, {0, 1}});
    IntVector tanv("TANV", 3), tand("TAND", 2);
    EXPECT_EQ(RaisedMessage([&] { square.MakeUnimodularUpperTriangle(tanv, tand); }),
              "Matrix::MakeUnimodularUpperTriangle(): matrix Q[2][2] is not square!");

    IntMatrix rectangle("R", 2, 3);
    EXPECT_EQ(RaisedMessage([&] { rectangle.InvertUnimodularUpperTriangle(); }),
              "Matrix::InvertUnimodularUpperTriangle(): matrix R[2][3] is not square!");
}
