#include "ui/widgets/ntrack.h"

void NTrack::mouseDown(const juce::MouseEvent& e)
{
    NButton::mouseDown(e);
    if (takesMouse() && !e.mods.isPopupMenu())
        handler->onMouseDown(e.position.x, e.position.y);
}

void NTrack::mouseDrag(const juce::MouseEvent& e)
{
    NButton::mouseDrag(e);
    if (takesMouse() && !e.mods.isPopupMenu())
        handler->onMouseDrag(e.position.x, e.position.y);
}

void NTrack::mouseUp(const juce::MouseEvent& e)
{
    NButton::mouseUp(e);
    if (takesMouse() && !e.mods.isPopupMenu())
        handler->onMouseUp(e.position.x, e.position.y);
}
