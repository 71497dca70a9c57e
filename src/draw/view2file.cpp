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
    fillPanel(panel);
    if (beginClip(panel.centrePath) && pushPanelFrame(panel))
    {
        for (PLayer* layer : sortedLayers(panel))
            if (!layer->isHidden() && !layer->shapes.isEmpty())
                drawLayer(*layer);
        pop();
    }
    endClip();
    drawPanelLine(panel);
}

void PView2file::drawLayer(PLayer& layer)
{
    penSetting = layer.stroke;
    openGroup();
    drawShapes(layer.shapes);
    closeGroup();
    penSetting = PLayer::defaultStroke;
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
