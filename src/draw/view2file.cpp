#include "draw/view2file.h"

#include <algorithm>
#include <cmath>

#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/panel.h"
#include "model/text.h"

namespace
{
constexpr float percent = 100.0f;
constexpr double largestSize = 1.0e6;
} // namespace

int PView2file::roundedSize(double v)
{
    return std::isfinite(v) ? roundHalfAway(std::clamp(v, -largestSize, largestSize)) : 0;
}

void PView2file::drawPanel(PPanel& panel)
{
    panel.build(*this);
    // A panel without an outline clips everything it holds away.
    if (panel.centrePath.isEmpty())
        return;
    openPanel(panel);
    for (PLayer* layer : sortedLayers(panel))
        if (!layer->isHidden() && !layer->shapes.isEmpty())
            drawLayer(*layer);
    closePanel();
    drawPanelLine(panel);
}

void PView2file::drawLayer(PLayer& layer)
{
    penSetting = layer.stroke;
    openGroup();
    for (PBase* shape : layer.shapes)
        drawMember(*static_cast<PShape*>(shape), false);
    closeGroup();
    penSetting = PLayer::defaultStroke;
}

void PView2file::drawMember(PShape& shape, bool insideDeformedGroup)
{
    switch (shape.classId())
    {
    case PClass::curve: drawCurve(static_cast<PCurve&>(shape), false); break;
    case PClass::image: drawImage(static_cast<PImage&>(shape), false, false); break;
    case PClass::text: drawText(static_cast<PText&>(shape), false); break;
    case PClass::group:
    {
        auto& group = static_cast<PGroup&>(shape);
        if (!insideDeformedGroup && group.hasFlag(PGroup::deformed))
            drawDeformedGroup(group);
        else if (group.findPanel() != nullptr)
            drawPanelGroup(group);
        else
            drawGroup(group);
        break;
    }
    default: break; // brushes belong to the screen and the bitmaps; panels are drawn by the page
    }
}

void PView2file::drawGroup(PGroup& group)
{
    openGroup();
    // A refused push would leave the members on the parent's matrix and the pop would unwind it.
    if (depth < stackDepth)
    {
        pushShape(group);
        for (PBase* child : group.children)
        {
            const uint16_t id = child->classId();
            if (id == PClass::curve || id == PClass::image || id == PClass::text)
                drawMember(*static_cast<PShape*>(child), false);
        }
        pop();
    }
    closeGroup();
}

void PView2file::drawDeformedGroup(PGroup& group)
{
    if (!group.hasFlag(PGroup::deformed))
    {
        drawGroup(group);
        return;
    }
    openGroup();
    if (depth < stackDepth)
    {
        pushShape(group);
        const bool warped = group.isDeformed();
        if (warped)
            beginDeform(group);
        for (PBase* child : group.children)
            drawMember(*static_cast<PShape*>(child), true);
        if (warped)
            endDeform();
        pop();
    }
    closeGroup();
}

void PView2file::drawPanelGroup(PGroup& group)
{
    PPanel* panel = group.findPanel();
    if (panel == nullptr || depth >= stackDepth)
        return;
    pushShape(group);
    panel->build(*this);
    if (!panel->centrePath.isEmpty())
    {
        openPanel(*panel);
        for (PBase* child : group.children)
            if (child->classId() == PClass::curve)
                drawCurve(*static_cast<PCurve*>(child), false);
        closePanel();
        drawPanelLine(*panel);
    }
    pop();
}

PMatrix PView2file::frameOf(const PShape& shape, const PMatrix& local, float spanX, float spanY) const
{
    if (!isDeforming() || spanX == 0 || spanY == 0)
        return current * shape.transform() * local;
    const PMatrix own = shape.transform() * local;
    float xs[] = {0, spanX, 0}, ys[] = {0, 0, spanY};
    for (int i = 0; i < 3; ++i)
    {
        own.transform(xs[i], ys[i]);
        mapToPage(xs[i], ys[i]);
    }
    PMatrix m;
    m.m[0] = (xs[1] - xs[0]) / spanX;
    m.m[1] = (ys[1] - ys[0]) / spanX;
    m.m[3] = (xs[2] - xs[0]) / spanY;
    m.m[4] = (ys[2] - ys[0]) / spanY;
    m.m[6] = xs[0];
    m.m[7] = ys[0];
    return m;
}

float PView2file::lineWidthOf(const PCurve& curve) const
{
    const float thickness = curve.points.isEmpty() ? 0.0f : curve.pointAt(0)->thickness;
    return penWidth() * fitFactor * zoom * (thickness / percent);
}

void PView2file::setFixedDevice(float sx, float sy, float ox, float oy, float w, float h)
{
    pixelsPerUnitX = sx;
    pixelsPerUnitY = sy;
    originX = ox;
    originY = oy;
    fitFactor = 1;
    zoom = 1;
    viewX = viewY = 0;
    viewW = w;
    viewH = h;
    device = PMatrix::translation(ox, oy) * PMatrix::scale(sx, sy);
    deviceInverse = PMatrix::scale(1 / sx, 1 / sy) * PMatrix::translation(-ox, -oy);
    resetMatrices();
}
