#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a heading. */
class NTitle : public NPeer<juce::Label>
{
public:
    using NPeer::NPeer;
};
