#pragma once

// A small comic that holds an object of every class a comic file can carry: curves open and
// closed with steady and varying lines, a text, an image, a plain, a deformed and a
// panel-holding group, brushes of every kind with their pattern, clips and decor. Tests of
// loaders, writers and views share it so that each of them meets the whole tree.

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
inline PCurve* curveThrough(std::initializer_list<std::pair<float, float>> at, bool closed = false)
{
    auto* curve = new PCurve();
    curve->setClosed(closed);
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
    panel->lineColour = 0xFF000000;
    panel->fillColour = 0xFF0000FF;
    return panel;
}

inline PBrush* brushOfKind(uint16_t kind, float y)
{
    auto* brush = new PBrush();
    brush->kind = kind;
    brush->seed = (int16_t) (7 * kind);
    brush->points.append(new PPoint(-3, y));
    brush->points.append(new PPoint(0, y + 0.5f));
    brush->points.append(new PPoint(3, y));
    brush->pattern = std::make_unique<PClip>();
    brush->pattern->clipSize = 2;
    brush->pattern->cardFor(0)->shapes.append(curveThrough({{0, 0}, {0.5f, 0.5f}, {1, 0}}));
    return brush;
}

inline PLayer* artworkLayer(const char* name, int tag)
{
    auto* layer = new PLayer();
    layer->name.assign(name);
    layer->tag = (uint16_t) tag;

    auto* wave = curveThrough({{-4, 3}, {-2, 4}, {0, 3}, {2, 4}});
    wave->pointAt(1)->thickness = 100;
    wave->lineColour = 0xFF00FF40; // a hue of 0 at full saturation and middle lightness: red
    layer->shapes.append(wave);
    auto* blob = curveThrough({{-3, -1}, {-1, 1}, {1, -1}}, true);
    blob->fillColour = 0xFF55FF80;
    layer->shapes.append(blob);

    auto* text = new PText();
    text->text.assign("Hello\nworld");
    text->x = 2;
    text->y = -3;
    layer->shapes.append(text);

    auto* image = new PImage();
    image->setFile("missing-picture.png");
    image->pixelWidth = 64;
    image->pixelHeight = 48;
    layer->shapes.append(image);
    return layer;
}

inline PGroup* deformedGroup()
{
    auto* group = new PGroup();
    group->children.append(curveThrough({{-2, -6}, {0, -5}, {2, -6}}));
    group->children.append(curveThrough({{-2, -7}, {2, -7}, {2, -8}, {-2, -8}}, true));
    group->deformMode = 5;
    group->gridTo[8].y = 0.4f;
    group->flags |= PGroup::deformed;
    return group;
}

inline PGroup* panelGroup()
{
    auto* group = new PGroup();
    group->children.append(panelAround(3, -4, 6, -7));
    group->children.append(curveThrough({{3, -5}, {7, -6}}));
    group->flags |= PGroup::framed;
    return group;
}

/** Fills an empty comic with the sample tree: one page of one panel with two layers (tags 1 and
    2), and a second page without panels. */
inline void fill(PComic& comic)
{
    comic.name.assign("Sample");
    comic.author.assign("A. Artist");
    comic.format = PPageFormat::a5;
    comic.applyPageFormat();

    auto* ink = artworkLayer("Ink", 1);
    ink->shapes.append(deformedGroup());
    ink->shapes.append(panelGroup());
    auto* colour = artworkLayer("Colour", 2);
    for (uint16_t kind = PBrushGenerator::area; kind <= PBrushGenerator::fine; ++kind)
        colour->shapes.append(brushOfKind(kind, -2.0f * kind));

    auto* panel = panelAround(-6, 8, 6, -8);
    panel->layers.append(ink);
    panel->layers.append(colour);
    auto* page = new PPage();
    page->name.assign("One");
    page->width = comic.width;
    page->height = comic.height;
    page->panels.append(panel);
    comic.pages.append(page);
    auto* empty = new PPage();
    empty->width = comic.width;
    empty->height = comic.height;
    comic.pages.append(empty);

    auto* clip = new PClip();
    clip->name.assign("Tree");
    clip->cardFor(2)->shapes.append(curveThrough({{0, 0}, {1, 2}, {2, 0}}, true));
    comic.clips.append(clip);
    auto* decor = new PDecor();
    decor->contentForEdit().children.append(curveThrough({{0, 0}, {3, 1}}));
    comic.decor.append(decor);
    comic.decor.append(new PDecor());
}
} // namespace sample
