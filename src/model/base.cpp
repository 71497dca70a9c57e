#include "model/base.h"

#include "model/stream.h"

void PBase::copyFrom(const PBase* other)
{
    if (other != nullptr)
        flags = other->flags;
}

void PBase::write(PStream& s) const
{
    const uint16_t id = classId();
    // The root of a file is named by the file header, so it carries no object header.
    if (id != PClass::comic && id != PClass::option)
    {
        s.writeInt16(PStreamTag::object);
        s.writeInt16(id);
    }
    // A fingerprint also sees the flags that change only the look, such as the selection.
    s.writeInt32(static_cast<int32_t>(s.isFingerprint() ? flags : flags & PFlag::saved));
}

void PBase::read(PStream& s)
{
    // Run-time bits never come from a file, even a hostile one.
    flags = static_cast<uint32_t>(s.readInt32()) & PFlag::saved;
}

void PBase::setFlag(uint32_t mask, bool on)
{
    if (on)
        flags |= mask;
    else
        flags &= ~mask;
}

void PBase::clearMark()
{
    flags &= ~PFlag::current;
}

void PBase::collectInside(const PRect&, PArray&) {}

void PBase::collectHits(float, float, float, PEditMode, PArray&) {}

bool PBase::hitTest(float, float, float, PEditMode)
{
    return false;
}

bool PBase::isInside(const PRect&) const
{
    return false;
}
