#include "edit/actiondeformmode.h"

#include "model/decor.h"

PActionDeformMode::PActionDeformMode(PWorld& w, PBase* t, uint16_t modeBefore, uint16_t modeAfter)
    : PAction(w), target(t), before(modeBefore), after(modeAfter)
{
}

PGroup* PActionDeformMode::deformGroup(bool make)
{
    switch (target != nullptr ? target->classId() : PClass::base)
    {
    case PClass::group: return static_cast<PGroup*>(target);
    case PClass::decor:
    {
        auto* decor = static_cast<PDecor*>(target);
        if (decor->content == nullptr && make)
        {
            madeContent = true;
            return &decor->contentForEdit();
        }
        return decor->content.get();
    }
    default: return nullptr;
    }
}

void PActionDeformMode::apply(bool)
{
    PGroup* group = deformGroup(true);
    if (group == nullptr)
        return;
    gridsBefore = PDeformGrids::of(*group);
    group->deformMode = after;
    PDeformGrids().applyTo(*group);
    target->invalidate();
    notify(PNotify::attribute);
}

void PActionDeformMode::revert()
{
    PGroup* group = deformGroup(false);
    if (group == nullptr)
        return;
    group->deformMode = before;
    gridsBefore.applyTo(*group);
    if (madeContent)
        static_cast<PDecor*>(target)->content.reset();
    madeContent = false;
    target->invalidate();
    notify(PNotify::attribute);
}
