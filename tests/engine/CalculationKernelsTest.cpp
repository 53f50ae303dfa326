#include "engine/CalculationKernels.h"

#include "model/MathException.h"

#include <gtest/gtest.h>
#include <random>

using namespace CalculationKernels;

namespace {

// A random matrix with about a third of its elements exactly zero.
Matrix Sparse(const char *name, int rows, int cols, std::mt19937 &random)
{
    std::uniform_real_distribution<double> value(-3.0, 3.0);
    Matrix m(name, rows, cols);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j)
            m[i][j] = random() % 3 == 0 ? 0.0 : value(random);
    }
    return m;
}

void ExpectSame(const Matrix &expected, const Matrix &actual)
{
    ASSERT_EQ(expected.rows, actual.rows);
    ASSERT_EQ(expected.cols, actual.cols);
    EXPECT_STREQ(actual.name, "temp");
    for (int i = 0; i < expected.rows; ++i) {
        for (int j = 0; j < expected.cols; ++j)
            EXPECT_EQ(expected[i][j], actual[i][j]) << i << "," << j; // the same sums in the same order
    }
}

} // namespace

TEST(CalculationKernels, ProductsEqualThePlainDefinitions)
{
    std::mt19937 random(7);
    for (int round = 0; round < 5; ++round) {
        Matrix A = Sparse("A", 7, 5, random), B = Sparse("B", 5, 4, random), C = Sparse("C", 7, 4, random);
        ExpectSame(A * B, Product(A, B));
        ExpectSame((-A) * B, Product(A, B, -1.0));
        ExpectSame(A.Transpose() * C, TransposedProduct(A, C));
        ExpectSame((-A).Transpose() * C, TransposedProduct(A, C, -1.0));
        // Block-diagonal flexibility of three rods.
        Matrix b = Sparse("b", 6, 4, random), X = Sparse("X", 6, 2, random);
        Matrix F("F", 6, 6);
        for (int d = 0; d < 3; ++d) {
            F[2 * d][2 * d] = F[2 * d + 1][2 * d + 1] = 2.0 / (d + 1);
            F[2 * d][2 * d + 1] = F[2 * d + 1][2 * d] = -1.0 / (d + 1);
        }
        ExpectSame(b.Transpose() * F * X, FlexibilityProduct(b, F, X));
    }
    Matrix A("A", 2, 3), B("B", 2, 3);
    EXPECT_THROW(Product(A, B), MathException);
    EXPECT_THROW(TransposedProduct(A, Matrix("C", 3, 1)), MathException);
}

TEST(CalculationKernels, InversionRefusesNumericallySingularMatrices)
{
    Matrix good("r", 2, 2);
    good[0][0] = 2;
    good[0][1] = 1;
    good[1][0] = 4;
    good[1][1] = 3;
    ASSERT_TRUE(InvertWellConditioned(good));
    EXPECT_DOUBLE_EQ(good[0][0], 1.5);
    EXPECT_DOUBLE_EQ(good[1][0], -2.0);

    // Singular but for round-off in the last pivot (1e-9, above the absolute
    // pivot test of 1e-10): the "inverse" would hold values near 1e16.
    Matrix nearlySingular("r", 2, 2);
    nearlySingular[0][0] = 1e7;
    nearlySingular[0][1] = 2e7;
    nearlySingular[1][0] = 2e7;
    nearlySingular[1][1] = 4e7 + 1e-8;
    EXPECT_FALSE(InvertWellConditioned(nearlySingular));

    Matrix overflow("r", 1, 1);
    overflow[0][0] = std::numeric_limits<double>::infinity();
    try {
        InvertWellConditioned(overflow);
        ADD_FAILURE() << "no exception";
    } catch (const MathException &exception) {
        EXPECT_STREQ(exception.message(), "Overflow range error");
    }
}
