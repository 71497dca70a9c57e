#pragma once

// The comic every large-scale benchmark measures: 24 pages of 6 panels with 2 layers of 40
// curves of 12 points each, a text per layer, brushes of every kind and a deformed group on
// every page. A fixed seed makes it the same comic in every run.

#include <random>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"

namespace largecomic
{
constexpr int pages = 24, panelsPerPage = 6, layersPerPanel = 2, curvesPerLayer = 40, pointsPerCurve = 12;

inline PCurve* randomCurve(std::mt19937& random, float cx, float cy, float spread, int points)
{
    std::uniform_real_distribution<float> offset(-spread, spread);
    std::uniform_int_distribution<int> thickness(20, 100);
    auto* curve = new PCurve();
    curve->setClosed(random() % 3 == 0);
    curve->fillColour = 0xFF000000u | static_cast<uint32_t>(random() & 0xFFFFFF);
    curve->lineColour = 0xFF000000u | static_cast<uint32_t>(random() & 0xFFFFFF);
    for (int i = 0; i < points; ++i)
    {
        auto* point = new PPoint(cx + offset(random), cy + offset(random));
        point->thickness = static_cast<uint16_t>(thickness(random));
        curve->points.append(point);
    }
    return curve;
}

inline PPanel* panelAt(float l, float t, float r, float b)
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

inline PBrush* brushOfKind(uint16_t kind, float cx, float cy)
{
    auto* brush = new PBrush();
    brush->kind = kind;
    brush->seed = static_cast<int16_t>(kind);
    for (int i = 0; i < 6; ++i)
        brush->points.append(new PPoint(cx - 2.5f + i, cy + (i % 2 == 0 ? 0.4f : -0.4f)));
    brush->pattern = std::make_unique<PClip>();
    brush->pattern->clipSize = 2;
    auto* hump = new PCurve();
    for (const auto& [x, y] : {std::pair{0.0f, 0.0f}, {0.5f, 0.5f}, {1.0f, 0.0f}})
        hump->points.append(new PPoint(x, y));
    brush->pattern->cardFor(0)->shapes.append(hump);
    return brush;
}

inline PGroup* deformedGroup(std::mt19937& random, float cx, float cy)
{
    auto* group = new PGroup();
    for (int i = 0; i < 4; ++i)
        group->children.append(randomCurve(random, cx, cy, 1.5f, pointsPerCurve));
    group->deformMode = 5;
    group->gridTo[8].y = 0.5f;
    group->flags |= PGroup::deformed;
    return group;
}

inline PLayer* layerOf(std::mt19937& random, int index, float cx, float cy, float spread)
{
    auto* layer = new PLayer();
    layer->index = index;
    layer->tag = static_cast<uint16_t>(index + 1);
    for (int c = 0; c < curvesPerLayer; ++c)
        layer->shapes.append(randomCurve(random, cx, cy, spread, pointsPerCurve));
    auto* text = new PText();
    text->text.assign("Once upon a time\nthere was a comic");
    text->x = cx;
    text->y = cy;
    layer->shapes.append(text);
    return layer;
}

/** The page's panels in a 2 x 3 grid; the first panel also carries the brushes and the group. */
inline PPage* pageOf(std::mt19937& random, float width, float height)
{
    auto* page = new PPage();
    page->width = width;
    page->height = height;
    const float cellW = width / 2, cellH = height / 3;
    for (int p = 0; p < panelsPerPage; ++p)
    {
        const float l = -width / 2 + static_cast<float>(p % 2) * cellW,
                    t = height / 2 - static_cast<float>(p / 2) * cellH;
        auto* panel = panelAt(l + 0.3f, t - 0.3f, l + cellW - 0.3f, t - cellH + 0.3f);
        const float cx = l + cellW / 2, cy = t - cellH / 2;
        for (int i = 0; i < layersPerPanel; ++i)
            panel->layers.append(layerOf(random, i, cx, cy, cellW / 3));
        if (p == 0)
        {
            auto* top = panel->layers.get<PLayer>(layersPerPanel - 1);
            for (uint16_t kind = PBrushGenerator::area; kind <= PBrushGenerator::fine; ++kind)
                top->shapes.append(brushOfKind(kind, cx, cy - 2 + kind));
            top->shapes.append(deformedGroup(random, cx, cy));
        }
        page->panels.append(panel);
    }
    return page;
}

inline void fill(PComic& comic)
{
    std::mt19937 random(24);
    comic.name.assign("Large");
    comic.format = PPageFormat::a4;
    comic.applyPageFormat();
    for (int i = 0; i < pages; ++i)
        comic.pages.append(pageOf(random, comic.width, comic.height));
}

/** One page of `curves` random curves in one panel, for drawing benchmarks. */
inline PPage* pageOfCurves(int curves, float width, float height)
{
    std::mt19937 random(1000);
    auto* page = new PPage();
    page->width = width;
    page->height = height;
    auto* panel = panelAt(-width / 2 + 0.5f, height / 2 - 0.5f, width / 2 - 0.5f, -height / 2 + 0.5f);
    auto* layer = new PLayer();
    for (int c = 0; c < curves; ++c)
        layer->shapes.append(randomCurve(random, 0, 0, width / 2, pointsPerCurve));
    panel->layers.append(layer);
    page->panels.append(panel);
    return page;
}
} // namespace largecomic
