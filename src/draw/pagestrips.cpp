#include "draw/pagestrips.h"

#include <algorithm>
#include <future>
#include <limits>
#include <memory>
#include <system_error>

#include "draw/jpegrowwriter.h"
#include "draw/pngrowwriter.h"
#include "draw/rasterexport.h"
#include "draw/sparseimage.h"
#include "draw/view2gui.h"
#include "model/page.h"

namespace
{
const juce::String memoryError = "Message.MemError";
const juce::String fileError = "FileChooser.ExportErr";
constexpr int rgbBytes = 3;

std::unique_ptr<PRowWriter> writerFor(const PRasterRequest& request, juce::OutputStream& out, int width, int height)
{
    if (request.encoding == PRasterRequest::Encoding::png)
        return std::make_unique<PPngRowWriter>(out);
    const bool optimise = int64_t(width) * height <= PPageStrips::largestOptimisedJpeg;
    return std::make_unique<PJpegRowWriter>(out, request.jpegQuality, optimise);
}

/** Draws rows top .. top + rows of the picture into its sparse image. */
void drawStrip(const juce::Image& picture, PPage& page, const PRasterRequest& request, int top, int rows)
{
    juce::Graphics g(picture);
    g.reduceClipRegion(0, top, picture.getWidth(), rows);
    PPageStrips::draw(g, page, request, picture.getWidth(), picture.getHeight());
}

/** Encodes the rows of a drawn strip and hands their memory back. */
bool encodeStrip(const juce::Image& picture, int top, int rows, PRowWriter& writer)
{
    const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
    const bool written = writer.writeRows(pixels, top, rows);
    PSparseImage::release(picture, top, rows);
    return written;
}

/** Encodes strips on a thread of their own while the next strip is drawn: encoding a PNG takes
    about as long as drawing it. At most one strip is being encoded while one is drawn. */
class StripEncoder
{
public:
    StripEncoder(const juce::Image& image, PRowWriter& rowWriter) : picture(image), writer(rowWriter) {}
    ~StripEncoder() { (void) finish(); }
    StripEncoder(const StripEncoder&) = delete;
    StripEncoder& operator=(const StripEncoder&) = delete;

    /** Waits for the strip before, then starts encoding this one; false once any strip failed. */
    bool add(int top, int rows)
    {
        if (!finish())
            return false;
        try
        {
            pending =
                std::async(std::launch::async, [this, top, rows] { return encodeStrip(picture, top, rows, writer); });
        }
        catch (const std::system_error&)
        {
            return ok = encodeStrip(picture, top, rows, writer); // no thread to be had: encode here
        }
        return true;
    }

    /** Waits for the strip being encoded; false once any strip failed. */
    bool finish()
    {
        if (pending.valid() && !pending.get())
            ok = false;
        return ok;
    }

private:
    const juce::Image& picture;
    PRowWriter& writer;
    std::future<bool> pending;
    bool ok = true;
};
} // namespace

int PPageStrips::rowsPerStrip(int width)
{
    const size_t row = static_cast<size_t>(std::max(width, 1)) * rgbBytes;
    return static_cast<int>(std::clamp<size_t>(stripBytes / row, 1, std::numeric_limits<int>::max()));
}

void PPageStrips::draw(juce::Graphics& g, PPage& page, const PRasterRequest& request, int width, int height)
{
    // Paper is white: JPEG has no transparency, and a PNG should look the same.
    g.fillAll(juce::Colours::white);
    PView2gui view(request.options);
    view.setTarget(&g);
    view.flags = PView2::outputMode | request.extraFlags;
    view.dpi = static_cast<int16_t>(std::clamp(request.dpi, 1, static_cast<int>(std::numeric_limits<int16_t>::max())));
    view.layerFilter = request.layerTag;
    view.setViewport(0, 0, static_cast<float>(width), static_cast<float>(height), 0, 0, 1);
    view.drawPage(page);
}

PResult PPageStrips::write(PPage& page, const PRasterRequest& request, juce::OutputStream& out, int stripRows)
{
    const int width = PRasterExport::pixelsFor(page.width, request.dpi);
    const int height = PRasterExport::pixelsFor(page.height, request.dpi);
    if (width > PView2gui::largestSide || height > PView2gui::largestSide)
        return PResult::failure(memoryError);
    const juce::Image picture = PSparseImage::create(width, height);
    if (!picture.isValid())
        return PResult::failure(memoryError);
    const auto writer = writerFor(request, out, width, height);
    if (!writer->begin(width, height))
        return PResult::failure(fileError);
    const int rows = stripRows > 0 ? stripRows : rowsPerStrip(width);
    StripEncoder encoder(picture, *writer);
    for (int top = 0; top < height; top += rows)
    {
        const int strip = std::min(rows, height - top);
        drawStrip(picture, page, request, top, strip);
        if (!encoder.add(top, strip))
            return PResult::failure(fileError);
    }
    return encoder.finish() && writer->finish() ? PResult::success() : PResult::failure(fileError);
}
