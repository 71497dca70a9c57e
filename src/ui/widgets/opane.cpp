#include "ui/widgets/opane.h"

#include "ui/widgets/widget.h"

namespace
{
constexpr int bitsPerChannel = 8, depthBits = 16, stencilBits = 8;
}

OPane::OPane(PWidget& owner) : NPane(owner)
{
    // Transparent, so that the library's component layer, which it composites over every frame,
    // leaves the drawn frame as it is.
    setOpaque(false);
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
    // The surface paints nothing itself, but with component painting on the library takes the
    // message thread's lock around every frame, and gives it up when the surface is taken off
    // the screen: the frame reads the document safely and can never wait on a closing window.
    glContext.setComponentPaintingEnabled(true);
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
    // The library renders on its own thread; the document belongs to the message thread, which
    // the library holds for this frame.
    if (juce::MessageManager::existsAndIsLockedByCurrentThread())
        handler->renderGL(context);
}

void OPane::triggerRepaint()
{
    if (context.isAttached())
        context.triggerRepaint();
}
