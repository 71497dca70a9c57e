#include "model/array.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr int growthSlack = 10;
}

PArray::~PArray()
{
    delete[] items;
}

void PArray::reserve(int n)
{
    if (n <= 0)
    {
        clear();
        return;
    }
    if (items == nullptr)
    {
        items = new PBase*[static_cast<size_t>(n) + growthSlack];
        capacity = n + growthSlack;
        count = 0;
        return;
    }
    if (n > capacity)
    {
        auto* grown = new PBase*[static_cast<size_t>(n) + growthSlack];
        std::copy(items, items + count, grown);
        delete[] items;
        items = grown;
        capacity = n + growthSlack;
    }
}

void PArray::append(PBase* p)
{
    reserve(count + 1);
    items[count++] = p;
}

void PArray::insert(int i, PBase* p)
{
    i = std::clamp(i, 0, count);
    reserve(count + 1);
    std::memmove(items + i + 1, items + i, sizeof(PBase*) * static_cast<size_t>(count - i));
    items[i] = p;
    ++count;
}

void PArray::insertAll(int i, const PArray& other)
{
    if (other.count == 0)
        return;
    i = std::clamp(i, 0, count);
    const int n = other.count;
    // Copy first: other may be this very array.
    auto* incoming = new PBase*[static_cast<size_t>(n)];
    std::copy(other.items, other.items + n, incoming);
    reserve(count + n);
    std::memmove(items + i + n, items + i, sizeof(PBase*) * static_cast<size_t>(count - i));
    std::copy(incoming, incoming + n, items + i);
    count += n;
    delete[] incoming;
}

void PArray::assignPointers(const PArray& other)
{
    if (&other == this)
        return;
    count = 0;
    if (other.count > 0)
        reserve(other.count);
    for (int i = 0; i < other.count; ++i)
        items[count++] = other.items[i];
}

void PArray::removeAll(const PArray& other)
{
    for (int i = 0; i < other.count; ++i)
        remove(other.items[i]);
}

void PArray::remove(PBase* p)
{
    const int i = indexOf(p);
    if (i < 0)
        return;
    std::memmove(items + i, items + i + 1, sizeof(PBase*) * static_cast<size_t>(count - i - 1));
    --count;
}

int PArray::indexOf(const PBase* p) const
{
    for (int i = 0; i < count; ++i)
        if (items[i] == p)
            return i;
    return -1;
}

bool PArray::contains(const PBase* p) const
{
    return p != nullptr && indexOf(p) >= 0;
}

void PArray::deepCopy(const PArray& other)
{
    if (&other == this)
        return;
    deleteAll();
    if (other.count == 0)
        return;
    reserve(other.count);
    for (int i = 0; i < other.count; ++i)
        items[count++] = other.items[i] != nullptr ? other.items[i]->clone() : nullptr;
}

void PArray::deleteAll()
{
    // Detach the elements before deleting them, so that a destructor that looks back at
    // this list never sees a half-deleted element.
    PBase** old = items;
    const int n = count;
    items = nullptr;
    count = capacity = 0;
    for (int i = 0; i < n; ++i)
        delete old[i];
    delete[] old;
}

void PArray::clear()
{
    delete[] items;
    items = nullptr;
    count = capacity = 0;
}

void PArray::reverse()
{
    std::reverse(items, items + count);
}

PBase* PArray::findCurrent() const
{
    for (int i = 0; i < count; ++i)
        if (items[i] != nullptr && items[i]->hasFlag(PFlag::current))
            return items[i];
    return nullptr;
}

void PArray::deselectAll()
{
    for (int i = 0; i < count; ++i)
        if (items[i] != nullptr)
            items[i]->flags &= ~PFlag::selected;
}

void PArray::bringSelectedToFront()
{
    std::stable_partition(items, items + count, [](PBase* p) { return p == nullptr || !p->hasFlag(PFlag::selected); });
}
