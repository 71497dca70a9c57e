#include "ui/widgets/slider.h"

#include <algorithm>
#include <cmath>

#include "ui/widgets/nslider.h"

namespace
{
constexpr float pi = 3.14159265358979f;

void rangeOf(PSlider::Kind kind, float& low, float& high)
{
    switch (kind)
    {
    case PSlider::Kind::fraction: low = 0.1f, high = 1.0f; return;
    case PSlider::Kind::turn: low = -pi, high = pi; return;
    case PSlider::Kind::halfTurn: low = -pi / 2, high = pi / 2; return;
    case PSlider::Kind::unit: break;
    }
    low = 0.0f, high = 1.0f;
}
} // namespace

PSlider::PSlider(PPane* parentPane, int gx, int gy, int gw, int bitFlags, Kind sliderKind)
    : PControl(parentPane, gx, gy, gw, bitFlags), kind(sliderKind)
{
    install(std::make_unique<NSlider>(*this));
}

float PSlider::valueFor(Kind sliderKind, int position)
{
    float low, high;
    rangeOf(sliderKind, low, high);
    const int p = std::clamp(position, lowestPosition, highestPosition);
    return low + (high - low) * static_cast<float>(p) / static_cast<float>(highestPosition);
}

int PSlider::positionFor(Kind sliderKind, float value)
{
    float low, high;
    rangeOf(sliderKind, low, high);
    if (!std::isfinite(value))
        return lowestPosition;
    const float p = (value - low) / (high - low) * static_cast<float>(highestPosition);
    return std::clamp(static_cast<int>(std::lround(p)), lowestPosition, highestPosition);
}

int PSlider::getPosition() const
{
    auto* slider = dynamic_cast<juce::Slider*>(getComponent());
    return slider != nullptr ? static_cast<int>(std::lround(slider->getValue())) : cachedPosition;
}

void PSlider::setPosition(int p)
{
    cachedPosition = std::clamp(p, lowestPosition, highestPosition);
    if (auto* slider = dynamic_cast<juce::Slider*>(getComponent()))
        slider->setValue(cachedPosition, juce::dontSendNotification);
}

void PSlider::setResetPosition(int p)
{
    if (auto* slider = dynamic_cast<juce::Slider*>(getComponent()))
        slider->setDoubleClickReturnValue(true, std::clamp(p, lowestPosition, highestPosition));
}

void PSlider::activate()
{
    const int p = getPosition();
    if (p == cachedPosition)
        return;
    cachedPosition = p;
    if (owner != nullptr)
        owner->onChange(this);
}

void PSlider::reportChanging()
{
    if (live && owner != nullptr)
        owner->onChanging(this);
}

void PSlider::refreshLook()
{
    if (auto* c = getComponent())
    {
        c->setColour(juce::Slider::trackColourId, darkColour());
        c->setColour(juce::Slider::backgroundColourId, lightColour().darker(0.15f));
        c->setColour(juce::Slider::thumbColourId, darkColour().darker(0.4f));
    }
    PControl::refreshLook();
}
