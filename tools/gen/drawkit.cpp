#include "gen/drawkit.h"

#include <cmath>

#include "model/geometry.h"
#include "model/point.h"

namespace kit
{
const char* const handFace = "Comic Neue";
const char* const bookFace = "DejaVu Serif";
const char* const plainFace = "DejaVu Sans";

namespace
{
constexpr uint16_t corner = 100;
constexpr int ellipseAnchors = 8;
constexpr float twoPi = 6.2831853f;
} // namespace

uint32_t rgb(uint32_t hex, uint32_t alpha)
{
    return argbToHsla(alpha << 24 | (hex & 0xFFFFFFu));
}

uint32_t ink()
{
    return PCurve::opaqueBlack;
}

uint32_t paper()
{
    return PCurve::opaqueWhite;
}

PCurve* curve(const std::vector<Pt>& at, bool closed, uint32_t fill, uint32_t line, bool sharp)
{
    auto* made = new PCurve();
    made->setClosed(closed);
    made->fillColour = fill;
    made->lineColour = line;
    for (const auto& p : at)
    {
        auto* point = new PPoint(p.x, p.y);
        point->sharpness = sharp ? corner : 0;
        made->points.append(point);
    }
    return made;
}

PCurve* taperedLine(const std::vector<Pt>& at, const std::vector<uint16_t>& thickness, uint32_t line)
{
    auto* made = curve(at, false, none, line);
    for (int i = 0; i < made->points.size() && i < static_cast<int>(thickness.size()); ++i)
        made->pointAt(i)->thickness = thickness[static_cast<size_t>(i)];
    return made;
}

PCurve* ellipse(float cx, float cy, float rx, float ry, uint32_t fill, uint32_t line, uint16_t thickness)
{
    std::vector<Pt> at;
    for (int i = 0; i < ellipseAnchors; ++i)
    {
        const float a = twoPi * static_cast<float>(i) / ellipseAnchors;
        at.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    auto* made = curve(at, true, fill, line);
    setThickness(*made, thickness);
    return made;
}

PCurve* rect(float l, float b, float r, float t, uint32_t fill, uint32_t line)
{
    return curve({{l, b}, {r, b}, {r, t}, {l, t}}, true, fill, line, true);
}

PCurve* balloon(float cx, float cy, float rx, float ry, Pt tip)
{
    // The tail leaves the balloon between two anchors on the side that faces the tip.
    const float toward = std::atan2((tip.y - cy) / ry, (tip.x - cx) / rx);
    constexpr int anchors = 10;
    constexpr float tailHalfWidth = 0.22f;
    std::vector<Pt> at;
    std::vector<bool> sharp;
    for (int i = 0; i < anchors; ++i)
    {
        const float a = toward + tailHalfWidth + (twoPi - 2 * tailHalfWidth) * static_cast<float>(i) / (anchors - 1);
        at.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
        sharp.push_back(i == 0 || i == anchors - 1);
    }
    at.push_back(tip);
    sharp.push_back(true);
    auto* made = curve(at, true, paper(), ink());
    for (int i = 0; i < made->points.size(); ++i)
        made->pointAt(i)->sharpness = sharp[static_cast<size_t>(i)] ? 60 : 0;
    made->pointAt(made->points.size() - 1)->sharpness = corner;
    return made;
}

void setThickness(PCurve& shape, uint16_t thickness)
{
    for (int i = 0; i < shape.points.size(); ++i)
        shape.pointAt(i)->thickness = thickness;
}

PPanel* panel(const std::vector<Pt>& corners, bool sharp)
{
    auto* made = new PPanel();
    for (const auto& p : corners)
    {
        auto* point = new PPoint(p.x, p.y);
        point->sharpness = sharp ? corner : 0;
        point->thickness = 70;
        made->points.append(point);
    }
    made->setClosed(true);
    // Panels made in the editor carry an attachment; the samples should load like them.
    made->attachment = std::make_unique<PShape>();
    return made;
}

PPanel* rectPanel(float l, float b, float r, float t)
{
    return panel({{l, b}, {r, b}, {r, t}, {l, t}});
}

PLayer* layer(const char* name, int index, uint16_t tag, uint16_t stroke)
{
    auto* made = new PLayer();
    made->name.assign(juce::String(juce::CharPointer_UTF8(name)));
    made->index = index;
    made->tag = tag;
    made->stroke = stroke;
    return made;
}

PLayer* addLayer(PPanel& owner, const char* name, uint16_t tag, uint16_t stroke)
{
    auto* made = layer(name, owner.layers.size(), tag, stroke);
    owner.layers.append(made);
    made->panel = &owner;
    return made;
}

PText* text(const juce::String& words, float x, float y, const TextStyle& style)
{
    auto* made = new PText();
    made->text.assign(words);
    made->fontSpec.face.assign(style.face);
    made->fontSpec.size = style.size;
    made->fontSpec.style = style.style;
    made->align = style.align;
    made->colour = style.colour;
    return at(made, x, y, style.scale);
}

PGroup* group(std::initializer_list<PShape*> members)
{
    auto* made = new PGroup();
    for (auto* member : members)
        made->children.append(member);
    return made;
}

PGroup* clippingGroup(std::initializer_list<PShape*> members)
{
    auto* made = group(members);
    made->flags |= PGroup::framed;
    return made;
}

PGroup* placed(const PGroup& artwork, float x, float y, float scale)
{
    auto* made = new PGroup();
    made->children.deepCopy(artwork.children);
    return at(made, x, y, scale);
}

PGroup* bent(const PGroup& artwork, float x, float y, float scale, uint16_t mode, std::initializer_list<Bend> bends)
{
    auto* made = placed(artwork, x, y, scale);
    made->deformMode = mode;
    for (const auto& bend : bends)
        made->gridTo[static_cast<size_t>(bend.index)] = {bend.offset.x, bend.offset.y};
    made->flags |= PGroup::deformed;
    return made;
}
} // namespace kit
