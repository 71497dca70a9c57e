#include "draw/rasterexport.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include "draw/view2gui.h"
#include "model/comic.h"
#include "model/geometry.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/safefile.h"

namespace
{
constexpr double inchesPerCentimetre = 0.3937008;
const juce::String memoryError = "Message.MemError";
const juce::String fileError = "FileChooser.ExportErr";

enum class Encoding
{
    unknown,
    png,
    jpeg
};

Encoding encodingFor(const juce::File& file)
{
    const juce::String extension = file.getFileExtension().toLowerCase();
    if (extension == ".png")
        return Encoding::png;
    if (extension == ".jpg" || extension == ".jpeg")
        return Encoding::jpeg;
    return Encoding::unknown;
}

bool isLargeEnough(const PPage& page, int dpi)
{
    return PRasterExport::pixelsFor(page.width, dpi) >= PRasterExport::smallestSide &&
           PRasterExport::pixelsFor(page.height, dpi) >= PRasterExport::smallestSide;
}

/** Encodes the picture into a temporary beside the file and puts it in place only when every byte is written. */
PResult writePicture(const juce::Image& picture, Encoding encoding, const juce::File& file)
{
    PSafeFile out(file);
    if (!out.open())
        return PResult::failure(fileError);
    std::unique_ptr<juce::ImageFileFormat> format;
    if (encoding == Encoding::png)
        format = std::make_unique<juce::PNGImageFormat>();
    else
        format = std::make_unique<juce::JPEGImageFormat>();
    if (!format->writeImageToStream(picture, out.stream()) || !out.commit())
        return PResult::failure(fileError);
    return PResult::success();
}

PResult exportAs(PComic& comic, PPage& page, const juce::File& file, Encoding encoding, int dpi, uint32_t extraFlags,
                 int layerTag, POption* options)
{
    if (encoding == Encoding::unknown || !isLargeEnough(page, dpi))
        return PResult::failure(fileError);
    // The file is tried before the picture is drawn, so that a locked folder is reported at once.
    {
        PSafeFile probe(file);
        if (!probe.open())
            return PResult::failure(fileError);
    }
    const juce::Image picture = PRasterExport::render(comic, page, dpi, extraFlags, layerTag, options);
    if (!picture.isValid())
        return PResult::failure(memoryError);
    return writePicture(picture, encoding, file);
}
} // namespace

int PRasterExport::pixelsFor(float centimetres, int dpi)
{
    const double pixels = static_cast<double>(centimetres) * inchesPerCentimetre * dpi;
    // Beyond what an int holds the size is absurd anyway; it is kept large so that the allocation refuses it.
    if (!(pixels < static_cast<double>(std::numeric_limits<int>::max())))
        return std::numeric_limits<int>::max();
    if (!(pixels > static_cast<double>(std::numeric_limits<int>::min())))
        return std::numeric_limits<int>::min();
    return roundHalfAway(pixels);
}

juce::Image PRasterExport::render(PComic& comic, PPage& page, int dpi, uint32_t extraFlags, int layerTag,
                                  POption* options)
{
    (void) comic;
    const int w = pixelsFor(page.width, dpi), h = pixelsFor(page.height, dpi);
    juce::Image picture = PView2gui::makeImage(juce::Image::RGB, w, h);
    if (!picture.isValid())
        return {};
    juce::Graphics g(picture);
    // Paper is white: JPEG has no transparency, and a PNG should look the same.
    g.fillAll(juce::Colours::white);
    PView2gui view(options);
    view.setTarget(&g);
    view.flags = PView2::outputMode | extraFlags;
    view.dpi = static_cast<int16_t>(std::clamp(dpi, 1, static_cast<int>(std::numeric_limits<int16_t>::max())));
    view.layerFilter = layerTag;
    view.setViewport(0, 0, static_cast<float>(w), static_cast<float>(h), 0, 0, 1);
    view.drawPage(page);
    return picture;
}

PResult PRasterExport::exportPage(PComic& comic, PPage& page, const juce::File& file, int dpi, uint32_t extraFlags,
                                  int layerTag, POption* options)
{
    return exportAs(comic, page, file, encodingFor(file), dpi, extraFlags, layerTag, options);
}

juce::File PRasterExport::seriesFile(const juce::File& file, int k)
{
    return file.getSiblingFile(file.getFileNameWithoutExtension() + "_" + juce::String(k) + file.getFileExtension());
}

int PRasterExport::seriesLength(const PPage& page)
{
    int n = 0;
    for (int i = 0; i < page.panels.size(); ++i)
    {
        const auto* panel = page.panels.get<PPanel>(i);
        for (int j = 0; j < panel->layers.size(); ++j)
            n = std::max(n, static_cast<int>(panel->layerAt(j)->tag));
    }
    return n;
}

PResult PRasterExport::exportSeries(PComic& comic, PPage& page, const juce::File& file, int dpi, uint32_t seriesFlag,
                                    int& written, POption* options, const PExportProgress::Callback& progress)
{
    written = 0;
    const int n = seriesLength(page);
    if (n < 1)
        return PResult::success();
    if (!isLargeEnough(page, dpi))
        return PResult::failure(fileError);
    // Every picture waits in its temporary until the last one is drawn, so that a series stopped
    // or failed half-way leaves none of its files and older ones keep their contents. The series
    // is PNG whatever the chosen name ends with: its flat areas must stay exact, which JPEG would
    // smear.
    std::vector<std::unique_ptr<PSafeFile>> files;
    for (int k = 1; k <= n; ++k)
    {
        auto out = std::make_unique<PSafeFile>(seriesFile(file, k));
        if (!out->open())
            return PResult::failure(fileError);
        const juce::Image picture = render(comic, page, dpi, seriesFlag & (inkSeries | colorSeries), k, options);
        if (!picture.isValid())
            return PResult::failure(memoryError);
        if (!juce::PNGImageFormat().writeImageToStream(picture, out->stream()))
            return PResult::failure(fileError);
        files.push_back(std::move(out));
        if (!PExportProgress::goOn(progress, k, n))
            return PResult::failure(PExportProgress::stopped);
    }
    for (auto& out : files)
    {
        if (!out->commit())
            return PResult::failure(fileError);
        ++written;
    }
    return PResult::success();
}
