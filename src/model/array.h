#pragma once

#include "model/base.h"

/** Growable array of object pointers: every list of the document model.

    A PArray that is a member of a document object owns its elements and its owner
    empties it with deleteAll(); a PArray that only refers to objects owned elsewhere
    is released with clear(). Where it holds shapes, index 0 is drawn first (bottom).
*/
class PArray
{
public:
    PArray() = default;
    PArray(const PArray&) = delete;
    PArray& operator=(const PArray&) = delete;
    ~PArray();

    int size() const { return count; }
    bool isEmpty() const { return count == 0; }
    PBase* at(int i) const { return i >= 0 && i < count ? items[i] : nullptr; }
    PBase* operator[](int i) const { return at(i); }
    template <class T> T* get(int i) const { return static_cast<T*>(at(i)); }

    void reserve(int n);
    void append(PBase* p);
    void insert(int i, PBase* p);
    void insertAll(int i, const PArray& other);
    void assignPointers(const PArray& other);
    void removeAll(const PArray& other);
    void remove(PBase* p);
    int indexOf(const PBase* p) const;
    bool contains(const PBase* p) const;
    void deepCopy(const PArray& other);
    void deleteAll();
    void clear();
    void reverse();
    PBase* findCurrent() const;
    void deselectAll();
    void bringSelectedToFront();

    PBase** begin() const { return items; }
    PBase** end() const { return items + count; }
    int getCapacity() const { return capacity; }

private:
    PBase** items = nullptr;
    int count = 0;
    int capacity = 0;
};
