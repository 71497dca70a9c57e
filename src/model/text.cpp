#include "model/text.h"

#include "model/glyphlock.h"
#include "model/option.h"
#include "model/stream.h"
#include "model/viewstate.h"

float PText::Layout::lineLeft(int i, uint16_t alignment) const
{
    const float width = i >= 0 && i < static_cast<int>(widths.size()) ? widths[static_cast<size_t>(i)] : 0.0f;
    switch (alignment)
    {
    case alignLeft: return -blockWidth / 2;
    case alignCentre: return -width / 2;
    case alignRight: return blockWidth / 2 - width;
    default: return 0.0f;
    }
}

float PText::Layout::baseline(int i) const
{
    return blockHeight / 2 - ascent - static_cast<float>(i) * lineHeight;
}

PText::PText()
{
    text.assign("?");
    fontSpec.face.assign("Comic Sans MS");
}

void PText::copyFrom(const PBase* other)
{
    PShape::copyFrom(other);
    box.clear();
    if (auto* source = dynamic_cast<const PText*>(other))
    {
        text = source->text;
        fontSpec = source->fontSpec;
        colour = source->colour;
        align = source->align;
    }
}

void PText::write(PStream& s) const
{
    PShape::write(s);
    s.writeName(text);
    s.writeName(fontSpec.face);
    s.writeInt16(fontSpec.size);
    s.writeInt32(fontSpec.style);
    s.writeUInt32(colour);
    s.writeInt16(align);
}

void PText::read(PStream& s)
{
    PShape::read(s);
    s.readName(text);
    s.readName(fontSpec.face);
    fontSpec.size = s.readUInt16();
    fontSpec.style = s.readInt32();
    colour = s.readUInt32();
    align = s.readUInt16();
    fontSpec.font.reset();
    invalidate();
}

void PText::invalidate()
{
    box.clear();
    bounds = PRect::of(0, 0, 0, 0);
}

PText::Layout PText::layout() const
{
    const PGlyphLock lock;
    const juce::Font font = fontSpec.getFont(false);
    Layout l;
    // Every line feed starts a line, so empty lines and a trailing line feed keep their height.
    l.lines = juce::StringArray::fromTokens(text.toString(), "\n", "");
    l.lineHeight = font.getHeight();
    l.ascent = font.getAscent();
    for (const auto& line : l.lines)
    {
        const float width = font.getStringWidthFloat(line);
        l.widths.push_back(width);
        l.blockWidth = std::max(l.blockWidth, width);
    }
    l.blockHeight = static_cast<float>(l.lines.size()) * l.lineHeight;
    return l;
}

void PText::getBounds(PRect& out, bool raw) const
{
    const Layout l = layout();
    const auto halfWidth = static_cast<float>(l.blockWidth * pointsToCentimetres / 2);
    const auto halfHeight = static_cast<float>(l.blockHeight * pointsToCentimetres / 2);
    out = PRect::of(-halfWidth, -halfHeight, halfWidth, halfHeight);
    if (!raw)
        out = out.transformBounds(transform());
}

void PText::build(PViewState& view)
{
    box = buildShapeBox(*this, view);
}

bool PText::hitTest(float px, float py, float, PEditMode)
{
    return boxContains(*this, box, px, py);
}

uint32_t PText::drawColour(const POption* options, bool selectedLook, bool showSelection) const
{
    if (options == nullptr)
        return colour;
    if (selectedLook)
        return options->selectionColour1;
    if (showSelection && hasFlag(PFlag::selected))
        return options->selectionColour2;
    return colour;
}
