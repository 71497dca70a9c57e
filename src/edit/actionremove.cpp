#include "edit/actionremove.h"

PActionRemove::PActionRemove(PWorld& w, PArray& l, PBase* o, PBase* obj) : PListAction(w, l, o, obj, false) {}

void PActionRemove::apply(bool)
{
    if (!takeOut())
        return;
    invalidateOwner();
    forgetInLive();
    notify(PNotify::selection);
}

void PActionRemove::revert()
{
    if (!putBack())
        return;
    invalidateOwner();
    notify(PNotify::selection);
}
