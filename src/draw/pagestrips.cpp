#include "draw/pagestrips.h"

#include <algorithm>
#include <limits>
#include <memory>

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

/** Draws rows top .. top + rows of the picture into its sparse image and encodes them. */
bool writeStrip(const juce::Image& picture, PPage& page, const PRasterRequest& request, int top, int rows,
                PRowWriter& writer)
{
    const int width = picture.getWidth(), height = picture.getHeight();
    {
        juce::Graphics g(picture);
        g.reduceClipRegion(0, top, width, rows);
        PPageStrips::draw(g, page, request, width, height);
    }
    const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
    const bool written = writer.writeRows(pixels, top, rows);
    PSparseImage::release(picture, top, rows);
    return written;
}
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
    for (int top = 0; top < height; top += rows)
        if (!writeStrip(picture, page, request, top, std::min(rows, height - top), *writer))
            return PResult::failure(fileError);
    return writer->finish() ? PResult::success() : PResult::failure(fileError);
}
