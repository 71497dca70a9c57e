#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstdint>
#include <functional>

#include "draw/exportprogress.h"
#include "model/result.h"
#include "model/viewstate.h"

class PComic;
class PPage;
class POption;

/** Renders pages into pictures and writes them as PNG or JPEG. */
class PRasterExport
{
public:
    /** Pages with a side of fewer pixels than this are not exported. */
    static constexpr int smallestSide = 50;

    /** Pixel size of a page side: round(cm x 0.3937008 x dpi), halves away from zero. exportPage and
        exportSeries refuse sides below smallestSide ("FileChooser.ExportErr", nothing written). */
    static int pixelsFor(float centimetres, int dpi);
    /** Renders the page with view flags 4 | extraFlags (layerTag 0 = every layer) into an image. An invalid image on
        allocation failure. The options, when given, name the folder of pictures stored by name. */
    static juce::Image render(PComic& comic, PPage& page, int dpi, uint32_t extraFlags = 0, int layerTag = 0,
                              POption* options = nullptr);
    /** Writes the page as PNG or JPEG, chosen by the file's extension (.png, .jpg, .jpeg, any case).
        A failure carries "Message.MemError" when the picture cannot be allocated, "FileChooser.ExportErr" when the
        file cannot be written. Never leaves a partial file. */
    static PResult exportPage(PComic& comic, PPage& page, const juce::File& file, int dpi, uint32_t extraFlags = 0,
                              int layerTag = 0, POption* options = nullptr);
    /** The ink (seriesFlag PViewState::blackFills) or colour (PViewState::whiteFills) PNG series: n = the
        largest layer tag on the page, files k = 1..n named by inserting "_k" before the extension, file k
        showing the layers whose tag is k; none when n < 1.
        No file is put in place before every picture is drawn: a failure or a stop (progress hears k of n after
        each picture, in order) leaves none. The pictures are drawn on every core, each worker drawing its own
        copy of the page. written counts the files put in place. */
    static PResult exportSeries(PComic& comic, PPage& page, const juce::File& file, int dpi, uint32_t seriesFlag,
                                int& written, POption* options = nullptr,
                                const PExportProgress::Callback& progress = {});

    /** The file a page of a batch goes to, by page index from 0. */
    using FileForPage = std::function<juce::File(int pageIndex)>;
    /** Pages first .. last (indices from 0), each into its own file, PNG or JPEG by its name as
        for exportPage, drawn on every core. Each file is put in place in page order before progress
        hears of it; a failure or a stop leaves the files of the pages before it and none after.
        written counts the files put in place. */
    static PResult exportPages(PComic& comic, int first, int last, const FileForPage& fileFor, int dpi, int& written,
                               POption* options = nullptr, const PExportProgress::Callback& progress = {});

    /** The file of the k-th picture of a series: "_k" inserted before the extension. */
    static juce::File seriesFile(const juce::File& file, int k);
    /** The largest layer tag on the page: the number of pictures of its series. */
    static int seriesLength(const PPage& page);
};
