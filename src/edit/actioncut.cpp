#include "edit/actioncut.h"

#include "edit/world.h"

PActionCut::PActionCut(PWorld& w, PArray& l, PBase* obj, PBase* o)
    : PListAction(w, l, o, obj, false), kind(obj != nullptr ? obj->classId() : PClass::base)
{
}

PActionCut::~PActionCut()
{
    if (ownsPrevious)
        delete previous;
}

void PActionCut::apply(bool)
{
    if (ownsPrevious || !takeOut())
        return;
    forgetInLive();
    previous = world.takeClipboard(kind);
    ownsPrevious = true;
    world.putClipboard(kind, object);
    owned = false;
    invalidateOwner();
    notify(PNotify::selection);
}

void PActionCut::revert()
{
    // Only the very object this cut stored can go back; anything else on the clipboard is left alone.
    if (!ownsPrevious || world.clipboardEntry(kind) != object)
        return;
    world.takeClipboard(kind);
    world.putClipboard(kind, previous);
    ownsPrevious = false;
    owned = true;
    putBack();
    invalidateOwner();
    notify(PNotify::selection);
}
