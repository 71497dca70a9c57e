#include "edit/actionstring.h"

#include "model/image.h"
#include "model/text.h"

PActionString::PActionString(PWorld& w, PBase* t, const PName& newT, const PName& oldT)
    : PAction(w), target(t), newText(newT), oldText(oldT)
{
}

void PActionString::name(PName& out) const
{
    const bool image = target != nullptr && target->classId() == PClass::image;
    nameFrom(image ? "Action.Image" : "Action.Text", out);
}

void PActionString::write(const PName& text)
{
    switch (target != nullptr ? target->classId() : PClass::base)
    {
    case PClass::image: static_cast<PImage*>(target)->setFile(text.toString()); break;
    case PClass::text: static_cast<PText*>(target)->text = text; break;
    default: return;
    }
    target->invalidate();
    notify(PNotify::attribute);
}
