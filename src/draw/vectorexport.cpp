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
} // namespace

bool PVectorExport::writePdf(PComic& comic, PPage* page, juce::OutputStream& stream, POption* options)
{
    PView2pdf writer(stream);
    writer.options = options;
    writer.writeFile(&comic, page);
    return writer.finish();
}

bool PVectorExport::writeSvg(PPage& page, juce::OutputStream& stream, POption* options)
{
    PView2svg writer(stream);
    writer.options = options;
    writer.drawPage(page);
    return writer.finish();
}

PResult PVectorExport::exportPdf(PComic& comic, const juce::File& file, int pageIndex, POption* options)
{
    // A PDF without a page is no document a viewer or a printer accepts.
    if (comic.pages.isEmpty())
        return PResult::failure(exportError);
    PPage* page = nullptr;
    if (pageIndex != allPages)
    {
        page = pageIndex >= 0 && pageIndex < comic.pages.size() ? comic.pages.get<PPage>(pageIndex) : nullptr;
        if (page == nullptr)
            return PResult::failure(exportError);
    }
    return writeSafely(file, [&](juce::OutputStream& s) { return writePdf(comic, page, s, options); });
}

PResult PVectorExport::exportSvg(PPage& page, const juce::File& file, POption* options)
{
    return writeSafely(file, [&](juce::OutputStream& s) { return writeSvg(page, s, options); });
}
