#pragma once

#include "model/item.h"

/** A named item that stands for one typeface; the font dialog keeps one. Never streamed. */
class PTypeface : public PItem
{
public:
    PTypeface() = default;
    explicit PTypeface(const juce::String& faceName) { name.assign(faceName); }

    uint16_t classId() const override { return PClass::typeface; }
    PBase* clone() const override { return cloneAs(*this); }
};
