#include "draw/rasterexport.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include "draw/pagefarm.h"
#include "draw/pagestrips.h"
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

PRasterRequest requestFor(Encoding encoding, int dpi, uint32_t extraFlags, int layerTag, POption* options)
{
    PRasterRequest request;
    request.dpi = dpi;
    request.extraFlags = extraFlags;
    request.layerTag = layerTag;
    request.options = options;
    request.encoding = encoding == Encoding::jpeg ? PRasterRequest::Encoding::jpeg : PRasterRequest::Encoding::png;
    return request;
}

PResult exportAs(PPage& page, const juce::File& file, Encoding encoding, const PRasterRequest& request)
{
    if (encoding == Encoding::unknown || !isLargeEnough(page, request.dpi))
        return PResult::failure(fileError);
    // The file is opened before the picture is drawn, so that a locked folder is reported at once.
    PSafeFile out(file);
    if (!out.open())
        return PResult::failure(fileError);
    if (auto written = PPageStrips::write(page, request, out.stream()); !written.ok())
        return written;
    return out.commit() ? PResult::success() : PResult::failure(fileError);
}
/** Lets the caller stop a multi-picture export between pictures. */
PResult goOn(const PExportProgress::Callback& progress, int done, int count)
{
    return PExportProgress::goOn(progress, done, count) ? PResult::success()
                                                        : PResult::failure(PExportProgress::stopped);
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
    PPageStrips::draw(g, page, requestFor(Encoding::png, dpi, extraFlags, layerTag, options), w, h);
    return picture;
}

PResult PRasterExport::exportPage(PComic& comic, PPage& page, const juce::File& file, int dpi, uint32_t extraFlags,
                                  int layerTag, POption* options)
{
    (void) comic;
    const Encoding encoding = encodingFor(file);
    return exportAs(page, file, encoding, requestFor(encoding, dpi, extraFlags, layerTag, options));
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
    (void) comic;
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
        files.push_back(std::make_unique<PSafeFile>(seriesFile(file, k)));
        if (!files.back()->open())
            return PResult::failure(fileError);
    }
    // Drawing fills the shapes' caches, so two threads never draw one page: each worker draws a copy.
    std::vector<std::unique_ptr<PPage>> copies;
    for (int w = 0; w < PPageFarm::workersFor(n); ++w)
        copies.emplace_back(cloneAs(page));
    const PRasterRequest series =
        requestFor(Encoding::png, dpi, seriesFlag & (PViewState::blackFills | PViewState::whiteFills), 0, options);
    const auto drawn = PPageFarm::run(
        n,
        [&](int i, int worker)
        {
            PRasterRequest request = series;
            request.layerTag = i + 1;
            return PPageStrips::write(*copies[static_cast<size_t>(worker)], request,
                                      files[static_cast<size_t>(i)]->stream());
        },
        [&](int i) { return goOn(progress, i + 1, n); });
    if (!drawn.ok())
        return drawn;
    for (auto& out : files)
    {
        if (!out->commit())
            return PResult::failure(fileError);
        ++written;
    }
    return PResult::success();
}

PResult PRasterExport::exportPages(PComic& comic, int first, int last, const FileForPage& fileFor, int dpi,
                                   int& written, POption* options, const PExportProgress::Callback& progress)
{
    written = 0;
    if (first < 0 || last < first || last >= comic.pages.size())
        return PResult::failure(fileError);
    const int count = last - first + 1;
    std::vector<juce::File> targets;
    for (int i = first; i <= last; ++i)
        targets.push_back(fileFor(i));
    std::vector<std::unique_ptr<PSafeFile>> files(static_cast<size_t>(count));
    return PPageFarm::run(
        count,
        [&](int i, int)
        {
            const juce::File& target = targets[static_cast<size_t>(i)];
            const Encoding encoding = encodingFor(target);
            PPage& page = *comic.pages.get<PPage>(first + i);
            if (encoding == Encoding::unknown || !isLargeEnough(page, dpi))
                return PResult::failure(fileError);
            auto out = std::make_unique<PSafeFile>(target);
            if (!out->open())
                return PResult::failure(fileError);
            auto drawn = PPageStrips::write(page, requestFor(encoding, dpi, 0, 0, options), out->stream());
            files[static_cast<size_t>(i)] = std::move(out);
            return drawn;
        },
        // Pages go in place in page order, as one at a time would put them.
        [&](int i)
        {
            auto& out = files[static_cast<size_t>(i)];
            const bool placed = out->commit();
            out.reset();
            if (!placed)
                return PResult::failure(fileError);
            ++written;
            return goOn(progress, written, count);
        });
}
