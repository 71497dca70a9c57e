#pragma once

#include <juce_graphics/juce_graphics.h>

#include <memory>

#include "model/name.h"

/** A font description: typeface name, a size setting of 0 to 100 and the style bits
    (1 bold, 2 italic, 4 underlined). Texts embed one; the options keep ten as presets.

    The library font is made on first use and kept; a copy starts without it, and a
    change of any field is noticed the next time the font is asked for. */
struct PFontSpec
{
    static constexpr uint16_t defaultSize = 50;
    static constexpr int32_t bold = 1, italic = 2, underlined = 4;
    static constexpr int32_t knownStyles = bold | italic | underlined;
    /** The enlarged font of the editor's previews. */
    static constexpr float largeFactor = 1.8f;

    PName face;
    uint16_t size = defaultSize;
    int32_t style = 0;

    PFontSpec() = default;
    PFontSpec(const PFontSpec& other);
    PFontSpec& operator=(const PFontSpec& other);
    ~PFontSpec();

    /** Height in points of a size setting: a few fixed steps rather than a continuous scale. */
    static float heightFor(uint16_t sizeSetting);

    /** The library font for the three fields; `large` makes it largeFactor times higher. */
    juce::Font getFont(bool large = false) const;

    bool operator==(const PFontSpec& other) const
    {
        return face == other.face && size == other.size && style == other.style;
    }

    /** Run-time only: the font last made from the fields. */
    mutable std::unique_ptr<juce::Font> font;

private:
    juce::String faceName() const;
    bool fontMatchesFields() const;
};
