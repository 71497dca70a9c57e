#include "draw/view2.h"

#include <algorithm>
#include <cmath>

#include "model/brush.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/shape.h"

namespace
{
constexpr float fitMargin = 1.5f;
constexpr float smallestFitSide = 0.1f;
constexpr int16_t lowestDpi = 10;
constexpr float smallestViewportSide = 1.0f;

/** The rectangle the viewport fits: a page is centred on the page origin, a shape brings the
    bounds of its last build (or, before any build, those of its points). */
PRect fitBoundsOf(const PBase& source)
{
    if (source.classId() == PClass::page)
    {
        const auto& page = static_cast<const PPage&>(source);
        return PRect::of(-page.width * 0.5f, -page.height * 0.5f, page.width * 0.5f, page.height * 0.5f);
    }
    if (!isShape(&source))
        return PRect::empty();
    const auto& shape = static_cast<const PShape&>(source);
    const PRect& built = shape.bounds;
    const bool neverBuilt = built.left == 0 && built.top == 0 && built.right == 0 && built.bottom == 0;
    if (!neverBuilt && !built.isEmpty())
        return built;
    PRect raw;
    shape.getBounds(raw, false);
    return raw;
}

bool isUsableScale(float s)
{
    return std::isfinite(s) && s != 0.0f;
}
} // namespace

void PView2::setViewport(float vx, float vy, float vw, float vh, float panDx, float panDy, float zoomFactor)
{
    viewX = vx;
    viewY = vy;
    viewW = std::max(vw, smallestViewportSide);
    viewH = std::max(vh, smallestViewportSide);
    panX = panDx;
    panY = panDy;
    zoom = zoomFactor;
    dpi = std::max(dpi, lowestDpi);

    fitFactor = 1;
    fitOffsetX = 0;
    fitOffsetY = 0;
    if (fitSource != nullptr)
    {
        PRect b = fitBoundsOf(*fitSource);
        b.left -= fitMargin;
        b.top -= fitMargin;
        b.right += fitMargin;
        b.bottom += fitMargin;
        if (b.width() > smallestFitSide && b.height() > smallestFitSide)
        {
            const float k = dpi * inchesPerCentimetre;
            fitFactor = std::min(viewW / (b.width() * k), viewH / (b.height() * k));
            fitOffsetX = -(b.left + b.right) * 0.5f * fitFactor * k;
            fitOffsetY = (b.top + b.bottom) * 0.5f * fitFactor * k;
        }
    }

    const float s = fitFactor * dpi * zoom * inchesPerCentimetre;
    const float sign = flipY ? 1.0f : -1.0f;
    pixelsPerUnitX = s;
    pixelsPerUnitY = sign * s;
    originX = viewX + viewW * 0.5f + panX + fitOffsetX;
    // Without flip the device y axis points down, against the page's, so pan and centring change sign.
    originY = viewY + viewH * 0.5f - sign * (panY + fitOffsetY);

    device = PMatrix::identity();
    device.m[0] = pixelsPerUnitX;
    device.m[4] = pixelsPerUnitY;
    device.m[6] = originX;
    device.m[7] = originY;

    // A zero zoom collapses the page to a point; the inverse then stays harmless instead of infinite.
    deviceInverse = PMatrix::identity();
    if (isUsableScale(pixelsPerUnitX) && isUsableScale(pixelsPerUnitY))
    {
        deviceInverse.m[0] = 1.0f / pixelsPerUnitX;
        deviceInverse.m[4] = 1.0f / pixelsPerUnitY;
        deviceInverse.m[6] = -originX / pixelsPerUnitX;
        deviceInverse.m[7] = -originY / pixelsPerUnitY;
    }
}

void PView2::drawBrush(PBrush& brush, bool guide)
{
    brush.build(*this);
    if ((flags & simplifiedAll) != 0 || guide)
    {
        drawCurve(brush, guide);
        return;
    }
    // While editing, the strokes show as thin outlines with the unfilled guide over them, so the
    // artist sees both what was generated and what it follows.
    const bool editing = (flags & (outputMode | simplifiedLines)) == 0;
    for (int i = 0; i < brush.strokes.size(); ++i)
    {
        PCurve* stroke = brush.strokeAt(i);
        pushShape(*stroke);
        drawCurve(*stroke, editing);
        pop();
    }
    if (!editing)
        return;
    const uint32_t before = flags;
    flags |= noFills;
    drawCurve(brush, false);
    flags = (flags & ~noFills) | (before & noFills);
}

std::vector<PLayer*> PView2::sortedLayers(const PPanel& panel)
{
    std::vector<PLayer*> layers;
    for (int i = 0; i < panel.layers.size(); ++i)
        layers.push_back(panel.layers.get<PLayer>(i));
    std::stable_sort(layers.begin(), layers.end(),
                     [](const PLayer* a, const PLayer* b) { return compareItems(*a, *b) < 0; });
    return layers;
}
