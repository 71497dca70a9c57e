#include "ui/widgets/nslider.h"

#include "ui/widgets/slider.h"

NSlider::NSlider(PWidget& owner) : NPeer(owner, juce::Slider::LinearHorizontal, juce::Slider::NoTextBox)
{
    setRange(PSlider::lowestPosition, PSlider::highestPosition, 1.0);
}

void NSlider::valueChanged()
{
    if (!dragging)
        handler->activate();
    else if (auto* slider = dynamic_cast<PSlider*>(handler))
        slider->reportChanging();
}

void NSlider::startedDragging()
{
    dragging = true;
}

void NSlider::stoppedDragging()
{
    dragging = false;
    handler->activate();
}
