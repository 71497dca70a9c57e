#pragma once

#include "edit/action.h"

/** A 16-bit value: the variant of a brush stroke's point, the stroke setting of a layer, or the
    kind or random seed of a brush stroke, chosen by a property code. */
class PActionShort : public PAction
{
public:
    static constexpr uint16_t variant = 0, stroke = 1, kind = 2, seed = 3;

    PActionShort(PWorld& world, PBase* target, uint16_t property, uint16_t newValue, uint16_t oldValue);

    void name(PName& out) const override;

    PBase* target = nullptr;
    uint16_t property = variant;
    uint16_t newValue = 0, oldValue = 0;

protected:
    void apply(bool) override { write(newValue); }
    void revert() override { write(oldValue); }

private:
    void write(uint16_t value);
};
