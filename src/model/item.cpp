#include "model/item.h"

#include "model/stream.h"

void PItem::copyFrom(const PBase* other)
{
    PBase::copyFrom(other);
    if (auto* item = dynamic_cast<const PItem*>(other))
    {
        name = item->name;
        tag = item->tag;
        index = item->index;
    }
}

void PItem::write(PStream& s) const
{
    PBase::write(s);
    s.writeName(name);
    s.writeInt16(tag);
    s.writeInt32(index);
}

void PItem::read(PStream& s)
{
    PBase::read(s);
    s.readName(name);
    tag = s.readUInt16();
    index = s.readInt32();
}

bool PItem::statusText(PName& out) const
{
    out.clear();
    return false;
}

int compareItems(const PItem& a, const PItem& b)
{
    if (a.sortsByNumber() || b.sortsByNumber())
        return a.index < b.index ? -1 : (a.index == b.index ? 0 : 1);
    if (PName::less(a.name, b.name))
        return -1;
    return PName::equals(a.name, b.name) ? 0 : 1;
}
