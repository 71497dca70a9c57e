#include "model/brush.h"

#include "model/clip.h"
#include "model/point.h"
#include "model/stream.h"
#include "model/viewstate.h"

PBrush::PBrush() = default;

PBrush::~PBrush()
{
    strokes.deleteAll();
}

void PBrush::copyFrom(const PBase* other)
{
    if (other == this)
        return;
    PCurve::copyFrom(other);
    const auto* brush = dynamic_cast<const PBrush*>(other);
    if (brush == nullptr)
    {
        // A new guide from a plain curve: strokes laid along the old one no longer belong.
        strokes.deleteAll();
        return;
    }
    kind = brush->kind;
    strokes.deepCopy(brush->strokes);
    pattern.reset(brush->pattern != nullptr ? static_cast<PClip*>(brush->pattern->clone()) : nullptr);
    density = brush->density;
    thickness = brush->thickness;
    largeness = brush->largeness;
    distribute = brush->distribute;
    oscillate = brush->oscillate;
    seed = brush->seed;
}

void PBrush::write(PStream& s) const
{
    PCurve::write(s);
    s.writeInt16(kind);
    s.writeList(strokes);
    s.writeObject(pattern.get());
    s.writeFloat(density);
    s.writeFloat(thickness);
    s.writeFloat(distribute);
    s.writeInt16(seed);
    s.writeFloat(largeness);
    s.writeFloat(oscillate);
}

void PBrush::read(PStream& s)
{
    PCurve::read(s);
    kind = s.readUInt16();
    // Stroke lists hold plain curves only: a brush or panel among them would be drawn as neither.
    s.readList(strokes, PClass::curve);
    pattern.reset(static_cast<PClip*>(s.readObject(PClass::clip)));
    density = readFinite(s, defaultParameter);
    thickness = readFinite(s, defaultParameter);
    distribute = readFinite(s, 0);
    seed = s.readInt16();
    // Records older than version 1 have no such fields; they were generated without them.
    largeness = s.version >= 1 ? readFinite(s, 0) : 0.0f;
    oscillate = s.version >= 1 ? readFinite(s, 0) : 0.0f;
}

void PBrush::invalidate()
{
    PCurve::invalidate();
    strokes.deleteAll();
}

bool PBrush::hitTest(float px, float py, float scale, PEditMode mode)
{
    if (PCurve::hitTest(px, py, scale, mode))
        return true;
    for (PBase* stroke : strokes)
        if (stroke->hitTest(px, py, scale, mode))
            return true;
    return false;
}

void PBrush::collectShades(PArray& shades)
{
    for (PBase* stroke : strokes)
        static_cast<PCurve*>(stroke)->collectShades(shades);
}

void PBrush::applyShade(PShade& shade, PArray& changed)
{
    for (PBase* stroke : strokes)
        static_cast<PCurve*>(stroke)->applyShade(shade, changed);
}

void PBrush::collectShadeUsers(PArray& shades)
{
    for (PBase* stroke : strokes)
        static_cast<PCurve*>(stroke)->collectShadeUsers(shades);
}

PBrushGenerator::Input PBrush::generatorInput() const
{
    PBrushGenerator::Input in;
    for (PBase* element : points)
    {
        const auto* point = static_cast<const PPoint*>(element);
        in.anchors.push_back({point->x, point->y, point->thickness, point->sharpness, point->hasFlag(PPoint::gap)});
        in.variants.push_back(point->variant);
    }
    in.closed = isClosed();
    in.lineColour = lineColour;
    in.fillColour = fillColour;
    in.kind = kind;
    in.pattern = pattern.get();
    in.density = density;
    in.thickness = thickness;
    in.largeness = largeness;
    in.distribute = distribute;
    in.oscillate = oscillate;
    in.seed = seed;
    in.alignStamps = hasFlag(alignStamps);
    in.hangVertically = hasFlag(hangVertically);
    return in;
}

bool PBrush::generateStrokes()
{
    strokes.deleteAll();
    if (PBrushGenerator::generate(generatorInput(), strokes))
        return true;
    strokes.deleteAll();
    return false;
}

void PBrush::build(PViewState& view)
{
    PCurve::build(view);
    if (strokes.isEmpty())
        generateStrokes();
    buildStrokes(view);
}

void PBrush::buildStrokes(PViewState& view)
{
    // Strokes live in the brush's coordinates: their geometry needs the brush's transform on
    // the view, as any child's does. A full matrix stack refuses the push and must not be popped.
    const bool pushed = view.depth < PViewState::stackDepth;
    if (pushed)
        view.pushShape(*this);
    for (PBase* stroke : strokes)
        static_cast<PCurve*>(stroke)->build(view);
    if (pushed)
        view.pop();
}
