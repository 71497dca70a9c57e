#include "draw/inklog.h"

#include <algorithm>

bool PInkLog::begin(const PShape& shape)
{
    if (redrawArea != nullptr && knownInk != nullptr)
    {
        const auto known = knownInk->find(&shape);
        if (known != knownInk->end() && !redrawArea->intersects(known->second))
            return false;
    }
    noting = log != nullptr;
    inked = false;
    return true;
}

void PInkLog::end(const PShape& shape)
{
    if (log != nullptr)
        log->push_back({&shape, inked ? box.getSmallestIntegerContainer() : juce::Rectangle<int>()});
    noting = false;
}

void PInkLog::add(const juce::Rectangle<float>& drawn, float lineWidth)
{
    if (!noting)
        return;
    // Half the line beyond the outline, and a pixel or two of antialiasing beyond that.
    constexpr float antialiasing = 2;
    const auto widened = drawn.expanded(std::max(0.0f, lineWidth) / 2 + antialiasing);
    box = inked ? box.getUnion(widened) : widened;
    inked = true;
}
