#pragma once

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

// How far a value may lie from the expected one. A plain number is an
// absolute tolerance; Relative and Scale make it grow with the values.
struct Tolerance {
    Tolerance(double absolute) : absolute(absolute) {}
    double of(double expected) const { return absolute + relative * std::max(std::fabs(expected), floor); }

    double absolute = 0.0;
    double relative = 0.0;
    double floor = 0.0;
};

// `relative` of max(|expected|, 1): relative for large values, absolute for
// values that should be small.
inline Tolerance Relative(double relative)
{
    Tolerance tolerance(0.0);
    tolerance.relative = relative;
    tolerance.floor = 1.0;
    return tolerance;
}

// 1e-8 of max(|expected|, |scale|): relative, with `scale` the size of the
// problem's values for results that should vanish.
inline Tolerance Scale(double scale)
{
    Tolerance tolerance(0.0);
    tolerance.relative = 1e-8;
    tolerance.floor = std::fabs(scale);
    return tolerance;
}

// The one comparison of computed numbers: `actual` is finite and lies
// within the tolerance of `expected`.
inline ::testing::AssertionResult Near(double expected, double actual, Tolerance tolerance = Relative(1e-9))
{
    const double allowed = tolerance.of(expected);
    if (std::isfinite(actual) && std::fabs(actual - expected) <= allowed)
        return ::testing::AssertionSuccess();
    std::ostringstream text;
    text.precision(12);
    text << "expected " << expected << ", actual " << actual << " (tolerance " << allowed << ")";
    return ::testing::AssertionFailure() << text.str();
}
