#pragma once

// A 21 x 29.7 cm page holding one panel with a layer of 1000 small wavy curves: what the canvas
// and the raster export benchmarks draw.

#include <cmath>

#include "model/comic.h"
#include "model/curve.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"

namespace busypage
{
constexpr int curveCount = 1000;
constexpr float pageWidth = 21.0f, pageHeight = 29.7f;
constexpr int screenWidth = 1920, screenHeight = 1080;

/** A small wavy curve somewhere on the page: every third closed and filled, every other one tapering. */
inline PCurve* makeCurve(int i)
{
    auto* curve = new PCurve();
    const float cx = std::fmod(i * 7.3f, pageWidth - 2) - pageWidth / 2 + 1;
    const float cy = std::fmod(i * 3.1f, pageHeight - 2) - pageHeight / 2 + 1;
    for (int k = 0; k < 6; ++k)
    {
        auto* p = new PPoint(cx + 0.3f * k, cy + 0.4f * std::sin(static_cast<float>(i + k)));
        p->thickness = static_cast<uint16_t>(i % 2 == 0 ? 50 : 30 + 20 * k);
        curve->points.append(p);
    }
    curve->setClosed(i % 3 == 0);
    curve->fillColour = 0xFF000000u | static_cast<uint32_t>((i * 37) % 256) << 16 | 0xA080u;
    return curve;
}

struct BusyPage
{
    BusyPage()
    {
        page = new PPage();
        page->width = pageWidth;
        page->height = pageHeight;
        auto* panel = new PPanel();
        for (const auto& [x, y] : {std::pair{-10.0f, -14.0f}, {10.0f, -14.0f}, {10.0f, 14.0f}, {-10.0f, 14.0f}})
            panel->points.append(new PPoint(x, y));
        panel->setClosed(true);
        auto* layer = new PLayer();
        for (int i = 0; i < curveCount; ++i)
            layer->shapes.append(makeCurve(i));
        panel->layers.append(layer);
        panel->adoptLayers();
        page->panels.append(panel);
        comic.pages.append(page);
    }

    PComic comic;
    PPage* page = nullptr;
};

} // namespace busypage
