#pragma once

// The one comic of the test suite: it holds an object of every class a comic file can carry, with
// fields away from their defaults, so that loaders, writers, views and the history all meet the
// whole tree. Curves open and closed with steady and varying lines, a text, an image, a plain, a
// deformed and a panel-holding group, brushes of every kind, a clip and decor.

#include <initializer_list>
#include <utility>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/curve.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"

namespace sample
{
inline PCurve* curveThrough(std::initializer_list<std::pair<float, float>> at, bool closed = false,
                            uint32_t fill = PCurve::opaqueWhite)
{
    auto* curve = new PCurve();
    curve->setClosed(closed);
    curve->fillColour = fill;
    for (const auto& [x, y] : at)
        curve->points.append(new PPoint(x, y));
    return curve;
}

inline PPanel* panelAround(float l, float t, float r, float b)
{
    auto* panel = new PPanel();
    for (const auto& [x, y] : {std::pair{l, t}, {r, t}, {r, b}, {l, b}})
    {
        auto* corner = new PPoint(x, y);
        corner->sharpness = 100;
        panel->points.append(corner);
    }
    return panel;
}

inline PBrush* brushOfKind(uint16_t kind, float y)
{
    auto* brush = new PBrush();
    brush->kind = kind;
    brush->seed = static_cast<int16_t>(7 * kind);
    brush->density = 0.25f, brush->largeness = 0.75f, brush->distribute = 0.125f, brush->oscillate = 0.375f;
    brush->points.append(new PPoint(-3, y));
    brush->points.append(new PPoint(0, y + 0.5f));
    brush->points.append(new PPoint(3, y));
    brush->pointAt(1)->variant = 2;
    if (kind == PBrushGenerator::thick)
        return brush; // the ribbon needs no pattern
    brush->pattern = std::make_unique<PClip>();
    brush->pattern->clipSize = 2;
    brush->pattern->cardFor(0)->shapes.append(curveThrough({{0, 0}, {0.5f, 0.5f}, {1, 0}}));
    return brush;
}

/** The objects of the tree that tests reach for by name; all of them live in the comic. */
struct Parts
{
    PPage* page = nullptr;
    PPanel* panel = nullptr;
    /** The "Ink" layer, holding one shape of every class. */
    PLayer* layer = nullptr;
    /** A closed, filled curve of three points at the bottom of the layer. */
    PCurve* curve = nullptr;
    PText* text = nullptr;
    PImage* image = nullptr;
    /** A plain group of two closed curves, filled black and light blue. */
    PGroup* group = nullptr;
    /** An area brush at the top of the layer, its strokes not yet generated. */
    PBrush* brush = nullptr;
    PClip* clip = nullptr;
    /** The decor with content; a second one has none. */
    PDecor* decor = nullptr;
};

inline PLayer* inkLayer(Parts& parts)
{
    auto* layer = parts.layer = new PLayer();
    layer->name.assign("Ink");
    layer->tag = 1;
    layer->stroke = 70;

    parts.curve = curveThrough({{-3, -1}, {-1, 1}, {1, -1}}, true, 0xFF55FF80);
    parts.curve->pointAt(1)->sharpness = 40;
    layer->shapes.append(parts.curve);
    auto* wave = curveThrough({{-4, 3}, {-2, 4}, {0, 3}, {2, 4}});
    wave->pointAt(1)->thickness = 100;
    wave->pointAt(2)->flags |= PPoint::gap;
    wave->lineColour = 0xFF00FF40; // a hue of 0 at full saturation and middle lightness: red
    wave->flags |= PFlag::hidden;
    layer->shapes.append(wave);

    auto* text = parts.text = new PText();
    text->text.assign(juce::String(juce::CharPointer_UTF8("Hello\nw\xc3\xb6rld")));
    text->x = 2, text->y = -3, text->scaleX = 1.5f, text->rotation = 0.25f;
    text->fontSpec.face.assign("DejaVu Sans");
    text->fontSpec.size = 70;
    text->fontSpec.style = PFontSpec::bold | PFontSpec::underlined;
    text->colour = 0x80123456;
    text->align = PText::alignLeft;
    layer->shapes.append(text);

    auto* image = parts.image = new PImage();
    image->setFile("missing-picture.png");
    image->flags |= PImage::byFullPath;
    image->pixelWidth = 64, image->pixelHeight = 48, image->imageTag = 9, image->opacity = 0.5f;
    layer->shapes.append(image);

    auto* group = parts.group = new PGroup();
    group->children.append(curveThrough({{5, 0}, {7, 1}, {6, 3}}, true, 0xFF000000));
    group->children.append(curveThrough({{8, 0}, {10, 1}, {9, 3}}, true, 0xFF1020FF));
    layer->shapes.append(group);

    auto* deformed = new PGroup();
    deformed->children.append(curveThrough({{-2, -6}, {0, -5}, {2, -6}}));
    deformed->children.append(curveThrough({{-2, -7}, {2, -7}, {2, -8}, {-2, -8}}, true));
    deformed->deformMode = 5, deformed->deformA = 0.25f, deformed->deformB = -2;
    deformed->gridTo[8].y = 0.4f;
    deformed->flags |= PGroup::deformed;
    layer->shapes.append(deformed);

    auto* framed = new PGroup();
    framed->children.append(panelAround(3, -4, 6, -7));
    framed->children.append(curveThrough({{3, -5}, {7, -6}}));
    framed->flags |= PGroup::framed;
    layer->shapes.append(framed);

    parts.brush = brushOfKind(PBrushGenerator::area, -9);
    layer->shapes.append(parts.brush);
    return layer;
}

/** Fills an empty comic with the sample tree: a first page of one panel with two layers (tags 1
    and 2) and a second page without panels, a clip and two decor. Answers the named parts. */
inline Parts fill(PComic& comic)
{
    Parts parts;
    comic.name.assign("Sample");
    comic.author.assign("A. Artist");
    comic.format = PPageFormat::a5;
    comic.applyPageFormat();

    auto* colour = new PLayer();
    colour->name.assign("Colour");
    colour->tag = 2;
    for (uint16_t kind = PBrushGenerator::thick; kind <= PBrushGenerator::fine; ++kind)
        colour->shapes.append(brushOfKind(kind, -2.0f * kind));
    colour->shapeAt(0)->flags |= PBrush::hangVertically;

    parts.panel = panelAround(-6, 8, 6, -8);
    parts.panel->fillColour = 0xFF2AFFD0;
    parts.panel->attachment = std::make_unique<PShape>();
    parts.panel->attachment->y = 3;
    parts.panel->layers.append(inkLayer(parts));
    parts.panel->layers.append(colour);
    parts.panel->adoptLayers();
    parts.page = new PPage();
    parts.page->name.assign("One");
    parts.page->tag = 12;
    parts.page->panels.append(parts.panel);
    comic.pages.append(parts.page);
    comic.pages.append(new PPage());
    comic.applySettings();

    parts.clip = new PClip();
    parts.clip->name.assign("Tree");
    parts.clip->tag = 2, parts.clip->clipSize = 4.5f, parts.clip->currentKey = 7;
    parts.clip->cardFor(2)->shapes.append(curveThrough({{0, 0}, {1, 2}, {2, 0}}, true));
    parts.clip->cardFor(65535)->shapes.append(new PText());
    comic.clips.append(parts.clip);
    parts.decor = new PDecor();
    parts.decor->name.assign("Arch");
    parts.decor->decorSize = 7.5f, parts.decor->currentKey = 9;
    parts.decor->contentForEdit().children.append(curveThrough({{0, 0}, {3, 1}}));
    parts.decor->content->gridTo[4] = {0.5f, -0.5f};
    comic.decor.append(parts.decor);
    comic.decor.append(new PDecor());
    return parts;
}
} // namespace sample
