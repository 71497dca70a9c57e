#include "edit/actioninsert.h"

#include "model/array.h"

PActionInsert::PActionInsert(PWorld& w, PArray& l, PBase* o, PBase* obj, int index) : PListAction(w, l, o, obj, true)
{
    position = index >= 0 && index <= l.size() ? index : l.size();
}

void PActionInsert::apply(bool)
{
    if (!putBack())
        return;
    invalidateOwner();
    makeCurrent();
    notify(PNotify::selection);
}

void PActionInsert::revert()
{
    if (!takeOut())
        return;
    invalidateOwner();
    forgetInLive();
    notify(PNotify::selection);
}
