#pragma once

#include <juce_graphics/juce_graphics.h>

#include "model/name.h"
#include "model/shape.h"

class POption;

/** A picture on a page, loaded from a PNG, JPEG or GIF file that the document names but
    never embeds. One pixel is one point. An image whose file is missing or unreadable
    keeps its remembered pixel size and is drawn as an empty box. */
class PImage : public PShape
{
public:
    /** One point in centimetres. */
    static constexpr double pointsToCentimetres = 0.03527777725;
    static constexpr uint32_t highQuality = 0x4;
    /** The file is named relative to the options' images folder; the name survives a load. */
    static constexpr uint32_t inImagesFolder = 0x10;
    /** The file is named by a full path; the name survives a load. */
    static constexpr uint32_t byFullPath = 0x20;
    static constexpr float minScale = 0.01f, maxScale = 10.0f;

    uint16_t classId() const override { return PClass::image; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void invalidate() override;
    bool hitTest(float px, float py, float scale, PEditMode mode) override;
    void normalize() override;
    void getBounds(PRect& out, bool raw) const override;
    void build(PViewState& view) override;

    /** Loads the file, from the images folder of folderSource when one is given; true when
        an image is loaded. A failure leaves the remembered pixel size as it was. */
    bool loadImage(const POption* folderSource);
    /** Names another file and forgets the picture of the old one, so that the next load reads the new file. */
    void setFile(const juce::String& name);
    bool hasImage() const { return image.isValid(); }
    /** The loaded picture, or an invalid image when none is loaded. */
    const juce::Image& getImage() const { return image; }
    /** The image box in page coordinates as last built; empty before a build or without a size. */
    const juce::Path& getBox() const { return box; }

    PName file;
    uint16_t imageTag = 0;
    float opacity = 1.0f;
    int32_t pixelWidth = 0, pixelHeight = 0;
    /** Run-time only: a copy with power-of-two sides that the OpenGL back-end prepares. */
    juce::Image openGLCopy;

private:
    juce::Image image;
    juce::Path box;
    /** Drawing retries a failed file only after the image changed, not on every frame. */
    bool buildTriedLoading = false;

    bool loadFrom(const juce::File& source);
    void forgetPicture();
    void sanitize();
};
