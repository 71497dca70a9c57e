#pragma once

#include "ui/npeer.h"

/** The peer of a heading. */
class NTitle : public NPeer<juce::Label>
{
public:
    using NPeer::NPeer;
};
