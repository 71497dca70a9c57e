#pragma once

#include <juce_core/juce_core.h>

#include "draw/exportprogress.h"
#include "model/result.h"

class PComic;
class PPage;
class POption;

/** How a PDF is written: compressed unless someone wants to read its operators, and who hears of
    each page (a stop leaves no file; the result carries PExportProgress::stopped). */
struct PPdfSettings
{
    bool compressed = true;
    PExportProgress::Callback progress;
};

/** Exports pages as PDF and SVG files for the editor and the command-line tool. A file is
    written in full or not at all: the bytes go to a temporary file that replaces the target
    only after every write succeeded, so a full disk never leaves a truncated export behind.
    A failure carries the text key of its message.

        if (auto result = PVectorExport::exportPdf(comic, file, -1); !result.ok()) tell(result.messageKey());
*/
class PVectorExport
{
public:
    static constexpr const char* exportError = "FileChooser.ExportErr";
    /** A comic without pages gives no PDF: no viewer or printer accepts one. */
    static constexpr const char* noPages = "Message.NoPages";
    static constexpr int allPages = -1;

    /** The page with index pageIndex (from 0), or every page for allPages. The options, when
        given, name the images folder. */
    static PResult exportPdf(PComic& comic, const juce::File& file, int pageIndex, POption* options = nullptr,
                             const PPdfSettings& settings = {});
    static PResult exportSvg(PPage& page, const juce::File& file, POption* options = nullptr);

    /** The same into a stream; false when a write failed or the progress callback stopped it. */
    [[nodiscard]] static bool writePdf(PComic& comic, PPage* page, juce::OutputStream& stream,
                                       POption* options = nullptr, const PPdfSettings& settings = {});
    [[nodiscard]] static bool writeSvg(PPage& page, juce::OutputStream& stream, POption* options = nullptr);
};
