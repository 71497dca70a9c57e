#include "model/image.h"

#include <algorithm>
#include <cmath>

#include "model/option.h"
#include "model/stream.h"
#include "model/viewstate.h"

namespace
{
constexpr float fullOpacity = 1.0f;

/** Paths relative to the working folder are taken from there, as a shell user expects. */
juce::File resolve(const juce::String& folder, const juce::String& name)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile(folder).getChildFile(name);
}
} // namespace

void PImage::copyFrom(const PBase* other)
{
    invalidate();
    PShape::copyFrom(other);
    if (auto* source = dynamic_cast<const PImage*>(other))
    {
        file = source->file;
        imageTag = source->imageTag;
        opacity = source->opacity;
        pixelWidth = source->pixelWidth;
        pixelHeight = source->pixelHeight;
        // The pixels are shared, not copied: a pasted image shows at once without a reload.
        image = source->image;
        openGLCopy = {};
    }
}

void PImage::write(PStream& s) const
{
    PShape::write(s);
    s.writeName(file);
    s.writeInt16(imageTag);
    s.writeFloat(opacity);
    s.writeInt32(pixelWidth);
    s.writeInt32(pixelHeight);
}

void PImage::read(PStream& s)
{
    PShape::read(s);
    s.readName(file);
    imageTag = s.readUInt16();
    opacity = readFinite(s, fullOpacity);
    pixelWidth = s.readInt32();
    pixelHeight = s.readInt32();
    if (!hasFlag(inImagesFolder | byFullPath))
        file.clear();
    sanitize();
    forgetPicture();
}

void PImage::sanitize()
{
    // A damaged file must not hand odd opacities or negative sizes to the back-ends.
    opacity = std::clamp(opacity, 0.0f, fullOpacity);
    pixelWidth = std::max(pixelWidth, 0);
    pixelHeight = std::max(pixelHeight, 0);
}

void PImage::invalidate()
{
    box.clear();
    bounds = PRect::of(0, 0, 0, 0);
    buildTriedLoading = false;
}

void PImage::setFile(const juce::String& name)
{
    file.assign(name);
    forgetPicture();
}

void PImage::forgetPicture()
{
    image = {};
    openGLCopy = {};
    invalidate();
}

bool PImage::loadImage(const POption* folderSource)
{
    if (file.isEmpty())
        return false;
    if (image.isValid())
        return true;
    const juce::String folder = folderSource != nullptr ? folderSource->imagesFolder : juce::String();
    return loadFrom(resolve(folder, file.toString()));
}

bool PImage::loadFrom(const juce::File& source)
{
    if (!source.existsAsFile())
        return false;
    juce::Image loaded = juce::ImageFileFormat::loadFrom(source);
    if (!loaded.isValid())
        return false;
    image = loaded;
    openGLCopy = {};
    if (image.getWidth() != 0 && image.getHeight() != 0)
    {
        pixelWidth = image.getWidth();
        pixelHeight = image.getHeight();
    }
    return true;
}

void PImage::normalize()
{
    PShape::normalize(); // also turns a NaN scale into 1
    scaleX = std::clamp(scaleX, minScale, maxScale);
    scaleY = std::clamp(scaleY, minScale, maxScale);
}

void PImage::getBounds(PRect& out, bool raw) const
{
    const int w = image.isValid() ? image.getWidth() : pixelWidth;
    const int h = image.isValid() ? image.getHeight() : pixelHeight;
    const auto halfWidth = static_cast<float>(w * pointsToCentimetres / 2);
    const auto halfHeight = static_cast<float>(h * pointsToCentimetres / 2);
    out = PRect::of(-halfWidth, -halfHeight, halfWidth, halfHeight);
    if (!raw)
        out = out.transformBounds(transform());
}

void PImage::build(PViewState& view)
{
    if (!image.isValid() && !buildTriedLoading)
    {
        buildTriedLoading = true;
        // A name in the images folder is found there too, so that a pasted copy shows as well.
        if (!loadImage(nullptr) && hasFlag(inImagesFolder))
            loadImage(view.options);
    }
    box.clear();
    bounds = PRect::of(0, 0, 0, 0);
    if (pixelWidth <= 0 || pixelHeight <= 0)
        return;
    box = buildShapeBox(*this, view);
}

bool PImage::hitTest(float px, float py, float, PEditMode)
{
    return boxContains(*this, box, px, py);
}
