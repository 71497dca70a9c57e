#include "edit/actioncopy.h"

#include "edit/world.h"

PActionCopy::PActionCopy(PWorld& w, PBase* obj)
    : PAction(w), object(obj), kind(obj != nullptr ? obj->classId() : PClass::base)
{
}

void PActionCopy::apply(bool)
{
    if (object == nullptr || stored)
        return;
    previous = world.takeClipboard(kind);
    stored = true;
    std::unique_ptr<PBase> made(object->clone());
    copy = made.get();
    world.putClipboard(kind, std::move(made));
}

void PActionCopy::revert()
{
    if (!stored)
        return;
    // The copy is deleted only when it is still the entry; the clipboard owns whatever is there.
    if (world.clipboardEntry(kind) == copy)
        world.putClipboard(kind, std::move(previous));
    previous.reset();
    copy = nullptr;
    stored = false;
    notify(PNotify::clipboard);
}
