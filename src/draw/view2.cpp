#include "draw/view2.h"

#include <algorithm>
#include <cmath>

#include "model/brush.h"
#include "model/glyphlock.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/shape.h"
#include "model/text.h"

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
    // While editing, the strokes look as they print (the canvas shows the selected brush's guide);
    // asked for, every brush shows as thin stroke outlines with the unfilled guide over them.
    const bool editing = (flags & (outputMode | simplifiedLines)) == 0;
    const bool outlines = editing && (flags & brushOutlines) != 0;
    for (int i = 0; i < brush.strokes.size(); ++i)
    {
        PCurve* stroke = brush.strokeAt(i);
        pushShape(*stroke);
        drawCurve(*stroke, outlines);
        pop();
    }
    if (!outlines)
        return;
    const uint32_t before = flags;
    flags |= noFills;
    drawCurve(brush, false);
    flags = (flags & ~noFills) | (before & noFills);
}

void PView2::drawShape(PShape& shape)
{
    if (&shape == leftOut)
        return;
    const bool top = shapeDepth == 0;
    if (top && !beginTopShape(shape))
        return;
    ++shapeDepth;
    drawShapeByClass(shape);
    --shapeDepth;
    if (top)
        endTopShape(shape);
}

void PView2::drawShapeByClass(PShape& shape)
{
    const bool selected = isSelectedLook(shape);
    switch (shape.classId())
    {
    case PClass::curve: drawCurve(static_cast<PCurve&>(shape), selected); break;
    case PClass::brush: drawBrush(static_cast<PBrush&>(shape), false); break;
    case PClass::image: drawImage(static_cast<PImage&>(shape), selected, false); break;
    case PClass::text:
    {
        // Measuring and outlining glyphs goes through the library's shared typefaces, which are
        // not safe to use from two threads at once; pages drawn in parallel take turns here.
        const PGlyphLock lock;
        drawText(static_cast<PText&>(shape), selected);
        break;
    }
    case PClass::group:
    {
        auto& group = static_cast<PGroup&>(shape);
        const bool before = inheritedSelected;
        inheritedSelected = selected;
        if (group.hasFlag(PGroup::deformed))
            drawDeformedGroup(group);
        else
            drawGroup(group);
        inheritedSelected = before;
        break;
    }
    default: break;
    }
}

void PView2::drawShapes(const PArray& shapes)
{
    for (PBase* shape : shapes)
        if (isShape(shape))
            drawShape(*static_cast<PShape*>(shape));
}

void PView2::drawPanelShape(PPanel& panel, uint16_t layerPen, PShape& shape)
{
    if (beginClip(panel.centrePath) && pushPanelFrame(panel))
    {
        const uint16_t pen = penSetting;
        penSetting = layerPen;
        drawShape(shape);
        penSetting = pen;
        pop();
    }
    endClip();
}

bool PView2::pushPanelFrame(const PPanel& panel)
{
    // A refused push would draw the artwork outside its panel's frame.
    if (depth >= stackDepth)
        return false;
    pushShape(panel);
    return true;
}

void PView2::drawGroup(PGroup& group)
{
    drawGroupMembers(group, false);
}

void PView2::drawDeformedGroup(PGroup& group)
{
    // Equal grids warp nothing; skipping the stage keeps the members' caches from being rebuilt every frame.
    drawGroupMembers(group, group.hasFlag(PGroup::deformed) && group.isDeformed());
}

void PView2::drawPanelGroup(PGroup& group)
{
    drawGroupMembers(group, false);
}

void PView2::drawGroupMembers(PGroup& group, bool warped)
{
    group.bounds = PRect::empty();
    // A refused push would leave the members on the parent's matrix, and the pop would unwind the parent.
    if (depth < stackDepth)
    {
        openGroup();
        pushShape(group);
        if (warped)
            beginDeform(group);
        if (PCurve* frame = group.clipFrame())
            drawFramedMembers(group, *frame);
        else
            for (PBase* child : group.children)
            {
                auto* shape = static_cast<PShape*>(child);
                drawShape(*shape);
                group.bounds.include(shape->bounds);
            }
        if (warped)
            endDeform();
        pop();
        closeGroup();
    }
    if (group.bounds.isEmpty())
        group.bounds = PRect::of(0, 0, 0, 0);
}

void PView2::drawFramedMembers(PGroup& group, PCurve& frame)
{
    const bool isPanel = frame.classId() == PClass::panel;
    frame.build(*this);
    // A panel frame is paper under the content with its line over it; any other frame is drawn as
    // the shape it is, with the content over it.
    if (isPanel)
        fillPanel(static_cast<PPanel&>(frame));
    else
        drawShape(frame);
    group.bounds.include(frame.bounds);
    if (!frame.centrePath.isEmpty())
    {
        if (beginClip(frame.centrePath))
            for (PBase* child : group.children)
                if (child != &frame)
                {
                    auto* shape = static_cast<PShape*>(child);
                    drawShape(*shape);
                    group.bounds.include(shape->bounds);
                }
        endClip();
    }
    if (isPanel)
        drawPanelLine(static_cast<PPanel&>(frame));
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
