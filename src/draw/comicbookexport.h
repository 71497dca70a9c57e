#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <vector>

#include "draw/exportprogress.h"
#include "model/result.h"

class PComic;
class POption;

/** How a comic book archive is made: the resolution and encoding of its page pictures, the
    language its description names, the options that find pictures stored by name, and who hears
    of each page. */
struct PComicBookSettings
{
    enum class Picture
    {
        png,
        jpeg
    };
    int dpi = 100;
    Picture picture = Picture::png;
    /** ISO 639-1 code, as languageCode() gives it for the interface language. */
    juce::String language = "en";
    POption* options = nullptr;
    PExportProgress::Callback progress;
};

/** Writes a comic as a comic book archive (CBZ): a ZIP of its pages as pictures named p001.png,
    p002.png ... in page order, and a ComicInfo.xml (schema 2.0) that readers and library servers
    take the title, the writer, the page order and the cover from. The archive is written in
    full or not at all, through a temporary file beside the target.

        PComicBookSettings settings;
        settings.dpi = 300;
        settings.language = PComicBookExport::languageCode(options.language);
        if (auto result = PComicBookExport::exportComic(comic, file, settings); !result.ok()) tell(result.messageKey());
*/
class PComicBookExport
{
public:
    static constexpr const char* infoName = "ComicInfo.xml";
    /** JPEG pages are encoded at this quality, 0 to 1: flat colours and lines stay clean. */
    static constexpr float jpegQuality = 0.9f;

    /** What ComicInfo.xml says of one page picture. */
    struct Page
    {
        int width = 0, height = 0;
        int64_t bytes = 0;
    };

    /** Every page of the comic into the archive. A comic without pages gives "Message.NoPages",
        a page under PRasterExport::smallestSide pixels "Message.PageTooSmall", a picture too
        large for memory "Message.MemError", a failed write "FileChooser.ExportErr", a stop
        PExportProgress::stopped; none of them leaves a file. */
    static PResult exportComic(PComic& comic, const juce::File& file, const PComicBookSettings& settings);

    /** The ComicInfo.xml of a comic whose pictures are pages, in order. */
    static std::string comicInfo(const PComic& comic, const std::vector<Page>& pages, const juce::String& language);
    /** The name of picture index (from 0) of count: p001.png ..., with more digits past 999 pages
        so that names sort in page order. */
    static juce::String pictureName(int index, int count, PComicBookSettings::Picture picture);
    /** "de" and "fr" for the German and French interface languages, otherwise "en". */
    static juce::String languageCode(int language);
};
