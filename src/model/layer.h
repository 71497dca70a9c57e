#pragma once

#include "model/array.h"
#include "model/item.h"

class PPanel;
class PShape;

/** A layer of a panel: its shapes bottom first, and the pen setting its lines are drawn with. */
class PLayer : public PItem
{
public:
    static constexpr uint16_t defaultStroke = 50;

    ~PLayer() override;

    uint16_t classId() const override { return PClass::layer; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void setFlag(uint32_t mask, bool on) override;
    void clearMark() override;
    void invalidate() override;
    void collectInside(const PRect& area, PArray& out) override;
    void collectHits(float x, float y, float scale, PEditMode mode, PArray& out) override;
    bool statusText(PName& out) const override;
    bool sortsByNumber() const override { return true; }

    bool isHidden() const { return hasFlag(PFlag::hidden); }
    PShape* shapeAt(int i) const;

    PArray shapes;
    uint16_t stroke = defaultStroke;
    /** The panel that owns this layer; not owned, not saved. */
    PPanel* panel = nullptr;
};
