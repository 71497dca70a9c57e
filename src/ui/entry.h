#pragma once

#include <juce_core/juce_core.h>

#include "model/base.h"
#include "ui/command.h"

/** One line of a menu under construction: its translated label, its command code and
    how it is shown. Never streamed. */
class PEntry : public PBase
{
public:
    juce::String text;
    PCommand id = PCommand::none;
    bool enabled = true;
    bool separator = false;
    bool coloured = false;
};
