#include "numeric/Matrix.h"

#include "NumericTestSupport.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <utility>

TEST(Matrix, CreateNamesRowsAndZeroesElements)
{
    Matrix k("K", 3, 2);
    EXPECT_STREQ(k.name, "K");
    ASSERT_EQ(k.rows, 3);
    ASSERT_EQ(k.cols, 2);
    for (int i = 0; i < 3; ++i) {
        char rowName[300];
        k.rowName(i, rowName, sizeof rowName);
        EXPECT_EQ(std::string(rowName), "K" + std::to_string(i));
        for (int j = 0; j < 2; ++j)
            EXPECT_EQ(k[i][j], 0.0);
    }
    IntMatrix a11("A11", 2, 2);
    char rowName[16];
    a11.rowName(1, rowName, sizeof rowName);
    EXPECT_STREQ(rowName, "A111");

    EXPECT_EQ(RaisedMessage([&] { k.Create("K", 3, 2); }),
              "Matrix::Create: matrix K[3][2] is already initialized!");

    k.Free();
    EXPECT_EQ(k.rows, 0);
    EXPECT_EQ(k.cols, 0);
    EXPECT_STREQ(k.name, "");
    k.Create("K2", 1, 4);
    EXPECT_EQ(k.cols, 4);
}

TEST(Matrix, UnsizedOrUnnamedConstructionStaysEmpty)
{
    struct Case {
        const char *name;
        int rows;
        int cols;
    };
    for (Case c : {Case{"temp", 0, 5}, Case{"temp", 5, 0}, Case{nullptr, 2, 2}}) {
        Matrix m(c.name, c.rows, c.cols);
        EXPECT_EQ(m.rows, 0);
        EXPECT_EQ(m.cols, 0);
        EXPECT_EQ(m.data, nullptr);
        Matrix copy(m);
        EXPECT_EQ(copy.rows, 0);
        EXPECT_EQ(copy.cols, 0);
    }
}

TEST(Matrix, ImpossibleSizesRaiseTheAllocationMessage)
{
    EXPECT_EQ(RaisedMessage([] { Matrix m("Huge", INT_MAX, INT_MAX); }),
              "Matrix::Create: memory allocation error for Matrix Huge[2147483647][2147483647]!");
    Matrix negative;
    EXPECT_EQ(RaisedMessage([&] { negative.Create("N", -2, 3); }),
              "Matrix::Create: memory allocation error for Matrix N[-2][3]!");
    // A failed Create leaves no sizes behind, so the matrix can be created.
    EXPECT_EQ(negative.rows, 0);
    negative.Create("N", 2, 3);
    EXPECT_EQ(negative.rows, 2);
}

// Under AddressSanitizer an allocation that cannot be satisfied comes back
// empty, as it does from the C library, instead of stopping the program.
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1";
}

TEST(Matrix, StorageThatCannotBeObtainedRaisesTheAllocationMessage)
{
    // 2^25 x 2^25 reals: a representable element count, but 2^53 bytes,
    // beyond any address space.
    const int side = 1 << 25;
    const std::string size = "[" + std::to_string(side) + "][" + std::to_string(side) + "]";
    for (const char *name : {"A11", "K"}) {
        Matrix real;
        EXPECT_EQ(RaisedMessage([&] { real.Create(name, side, side); }),
                  "Matrix::Create: memory allocation error for Matrix " + std::string(name) + size + "!");
        EXPECT_EQ(real.rows, 0);
        EXPECT_EQ(real.data, nullptr);
        IntMatrix integer;
        EXPECT_EQ(RaisedMessage([&] { integer.Create(name, side, side); }),
                  "Matrix::Create: memory allocation error for Matrix " + std::string(name) + size + "!");
        // Nothing is left behind: the same matrix can still be created.
        real.Create(name, 2, 3);
        EXPECT_EQ(real.cols, 3);
    }
}

