#pragma once

#include "model/array.h"
#include "model/item.h"

class PCard;

/** A named piece of reusable artwork kept in the comic, in numbered variants (cards). The
    editor asks for the card of the number it works with, which creates it when missing. */
class PClip : public PItem
{
public:
    static constexpr float defaultSize = 10.0f;

    PClip() { index = -1; }
    ~PClip() override;

    uint16_t classId() const override { return PClass::clip; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void setFlag(uint32_t mask, bool on) override;
    void clearMark() override;
    void invalidate() override;
    bool sortsByNumber() const override { return true; }

    /** The first card numbered n; an empty one is appended when there is none. */
    PCard* cardFor(uint16_t n);
    /** Deletes the empty cards after the last card with artwork, keeping at least the first card. */
    void trimEmptyCards();
    /** Grows or shrinks the artwork of every card by f. */
    void scaleBy(float f);
    PCard* cardAt(int i) const;

    /** Gives every clip of a comic's list the comic's current card key. */
    static void setCurrentKeyOfAll(const PArray& clips, uint16_t key);

    float clipSize = defaultSize;
    uint16_t currentKey = 0;
    PArray cards;
};
