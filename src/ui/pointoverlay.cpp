#include "ui/pointoverlay.h"

#include <algorithm>
#include <cmath>

#include "draw/view2gui.h"
#include "model/curve.h"
#include "model/point.h"

namespace
{
constexpr float gap = 2, offset = 12, thinLine = 1, levelStep = 25;
/** The rounding of the sharpness icons at level 0; level 100 is a square corner. */
constexpr float roundestCorner = 4;

bool isValueButton(PHitKind kind)
{
    return hitWithin(kind, PHitKind::firstThickness, PHitKind::lastSharpness);
}
} // namespace

PPointOverlay::PPointOverlay(const PCurve& shown, int selectedPoint, const PMatrix& shapeToScreen)
    : curve(shown), selected(selectedPoint), toScreen(shapeToScreen)
{
    for (int i = 0; i < curve.points.size(); ++i)
        points.push_back(screenPoint(i));
    if (selected >= static_cast<int>(points.size()))
        selected = -1;
}

juce::Point<float> PPointOverlay::screenPoint(int i) const
{
    float px = curve.pointAt(i)->x, py = curve.pointAt(i)->y;
    toScreen.transform(px, py);
    return {px, py};
}

uint16_t PPointOverlay::valueOf(PHitKind kind)
{
    const int step = kind >= PHitKind::firstSharpness ? hitOffset(kind, PHitKind::firstSharpness)
                                                      : hitOffset(kind, PHitKind::firstThickness);
    return static_cast<uint16_t>(std::clamp(step, 0, buttonsPerRow - 1) * static_cast<int>(levelStep));
}

juce::Rectangle<float> PPointOverlay::controlBox(PHitKind kind) const
{
    if (selected < 0)
        return {};
    // Below and right of the point, so that the point itself stays visible and grabbable.
    const auto p = points[static_cast<size_t>(selected)];
    int column = 0, row = 0;
    if (kind == PHitKind::showRows || kind == PHitKind::hideRows)
        column = 1;
    else if (kind >= PHitKind::firstSharpness)
        column = hitOffset(kind, PHitKind::firstSharpness), row = 2;
    else if (kind >= PHitKind::firstThickness)
        column = hitOffset(kind, PHitKind::firstThickness), row = 1;
    return {p.x + offset + static_cast<float>(column) * (buttonSide + gap),
            p.y + offset + static_cast<float>(row) * (buttonSide + gap), buttonSide, buttonSide};
}

PPointOverlay::Hit PPointOverlay::hitAt(float sx, float sy, bool rowsShown) const
{
    const juce::Point<float> at(sx, sy);
    // Points before the controls, so that a point the controls happen to cover can still be grabbed;
    // the selected point first, so that it can always be dragged off a pile of points.
    if (selected >= 0 && points[static_cast<size_t>(selected)].getDistanceFrom(at) <= pointReach)
        return {PHitKind::point, selected};
    for (size_t i = 0; i < points.size(); ++i)
        if (points[i].getDistanceFrom(at) <= pointReach)
            return {PHitKind::point, static_cast<int>(i)};
    if (selected >= 0)
    {
        std::vector<PHitKind> controls{PHitKind::removeControl, rowsShown ? PHitKind::hideRows : PHitKind::showRows};
        if (rowsShown)
            for (auto k = PHitKind::firstThickness; isValueButton(k); k = hitAfter(k, 1))
                controls.push_back(k);
        for (PHitKind kind : controls)
            if (controlBox(kind).contains(at))
                return {kind, selected};
    }
    return segmentAt(at);
}

PPointOverlay::Hit PPointOverlay::segmentAt(juce::Point<float> at) const
{
    const size_t n = points.size();
    const size_t segments = curve.isClosed() ? n : (n > 0 ? n - 1 : 0);
    for (size_t i = 0; i < segments && n >= 2; ++i)
    {
        const auto a = points[i], b = points[(i + 1) % n];
        const auto ab = b - a;
        const float length2 = ab.x * ab.x + ab.y * ab.y;
        if (!(length2 > 0))
            continue;
        const float t = ((at - a).x * ab.x + (at - a).y * ab.y) / length2;
        if (t <= 0 || t >= 1 || (a + ab * t).getDistanceFrom(at) > segmentReach)
            continue;
        // A straight map keeps ratios, so the new point sits at the same share of the chord.
        const PPoint& p = *curve.pointAt(static_cast<int>(i));
        const PPoint& q = *curve.pointAt(static_cast<int>((i + 1) % n));
        return {PHitKind::segment, static_cast<int>(i + 1), p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t};
    }
    return {};
}

void PPointOverlay::draw(PView2gui& view, uint32_t colour, uint32_t highlight, bool rowsShown) const
{
    view.setColour(colour);
    for (size_t i = 0; i < points.size(); ++i)
        view.squareMarker(points[i].x, points[i].y, pointReach / 2, static_cast<int>(i) == selected ? 0 : thinLine);
    if (selected < 0)
        return;
    const PPoint& point = *curve.pointAt(selected);
    const auto remove = controlBox(PHitKind::removeControl);
    view.rectangle(remove.getX(), remove.getY(), remove.getWidth(), remove.getHeight(), thinLine);
    const auto cross = remove.reduced(3);
    view.line(cross.getX(), cross.getY(), cross.getRight(), cross.getBottom(), thinLine);
    view.line(cross.getX(), cross.getBottom(), cross.getRight(), cross.getY(), thinLine);
    const auto toggle = controlBox(PHitKind::showRows);
    view.rectangle(toggle.getX(), toggle.getY(), toggle.getWidth(), toggle.getHeight(), thinLine);
    view.line(toggle.getX() + 3, toggle.getCentreY(), toggle.getRight() - 3, toggle.getCentreY(), thinLine);
    if (!rowsShown)
        view.line(toggle.getCentreX(), toggle.getY() + 3, toggle.getCentreX(), toggle.getBottom() - 3, thinLine);
    if (!rowsShown)
        return;
    for (auto kind = PHitKind::firstThickness; isValueButton(kind); kind = hitAfter(kind, 1))
    {
        const auto box = controlBox(kind);
        const bool sharpness = kind >= PHitKind::firstSharpness;
        const uint16_t current = sharpness ? point.sharpness : point.thickness;
        view.setColour(current == valueOf(kind) ? highlight : colour);
        view.rectangle(box.getX(), box.getY(), box.getWidth(), box.getHeight(), thinLine);
        const float level = static_cast<float>(valueOf(kind)) / levelStep;
        const auto inner = box.reduced(3);
        if (sharpness)
            view.roundedRectangle(inner.getX(), inner.getY(), inner.getWidth(), inner.getHeight(),
                                  roundestCorner * (1 - level / 4), thinLine);
        else
            view.line(inner.getX(), inner.getCentreY(), inner.getRight(), inner.getCentreY(),
                      std::max(thinLine / 2, level * 1.5f));
    }
}
