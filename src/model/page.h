#pragma once

#include "model/array.h"
#include "model/item.h"

/** A page of a comic: its panels bottom first. Its size and margin come from the comic. */
class PPage : public PItem
{
public:
    PPage() { index = -1; }
    ~PPage() override;

    uint16_t classId() const override { return PClass::page; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void clearMark() override;
    void invalidate() override;
    void collectInside(const PRect& area, PArray& out) override;
    void collectHits(float x, float y, float scale, PEditMode mode, PArray& out) override;
    bool sortsByNumber() const override { return true; }

    PArray panels;
    float width = 10, height = 10, margin = 1;
};
