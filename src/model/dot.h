#pragma once

#include <array>

#include "model/base.h"

/** A small scratch record of the decor and canvas code, which give its fields their meaning.
    It is copied but never saved. */
class PDot : public PBase
{
public:
    uint16_t classId() const override { return PClass::dot; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;

    uint32_t word = 0;
    std::array<float, 5> values{};
    std::array<uint32_t, 2> words{};
    std::array<uint16_t, 2> shorts{};
    std::array<float, 3> extras{};
};
