#pragma once

#include <memory>

#include <juce_graphics/juce_graphics.h>

/** Where the software view draws: straight into a context, or into a back buffer of the
    viewport's size that endFrame copies into that context at the viewport's corner.

        PGuiTarget to;
        to.setTarget(&g);
        to.setBackBuffered(true);
        to.fitViewport(x, y, w, h);   // device coordinates keep the viewport's corner
        drawInto(*to.context());
        to.endFrame();
*/
class PGuiTarget
{
public:
    /** Pictures larger than this many bytes, or wider or higher than largestSide, are not allocated. */
    static constexpr size_t largestImageBytes = size_t(1) << 30;
    static constexpr int largestSide = 32767;

    /** A cleared image of the given size, or an invalid one when it is too large or cannot be allocated. */
    static juce::Image makeImage(juce::Image::PixelFormat format, int width, int height);

    void setTarget(juce::Graphics* newTarget) { target = newTarget; }
    void setBackBuffered(bool on);
    bool isBackBuffered() const { return backBuffered; }
    /** False when the back buffer is wanted but could not be allocated. */
    bool hasBackBuffer() const { return backBuffer.isValid(); }
    const juce::Image& getBackBuffer() const { return backBuffer; }
    /** The context to draw into now: the buffer's when back-buffered, else the target. */
    juce::Graphics* context() const { return backBuffered ? bufferContext.get() : target; }
    /** Sizes the back buffer to the viewport; nothing when drawing straight into the target. */
    void fitViewport(float vx, float vy, float vw, float vh);
    /** Copies the back buffer into the target. */
    void endFrame();

private:
    void renewBufferContext();

    juce::Graphics* target = nullptr;
    bool backBuffered = false;
    juce::Image backBuffer;
    std::unique_ptr<juce::Graphics> bufferContext;
    float cornerX = 0, cornerY = 0;
};
