#include "ui/widgets/toggle.h"

PToggle::~PToggle()
{
    leaveRing();
}

void PToggle::leaveRing()
{
    if (ringNext == nullptr)
        return;
    PToggle* before = ringNext;
    while (before->ringNext != this)
        before = before->ringNext;
    before->ringNext = ringNext;
    // A ring left with one member is no ring.
    if (before->ringNext == before)
        before->ringNext = nullptr;
    ringNext = nullptr;
}

void PToggle::joinRing(PToggle& member)
{
    if (&member == this || ringNext != nullptr)
        return;
    if (member.ringNext == nullptr)
    {
        member.ringNext = &member;
        member.setClickingToggles(true);
    }
    ringNext = member.ringNext;
    member.ringNext = this;
    setClickingToggles(true);
}

bool PToggle::isOn() const
{
    auto* button = dynamic_cast<juce::Button*>(getComponent());
    return button != nullptr && button->getToggleState();
}

void PToggle::setPeerState(bool on)
{
    if (auto* button = dynamic_cast<juce::Button*>(getComponent()))
        button->setToggleState(on, juce::dontSendNotification);
}

void PToggle::setClickingToggles(bool on)
{
    if (auto* button = dynamic_cast<juce::Button*>(getComponent()))
        button->setClickingTogglesState(on);
}

void PToggle::setOn(bool on)
{
    setPeerState(on);
    cachedOn = on;
    if (!on)
        return;
    for (PToggle* m = ringNext; m != nullptr && m != this; m = m->ringNext)
    {
        m->setPeerState(false);
        m->cachedOn = false;
    }
}

void PToggle::activate()
{
    const bool on = isOn();
    if (ringNext != nullptr && !on)
    {
        // The lit member of a ring was clicked again: it stays lit and nothing changes.
        setPeerState(true);
        return;
    }
    for (PToggle* m = ringNext; m != nullptr && m != this; m = m->ringNext)
    {
        m->setPeerState(false);
        m->cachedOn = false;
    }
    const bool changed = on != cachedOn;
    cachedOn = on;
    report(changed);
}
