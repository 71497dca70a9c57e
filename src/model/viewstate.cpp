#include "model/viewstate.h"

#include <cmath>

#include "model/brush.h"
#include "model/group.h"
#include "model/shape.h"

namespace
{
/** Drops what a build cached for a shape and everything under it, keeping generated brush strokes
    (only their geometry goes) and loaded pictures. */
void forgetBuiltGeometry(PShape& shape)
{
    switch (shape.classId())
    {
    case PClass::group:
        for (PBase* child : static_cast<PGroup&>(shape).children)
            forgetBuiltGeometry(*static_cast<PShape*>(child));
        shape.bounds = PRect::of(0, 0, 0, 0);
        return;
    case PClass::brush:
        for (PBase* stroke : static_cast<PBrush&>(shape).strokes)
            static_cast<PCurve*>(stroke)->PCurve::invalidate();
        static_cast<PCurve&>(shape).PCurve::invalidate();
        return;
    case PClass::curve:
    case PClass::panel: static_cast<PCurve&>(shape).PCurve::invalidate(); return;
    default: shape.invalidate(); return;
    }
}

constexpr float boxHitTolerance = 10.0f;

PRect pathBounds(const juce::Path& path)
{
    if (path.isEmpty())
        return PRect::of(0, 0, 0, 0);
    const auto r = path.getBounds();
    return PRect::of(r.getX(), r.getY(), r.getRight(), r.getBottom());
}
} // namespace

float PViewState::penWidthFor(int setting)
{
    switch (setting)
    {
    case 0: return 0.025f;
    case 25: return 0.05f;
    case 50: return 0.075f;
    case 100: return 0.125f;
    default: return 0.1f;
    }
}

void PViewState::push()
{
    if (depth >= stackDepth)
        return;
    stackMatrix[depth] = current;
    stackInverse[depth] = currentInverse;
    ++depth;
}

void PViewState::pushShape(const PShape& shape)
{
    if (depth >= stackDepth)
        return;
    push();
    current = current * shape.transform();
    currentInverse = shape.inverseTransform() * currentInverse;
}

void PViewState::pop()
{
    if (depth == 0)
        return;
    --depth;
    current = stackMatrix[depth];
    currentInverse = stackInverse[depth];
}

void PViewState::resetMatrices()
{
    current = PMatrix::identity();
    currentInverse = PMatrix::identity();
    depth = 0;
    deformStages.clear();
    deformMode = PDeform::off;
}

void PViewState::mapToPage(float& px, float& py) const
{
    current.transform(px, py);
    if (!deformStages.empty())
        deformPoint(px, py);
}

void PViewState::beginDeform(const PGroup& group)
{
    for (PBase* child : group.children)
        forgetBuiltGeometry(*static_cast<PShape*>(child));
    PDeform stage;
    stage.setUp(group, current);
    deformStages.push_back(stage);
    deformMode = stage.mode;
}

void PViewState::endDeform()
{
    if (!deformStages.empty())
        deformStages.pop_back();
    deformMode = deformStages.empty() ? PDeform::off : deformStages.back().mode;
}

void PViewState::deformPoint(float& px, float& py) const
{
    for (auto stage = deformStages.rbegin(); stage != deformStages.rend(); ++stage)
        stage->map(px, py);
}

bool PViewState::undeformPoint(float& px, float& py) const
{
    PDeform::Point p{px, py};
    for (const PDeform& stage : deformStages)
        if (!stage.unmap(p, p))
            return false;
    px = static_cast<float>(p.x);
    py = static_cast<float>(p.y);
    return true;
}

void PViewState::mapPoint(float& px, float& py) const
{
    mapToPage(px, py);
    device.transform(px, py);
}

juce::Path buildShapeBox(PShape& shape, const PViewState& view)
{
    PRect raw;
    shape.getBounds(raw, true);
    const PMatrix own = shape.transform();
    const float xs[] = {raw.left, raw.right, raw.right, raw.left};
    const float ys[] = {raw.top, raw.top, raw.bottom, raw.bottom};
    juce::Path path;
    for (int i = 0; i < 4; ++i)
    {
        float px = xs[i], py = ys[i];
        own.transform(px, py);
        view.mapToPage(px, py);
        // A damaged shape (an endless position or scale) gets no box rather than one at nowhere.
        if (!std::isfinite(px) || !std::isfinite(py))
        {
            shape.bounds = PRect::of(0, 0, 0, 0);
            return {};
        }
        if (i == 0)
            path.startNewSubPath(px, py);
        else
            path.lineTo(px, py);
    }
    path.closeSubPath();
    shape.bounds = pathBounds(path);
    return path;
}

bool boxContains(const PShape& shape, const juce::Path& box, float x, float y)
{
    return shape.bounds.contains(x, y) && box.contains(x, y, boxHitTolerance);
}
