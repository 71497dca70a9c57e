#include "edit/listaction.h"

#include "edit/world.h"
#include "model/array.h"

PListAction::PListAction(PWorld& w, PArray& l, PBase* o, PBase* obj, bool ownedNow)
    : PAction(w), list(l), owner(o), object(obj), owned(ownedNow && obj != nullptr)
{
    if (owner == nullptr && object != nullptr && object->classId() == PClass::point)
        owner = pointOwner();
}

PListAction::~PListAction()
{
    if (owned)
        delete object;
}

bool PListAction::putBack()
{
    if (!owned)
        return false;
    list.insert(position, object);
    position = list.indexOf(object);
    owned = false;
    return true;
}

bool PListAction::takeOut()
{
    const int at = list.indexOf(object);
    if (object == nullptr || at < 0)
        return false;
    position = at;
    list.remove(object);
    owned = true;
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
