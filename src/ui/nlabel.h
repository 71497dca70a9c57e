#pragma once

#include "ui/npeer.h"

/** The peer of a static text. */
class NLabel : public NPeer<juce::Label>
{
public:
    using NPeer::NPeer;
};
