#pragma once

#include <juce_opengl/juce_opengl.h>

#include "ui/widgets/npane.h"

/** The OpenGL surface of a pane of kind 2: the same forwarding as a plain pane, and the
    frames are rendered by the pane's renderGL. The context attaches once the surface is on
    screen, so a pane tree can be built without a display. */
class OPane : public NPane, public juce::OpenGLRenderer
{
public:
    explicit OPane(PWidget& owner);
    ~OPane() override;

    void paint(juce::Graphics&) override {}
    void parentHierarchyChanged() override;
    void visibilityChanged() override;
    void newOpenGLContextCreated() override {}
    void renderOpenGL() override;
    void openGLContextClosing() override {}
    void triggerRepaint();
    /** The surface's GL set-up, before attaching: a stencil for clipping, a compatibility profile
        for the immediate-mode view, no multisampling, and the message thread held for each frame. */
    static void prepareContext(juce::OpenGLContext& glContext);

    juce::OpenGLContext context;

private:
    void attachWhenShowing();
};
