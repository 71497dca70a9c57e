#include "edit/actionfont.h"

#include "model/text.h"

PActionFont::PActionFont(PWorld& w, PBase* t, const PFontSpec& newF, const PFontSpec& oldF)
    : PAction(w), target(t), newFont(newF), oldFont(oldF)
{
}

void PActionFont::write(const PFontSpec& font)
{
    if (target == nullptr || target->classId() != PClass::text)
        return;
    static_cast<PText*>(target)->fontSpec = font;
    target->invalidate();
    notify(PNotify::attribute);
}
