#include "edit/actioninsert.h"

#include "model/array.h"

PActionInsert::PActionInsert(PWorld& w, PArray& l, PBase* o, std::unique_ptr<PBase> obj, int index)
    : PListAction(w, l, o, std::move(obj))
{
    position = index >= 0 && index <= l.size() ? index : l.size();
}

PActionInsert::PActionInsert(PWorld& w, PArray& l, PBase* o, PBase* obj) : PListAction(w, l, o, obj), inserts(false) {}

void PActionInsert::apply(bool)
{
    if (inserts)
        enter(true);
    else
        leave();
}

void PActionInsert::revert()
{
    if (inserts)
        leave();
    else
        enter(false);
}

void PActionInsert::enter(bool makeItCurrent)
{
    if (!putBack())
        return;
    invalidateOwner();
    if (makeItCurrent)
        makeCurrent();
    notify(PNotify::selection);
}

void PActionInsert::leave()
{
    if (!takeOut())
        return;
    invalidateOwner();
    forgetInLive();
    notify(PNotify::selection);
}
