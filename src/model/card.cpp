#include "model/card.h"

#include <cmath>

#include "model/shape.h"
#include "model/stream.h"

bool isUsableScaleFactor(float f)
{
    // A ratio of sizes whose old size was zero is infinite; applying it would wreck the artwork.
    return std::isfinite(f) && f > PCard::minScaleFactor;
}

PCard::~PCard()
{
    shapes.deleteAll();
}

void PCard::copyFrom(const PBase* other)
{
    PBase::copyFrom(other);
    if (auto* card = dynamic_cast<const PCard*>(other))
    {
        cardNo = card->cardNo;
        shapes.deepCopy(card->shapes);
    }
}

void PCard::write(PStream& s) const
{
    PBase::write(s);
    s.writeInt16(cardNo);
    s.writeList(shapes);
}

void PCard::read(PStream& s)
{
    PBase::read(s);
    cardNo = s.readUInt16();
    s.readList(shapes, isShape);
}

void PCard::setFlag(uint32_t mask, bool on)
{
    PBase::setFlag(mask, on);
    for (auto* shape : shapes)
        shape->setFlag(mask, on);
}

void PCard::clearMark()
{
    PBase::clearMark();
    for (auto* shape : shapes)
        shape->clearMark();
}

void PCard::invalidate()
{
    for (auto* shape : shapes)
        shape->invalidate();
}

PShape* PCard::shapeAt(int i) const
{
    return shapes.get<PShape>(i);
}

void PCard::collectInside(const PRect& area, PArray& out)
{
    collectShapesInside(shapes, area, out);
}

void PCard::collectHits(float x, float y, float scale, PEditMode mode, PArray& out)
{
    collectShapeHits(shapes, x, y, scale, mode, out);
}

void PCard::collectShades(PArray& shades)
{
    for (int i = 0; i < shapes.size(); ++i)
        shapeAt(i)->collectShades(shades);
}

void PCard::scaleBy(float f)
{
    if (!isUsableScaleFactor(f))
        return;
    for (int i = 0; i < shapes.size(); ++i)
    {
        PShape* shape = shapeAt(i);
        shape->x *= f;
        shape->y *= f;
        shape->scaleX *= f;
        shape->scaleY *= f;
        shape->invalidate();
    }
}
