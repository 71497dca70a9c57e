#include "model/point.h"

#include "model/shape.h"
#include "model/stream.h"

void PPoint::copyFrom(const PBase* other)
{
    PBase::copyFrom(other);
    if (auto* p = dynamic_cast<const PPoint*>(other))
    {
        x = p->x;
        y = p->y;
        thickness = p->thickness;
        sharpness = p->sharpness;
        variant = p->variant;
    }
}

void PPoint::write(PStream& s) const
{
    PBase::write(s);
    s.writeFloat(x);
    s.writeFloat(y);
    s.writeInt16(thickness);
    s.writeInt16(sharpness);
    s.writeInt16(variant);
}

void PPoint::read(PStream& s)
{
    PBase::read(s);
    x = readFinite(s, 0);
    y = readFinite(s, 0);
    thickness = s.readUInt16();
    sharpness = s.readUInt16();
    if (s.version >= 1)
        variant = s.readUInt16();
}
