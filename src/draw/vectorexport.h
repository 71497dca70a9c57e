#pragma once

#include <juce_core/juce_core.h>

#include "model/result.h"

class PComic;
class PPage;
class POption;

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
    static constexpr int allPages = -1;

    /** The page with index pageIndex (from 0), or every page for allPages. The options, when
        given, name the images folder. */
    static PResult exportPdf(PComic& comic, const juce::File& file, int pageIndex, POption* options = nullptr);
    static PResult exportSvg(PPage& page, const juce::File& file, POption* options = nullptr);

    /** The same into a stream; false when a write failed. */
    [[nodiscard]] static bool writePdf(PComic& comic, PPage* page, juce::OutputStream& stream,
                                       POption* options = nullptr);
    [[nodiscard]] static bool writeSvg(PPage& page, juce::OutputStream& stream, POption* options = nullptr);
};
