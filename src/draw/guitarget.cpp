#include "draw/guitarget.h"

#include <cmath>

juce::Image PGuiTarget::makeImage(juce::Image::PixelFormat format, int width, int height)
{
    if (width < 1 || height < 1 || width > largestSide || height > largestSide)
        return {};
    const size_t bytesPerPixel = format == juce::Image::RGB ? 3 : (format == juce::Image::ARGB ? 4 : 1);
    if (static_cast<size_t>(width) * static_cast<size_t>(height) * bytesPerPixel > largestImageBytes)
        return {};
    juce::Image image(format, width, height, true, juce::SoftwareImageType());
    // The library hands out an image even when its pixels could not be allocated; drawing into it would crash.
    const juce::Image::BitmapData pixels(image, juce::Image::BitmapData::readOnly);
    if (pixels.data == nullptr)
        return {};
    return image;
}

void PGuiTarget::setBackBuffered(bool on)
{
    backBuffered = on;
    if (!on)
    {
        bufferContext.reset();
        backBuffer = {};
    }
}

void PGuiTarget::renewBufferContext()
{
    bufferContext.reset();
    if (!backBuffer.isValid())
        return;
    bufferContext = std::make_unique<juce::Graphics>(backBuffer);
    // Device coordinates include the viewport's corner; the buffer starts there.
    bufferContext->addTransform(juce::AffineTransform::translation(-cornerX, -cornerY));
}

void PGuiTarget::fitViewport(float vx, float vy, float vw, float vh)
{
    if (!backBuffered)
        return;
    cornerX = vx, cornerY = vy;
    const int w = static_cast<int>(std::ceil(vw)), h = static_cast<int>(std::ceil(vh));
    if (!backBuffer.isValid() || backBuffer.getWidth() != w || backBuffer.getHeight() != h)
    {
        bufferContext.reset();
        // Every frame starts by clearing to the opaque background, so the buffer needs no alpha;
        // without it the copy to the screen is a plain copy instead of a blend (a tenth of a frame).
        backBuffer = makeImage(juce::Image::RGB, w, h);
    }
    renewBufferContext();
}

void PGuiTarget::endFrame()
{
    if (!backBuffered || !backBuffer.isValid())
        return;
    bufferContext.reset();
    if (target != nullptr)
        target->drawImageAt(backBuffer, juce::roundToInt(cornerX), juce::roundToInt(cornerY));
    renewBufferContext();
}
