#include <gtest/gtest.h>

#include "draw/jpegrowwriter.h"

namespace
{
/** A picture with edges, gradients and noise, so that the Huffman tables have work to do. */
juce::Image busyPicture()
{
    juce::Image picture(juce::Image::RGB, 173, 97, true);
    juce::Graphics g(picture);
    g.setGradientFill(juce::ColourGradient(juce::Colours::navy, 0, 0, juce::Colours::gold, 173, 97, false));
    g.fillAll();
    g.setColour(juce::Colours::crimson);
    g.drawEllipse(20, 10, 120, 70, 5);
    juce::Random random(7);
    for (int i = 0; i < 500; ++i)
        picture.setPixelAt(random.nextInt(173), random.nextInt(97), juce::Colour(random.nextInt()).withAlpha(1.0f));
    return picture;
}

juce::MemoryBlock inBands(const juce::Image& picture, float quality, bool optimise)
{
    juce::MemoryOutputStream out;
    PJpegRowWriter writer(out, quality, optimise);
    const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
    EXPECT_TRUE(writer.begin(picture.getWidth(), picture.getHeight()));
    for (int top = 0; top < picture.getHeight(); top += 10)
        EXPECT_TRUE(writer.writeRows(pixels, top, std::min(10, picture.getHeight() - top)));
    EXPECT_TRUE(writer.finish());
    return out.getMemoryBlock();
}

bool samePixels(const juce::MemoryBlock& a, const juce::MemoryBlock& b)
{
    const auto pa = juce::ImageFileFormat::loadFrom(a.getData(), a.getSize());
    const auto pb = juce::ImageFileFormat::loadFrom(b.getData(), b.getSize());
    if (!pa.isValid() || pa.getBounds() != pb.getBounds())
        return false;
    for (int y = 0; y < pa.getHeight(); ++y)
        for (int x = 0; x < pa.getWidth(); ++x)
            if (pa.getPixelAt(x, y) != pb.getPixelAt(x, y))
                return false;
    return true;
}
} // namespace

// With optimised tables the bands give the library writer's bytes; with the standard tables the
// coefficients, and so the decoded pixels, stay the same in a larger file.
TEST(JpegRowWriter, BandsMatchTheLibraryWriter)
{
    const juce::Image picture = busyPicture();
    for (const float quality : {-1.0f, 0.9f})
    {
        juce::JPEGImageFormat library;
        library.setQuality(quality);
        juce::MemoryOutputStream whole;
        ASSERT_TRUE(library.writeImageToStream(picture, whole));
        const auto optimised = inBands(picture, quality, true);
        EXPECT_TRUE(optimised == whole.getMemoryBlock()) << quality;
        const auto standard = inBands(picture, quality, false);
        EXPECT_TRUE(samePixels(standard, whole.getMemoryBlock())) << quality;
        EXPECT_GT(standard.getSize(), optimised.getSize());
    }
}

TEST(JpegRowWriter, RowsOutOfOrderOrMissingAreRefused)
{
    const juce::Image picture = busyPicture();
    const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
    juce::MemoryOutputStream out;
    PJpegRowWriter skipping(out, -1, true);
    ASSERT_TRUE(skipping.begin(173, 97));
    EXPECT_FALSE(skipping.writeRows(pixels, 5, 10));
    EXPECT_TRUE(skipping.writeRows(pixels, 0, 50));
    EXPECT_FALSE(skipping.finish());
    PJpegRowWriter empty(out, -1, true);
    EXPECT_FALSE(empty.begin(0, 10));
}
