#include "draw/comicbookexport.h"

#include <algorithm>
#include <memory>

#include "draw/pagefarm.h"
#include "draw/pagestrips.h"
#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "draw/view2svg.h"
#include "model/comic.h"
#include "model/page.h"
#include "model/safefile.h"

namespace
{
constexpr int storeOnly = 0, bestCompression = 9, fewestDigits = 3;
constexpr int germanLanguage = 2, frenchLanguage = 3;
const juce::String pageTooSmall = "Message.PageTooSmall";

/** A page picture encoded into a scratch file, deleted with it. */
struct Scratch
{
    std::unique_ptr<juce::TemporaryFile> file;
    PComicBookExport::Page page;
};

bool isLargeEnough(const PPage& page, int dpi)
{
    return PRasterExport::pixelsFor(page.width, dpi) >= PRasterExport::smallestSide &&
           PRasterExport::pixelsFor(page.height, dpi) >= PRasterExport::smallestSide;
}

/** Draws and encodes one page into a scratch file of its own. */
PResult drawPage(PPage& page, const PComicBookSettings& settings, Scratch& scratch)
{
    const bool jpeg = settings.picture == PComicBookSettings::Picture::jpeg;
    scratch.file = std::make_unique<juce::TemporaryFile>(jpeg ? ".jpg" : ".png");
    PRasterRequest request;
    request.dpi = settings.dpi;
    request.options = settings.options;
    request.encoding = jpeg ? PRasterRequest::Encoding::jpeg : PRasterRequest::Encoding::png;
    request.jpegQuality = PComicBookExport::jpegQuality;
    {
        juce::FileOutputStream out(scratch.file->getFile());
        if (!out.openedOk())
            return PResult::failure(PVectorExport::exportError);
        if (auto drawn = PPageStrips::write(page, request, out); !drawn.ok())
            return drawn;
        out.flush();
        if (!out.getStatus().wasOk())
            return PResult::failure(PVectorExport::exportError);
    }
    scratch.page = {PRasterExport::pixelsFor(page.width, settings.dpi),
                    PRasterExport::pixelsFor(page.height, settings.dpi), scratch.file->getFile().getSize()};
    return PResult::success();
}

/** The archive from the scratch pictures and the description, into the safe file. */
bool writeArchive(const PComic& comic, const std::vector<Scratch>& pictures, const PComicBookSettings& settings,
                  PSafeFile& safe)
{
    juce::ZipFile::Builder zip;
    std::vector<PComicBookExport::Page> pages;
    const int count = static_cast<int>(pictures.size());
    for (int i = 0; i < count; ++i)
    {
        const Scratch& scratch = pictures[static_cast<size_t>(i)];
        // The pictures are compressed already; deflating them again would only cost time.
        zip.addFile(scratch.file->getFile(), storeOnly, PComicBookExport::pictureName(i, count, settings.picture));
        pages.push_back(scratch.page);
    }
    const std::string info = PComicBookExport::comicInfo(comic, pages, settings.language);
    zip.addEntry(new juce::MemoryInputStream(info.data(), info.size(), true), bestCompression,
                 PComicBookExport::infoName, juce::Time::getCurrentTime());
    return zip.writeToStream(safe.stream(), nullptr);
}
} // namespace

PResult PComicBookExport::exportComic(PComic& comic, const juce::File& file, const PComicBookSettings& settings)
{
    if (comic.pages.isEmpty())
        return PResult::failure(PVectorExport::noPages);
    for (int i = 0; i < comic.pages.size(); ++i)
        if (!isLargeEnough(*comic.pages.get<PPage>(i), settings.dpi))
            return PResult::failure(pageTooSmall);
    // The target is tried first, so that a locked folder is told before minutes of drawing.
    PSafeFile safe(file);
    if (!safe.open())
        return PResult::failure(PVectorExport::exportError);
    const int count = comic.pages.size();
    std::vector<Scratch> pictures(static_cast<size_t>(count));
    // The pages are drawn on every core; each is a document object of its own, so no two threads
    // ever draw the same shapes.
    const auto drawn = PPageFarm::run(
        count,
        [&](int i, int) { return drawPage(*comic.pages.get<PPage>(i), settings, pictures[static_cast<size_t>(i)]); },
        [&](int i)
        {
            return PExportProgress::goOn(settings.progress, i + 1, count) ? PResult::success()
                                                                          : PResult::failure(PExportProgress::stopped);
        });
    if (!drawn.ok())
        return drawn;
    if (!writeArchive(comic, pictures, settings, safe) || !safe.commit())
        return PResult::failure(PVectorExport::exportError);
    return PResult::success();
}

std::string PComicBookExport::comicInfo(const PComic& comic, const std::vector<Page>& pages,
                                        const juce::String& language)
{
    // The elements keep the order of the schema's sequence: Title, Writer, PageCount, LanguageISO, Pages.
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<ComicInfo xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n";
    if (const auto title = comic.name.toString(); title.isNotEmpty())
        xml += "  <Title>" + PView2svg::escapeXml(title) + "</Title>\n";
    if (const auto writer = comic.author.toString(); writer.isNotEmpty())
        xml += "  <Writer>" + PView2svg::escapeXml(writer) + "</Writer>\n";
    xml += "  <PageCount>" + std::to_string(pages.size()) + "</PageCount>\n";
    xml += "  <LanguageISO>" + PView2svg::escapeXml(language) + "</LanguageISO>\n";
    xml += "  <Pages>\n";
    for (size_t i = 0; i < pages.size(); ++i)
    {
        xml += "    <Page Image=\"" + std::to_string(i) + "\" ImageSize=\"" + std::to_string(pages[i].bytes) +
               "\" ImageWidth=\"" + std::to_string(pages[i].width) + "\" ImageHeight=\"" +
               std::to_string(pages[i].height) + "\"";
        xml += i == 0 ? " Type=\"FrontCover\" />\n" : " />\n";
    }
    return xml + "  </Pages>\n</ComicInfo>\n";
}

juce::String PComicBookExport::pictureName(int index, int count, PComicBookSettings::Picture picture)
{
    const int digits = std::max(fewestDigits, juce::String(count).length());
    return "p" + juce::String(index + 1).paddedLeft('0', digits) +
           (picture == PComicBookSettings::Picture::jpeg ? ".jpg" : ".png");
}

juce::String PComicBookExport::languageCode(int language)
{
    switch (language)
    {
    case germanLanguage: return "de";
    case frenchLanguage: return "fr";
    default: return "en";
    }
}
