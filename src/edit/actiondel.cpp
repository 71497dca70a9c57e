#include "edit/actiondel.h"

PActionDel::PActionDel(PWorld& w, PArray& l, PBase* item) : PListAction(w, l, nullptr, item, false) {}

void PActionDel::apply(bool)
{
    if (!takeOut())
        return;
    forgetInLive();
    notify(PNotify::selection);
}

void PActionDel::revert()
{
    // Back where it stood, not at its stored index: that may be stale, and the undo must restore the list exactly.
    if (putBack())
        notify(PNotify::selection);
}
