#pragma once
// Moving items of a list to a destination index, as an image browser's drag does: the moved items
// leave the list keeping their order among themselves, and go back in starting at the destination
// less the number of moved items that stood before it.

#include <QList>

#include <algorithm>

// The new order as indexes into the old list. Indexes out of range or repeated are ignored; the
// destination is held to 0..count.
inline QList<int> Reordered_Indexes(int count, QList<int> moved, int destination)
{
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    moved.erase(std::remove_if(moved.begin(), moved.end(), [count](int i) { return i < 0 || i >= count; }), moved.end());
    destination = std::clamp(destination, 0, count);
    QList<int> rest;
    for (int i = 0; i < count; ++i)
        if (!std::binary_search(moved.begin(), moved.end(), i))
            rest << i;
    const auto before = std::count_if(moved.begin(), moved.end(), [destination](int i) { return i < destination; });
    const int at = destination - int(before);
    QList<int> order = rest.mid(0, at);
    order += moved;
    order += rest.mid(at);
    return order;
}

// The list in that new order.
template <typename T>
QList<T> Reordered(const QList<T> &items, const QList<int> &moved, int destination)
{
    QList<T> out;
    for (int i : Reordered_Indexes(int(items.size()), moved, destination))
        out << items.at(i);
    return out;
}
