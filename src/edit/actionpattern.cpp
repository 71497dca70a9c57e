#include "edit/actionpattern.h"

#include "model/brush.h"
#include "model/clip.h"

PActionPattern::PActionPattern(PWorld& w, PBase* b, std::unique_ptr<PClip> newPattern)
    : PAction(w), brush(b != nullptr && b->classId() == PClass::brush ? static_cast<PBrush*>(b) : nullptr),
      spare(std::move(newPattern))
{
}

PActionPattern::~PActionPattern() = default;

void PActionPattern::exchange()
{
    if (brush == nullptr)
        return;
    std::swap(brush->pattern, spare);
    brush->invalidate();
    notify(PNotify::attribute);
}
