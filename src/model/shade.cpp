#include "model/shade.h"

PShade::~PShade()
{
    // The members belong to their layers.
    members.clear();
}

void PShade::copyFrom(const PBase* other)
{
    const auto* shade = dynamic_cast<const PShade*>(other);
    if (shade == nullptr || shade == this)
        return;
    PBase::copyFrom(other);
    from = shade->from;
    to = shade->to;
    members.assignPointers(shade->members);
}
