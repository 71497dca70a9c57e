#include "ui/widgets/number.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/widgets/nnumber.h"

namespace
{
constexpr double unbounded = 1e38;
constexpr double pi = 3.14159265358979323846;
constexpr const char* signedDigits = "0123456789.,-";
constexpr const char* unsignedDigits = "0123456789.,";
} // namespace

PNumber::PNumber(PPane* parentPane, int gx, int gy, int gw, int bitFlags, Kind numberKind)
    : PControl(parentPane, gx, gy, gw, bitFlags), kind(numberKind)
{
    install(std::make_unique<NNumber>(*this));
    show();
}

PNumber::Range PNumber::rangeOf(Kind k)
{
    switch (k)
    {
    case Kind::angle: return {-pi, pi, 2, signedDigits};
    case Kind::whole: return {-unbounded, unbounded, 0, "0123456789"};
    case Kind::offset: return {-unbounded, unbounded, 2, signedDigits};
    case Kind::pageSide: return {0.01, 100, 2, unsignedDigits};
    case Kind::length: return {0.1, 100000, 2, unsignedDigits};
    case Kind::size: return {0.1, 100, 1, unsignedDigits};
    case Kind::smoothing: return {0, 10, 1, unsignedDigits};
    case Kind::plain: break;
    }
    return {-unbounded, unbounded, 3, signedDigits};
}

double PNumber::parse(const juce::String& text)
{
    const auto cleaned = text.trim().replaceCharacter(',', '.').toStdString();
    char* end = nullptr;
    const double v = std::strtod(cleaned.c_str(), &end);
    return end != cleaned.c_str() && std::isfinite(v) ? v : 0.0;
}

juce::String PNumber::format(double v, int decimals)
{
    // "%.0f" of the rounded value rather than an integer conversion: an unbounded kind may
    // hold numbers far beyond the range of an int.
    if (decimals == 0)
        v = std::round(v);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

juce::String PNumber::displayText() const
{
    const double shown = inches ? value * inchesPerCentimetre : value;
    return format(shown, rangeOf(kind).decimals);
}

void PNumber::show()
{
    if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
        label->setText(displayText(), juce::dontSendNotification);
}

void PNumber::setValue(float v)
{
    const auto range = rangeOf(kind);
    value = static_cast<float>(std::clamp(std::isfinite(v) ? static_cast<double>(v) : 0.0, range.low, range.high));
    show();
}

bool PNumber::enter(const juce::String& typed)
{
    const auto range = rangeOf(kind);
    double v = parse(typed);
    if (inches)
        v /= inchesPerCentimetre;
    const auto clamped = static_cast<float>(std::clamp(v, range.low, range.high));
    const bool changed = clamped != value;
    value = clamped;
    show();
    return changed;
}

void PNumber::activate()
{
    auto* label = dynamic_cast<juce::Label*>(getComponent());
    if (label != nullptr && enter(label->getText()) && owner != nullptr)
        owner->onChange(this);
}

void PNumber::refreshLook()
{
    if (auto* label = dynamic_cast<juce::Label*>(getComponent()))
    {
        label->setFont(font(FontRole::caption));
        label->setColour(juce::Label::backgroundColourId, juce::Colours::white);
        label->setColour(juce::Label::textColourId, juce::Colours::black);
        label->setColour(juce::Label::outlineColourId, darkColour());
        label->setColour(juce::Label::backgroundWhenEditingColourId, juce::Colours::white);
    }
    PControl::refreshLook();
}
