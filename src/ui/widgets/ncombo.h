#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a drop-down choice: a change of selection goes to the handler's activate. */
class NCombo : public NPeer<juce::ComboBox>
{
public:
    explicit NCombo(PWidget& owner) : NPeer(owner)
    {
        onChange = [this] { handler->activate(); };
    }
};
