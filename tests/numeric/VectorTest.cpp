#include "numeric/Vector.h"

#include "NumericTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

TEST(Vector, SizedConstructionCreatesNamedZeroedElements)
{
    Vector v("L", 4);
    EXPECT_STREQ(v.name, "L");
    ASSERT_EQ(v.count, 4);
    for (int i = 0; i < v.count; ++i)
        EXPECT_EQ(v[i], 0.0);

    // A count of 0 or less is not created: the vector stays empty and can
    // still be created later.
    for (int count : {0, -3}) {
        IntVector empty("P", count);
        EXPECT_EQ(empty.count, 0);
        EXPECT_EQ(empty.data(), nullptr);
        EXPECT_STREQ(empty.name, "");
        empty.Create("P", 2);
        EXPECT_EQ(empty.count, 2);
    }

    Vector unnamed;
    unnamed.Create(nullptr, 2);
    EXPECT_STREQ(unnamed.name, "");
    EXPECT_EQ(unnamed.count, 2);
}

TEST(Vector, FailuresNameTheVector)
{
    Vector created("L", 3);
    // The name passed to the second Create and the count the vector has.
    EXPECT_EQ(RaisedMessage([&] { created.Create("Lnew", 5); }), "Vector Lnew[3] is already initialized!");
    EXPECT_EQ(created.count, 3);
    EXPECT_STREQ(created.name, "L");

    Vector a("a", 2), b("b", 3);
    EXPECT_EQ(RaisedMessage([&] { a = b; }), "Vectors a[2] and b[3] have different num!");
    EXPECT_EQ(RaisedMessage([&] { a = Vector("c", 1); }), "Vectors a[2] and c[1] have different num!");

    Vector negative;
    EXPECT_EQ(RaisedMessage([&] { negative.Create("N", -1); }), "Memory allocation error for vector N[-1]!");
    EXPECT_EQ(negative.count, 0);
}

TEST(Vector, AssignmentCopiesElementsAndKeepsTheTargetName)
{
    Vector source = MakeVector<double>("source", {1.5, -2.0, 3.25});
    Vector target("target", 3);
    target = source;
    EXPECT_STREQ(target.name, "target");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(target[i], source[i]);
    source[0] = 99.0;
    EXPECT_EQ(target[0], 1.5) << "the copy must not share storage";

    target = MakeVector<double>("temp", {7.0, 8.0, 9.0});
    EXPECT_STREQ(target.name, "target");
    EXPECT_EQ(target[2], 9.0);

    Vector &alias = target;
    target = alias;
    EXPECT_EQ(target[1], 8.0);
}

TEST(Vector, CopyAndMoveConstruction)
{
    Vector source = MakeVector<double>("X", {4.0, 5.0});
    Vector copy(source);
    EXPECT_STREQ(copy.name, "X");
    ASSERT_EQ(copy.count, 2);
    copy[0] = -1.0;
    EXPECT_EQ(source[0], 4.0);

    Vector moved(std::move(copy));
    EXPECT_STREQ(moved.name, "X");
    EXPECT_EQ(moved[0], -1.0);
    EXPECT_EQ(copy.count, 0);

    Vector empty;
    Vector emptyCopy(empty);
    EXPECT_EQ(emptyCopy.count, 0);
    EXPECT_EQ(emptyCopy.data(), nullptr);
}

TEST(Vector, HasNoZerosTreatsMagnitudesBelowTheToleranceAsZero)
{
    struct Case {
        double value;
        bool expected;
    };
    for (Case c : {Case{1e-11, false}, Case{-1e-10, true}, Case{1e-10, true}, Case{0.0, false},
                   Case{-5.0, true}, Case{-9.99e-11, false}}) {
        Vector v = MakeVector<double>("H", {1.0, c.value, 2.0});
        EXPECT_EQ(v.HasNoZeros(), c.expected) << c.value;
        // The same relative to the size of the data, in other units.
        Vector scaled = MakeVector<double>("H", {1e9, c.value * 1e9, 2e9});
        EXPECT_EQ(scaled.HasNoZeros(1e9), c.expected) << c.value;
        Vector small = MakeVector<double>("H", {1e-9, c.value * 1e-9, 2e-9});
        EXPECT_EQ(small.HasNoZeros(1e-9), c.expected) << c.value;
    }
    Vector empty;
    EXPECT_FALSE(empty.HasNoZeros());
}

TEST(Vector, SwapChecksBothIndices)
{
    IntVector p = MakeVector<int>("P", {10, 20, 30});
    p.Swap(0, 2);
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[2], 10);
    p.Swap(1, 1);
    EXPECT_EQ(p[1], 20);

    EXPECT_EQ(RaisedMessage([&] { p.Swap(0, 5); }), "Subscription 5 in P[3] is out of defined range!");
    // The first index is tested first.
    EXPECT_EQ(RaisedMessage([&] { p.Swap(-1, 7); }), "Subscription -1 in P[3] is out of defined range!");
    EXPECT_EQ(RaisedMessage([&] { p.Swap(3, 0); }), "Subscription 3 in P[3] is out of defined range!");
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
}
