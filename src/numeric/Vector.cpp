#include "numeric/Vector.h"

#include "model/MathException.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

void copyName(char (&target)[256], const char *source)
{
    std::snprintf(target, sizeof target, "%s", source != nullptr ? source : "");
}

} // namespace

template <typename T> VectorT<T>::VectorT()
{
    name[0] = '\0';
}

template <typename T> VectorT<T>::VectorT(const char *vectorName, int vectorCount)
{
    name[0] = '\0';
    if (vectorCount > 0)
        Create(vectorName, vectorCount);
}

template <typename T> VectorT<T>::VectorT(const VectorT &other)
{
    name[0] = '\0';
    if (other.count > 0) {
        Create(other.name, other.count);
        std::copy(other.elements.get(), other.elements.get() + count, elements.get());
    }
}

template <typename T>
VectorT<T>::VectorT(VectorT &&other) noexcept : elements(std::move(other.elements)), count(other.count)
{
    std::copy(std::begin(other.name), std::end(other.name), std::begin(name));
    other.count = 0;
    other.name[0] = '\0';
}

template <typename T> VectorT<T>::~VectorT() = default;

template <typename T> void VectorT<T>::Create(const char *vectorName, const int &vectorCount)
{
    const char *shownName = vectorName != nullptr ? vectorName : "";
    if (elements != nullptr)
        MathException::Raise("Vector %s[%d] is already initialized!", shownName, count);
    copyName(name, vectorName);
    if (vectorCount < 0)
        MathException::Raise("Memory allocation error for vector %s[%d]!", shownName, vectorCount);
    if (vectorCount == 0) {
        count = 0;
        return;
    }
    ZeroedBuffer<T> buffer = AllocateZeroed<T>(static_cast<std::size_t>(vectorCount));
    if (buffer == nullptr)
        MathException::Raise("Memory allocation error for vector %s[%d]!", shownName, vectorCount);
    // The count is committed with the buffer, so a vector never claims
    // elements it does not have.
    elements = std::move(buffer);
    count = vectorCount;
}

template <typename T> VectorT<T> &VectorT<T>::operator=(const VectorT &other)
{
    if (this == &other)
        return *this;
    if (count != other.count)
        MathException::Raise("Vectors %s[%d] and %s[%d] have different num!", name, count, other.name,
                             other.count);
    std::copy(other.elements.get(), other.elements.get() + count, elements.get());
    return *this;
}

// Same rules as the copy; the buffers are exchanged instead of copied, so
// the source keeps a buffer of its own count.
template <typename T> VectorT<T> &VectorT<T>::operator=(VectorT &&other)
{
    if (this == &other)
        return *this;
    if (count != other.count)
        MathException::Raise("Vectors %s[%d] and %s[%d] have different num!", name, count, other.name,
                             other.count);
    std::swap(elements, other.elements);
    return *this;
}

template <typename T> bool VectorT<T>::HasNoZeros() const
{
    if (count == 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (std::abs(elements[i]) < 1e-10)
            return false;
    return true;
}

template <typename T> bool VectorT<T>::HasNoZeros(double scale) const
{
    if (count == 0)
        return false;
    for (int i = 0; i < count; ++i)
        if (elements[i] == T(0) || std::abs(elements[i]) < 1e-10 * scale)
            return false;
    return true;
}

template <typename T> void VectorT<T>::Swap(int i, int j)
{
    for (int index : {i, j})
        if (index < 0 || index >= count)
            MathException::Raise("Subscription %d in %s[%d] is out of defined range!", index, name, count);
    std::swap(elements[i], elements[j]);
}

template class VectorT<double>;
template class VectorT<int>;
