#include "edit/actionflip.h"

#include "model/shape.h"

PActionFlip::PActionFlip(PWorld& w, PShape* s, uint16_t a) : PAction(w), shape(isShape(s) ? s : nullptr), axis(a) {}

void PActionFlip::flip()
{
    if (shape == nullptr || (axis & diagonal) == 0)
        return;
    if ((axis & horizontal) != 0)
        shape->flip(true);
    if ((axis & vertical) != 0)
        shape->flip(false);
    shape->invalidate();
    notify(PNotify::geometry);
}
