#pragma once

#include "ui/widgets/npeer.h"

/** The peer of a slider with positions 0-100: intermediate positions during a drag and the
    final one go to the handler. */
class NSlider : public NPeer<juce::Slider>
{
public:
    explicit NSlider(PWidget& owner);

    void valueChanged() override;
    void startedDragging() override;
    void stoppedDragging() override;

private:
    bool dragging = false;
};
