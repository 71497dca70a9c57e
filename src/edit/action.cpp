#include "edit/action.h"

#include "edit/world.h"
#include "model/translate.h"

PAction::PAction(PWorld& w) : world(w)
{
    copyFrom(&w.context);
}

void PAction::name(PName& out) const
{
    out.clear();
}

void PAction::nameFrom(const char* key, PName& out)
{
    out.assign(::translate(key));
}

PContext& PAction::live() const
{
    return world.context;
}

bool PAction::touchComic() const
{
    PBase* first = targets[0];
    if (first == nullptr || first->classId() != PClass::comic)
        return false;
    first->invalidate();
    return true;
}

void PAction::broadcastContextChange(bool targetsDiffer, bool modeDiffers)
{
    if (targetsDiffer)
        world.broadcast(PNotify::selection, this);
    if (modeDiffers)
        world.broadcast(paneShown(mode), this);
}

void PAction::perform(bool redo)
{
    if (!touchComic())
        return;
    if (redo)
    {
        const bool targetsDiffer = !sameTargets(live());
        const bool modeDiffers = mode != live().mode && mode != PPaneKind::none;
        live().assign(*this);
        broadcastContextChange(targetsDiffer, modeDiffers);
    }
    apply(redo);
    done = true;
}

void PAction::performApplied()
{
    if (!touchComic())
    {
        revert();
        return;
    }
    settle();
    done = true;
}

void PAction::undo()
{
    if (!touchComic())
        return;
    const bool targetsDiffer = !sameTargets(live());
    const bool modeDiffers = mode != live().mode && mode != PPaneKind::none;
    const bool revertFirst = revertBeforeContext();
    if (revertFirst)
        revert();
    live().assign(*this);
    broadcastContextChange(targetsDiffer, modeDiffers);
    if (!revertFirst)
        revert();
    done = false;
}

void PAction::notify(PNotify code)
{
    if (!quiet)
        world.broadcast(code, this);
}
