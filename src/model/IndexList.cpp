#include "model/List.h"

void IndexList::removeDuplicates()
{
    IndexList unique("", 1, 1);
    for (int i = 0; i < count; ++i) {
        if (!unique.contains(items[i]))
            unique.Add(items[i]);
    }
    // Only a list that had duplicates is replaced, and it then carries the
    // temporary's empty name.
    if (unique.count < count)
        *this = unique;
}

void IndexList::append(const IndexList &other)
{
    // Counted once, so appending a list to itself doubles it and stops.
    int otherCount = other.count;
    for (int i = 0; i < otherCount; ++i)
        Add(other[i]);
}

bool IndexList::contains(int value) const
{
    for (int i = 0; i < count; ++i) {
        if (items[i] == value)
            return true;
    }
    return false;
}
