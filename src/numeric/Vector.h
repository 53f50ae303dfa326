#pragma once

#include "numeric/ZeroedBuffer.h"

// A named, zero-initialised, 0-based array of reals (Vector) or integers
// (IntVector). Element access is unchecked; the operations check sizes and
// raise MathException with the array's name on misuse.
template <typename T>
class VectorT {
public:
    VectorT();
    // Creates the vector only when count > 0.
    VectorT(const char* name, int count);
    VectorT(const VectorT& other);
    VectorT(VectorT&& other) noexcept;
    virtual ~VectorT();

    // Raises "Vector %s[%d] is already initialized!" on a created vector.
    void Create(const char* name, const int& count);

    // Equal counts required ("Vectors %s[%d] and %s[%d] have different num!");
    // the target keeps its name.
    VectorT& operator=(const VectorT& other);
    VectorT& operator=(VectorT&& other);

    T& operator[](int i) { return elements[i]; }
    const T& operator[](int i) const { return elements[i]; }

    // Real vectors: false when empty or any |element| < 1e-10.
    bool HasNoZeros() const;
    // Real vectors: false when empty or any element is 0 or below
    // 1e-10 * scale in magnitude (scale: the size of the data judged).
    bool HasNoZeros(double scale) const;
    // Integer vectors: exchanges two elements, both indices range-checked.
    void Swap(int i, int j);

    T* data() { return elements.get(); }
    const T* data() const { return elements.get(); }

    ZeroedBuffer<T> elements;
    char name[256];
    int count = 0;
};

using Vector = VectorT<double>;
using IntVector = VectorT<int>;
