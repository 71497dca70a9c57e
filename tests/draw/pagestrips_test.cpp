#include <gtest/gtest.h>

#include "draw/pagestrips.h"
#include "draw/rasterexport.h"
#include "draw/sparseimage.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"

namespace
{
/** The bytes the library's own writers give for the page drawn whole. */
juce::MemoryBlock wholeBytes(PComic& comic, PPage& page, const PRasterRequest& request)
{
    const juce::Image picture = PRasterExport::render(comic, page, request.dpi, 0, 0, request.options);
    juce::MemoryOutputStream out;
    if (request.encoding == PRasterRequest::Encoding::png)
        juce::PNGImageFormat().writeImageToStream(picture, out);
    else
        juce::JPEGImageFormat().writeImageToStream(picture, out);
    return out.getMemoryBlock();
}

juce::MemoryBlock stripBytes(PPage& page, const PRasterRequest& request, int rows)
{
    juce::MemoryOutputStream out;
    EXPECT_EQ(PPageStrips::write(page, request, out, rows).messageKey(), "");
    return out.getMemoryBlock();
}

/** Where two pictures first differ, to tell a seam from a wholesale change. */
juce::String firstDifference(const juce::MemoryBlock& a, const juce::MemoryBlock& b)
{
    const auto pa = juce::ImageFileFormat::loadFrom(a.getData(), a.getSize());
    const auto pb = juce::ImageFileFormat::loadFrom(b.getData(), b.getSize());
    if (pa.getBounds() != pb.getBounds())
        return "sizes differ";
    for (int y = 0; y < pa.getHeight(); ++y)
        for (int x = 0; x < pa.getWidth(); ++x)
            if (pa.getPixelAt(x, y) != pb.getPixelAt(x, y))
                return "pixel " + juce::String(x) + ", " + juce::String(y);
    return "same pixels";
}

/** Refuses every write, as a full disk does. */
struct FullDisk : juce::OutputStream
{
    void flush() override {}
    bool setPosition(juce::int64) override { return false; }
    juce::int64 getPosition() override { return 0; }
    bool write(const void*, size_t) override { return false; }
};
} // namespace

// Strips of a prime number of rows put seams across the curves, the brushes, the bold
// underlined text, the deformed group, the panels and the picture of both samples; every strip
// must give the pixels, and so the bytes, of the page drawn in one piece.
TEST(PageStrips, StripsGiveTheBytesOfThePageDrawnWhole)
{
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("photo.png"), 40, 30));
    PComic sampleComic, pictured;
    sample::fill(sampleComic);
    exportsample::pictureComic(pictured, tmp.file("photo.png"));
    for (PComic* comic : {&sampleComic, &pictured})
        for (const auto encoding : {PRasterRequest::Encoding::png, PRasterRequest::Encoding::jpeg})
        {
            PRasterRequest request;
            request.dpi = 150;
            request.encoding = encoding;
            PPage& page = *comic->pages.get<PPage>(0);
            const auto whole = wholeBytes(*comic, page, request);
            for (const int rows : {37, 1000000})
            {
                const auto strips = stripBytes(page, request, rows);
                EXPECT_TRUE(strips == whole) << comic->name.toString() << ", " << rows << " rows, encoding "
                                             << static_cast<int>(encoding) << ": " << firstDifference(strips, whole);
            }
        }
}

TEST(PageStrips, AWriteThatFailsOrAPageTooLargeIsReported)
{
    PComic comic;
    sample::fill(comic);
    PPage& page = *comic.pages.get<PPage>(0);
    FullDisk full;
    EXPECT_EQ(PPageStrips::write(page, {}, full).messageKey(), "FileChooser.ExportErr");
    page.width = 1.0e6f;
    juce::MemoryOutputStream out;
    EXPECT_EQ(PPageStrips::write(page, {}, out).messageKey(), "Message.MemError");
    EXPECT_EQ(out.getDataSize(), 0u);
}

TEST(SparseImage, ReleasedRowsGoBackToTheSystemAndReadAsBlack)
{
    const juce::Image picture = PSparseImage::create(1000, 1000);
    ASSERT_TRUE(PSparseImage::isSparse(picture));
    {
        juce::Graphics g(picture);
        g.reduceClipRegion(0, 0, 1000, 200);
        g.fillAll(juce::Colours::white);
    }
    EXPECT_EQ(picture.getPixelAt(500, 150), juce::Colours::white);
    EXPECT_EQ(picture.getPixelAt(500, 250), juce::Colours::black); // never drawn
    PSparseImage::release(picture, 0, 200);
    EXPECT_EQ(picture.getPixelAt(500, 100), juce::Colours::black);
    EXPECT_FALSE(PSparseImage::create(0, 10).isValid());
}
