#include "draw/vectorexport.h"

#include "draw/view2pdf.h"
#include "draw/view2svg.h"
#include "model/comic.h"
#include "model/page.h"
#include "model/safefile.h"

namespace
{
template <class Write> PResult writeSafely(const juce::File& file, Write&& write)
{
    PSafeFile safe(file);
    if (!safe.open() || !write(safe.stream()) || !safe.commit())
        return PResult::failure(PVectorExport::exportError);
    return PResult::success();
}

void writePdfTo(PView2pdf& writer, PComic& comic, PPage* page, POption* options, const PPdfSettings& settings)
{
    writer.options = options;
    writer.compressStreams = settings.compressed;
    writer.progress = settings.progress;
    writer.writeFile(&comic, page);
}
} // namespace

bool PVectorExport::writePdf(PComic& comic, PPage* page, juce::OutputStream& stream, POption* options,
                             const PPdfSettings& settings)
{
    PView2pdf writer(stream);
    writePdfTo(writer, comic, page, options, settings);
    return writer.finish() && !writer.wasStopped();
}

bool PVectorExport::writeSvg(PPage& page, juce::OutputStream& stream, POption* options)
{
    PView2svg writer(stream);
    writer.options = options;
    writer.drawPage(page);
    return writer.finish();
}

PResult PVectorExport::exportPdf(PComic& comic, const juce::File& file, int pageIndex, POption* options,
                                 const PPdfSettings& settings)
{
    if (comic.pages.isEmpty())
        return PResult::failure(noPages);
    PPage* page = nullptr;
    if (pageIndex != allPages)
    {
        page = pageIndex >= 0 && pageIndex < comic.pages.size() ? comic.pages.get<PPage>(pageIndex) : nullptr;
        if (page == nullptr)
            return PResult::failure(exportError);
    }
    PSafeFile safe(file);
    if (!safe.open())
        return PResult::failure(exportError);
    PView2pdf writer(safe.stream());
    writePdfTo(writer, comic, page, options, settings);
    // A stopped export drops its temporary with the safe file: the old file, if any, stays.
    if (writer.wasStopped())
        return PResult::failure(PExportProgress::stopped);
    if (!writer.finish() || !safe.commit())
        return PResult::failure(exportError);
    return PResult::success();
}

PResult PVectorExport::exportSvg(PPage& page, const juce::File& file, POption* options)
{
    return writeSafely(file, [&](juce::OutputStream& s) { return writeSvg(page, s, options); });
}
