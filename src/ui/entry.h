#pragma once

#include <juce_core/juce_core.h>

#include "model/base.h"

/** One line of a menu under construction: its translated label, its command code and
    how it is shown. Never streamed. */
class PEntry : public PBase
{
public:
    static constexpr int16_t noId = -1;

    juce::String text;
    int16_t id = noId;
    bool enabled = true;
    bool separator = false;
    bool coloured = false;
};
