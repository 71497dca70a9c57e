#include "ui/widgets/opane.h"

#include "ui/widgets/widget.h"

namespace
{
constexpr int bitsPerChannel = 8, depthBits = 16, stencilBits = 8;
}

OPane::OPane(PWidget& owner) : NPane(owner)
{
    setOpaque(true);
    prepareContext(context);
    context.setRenderer(this);
    context.setContinuousRepainting(false);
}

void OPane::prepareContext(juce::OpenGLContext& glContext)
{
    // Panels clip their artwork through the stencil; lines are smoothed by GL itself, so no
    // multisampling is asked for.
    juce::OpenGLPixelFormat format(bitsPerChannel, bitsPerChannel, depthBits, stencilBits);
    format.multisamplingLevel = 0;
    glContext.setPixelFormat(format);
    glContext.setMultisamplingEnabled(false);
    // The view draws in immediate mode, which only a compatibility profile has.
    glContext.setOpenGLVersionRequired(juce::OpenGLContext::defaultGLVersion);
    // The surface paints nothing itself; compositing an empty layer over every frame would only
    // cost time and disturb the frame's GL state.
    glContext.setComponentPaintingEnabled(false);
}

OPane::~OPane()
{
    // A frame waiting for the message thread would wait for ever while this thread waits for the
    // render thread in detach: let it give up first.
    closing = true;
    messageLock.abort();
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
    if (closing || !messageLock.tryEnter())
        return;
    if (!closing)
        handler->renderGL(context);
    messageLock.exit();
}

void OPane::triggerRepaint()
{
    if (context.isAttached())
        context.triggerRepaint();
}
