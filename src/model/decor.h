#pragma once

#include <memory>

#include "model/item.h"

class PGroup;

/** A named piece of reusable artwork kept in the comic, held in one group that can be
    deformed to fit the space it is put in. The group is made the first time it is edited. */
class PDecor : public PItem
{
public:
    static constexpr float defaultSize = 10.0f;

    PDecor();
    ~PDecor() override;

    uint16_t classId() const override { return PClass::decor; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void setFlag(uint32_t mask, bool on) override;
    void clearMark() override;
    void invalidate() override;
    void collectInside(const PRect& area, PArray& out) override;
    void collectHits(float x, float y, float scale, PEditMode mode, PArray& out) override;
    bool sortsByNumber() const override { return true; }

    /** The content group, made empty when the decor has none yet. */
    PGroup& contentForEdit();
    /** Grows or shrinks the artwork and both deformation grids by f. */
    void scaleBy(float f);

    /** Gives every decor item of a comic's list the comic's current key. */
    static void setCurrentKeyOfAll(const PArray& decor, uint16_t key);

    float decorSize = defaultSize;
    uint16_t currentKey = 0;
    std::unique_ptr<PGroup> content;
};