// New arrays start at zero also where released arrays held values: the
// storage is not simply handed back as it was left.
TEST(Matrix, FreshStorageIsZeroWhereEarlierArraysHeldValues)
{
    auto allZero = [](const auto *elements, std::size_t count) {
        return std::all_of(elements, elements + count, [](auto value) { return value == 0; });
    };
    // Small arrays come from the heap, large ones are mapped.
    for (int side : {2, 37, 300}) {
        SCOPED_TRACE(side);
        const std::size_t count = static_cast<std::size_t>(side) * side;
        for (int round = 0; round < 3; ++round) {
            {
                Matrix used("U", side, side);
                IntMatrix usedInt("UI", side, side);
                Vector usedVector("u", side * side);
                for (std::size_t k = 0; k < count; ++k) {
                    used.data[k] = -2.5;
                    usedInt.data[k] = 7;
                    usedVector[static_cast<int>(k)] = 1e300;
                }
            }
            Matrix real("R", side, side);
            EXPECT_TRUE(allZero(real.data.get(), count));
            IntMatrix integer("I", side, side);
            EXPECT_TRUE(allZero(integer.data.get(), count));
            Vector vector("v", side * side);
            EXPECT_TRUE(allZero(vector.data(), count));
            IntVector intVector("P", side * side);
            EXPECT_TRUE(allZero(intVector.data(), count));

            // Freed and created again in place.
            real.data[count - 1] = 4.0;
            real.Free();
            real.Create("R", side, side);
            EXPECT_TRUE(allZero(real.data.get(), count));
        }
    }
}

TEST(Matrix, SizeMismatchMessagesNameOperationAndOperands)
{
    Matrix a("A", 2, 3), b("B", 3, 2), c("C", 2, 3);
    struct Case {
        std::function<void()> call;
        const char *expected;
    };
    const Case cases[] = {
        {[&] { b = a; }, "Matrix::Operator =: matrices B[3][2] and A[2][3] must have same size!"},
        {[&] { b = a * b; }, "Matrix::Operator =: matrices B[3][2] and temp[2][2] must have same size!"},
        {[&] { (void)(a + b); }, "Matrix::Operator +: matrices A[2][3] and B[3][2] must have same size!"},
        {[&] { (void)(a - b); }, "Matrix::Operator -: matrices A[2][3] and B[3][2] must have same size!"},
        {[&] { (void)(a * c); }, "Matrix::Operator *: matrices A[2][3] and C[2][3] must have same size!"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RaisedMessage(c.call), c.expected);
    IntMatrix ia("IA", 1, 2), ib("IB", 2, 1);
    EXPECT_EQ(RaisedMessage([&] { ia = ib; }),
              "Matrix::Operator =: matrices IA[1][2] and IB[2][1] must have same size!");
}

TEST(Matrix, ArithmeticResultsAreNamedTemporaries)
{
    Matrix a = MakeMatrix<double>("A", {{1, 2, 3}, {4, 5, 6}});
    Matrix b = MakeMatrix<double>("B", {{0.5, -1, 0}, {2, 0, -6}});

    Matrix sum = a + b;
    Matrix difference = a - b;
    Matrix negation = -a;
    EXPECT_STREQ(sum.name, "temp");
    EXPECT_STREQ(difference.name, "temp");
    EXPECT_STREQ(negation.name, "Temp '-'");
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(sum[i][j], a[i][j] + b[i][j]);
            EXPECT_EQ(difference[i][j], a[i][j] - b[i][j]);
            EXPECT_EQ(negation[i][j], -a[i][j]);
        }

    Matrix c = MakeMatrix<double>("C", {{1, 0, 2, -1}, {0, 1, 1, 0}, {3, -2, 0, 1}});
    Matrix product = a * c;
    EXPECT_STREQ(product.name, "temp");
    ASSERT_EQ(product.rows, 2);
    ASSERT_EQ(product.cols, 4);
    const double expected[2][4] = {{10, -4, 4, 2}, {22, -7, 13, 2}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(product[i][j], expected[i][j]) << i << "," << j;

    Matrix transposed = a.Transpose();
    EXPECT_STREQ(transposed.name, "temp");
    ASSERT_EQ(transposed.rows, 3);
    ASSERT_EQ(transposed.cols, 2);
    EXPECT_EQ(transposed[2][1], 6.0);
    EXPECT_EQ(transposed[0][1], 4.0);

    // Assigning a result keeps the target's name; the operands are untouched.
    Matrix target("Target", 2, 3);
    target = a + b;
    EXPECT_STREQ(target.name, "Target");
    EXPECT_EQ(target[1][2], 0.0);
    EXPECT_EQ(a[1][2], 6.0);
}

// Each element of a product is the sum over k in ascending order from 0;
// skipping zero factors and walking rows must not change a single bit.
TEST(Matrix, ProductKeepsTheSummationOrderOfEveryElement)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1e3, 1e3);
    std::uniform_int_distribution<int> third(0, 2);
    struct Size {
        int rows, inner, cols;
    };
    // Small products and ones wider and deeper than a cache strip.
    for (Size size : {Size{17, 23, 11}, Size{1, 1, 1}, Size{9, 150, 600}, Size{3, 700, 5}}) {
        Matrix a("A", size.rows, size.inner), b("B", size.inner, size.cols);
        for (Matrix *m : {&a, &b})
            for (int i = 0; i < m->rows; ++i)
                for (int j = 0; j < m->cols; ++j)
                    (*m)[i][j] =
                        third(random) == 0 ? 0.0 : value(random) * std::pow(10.0, third(random) * 4 - 4);
        Matrix reference("reference", size.rows, size.cols);
        for (int i = 0; i < size.rows; ++i)
            for (int j = 0; j < size.cols; ++j) {
                double sum = 0.0;
                for (int k = 0; k < size.inner; ++k)
                    sum += a[i][k] * b[k][j];
                reference[i][j] = sum;
            }
        std::string where;
        EXPECT_TRUE(SameElements(a * b, reference, &where)) << size.inner << " " << where;
    }

    std::string where;
    IntMatrix ia = MakeMatrix<int>("IA", {{1, -1, 0}, {0, 2, 3}});
    IntMatrix ib = MakeMatrix<int>("IB", {{1, 0}, {4, -1}, {0, 5}});
    IntMatrix iproduct = ia * ib;
    EXPECT_TRUE(SameElements(iproduct, MakeMatrix<int>("expected", {{-3, 1}, {8, 13}}), &where)) << where;
}

