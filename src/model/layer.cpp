#include "model/layer.h"

#include "model/shape.h"
#include "model/stream.h"
#include "model/translate.h"

PLayer::~PLayer()
{
    shapes.deleteAll();
}

PShape* PLayer::shapeAt(int i) const
{
    return shapes.get<PShape>(i);
}

void PLayer::copyFrom(const PBase* other)
{
    PItem::copyFrom(other);
    if (auto* layer = dynamic_cast<const PLayer*>(other))
    {
        shapes.deepCopy(layer->shapes);
        stroke = layer->stroke;
    }
}

void PLayer::write(PStream& s) const
{
    PItem::write(s);
    s.writeList(shapes);
    s.writeInt16(stroke);
}

void PLayer::read(PStream& s)
{
    PItem::read(s);
    s.readList(shapes, isShape);
    if (s.version >= 1)
        stroke = s.readUInt16();
}

void PLayer::setFlag(uint32_t mask, bool on)
{
    PItem::setFlag(mask, on);
    for (auto* shape : shapes)
        shape->setFlag(mask, on);
}

void PLayer::clearMark()
{
    PItem::clearMark();
    for (auto* shape : shapes)
        shape->clearMark();
}

void PLayer::invalidate()
{
    for (auto* shape : shapes)
        shape->invalidate();
}

void PLayer::collectInside(const PRect& area, PArray& out)
{
    collectShapesInside(shapes, area, out);
}

void PLayer::collectHits(float x, float y, float scale, PEditMode mode, PArray& out)
{
    collectShapeHits(shapes, x, y, scale, mode, out);
}

bool PLayer::statusText(PName& out) const
{
    if (!isHidden())
        return PItem::statusText(out);
    out.assign(translate("Layer.Hidden"));
    return true;
}
