#pragma once

// The small vocabulary the generators draw with: shapes of the document model made from plain
// numbers, so that a picture reads as a list of strokes rather than as object plumbing. Every
// function returns a new object that the caller hands to an owner.

#include <initializer_list>
#include <vector>

#include "model/brush.h"
#include "model/curve.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/panel.h"
#include "model/text.h"

namespace kit
{
struct Pt
{
    float x = 0, y = 0;
};

/** A document colour (0xAAHHSSLL) from an RGB hex value as designers write it. */
uint32_t rgb(uint32_t hex, uint32_t alpha = 0xFF);
constexpr uint32_t none = 0;
uint32_t ink();
uint32_t paper();

/** Typefaces the generators use: a handwritten look for speech, a book face for captions and a
    heavy one for sound words and headings. */
extern const char* const handFace;
extern const char* const bookFace;
extern const char* const plainFace;

/** A line or area through the points; sharp gives every point corner sharpness. */
PCurve* curve(const std::vector<Pt>& at, bool closed, uint32_t fill, uint32_t line, bool sharp = false);
/** An open line whose width runs through the thicknesses given per point (percent of the pen). */
PCurve* taperedLine(const std::vector<Pt>& at, const std::vector<uint16_t>& thickness, uint32_t line);
/** A closed smooth shape approximating an ellipse with eight anchors. */
PCurve* ellipse(float cx, float cy, float rx, float ry, uint32_t fill, uint32_t line, uint16_t thickness = 50);
PCurve* rect(float l, float b, float r, float t, uint32_t fill, uint32_t line);
/** A speech balloon around (cx, cy) whose tail points at the tip. */
PCurve* balloon(float cx, float cy, float rx, float ry, Pt tip);
/** Every anchor of a curve gets this thickness; 0 hides the line. */
void setThickness(PCurve& curve, uint16_t thickness);

PPanel* panel(const std::vector<Pt>& corners, bool sharp = true);
PPanel* rectPanel(float l, float b, float r, float t);
PLayer* layer(const char* name, int index, uint16_t tag, uint16_t stroke = PLayer::defaultStroke);
/** Appends a layer to a panel and points it back at the panel. */
PLayer* addLayer(PPanel& panel, const char* name, uint16_t tag, uint16_t stroke = PLayer::defaultStroke);

struct TextStyle
{
    const char* face = handFace;
    uint16_t size = 50;
    int32_t style = 0;
    uint16_t align = PText::alignCentre;
    uint32_t colour = 0xFF000000;
    float scale = 1;
};
PText* text(const juce::String& words, float x, float y, const TextStyle& style);

PGroup* group(std::initializer_list<PShape*> members);
/** A group whose first member, a closed curve, clips the others. */
PGroup* clippingGroup(std::initializer_list<PShape*> members);
/** Places a copy of a decor item's artwork at (x, y), scaled, and bent through deform mode with
    the given target offsets (index and offset in the group's own units). */
struct Bend
{
    int index;
    Pt offset;
};
PGroup* bent(const PGroup& artwork, float x, float y, float scale, uint16_t mode, std::initializer_list<Bend> bends);
/** A copy of a group's members, scaled and moved: artwork placed on a page. */
PGroup* placed(const PGroup& artwork, float x, float y, float scale);

/** Moves a shape and scales it about its own origin. */
template <class T> T* at(T* shape, float x, float y, float scale = 1)
{
    shape->x = x, shape->y = y, shape->scaleX = scale, shape->scaleY = scale;
    return shape;
}
} // namespace kit
