#pragma once

#include <cstddef>
#include <cstdlib>
#include <limits>
#include <memory>
#include <type_traits>

// Storage of the numeric arrays, obtained already zeroed from calloc. A large
// array is mapped from fresh pages that the system supplies zeroed, so that
// creating a mostly-zero matrix does not write (and so does not fault in)
// every page of it; only the pages later written are touched.
struct FreeDeleter {
    void operator()(void *pointer) const noexcept { std::free(pointer); }
};

template <typename T> using ZeroedBuffer = std::unique_ptr<T[], FreeDeleter>;

// count zero elements; an empty buffer when the storage cannot be obtained
// (calloc also refuses a count whose size in bytes overflows).
template <typename T> ZeroedBuffer<T> AllocateZeroed(std::size_t count)
{
    // All bits zero is the value 0 for integers and for IEEE reals, and the
    // elements need no construction.
    static_assert(std::is_integral_v<T> || (std::is_floating_point_v<T> && std::numeric_limits<T>::is_iec559),
                  "zeroed storage holds integers and IEEE reals only");
    return ZeroedBuffer<T>(static_cast<T *>(std::calloc(count, sizeof(T))));
}
