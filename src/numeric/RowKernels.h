#pragma once

#include <cstring>

// The inner loops of the dense matrix operations: y[j] += a·x[j] and
// y[j] -= a·x[j] over a contiguous span of a row. Every element receives
// exactly the one multiplication and one addition (subtraction) of the
// plain loop, so results do not depend on how the span is worked through;
// for reals it is worked two elements at a time where the compiler offers
// vector types. y and x never overlap.
namespace rowkernels {

template <typename T> inline void AddScaled(T *y, const T *x, T a, int n)
{
    for (int j = 0; j < n; ++j)
        y[j] += a * x[j];
}

template <typename T> inline void SubtractScaled(T *y, const T *x, T a, int n)
{
    for (int j = 0; j < n; ++j)
        y[j] -= a * x[j];
}

#if defined(__GNUC__)
using DoublePair = double __attribute__((vector_size(16)));

template <bool subtract> inline void ScaledPairs(double *y, const double *x, double a, int n)
{
    const DoublePair factor = {a, a};
    int j = 0;
    for (; j + 4 <= n; j += 4) {
        DoublePair y0, y1, x0, x1;
        std::memcpy(&y0, y + j, sizeof y0);
        std::memcpy(&y1, y + j + 2, sizeof y1);
        std::memcpy(&x0, x + j, sizeof x0);
        std::memcpy(&x1, x + j + 2, sizeof x1);
        if constexpr (subtract) {
            y0 -= factor * x0;
            y1 -= factor * x1;
        } else {
            y0 += factor * x0;
            y1 += factor * x1;
        }
        std::memcpy(y + j, &y0, sizeof y0);
        std::memcpy(y + j + 2, &y1, sizeof y1);
    }
    for (; j < n; ++j) {
        if constexpr (subtract)
            y[j] -= a * x[j];
        else
            y[j] += a * x[j];
    }
}

template <> inline void AddScaled<double>(double *y, const double *x, double a, int n)
{
    ScaledPairs<false>(y, x, a, n);
}

template <> inline void SubtractScaled<double>(double *y, const double *x, double a, int n)
{
    ScaledPairs<true>(y, x, a, n);
}
#endif

} // namespace rowkernels
