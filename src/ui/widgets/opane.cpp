#include "ui/widgets/opane.h"

#include "ui/widgets/widget.h"

OPane::OPane(PWidget& owner) : NPane(owner)
{
    setOpaque(true);
    context.setRenderer(this);
    context.setContinuousRepainting(false);
}

OPane::~OPane()
{
    context.detach();
}

void OPane::attachWhenShowing()
{
    if (isShowing() && !context.isAttached())
        context.attachTo(*this);
}

void OPane::parentHierarchyChanged()
{
    attachWhenShowing();
}

void OPane::visibilityChanged()
{
    attachWhenShowing();
}

void OPane::renderOpenGL()
{
    // The library renders on its own thread; the document belongs to the message thread, so
    // the frame is drawn while that thread is held.
    const juce::MessageManagerLock lock(juce::Thread::getCurrentThread());
    if (lock.lockWasGained())
        handler->renderGL(context);
}

void OPane::triggerRepaint()
{
    if (context.isAttached())
        context.triggerRepaint();
}
