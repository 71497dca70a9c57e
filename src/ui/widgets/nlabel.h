#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a static text. */
class NLabel : public NPeer<juce::Label>
{
public:
    using NPeer::NPeer;
};
