#include "ui/widgets/track.h"

#include "model/option.h"
#include "ui/widgets/ntrack.h"

namespace
{
constexpr float pixelsPerSpeedUnit = 50.0f;
constexpr int padCells = 2;
} // namespace

PTrack::PTrack(PPane* parentPane, int gx, int gy) : PControl(parentPane, gx, gy, padCells, 0)
{
    install(std::make_unique<NTrack>(*this));
}

void PTrack::layout()
{
    h = padCells;
    setPeerBounds(gridBox());
}

void PTrack::refreshLook()
{
    applyButtonColours();
    PControl::refreshLook();
}

float PTrack::unitsForPixels(float pixels, float speed)
{
    return pixels * speed / pixelsPerSpeedUnit;
}

bool PTrack::lockEnabled() const
{
    auto* o = getOptions();
    return o != nullptr && o->lockCursor && getComponent() != nullptr && getComponent()->isShowing();
}

void PTrack::report(PTrackPhase phase)
{
    auto* o = getOptions();
    const float speed = o != nullptr ? o->trackSpeed : POption::defaultTrackSpeed;
    if (owner != nullptr)
        // Up counts positive, as on the page, so that a pan follows the pointer both ways.
        owner->onView(phase, unitsForPixels(offset.x, speed), unitsForPixels(-offset.y, speed));
}

void PTrack::onMouseDown(float mx, float my)
{
    locked = lockEnabled();
    start = locked ? juce::Desktop::getMousePosition().toFloat() : juce::Point<float>(mx, my);
    offset = {};
    if (locked)
        getComponent()->setMouseCursor(juce::MouseCursor::NoCursor);
    report(PTrackPhase::press);
}

void PTrack::onMouseDrag(float mx, float my)
{
    if (locked)
    {
        // Add the pointer's movement, then put the pointer back where the drag began.
        offset += juce::Desktop::getMousePosition().toFloat() - start;
        juce::Desktop::setMousePosition(start.roundToInt());
    }
    else
        offset = juce::Point<float>(mx, my) - start;
    report(PTrackPhase::drag);
}

void PTrack::onMouseUp(float mx, float my)
{
    if (!locked)
        offset = juce::Point<float>(mx, my) - start;
    else if (auto* c = getComponent())
        c->setMouseCursor(juce::MouseCursor::NormalCursor);
    locked = false;
    report(PTrackPhase::release);
}
