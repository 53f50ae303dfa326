#pragma once

#include "model/MathException.h"

#include <cstring>
#include <memory>
#include <new>
#include <utility>

// A growable array with a name. The name appears in every failure message
// and in the log dumps. Storage grows by `step` elements at a time and is
// never shrunk; positions are 0-based.
template <typename T>
class List {
public:
    List() { name[0] = '\0'; }
    List(const char* listName, int listCapacity, int listStep)
    {
        name[0] = '\0';
        Create(listName, listCapacity, listStep);
    }
    List(const List& other)
    {
        name[0] = '\0';
        *this = other;
    }
    List(List&& other) noexcept { moveFrom(other); }
    virtual ~List() = default;

    // Sets count to 0 and takes the capacity and step. With a capacity of 0
    // the old storage and name stay.
    void Create(const char* listName, int listCapacity, int listStep)
    {
        count = 0;
        step = listStep;
        if (listCapacity == 0) {
            capacity = 0;
            return;
        }
        setName(listName);
        items.reset();
        // capacity is committed only with the storage, so a failed
        // allocation leaves an empty list rather than a capacity without items
        capacity = 0;
        items = allocate(listCapacity, "Memory allocation error in List::Create(%s[%d])", name, listCapacity);
        capacity = listCapacity;
    }

    bool Add(const T& element)
    {
        if (count >= capacity) {
            int newCapacity = capacity + (step > 0 ? step : 1);
            std::unique_ptr<T[]> grown =
                allocate(newCapacity, "Memory reallocation error in List::Add(%s[%d])", name, count);
            // The element may be one of this list's own (list.Add(list[0])):
            // store it before the old storage is moved from and released.
            grown[count] = element;
            for (int i = 0; i < count; ++i)
                grown[i] = std::move(items[i]);
            items = std::move(grown);
            capacity = newCapacity;
        } else {
            items[count] = element;
        }
        ++count;
        return true;
    }

    T& operator[](int i)
    {
        check(i);
        return items[i];
    }
    const T& operator[](int i) const
    {
        check(i);
        return items[i];
    }

    bool remove(int i)
    {
        if (count == 0 || i < 0 || i >= count)
            return false;
        for (int k = i; k < count - 1; ++k)
            items[k] = std::move(items[k + 1]);
        --count;
        return true;
    }

    void clear() { count = 0; }

    // Takes over the other list's name, capacity, step and elements.
    List& operator=(const List& other)
    {
        if (this == &other)
            return *this;
        items.reset();
        capacity = 0;
        Create(other.name, other.capacity, other.step);
        count = other.count;
        for (int i = 0; i < count; ++i)
            items[i] = other.items[i];
        return *this;
    }
    List& operator=(List&& other) noexcept
    {
        if (this != &other)
            moveFrom(other);
        return *this;
    }

    // new[i] = old[order[i]]; false (nothing changed) when the sizes differ.
    // The list keeps its name.
    template <typename Order>
    bool reorder(const Order& order)
    {
        if (order.count != count)
            return false;
        for (int i = 0; i < count; ++i) {
            int from = order[i];
            if (from < 0 || from >= count)
                MathException::Raise("Subscription %d in %s[%d] is out of defined range!", from, name, count);
        }
        std::unique_ptr<T[]> reordered = allocate(capacity, "Memory allocation error in List::Create(%s[%d])", "temp", capacity);
        for (int i = 0; i < count; ++i)
            reordered[i] = items[order[i]];
        items = std::move(reordered);
        return true;
    }

    const char* getName() const { return name; }
    void setName(const char* listName)
    {
        if (listName == nullptr)
            listName = "";
        // memmove: the new name may be this list's own (Create(getName(), ...)).
        size_t length = strnlen(listName, sizeof name - 1);
        std::memmove(name, listName, length);
        name[length] = '\0';
    }

    T* begin() { return items.get(); }
    T* end() { return items.get() + count; }
    const T* begin() const { return items.get(); }
    const T* end() const { return items.get() + count; }

    std::unique_ptr<T[]> items;
    char name[256];
    int count = 0;
    int capacity = 0;
    int step = 1;

private:
    void check(int i) const
    {
        if (i < 0 || i >= count)
            MathException::Raise("Subscription %d in %s[%d] is out of defined range!", i, name, count);
    }

    static std::unique_ptr<T[]> allocate(int size, const char* message, const char* listName, int shownSize)
    {
        if (size < 0)
            MathException::Raise(message, listName, shownSize);
        T* storage = new (std::nothrow) T[size > 0 ? size : 1]();
        if (storage == nullptr)
            MathException::Raise(message, listName, shownSize);
        return std::unique_ptr<T[]>(storage);
    }

    void moveFrom(List& other) noexcept
    {
        items = std::move(other.items);
        std::memcpy(name, other.name, sizeof name);
        count = other.count;
        capacity = other.capacity;
        step = other.step;
        other.count = 0;
        other.capacity = 0;
    }
};

class Node;
class Rod;

// Positions of nodes or rods ("selNodes", the working lists of the engine).
class IndexList : public List<int> {
public:
    using List<int>::List;
    IndexList() = default;
    IndexList(const IndexList&) = default;
    IndexList& operator=(const IndexList&) = default;

    // Keeps the first occurrence of every value. A list that had duplicates
    // takes the empty name of the temporary it is assigned from.
    void removeDuplicates();
    // Appends every value of the other list, in order.
    void append(const IndexList& other);
    bool contains(int value) const;
};
