#include "edit/actionflag.h"

#include "model/group.h"

namespace
{
bool takesFlags(const PBase* object)
{
    switch (object != nullptr ? object->classId() : PClass::base)
    {
    case PClass::curve:
    case PClass::panel:
    case PClass::brush:
    case PClass::group:
    case PClass::point:
    case PClass::layer: return true;
    default: return false;
    }
}
} // namespace

PActionFlag::PActionFlag(PWorld& w, PBase* t, uint32_t m, bool newS, bool oldS, PBase* o)
    : PAction(w), target(takesFlags(t) ? t : nullptr), mask(m), newState(newS), oldState(oldS)
{
    if (target != nullptr && target->classId() == PClass::point)
        owner = o != nullptr ? o : pointOwner();
}

void PActionFlag::remember(PBase* object)
{
    auto* group = dynamic_cast<PGroup*>(object);
    if (group == nullptr)
        return;
    for (auto* child : group->children)
    {
        memberStates.emplace_back(child, child->hasFlag(mask));
        remember(child);
    }
}

void PActionFlag::apply(bool)
{
    if (target == nullptr)
        return;
    memberStates.clear();
    if (ownFlag())
        target->flags = newState ? target->flags | mask : target->flags & ~mask;
    else
    {
        remember(target);
        target->setFlag(mask, newState);
    }
    changed();
}

bool PActionFlag::ownFlag() const
{
    // A layer would hide its shapes with itself; a group's frame passed on would frame inner groups
    // and, on an image, change how its file is found.
    return target->classId() == PClass::layer || (target->classId() == PClass::group && mask == PGroup::framed);
}

void PActionFlag::revert()
{
    if (target == nullptr)
        return;
    // Written bit by bit: setFlag on a group would give all members the same state.
    for (auto& [member, on] : memberStates)
        member->flags = on ? member->flags | mask : member->flags & ~mask;
    target->flags = oldState ? target->flags | mask : target->flags & ~mask;
    changed();
}

void PActionFlag::changed()
{
    target->invalidate();
    if (owner != nullptr)
        owner->invalidate();
    notify(PNotify::attribute);
}
