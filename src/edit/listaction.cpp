#include "edit/listaction.h"

#include "edit/world.h"
#include "model/array.h"

PListAction::PListAction(PWorld& w, PArray& l, PBase* o, PBase* obj) : PAction(w), list(l), owner(o), object(obj)
{
    if (owner == nullptr && object != nullptr && object->classId() == PClass::point)
        owner = pointOwner();
}

PListAction::PListAction(PWorld& w, PArray& l, PBase* o, std::unique_ptr<PBase> obj) : PListAction(w, l, o, obj.get())
{
    held = std::move(obj);
}

bool PListAction::putBack()
{
    if (held == nullptr)
        return false;
    list.insert(position, held.release());
    position = list.indexOf(object);
    return true;
}

bool PListAction::takeOut()
{
    const int at = list.indexOf(object);
    if (object == nullptr || at < 0)
        return false;
    position = at;
    list.remove(object);
    held.reset(object);
    return true;
}

void PListAction::invalidateOwner()
{
    if (owner == nullptr)
        return;
    const auto id = owner->classId();
    if (id == PClass::curve || id == PClass::panel || id == PClass::brush)
        owner->invalidate();
}

void PListAction::forgetInLive()
{
    if (object == nullptr)
        return;
    const int slot = live().slotOf(object->classId());
    if (slot >= 0 && live().targets[static_cast<size_t>(slot)] == object)
        live().setTarget(nullptr, object->classId());
}

void PListAction::makeCurrent()
{
    if (object != nullptr)
        live().setTarget(object, object->classId());
}
