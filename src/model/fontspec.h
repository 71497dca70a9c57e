#pragma once

#include "model/name.h"

/** A font description: typeface name, a size setting of 0 to 100 and the style bits
    (1 bold, 2 italic, 4 underlined). Texts embed one; the options keep ten as presets. */
struct PFontSpec
{
    static constexpr uint16_t defaultSize = 50;
    static constexpr int32_t bold = 1, italic = 2, underlined = 4;

    PName face;
    uint16_t size = defaultSize;
    int32_t style = 0;

    bool operator==(const PFontSpec& other) const
    {
        return face == other.face && size == other.size && style == other.style;
    }
};
