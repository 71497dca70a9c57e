#include "edit/actionframe.h"

#include "model/group.h"

PActionFrame::PActionFrame(PWorld& w, PBase* group, bool newS, bool oldS)
    : PActionFlag(w, group != nullptr && group->classId() == PClass::group ? group : nullptr, PGroup::framed, newS,
                  oldS)
{
}

void PActionFrame::apply(bool)
{
    write(newState);
}

void PActionFrame::revert()
{
    write(oldState);
}

void PActionFrame::write(bool on)
{
    if (target == nullptr)
        return;
    target->flags = on ? target->flags | mask : target->flags & ~mask;
    target->invalidate();
    notify(PNotify::attribute);
}