TEST(Matrix, CopiesAreDeepAndMovesKeepNames)
{
    Matrix a = MakeMatrix<double>("A", {{1, 2}, {3, 4}});
    Matrix copy(a);
    EXPECT_STREQ(copy.name, "A");
    copy[0][0] = 100.0;
    EXPECT_EQ(a[0][0], 1.0);

    Matrix moved(std::move(copy));
    EXPECT_STREQ(moved.name, "A");
    EXPECT_EQ(moved[0][0], 100.0);
    EXPECT_EQ(copy.rows, 0);

    // A sized matrix without a name is still copied in full.
    Matrix unnamed("", 1, 2);
    unnamed[0][1] = 5.0;
    Matrix unnamedCopy(unnamed);
    ASSERT_EQ(unnamedCopy.cols, 2);
    EXPECT_EQ(unnamedCopy[0][1], 5.0);

    Matrix &alias = a;
    a = alias;
    EXPECT_EQ(a[1][1], 4.0);
}

TEST(Matrix, IdentityZerosAndTinyValues)
{
    Matrix wide("W", 2, 3);
    wide[0][2] = 7.0;
    EXPECT_TRUE(wide.SetIdentity());
    const double expected[2][3] = {{1, 0, 0}, {0, 1, 0}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(wide[i][j], expected[i][j]);

    EXPECT_FALSE(wide.HasNoZeros());
    Matrix full = MakeMatrix<double>("AL", {{1, -1e-10}, {2, 3}});
    EXPECT_TRUE(full.HasNoZeros());
    full[1][0] = 9e-11;
    EXPECT_FALSE(full.HasNoZeros());
    Matrix empty;
    EXPECT_TRUE(empty.HasNoZeros());

    Matrix tiny = MakeMatrix<double>("T", {{1e-10, -1e-10, 1.0000001e-10}, {-2e-10, 1e-300, 5.0}});
    tiny.ZeroTiny();
    const double cleaned[2][3] = {{0, 0, 1.0000001e-10}, {-2e-10, 0, 5}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(tiny[i][j], cleaned[i][j]) << i << "," << j;

    // Relative to a scale: the same values in units a million times smaller.
    Matrix scaled = MakeMatrix<double>("T", {{1e-16, -1e-16, 1.0000001e-16}, {-2e-16, 0.0, 5e-6}});
    scaled.ZeroTiny(1e-6);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_DOUBLE_EQ(scaled[i][j], cleaned[i][j] * 1e-6) << i << "," << j;
    Matrix heights = MakeMatrix<double>("H", {{1e-14, 2e-14}});
    EXPECT_FALSE(heights.HasNoZeros());
    EXPECT_TRUE(heights.HasNoZeros(2e-14));
    EXPECT_FALSE(heights.HasNoZeros(1e3));
    heights[0][0] = 0.0;
    EXPECT_FALSE(heights.HasNoZeros(0.0)) << "an exact zero is a zero at any scale";
}
