#include "model/group.h"
#include "model/panel.h"

#include "model/stream.h"
#include "model/viewstate.h"

namespace
{
/** Curve-like kinds mirror their points when flipped, so their position must follow. */
bool mirrorsPoints(const PShape* shape)
{
    const auto id = shape->classId();
    return id == PClass::curve || id == PClass::panel || id == PClass::brush;
}

void mapPosition(PShape& shape, const PMatrix& m)
{
    m.transform(shape.x, shape.y);
}
} // namespace

PGroup::~PGroup()
{
    children.deleteAll();
}

void PGroup::copyFrom(const PBase* other)
{
    PShape::copyFrom(other);
    if (auto* group = dynamic_cast<const PGroup*>(other))
    {
        children.deepCopy(group->children);
        deformA = group->deformA;
        deformB = group->deformB;
        deformMode = group->deformMode;
        gridFrom = group->gridFrom;
        gridTo = group->gridTo;
    }
}

void PGroup::write(PStream& s) const
{
    PShape::write(s);
    s.writeList(children);
    s.writeFloat(deformA);
    s.writeFloat(deformB);
    s.writeInt16(deformMode);
    for (int i = 0; i < gridPoints; ++i)
    {
        s.writeFloat(gridFrom[static_cast<size_t>(i)].x);
        s.writeFloat(gridFrom[static_cast<size_t>(i)].y);
        s.writeFloat(gridTo[static_cast<size_t>(i)].x);
        s.writeFloat(gridTo[static_cast<size_t>(i)].y);
    }
}

void PGroup::read(PStream& s)
{
    PShape::read(s);
    s.readList(children, isShape);
    deformA = readFinite(s, 0);
    deformB = readFinite(s, 0);
    deformMode = s.readUInt16();
    for (int i = 0; i < gridPoints; ++i)
    {
        gridFrom[static_cast<size_t>(i)].x = readFinite(s, 0);
        gridFrom[static_cast<size_t>(i)].y = readFinite(s, 0);
        gridTo[static_cast<size_t>(i)].x = readFinite(s, 0);
        gridTo[static_cast<size_t>(i)].y = readFinite(s, 0);
    }
}

void PGroup::setFlag(uint32_t mask, bool on)
{
    PShape::setFlag(mask, on);
    for (auto* child : children)
        child->setFlag(mask, on);
}

void PGroup::clearMark()
{
    PShape::clearMark();
    for (auto* child : children)
        child->clearMark();
}

void PGroup::invalidate()
{
    bounds = PRect::of(0, 0, 0, 0);
    for (auto* child : children)
        child->invalidate();
}

bool PGroup::hitTest(float px, float py, float scale, PEditMode mode)
{
    if (!bounds.contains(px, py))
        return false;
    for (int i = children.size() - 1; i >= 0; --i)
    {
        auto* child = childAt(i);
        child->slot = i;
        if (child->hitTest(px, py, scale, mode))
            return true;
    }
    return false;
}

void PGroup::collectHits(float px, float py, float scale, PEditMode mode, PArray& out)
{
    if (!bounds.contains(px, py))
        return;
    bool listedSelf = false;
    for (int i = children.size() - 1; i >= 0; --i)
    {
        auto* child = childAt(i);
        child->slot = i;
        if (!child->hitTest(px, py, scale, mode))
            continue;
        if (!listedSelf)
        {
            out.append(this);
            listedSelf = true;
        }
        if (child->classId() == PClass::group)
            child->collectHits(px, py, scale, mode, out);
        else
            out.append(child);
    }
}

void PGroup::setOrigin(float px, float py)
{
    const PMatrix before = transform();
    for (auto* child : children)
        mapPosition(*static_cast<PShape*>(child), before);
    x = px;
    y = py;
    const PMatrix after = inverseTransform();
    for (auto* child : children)
        mapPosition(*static_cast<PShape*>(child), after);
}

void PGroup::centreOrigin()
{
    PRect raw;
    getBounds(raw, true);
    if (isDeformed() || raw.isEmpty())
        return;
    const float cx = (raw.left + raw.right) * 0.5f, cy = (raw.top + raw.bottom) * 0.5f;
    for (auto* child : children)
    {
        static_cast<PShape*>(child)->x -= cx;
        static_cast<PShape*>(child)->y -= cy;
    }
    float nx = cx, ny = cy;
    transform().transform(nx, ny);
    x = nx;
    y = ny;
}

void PGroup::flip(bool horizontal)
{
    for (auto* element : children)
    {
        auto* child = static_cast<PShape*>(element);
        child->flip(horizontal);
        if (mirrorsPoints(child))
        {
            if (horizontal)
                child->x = -child->x;
            else
                child->y = -child->y;
        }
    }
    PShape::flip(horizontal);
}

void PGroup::getBounds(PRect& out, bool raw) const
{
    out = PRect::empty();
    for (auto* child : children)
    {
        PRect childBounds;
        static_cast<const PShape*>(child)->getBounds(childBounds, false);
        out.include(childBounds);
    }
    if (!raw && !out.isEmpty())
        out = out.transformBounds(transform());
}

void PGroup::collectShades(PArray& shades)
{
    for (auto* child : children)
        static_cast<PShape*>(child)->collectShades(shades);
}

void PGroup::applyShade(PShade& shade, PArray& changed)
{
    for (auto* child : children)
        static_cast<PShape*>(child)->applyShade(shade, changed);
}

void PGroup::collectShadeUsers(PArray& shades)
{
    for (auto* child : children)
        static_cast<PShape*>(child)->collectShadeUsers(shades);
}

void PGroup::build(PViewState& view)
{
    bounds = PRect::empty();
    // At full stack depth a push is refused while the pop would still run and unwind the
    // parent's level; such deeply nested content is left unbuilt instead.
    if (view.depth >= PViewState::stackDepth)
    {
        bounds = PRect::of(0, 0, 0, 0);
        return;
    }
    view.pushShape(*this);
    for (auto* child : children)
    {
        auto* shape = static_cast<PShape*>(child);
        shape->build(view);
        bounds.include(shape->bounds);
    }
    view.pop();
    if (bounds.isEmpty())
        bounds = PRect::of(0, 0, 0, 0);
}

bool PGroup::isDeformed() const
{
    return gridFrom != gridTo;
}

PCurve* PGroup::clipFrame() const
{
    if (!hasFlag(framed))
        return findPanel();
    for (PBase* child : children)
    {
        const uint16_t id = child->classId();
        if ((id == PClass::curve || id == PClass::panel || id == PClass::brush) && child->hasFlag(PCurve::closed))
            return static_cast<PCurve*>(child);
    }
    return nullptr;
}

PPanel* PGroup::findPanel() const
{
    for (PBase* child : children)
        if (child->classId() == PClass::panel)
            return static_cast<PPanel*>(child);
    return nullptr;
}
