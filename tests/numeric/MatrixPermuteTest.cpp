#include "NumericTestSupport.h"
#include "numeric/Matrix.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <vector>

namespace {

IntVector RandomOrder(int n, std::mt19937 &random)
{
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    IntVector vector("order", n);
    for (int i = 0; i < n; ++i)
        vector[i] = order[i];
    return vector;
}

template <typename T> MatrixT<T> NumberedMatrix(const char *name, int rows, int cols)
{
    MatrixT<T> matrix(name, rows, cols);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            matrix[i][j] = static_cast<T>(10 * i + j + 1);
    return matrix;
}

} // namespace

TEST(Permutations, TransposeColsThenScatterColsRestoresTheColumns)
{
    IntMatrix m = MakeMatrix<int>("M", {{1, 2, 3}, {4, 5, 6}});
    IntVector order = MakeVector<int>("order", {2, 0, 1});
    ASSERT_TRUE(m.TransposeCols(order));
    std::string where;
    EXPECT_TRUE(SameElements(m, MakeMatrix<int>("", {{3, 1, 2}, {6, 4, 5}}), &where)) << where;
    EXPECT_STREQ(m.name, "M");
    ASSERT_TRUE(m.ScatterCols(order));
    EXPECT_TRUE(SameElements(m, MakeMatrix<int>("", {{1, 2, 3}, {4, 5, 6}}), &where)) << where;

    Matrix rows = MakeMatrix<double>("R", {{1, 1}, {2, 2}, {3, 3}});
    ASSERT_TRUE(rows.TransposeRows(order));
    EXPECT_TRUE(SameElements(rows, MakeMatrix<double>("", {{3, 3}, {1, 1}, {2, 2}}), &where)) << where;
    ASSERT_TRUE(rows.ScatterRows(order));
    EXPECT_TRUE(SameElements(rows, MakeMatrix<double>("", {{1, 1}, {2, 2}, {3, 3}}), &where)) << where;
}

TEST(Permutations, RandomOrdersAreUndoneByTheirScatter)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 10; ++trial) {
        Matrix real = NumberedMatrix<double>("A1P", 6, 9);
        IntMatrix integer = NumberedMatrix<int>("M", 9, 6);
        const Matrix realBefore(real);
        const IntMatrix integerBefore(integer);
        IntVector colOrder = RandomOrder(9, random);
        IntVector rowOrder = RandomOrder(6, random);

        ASSERT_TRUE(real.TransposeCols(colOrder));
        ASSERT_TRUE(real.TransposeRows(rowOrder));
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 9; ++j)
                ASSERT_EQ(real[i][j], realBefore[rowOrder[i]][colOrder[j]]);
        ASSERT_TRUE(real.ScatterRows(rowOrder));
        ASSERT_TRUE(real.ScatterCols(colOrder));
        EXPECT_TRUE(SameElements(real, realBefore));

        ASSERT_TRUE(integer.TransposeRows(colOrder));
        ASSERT_TRUE(integer.TransposeCols(rowOrder));
        ASSERT_TRUE(integer.ScatterCols(rowOrder));
        ASSERT_TRUE(integer.ScatterRows(colOrder));
        EXPECT_TRUE(SameElements(integer, integerBefore));
        EXPECT_STREQ(integer.name, "M");
    }
}

TEST(Permutations, OrdersOfTheWrongSize)
{
    Matrix m = NumberedMatrix<double>("U", 4, 2);
    const Matrix before(m);
    IntVector three = MakeVector<int>("P", {2, 0, 1});
    EXPECT_EQ(RaisedMessage([&] { m.TransposeRows(three); }),
              "TransposeRows: Size of list 3 doesn't match to number of rows 4!");
    EXPECT_EQ(RaisedMessage([&] { m.TransposeCols(three); }),
              "TransposeCols: Size of list 3 doesn't match to number of columns 2!");
    EXPECT_FALSE(m.ScatterRows(three));
    EXPECT_FALSE(m.ScatterCols(three));
    EXPECT_TRUE(SameElements(m, before));
}

// An order that points outside the matrix is refused before anything moves.
TEST(Permutations, OrdersPointingOutsideTheMatrixAreRefused)
{
    Matrix m = NumberedMatrix<double>("U", 3, 3);
    const Matrix before(m);
    IntVector bad = MakeVector<int>("P", {0, 3, 1});
    const std::string expected = "Subscription 3 in U[3] is out of defined range!";
    EXPECT_EQ(RaisedMessage([&] { m.TransposeRows(bad); }), expected);
    EXPECT_EQ(RaisedMessage([&] { m.TransposeCols(bad); }), expected);
    EXPECT_EQ(RaisedMessage([&] { m.ScatterRows(bad); }), expected);
    bad[1] = -1;
    EXPECT_EQ(RaisedMessage([&] { m.ScatterCols(bad); }), "Subscription -1 in U[3] is out of defined range!");
    EXPECT_TRUE(SameElements(m, before));
}

TEST(Permutations, ColumnSwap)
{
    Matrix single = MakeMatrix<double>("S", {{4}, {5}});
    single.ColSwap(1, 1);
    EXPECT_EQ(single[1][0], 5.0);

    Matrix a = NumberedMatrix<double>("A1P", 2, 3);
    a.ColSwap(0, 2);
    std::string where;
    EXPECT_TRUE(SameElements(a, MakeMatrix<double>("", {{3, 2, 1}, {13, 12, 11}}), &where)) << where;

    EXPECT_EQ(RaisedMessage([&] { a.ColSwap(0, 3); }),
              "Matrix::ColSwap: row index 3 is out of range in Matrix A1P[2][3]!");
    EXPECT_EQ(RaisedMessage([&] { a.ColSwap(-1, 7); }),
              "Matrix::ColSwap: row index -1 is out of range in Matrix A1P[2][3]!");
    EXPECT_EQ(a[0][0], 3.0);
}
