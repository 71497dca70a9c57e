#include "model/dot.h"

void PDot::copyFrom(const PBase* other)
{
    const auto* dot = dynamic_cast<const PDot*>(other);
    if (dot == nullptr || dot == this)
        return;
    PBase::copyFrom(other);
    word = dot->word;
    values = dot->values;
    words = dot->words;
    shorts = dot->shorts;
    extras = dot->extras;
}
