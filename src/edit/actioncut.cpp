#include "edit/actioncut.h"

#include "edit/world.h"

PActionCut::PActionCut(PWorld& w, PArray& l, PBase* obj, PBase* o)
    : PListAction(w, l, o, obj), kind(obj != nullptr ? obj->classId() : PClass::base)
{
}

void PActionCut::apply(bool)
{
    if (stored || !takeOut())
        return;
    forgetInLive();
    previous = world.takeClipboard(kind);
    stored = true;
    world.putClipboard(kind, std::move(held));
    invalidateOwner();
    notify(PNotify::selection);
}

void PActionCut::revert()
{
    // Only the very object this cut stored can go back; anything else on the clipboard is left alone.
    if (!stored || world.clipboardEntry(kind) != object)
        return;
    held = world.takeClipboard(kind);
    world.putClipboard(kind, std::move(previous));
    stored = false;
    putBack();
    invalidateOwner();
    notify(PNotify::selection);
}
