#include "edit/actionstring.h"

#include "model/image.h"
#include "model/item.h"
#include "model/text.h"

PActionString::PActionString(PWorld& w, PBase* t, const PName& newT, const PName& oldT)
    : PAction(w), target(t), newText(newT), oldText(oldT)
{
}

void PActionString::name(PName& out) const
{
    const uint16_t id = target != nullptr ? target->classId() : PClass::base;
    nameFrom(id == PClass::image ? "Action.Image" : id == PClass::text ? "Action.Text" : "Action.Rename", out);
}

void PActionString::write(const PName& text)
{
    switch (target != nullptr ? target->classId() : PClass::base)
    {
    case PClass::image: static_cast<PImage*>(target)->setFile(text.toString()); break;
    case PClass::text: static_cast<PText*>(target)->text = text; break;
    default:
        // A page, layer, clip or decor: its name, which only the lists show.
        if (auto* item = dynamic_cast<PItem*>(target))
        {
            item->name = text;
            notify(PNotify::itemList);
        }
        return;
    }
    target->invalidate();
    notify(PNotify::attribute);
}
