#include "edit/actioncopy.h"

#include "edit/world.h"

PActionCopy::PActionCopy(PWorld& w, PBase* obj)
    : PAction(w), object(obj), kind(obj != nullptr ? obj->classId() : PClass::base)
{
}

PActionCopy::~PActionCopy()
{
    if (ownsPrevious)
        delete previous;
}

void PActionCopy::apply(bool)
{
    if (object == nullptr || ownsPrevious)
        return;
    previous = world.takeClipboard(kind);
    ownsPrevious = true;
    copy = object->clone();
    world.putClipboard(kind, copy);
}

void PActionCopy::revert()
{
    if (!ownsPrevious)
        return;
    // The copy is deleted only when it is still the entry; the clipboard owns whatever is there.
    if (world.clipboardEntry(kind) == copy)
        world.putClipboard(kind, previous);
    else
        delete previous;
    copy = nullptr;
    previous = nullptr;
    ownsPrevious = false;
    notify(PNotify::clipboard);
}
