#include "draw/view2ogl.h"

// Placeholder bodies; the OpenGL calls replace them.
PView2ogl::PView2ogl(POption* viewOptions) : PView2gui(viewOptions) {}
PView2ogl::~PView2ogl() = default;
void PView2ogl::setViewport(float vx, float vy, float vw, float vh, float panDx, float panDy, float zoomFactor)
{
    PView2gui::setViewport(vx, vy, vw, vh, panDx, panDy, zoomFactor);
}
void PView2ogl::endFrame() {}
void PView2ogl::setDepthTest(bool) {}
void PView2ogl::clear() {}
void PView2ogl::fillAll(uint32_t) {}
void PView2ogl::setColour(uint32_t) {}
void PView2ogl::squareMarker(float, float, float, float) {}
void PView2ogl::circle(float, float, float, float) {}
void PView2ogl::line(float, float, float, float, float) {}
void PView2ogl::rectangle(float, float, float, float, float) {}
void PView2ogl::roundedRectangle(float, float, float, float, float, float) {}
void PView2ogl::drawImageShape(PImage&, const PMatrix*) {}
void PView2ogl::drawBitmap(const juce::Image&, const PMatrix&) {}
void PView2ogl::path(const juce::Path&, float, const PMatrix*) {}
void PView2ogl::quadFill(const juce::Path&, const PMatrix*) {}
void PView2ogl::blit(const juce::Image&) {}
bool PView2ogl::beginClip(const juce::Path&) { return true; }
void PView2ogl::endClip() {}
