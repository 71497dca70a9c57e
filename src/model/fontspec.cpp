#include "model/fontspec.h"

#include "model/glyphlock.h"

namespace
{
struct HeightStep
{
    uint16_t below;
    float points;
};

// Sizes from 80 upwards take the largest height.
constexpr HeightStep heightSteps[] = {{20, 6.0f}, {40, 8.0f}, {60, 10.0f}, {80, 14.0f}};
constexpr float largestHeight = 18.0f;
} // namespace

PFontSpec::PFontSpec(const PFontSpec& other) : face(other.face), size(other.size), style(other.style) {}

PFontSpec& PFontSpec::operator=(const PFontSpec& other)
{
    face = other.face;
    size = other.size;
    style = other.style;
    font.reset();
    return *this;
}

PFontSpec::~PFontSpec() = default;

float PFontSpec::heightFor(uint16_t sizeSetting)
{
    for (const auto& step : heightSteps)
        if (sizeSetting < step.below)
            return step.points;
    return largestHeight;
}

juce::String PFontSpec::faceName() const
{
    // Presets start without a face; they still need a font that can measure text.
    return face.isEmpty() ? juce::Font::getDefaultSansSerifFontName() : face.toString();
}

bool PFontSpec::fontMatchesFields() const
{
    return font != nullptr && font->getTypefaceName() == faceName() && font->getHeight() == heightFor(size) &&
           font->getStyleFlags() == (style & knownStyles);
}

juce::Font PFontSpec::getFont(bool large) const
{
    // Finding the typeface may load a face into the library's shared font list.
    const PGlyphLock lock;
    if (!fontMatchesFields())
        font = std::make_unique<juce::Font>(faceName(), heightFor(size), style & knownStyles);
    if (!large)
        return *font;
    juce::Font enlarged(*font);
    enlarged.setHeight(font->getHeight() * largeFactor);
    return enlarged;
}
