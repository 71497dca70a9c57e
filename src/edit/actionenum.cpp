#include "edit/actionenum.h"

#include "model/decor.h"
#include "model/text.h"

PActionEnum::PActionEnum(PWorld& w, PBase* t, uint16_t newV, uint16_t oldV)
    : PAction(w), target(t), newValue(newV), oldValue(oldV)
{
}

void PActionEnum::name(PName& out) const
{
    const bool text = target != nullptr && target->classId() == PClass::text;
    nameFrom(text ? "Action.Align" : "Action.Deform", out);
}

PGroup* PActionEnum::deformGroup(bool make)
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

void PActionEnum::apply(bool)
{
    if (target != nullptr && target->classId() == PClass::text)
        static_cast<PText*>(target)->align = newValue;
    else if (PGroup* group = deformGroup(true))
    {
        oldGrids = PActionDeform::Grids::of(*group);
        group->deformMode = newValue;
        PActionDeform::Grids().applyTo(*group);
    }
    else
        return;
    target->invalidate();
    notify(PNotify::attribute);
}

void PActionEnum::revert()
{
    if (target != nullptr && target->classId() == PClass::text)
        static_cast<PText*>(target)->align = oldValue;
    else if (PGroup* group = deformGroup(false))
    {
        group->deformMode = oldValue;
        oldGrids.applyTo(*group);
        if (madeContent)
            static_cast<PDecor*>(target)->content.reset();
        madeContent = false;
    }
    else
        return;
    target->invalidate();
    notify(PNotify::attribute);
}
