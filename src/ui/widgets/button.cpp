#include "ui/widgets/button.h"

#include "ui/widgets/nbutton.h"

namespace
{
constexpr float arrowScale = 0.25f;
constexpr int downwards = 180;
} // namespace

PButton::PButton(PPane* parentPane, int gx, int gy, int gw, int bitFlags) : PToggle(parentPane, gx, gy, gw, bitFlags)
{
    install(std::make_unique<NButton>(*this));
}

void PButton::report(bool)
{
    if (owner != nullptr)
        owner->onClick(this);
}

void PButton::refreshLook()
{
    applyButtonColours();
    PToggle::refreshLook();
}

void PButton::setArrow(int degrees)
{
    arrowAngle = degrees;
    if (auto* c = getComponent())
        c->repaint();
}

void PButton::setToggle(bool on)
{
    setClickingToggles(on);
}

void PButton::paint(juce::Graphics& g)
{
    auto* c = getComponent();
    if (arrowAngle < 0 || c == nullptr)
        return;
    const float height = static_cast<float>(c->getHeight());
    const float size = std::min(static_cast<float>(c->getWidth()), height) * arrowScale;
    float cx = static_cast<float>(c->getWidth()) * 0.5f, cy = height * 0.5f;
    // A downward arrow sits lower, where the eye expects what opens below.
    if (arrowAngle == downwards)
        cy += height / 5.0f;
    juce::Path arrow;
    arrow.addTriangle(0.0f, -size * 0.8f, size, size * 0.8f, -size, size * 0.8f);
    arrow.applyTransform(
        juce::AffineTransform::rotation(juce::degreesToRadians(static_cast<float>(arrowAngle))).translated(cx, cy));
    g.setColour(c->findColour(juce::TextButton::textColourOffId).withMultipliedAlpha(c->isEnabled() ? 1.0f : 0.45f));
    g.fillPath(arrow);
}
