// plumet-cli: inspect, create and copy project files without the editor.

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "describe.h"
#include "draw/comicbookexport.h"
#include "draw/pagepicture.h"
#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "model/comic.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/safefile.h"

namespace
{
constexpr int exitOk = 0;
constexpr int exitLoadFailed = 2;
constexpr int exitSaveFailed = 3;
constexpr int exitUsage = 64;

const char* usage = "usage: plumet-cli info FILE\n"
                    "       plumet-cli new OUT [--title T] [--author A] [--format 1-6] [--rotate]\n"
                    "       plumet-cli copy IN OUT\n"
                    "       plumet-cli option FILE NAME VALUE\n"
                    "       plumet-cli export FILE -o OUT [--format pdf|svg|png|jpg|cbz] [--page N|A-B|all]\n"
                    "                         [--dpi 100|300|600|900] [--series ink|color] [--images DIR]\n"
                    "                         [--image png|jpg] [--uncompressed] [--progress]\n"
                    "       plumet-cli thumbnail FILE OUT.png [--size N]\n"
                    "\n"
                    "  info   print the load result and the file's contents as JSON\n"
                    "  new    write a new, empty comic\n"
                    "  copy   load a project file and save it under another path\n"
                    "  option set one setting in an options file (comics_options.opt): openGLCanvas, snap,\n"
                    "         showGrid, useInch, tooltips (0 or 1), language, guiSize, gridSize, gridDivisions,\n"
                    "         snapAngle, exportDpi, autosaveEvery (a whole number)\n"
                    "  export write the comic or one of its pages as PDF, SVG, PNG or JPG, or the whole comic\n"
                    "         as a comic book archive (CBZ). The format follows OUT's extension unless --format\n"
                    "         names it. A PDF without --page holds every page; the other formats write one\n"
                    "         page, --page N counting from 1 (default 1). --dpi is the resolution of PNG, JPG\n"
                    "         and CBZ pictures (default 100); a page side under 50 pixels is not written.\n"
                    "         --series writes a series of PNG files instead of one: a layer's tag is its level,\n"
                    "         n is the largest tag among the page's layers, and file k, for k = 1 .. n,\n"
                    "         is OUT with _k before the extension (ink.png gives ink_1.png, ink_2.png ...); it\n"
                    "         shows only the layers tagged k, with every fill opaque black and no lines (ink) or\n"
                    "         every fill opaque white (color). The files written are listed on standard output;\n"
                    "         a page without a layer tagged 1 or more gives none and exit status 3.\n"
                    "         --page all or --page A-B writes one SVG, PNG or JPG file per page, named OUT with\n"
                    "         _p01, _p02 ... before the extension (more digits when the comic has 100 pages or\n"
                    "         more), and lists them; with --series the page comes first (ink_p01_1.png). For a\n"
                    "         PDF, --page all is the whole comic in one file. Pictures stored by name are looked\n"
                    "         up in the images folder of the user folder (~/Documents/Plumet/images), or in DIR\n"
                    "         with --images; a picture that cannot be found is named on standard error and the\n"
                    "         export goes on without it. A comic without pages gives no PDF (exit status 3).\n"
                    "         A PDF's content is compressed; --uncompressed leaves its operators readable.\n"
                    "         A CBZ holds every page as p001.png, p002.png ... at --dpi (or p001.jpg ... at\n"
                    "         quality 90 with --image jpg) and a ComicInfo.xml with the title, the author, the\n"
                    "         page sizes, the first page as the cover and the language of the editor's options;\n"
                    "         a comic without pages gives none (exit status 3). --progress prints a line\n"
                    "         \"page N of M\" to standard error after each page written.\n"
                    "  thumbnail  draw page 1 into a PNG whose longer side is N pixels (16 to 2048, default\n"
                    "         256) on white paper: the preview that file managers show for a comic\n"
                    "\n"
                    "exit status: 0 success (for export: every file written in full), 2 the file could not\n"
                    "be loaded, 3 it could not be saved or exported (a failed export leaves no file behind),\n"
                    "64 wrong usage\n";

int usageError(const juce::String& why)
{
    std::cerr << "plumet-cli: " << why << "\n" << usage;
    return exitUsage;
}

const char* reasonFor(PLoadResult result)
{
    switch (result)
    {
    case PLoadResult::outOfMemory: return "out of memory or no file name";
    case PLoadResult::damaged: return "not a project file of this kind, damaged or missing";
    case PLoadResult::newerOrIncomplete: return "written by a newer version, or its data is incomplete";
    default: return "unknown result";
    }
}

int loadFailed(const juce::String& path, PLoadResult result)
{
    std::cerr << "plumet-cli: cannot load " << path << ": result " << static_cast<int>(result) << " ("
              << reasonFor(result) << ")\n";
    return exitLoadFailed;
}

/** The project held in a file: a comic, or the options file. */
struct Loaded
{
    std::unique_ptr<PProject> project;
    PLoadResult result = PLoadResult::damaged;
};

Loaded loadProject(const juce::String& path)
{
    Loaded loaded;
    auto comic = std::make_unique<PComic>();
    loaded.result = comic->load(path);
    if (loaded.result != PLoadResult::damaged)
    {
        loaded.project = std::move(comic);
        return loaded;
    }
    auto options = std::make_unique<POption>();
    const auto asOptions = options->load(path);
    if (asOptions != PLoadResult::damaged)
    {
        loaded.result = asOptions;
        loaded.project = std::move(options);
    }
    return loaded;
}

int info(const juce::StringArray& args)
{
    if (args.size() != 1)
        return usageError("info takes one file");
    const auto loaded = loadProject(args[0]);
    std::cout << "{\"result\": " << static_cast<int>(loaded.result);
    if (loaded.result != PLoadResult::ok)
    {
        std::cout << "}\n";
        return loadFailed(args[0], loaded.result);
    }
    auto* comic = dynamic_cast<PComic*>(loaded.project.get());
    const auto contents =
        comic != nullptr ? describe::comic(*comic) : describe::options(*static_cast<POption*>(loaded.project.get()));
    std::cout << ", \"" << (comic != nullptr ? "comic" : "options") << "\": " << juce::JSON::toString(contents)
              << "}\n";
    return exitOk;
}

bool takeValue(const juce::StringArray& args, int& i, juce::String& value)
{
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

int newComic(const juce::StringArray& args)
{
    if (args.isEmpty())
        return usageError("new needs an output file");
    PComic comic;
    comic.path = juce::File::getCurrentWorkingDirectory().getChildFile(args[0]).getFullPathName();
    comic.modified = true;
    comic.format = PPageFormat::a4;
    for (int i = 1; i < args.size(); ++i)
    {
        juce::String value;
        if (args[i] == "--rotate")
            comic.flags |= PComic::rotated;
        else if (args[i] == "--title" && takeValue(args, i, value))
            comic.name.assign(value);
        else if (args[i] == "--author" && takeValue(args, i, value))
            comic.author.assign(value);
        else if (args[i] == "--format" && takeValue(args, i, value) && value.containsOnly("0123456789") &&
                 value.getIntValue() >= PPageFormat::a4 && value.getIntValue() <= PPageFormat::customIn)
            comic.format = static_cast<uint16_t>(value.getIntValue());
        else
            return usageError("unknown or incomplete option " + args[i]);
    }
    comic.applyPageFormat();
    if (!comic.save().ok())
    {
        std::cerr << "plumet-cli: cannot save " << comic.path << "\n";
        return exitSaveFailed;
    }
    return exitOk;
}

int copy(const juce::StringArray& args)
{
    if (args.size() != 2)
        return usageError("copy takes an input and an output file");
    auto loaded = loadProject(args[0]);
    if (loaded.result != PLoadResult::ok)
        return loadFailed(args[0], loaded.result);
    loaded.project->path = juce::File::getCurrentWorkingDirectory().getChildFile(args[1]).getFullPathName();
    if (!loaded.project->save().ok())
    {
        std::cerr << "plumet-cli: cannot save " << loaded.project->path << "\n";
        return exitSaveFailed;
    }
    return exitOk;
}

/** The settings the option command may change, by the names the options file uses. */
bool* switchNamed(POption& o, const juce::String& name)
{
    const std::pair<const char*, bool*> switches[] = {{"openGLCanvas", &o.openGLCanvas},
                                                      {"snap", &o.snap},
                                                      {"showGrid", &o.showGrid},
                                                      {"useInch", &o.useInch},
                                                      {"tooltips", &o.tooltips}};
    for (const auto& [key, field] : switches)
        if (name == key)
            return field;
    return nullptr;
}

int16_t* numberNamed(POption& o, const juce::String& name)
{
    const std::pair<const char*, int16_t*> numbers[] = {
        {"language", &o.language},           {"guiSize", &o.guiSize},     {"gridSize", &o.gridSize},
        {"gridDivisions", &o.gridDivisions}, {"snapAngle", &o.snapAngle}, {"exportDpi", &o.exportDpi},
        {"autosaveEvery", &o.autosaveEvery}};
    for (const auto& [key, field] : numbers)
        if (name == key)
            return field;
    return nullptr;
}

int setOption(const juce::StringArray& args)
{
    if (args.size() != 3)
        return usageError("option takes a file, a setting's name and its value");
    auto loaded = loadProject(args[0]);
    if (loaded.result != PLoadResult::ok)
        return loadFailed(args[0], loaded.result);
    auto* options = dynamic_cast<POption*>(loaded.project.get());
    if (options == nullptr)
        return usageError(args[0] + " is not an options file");
    const juce::String& value = args[2];
    if (!value.containsOnly("-0123456789") || value.isEmpty())
        return usageError("the value must be a whole number");
    if (bool* field = switchNamed(*options, args[1]))
        *field = value.getIntValue() != 0;
    else if (int16_t* number = numberNamed(*options, args[1]))
        *number = static_cast<int16_t>(juce::jlimit(-32768, 32767, value.getIntValue()));
    else
        return usageError("unknown setting " + args[1]);
    if (!options->save().ok())
    {
        std::cerr << "plumet-cli: cannot save " << options->path << "\n";
        return exitSaveFailed;
    }
    return exitOk;
}

/** What the export command was asked for. */
struct ExportRequest
{
    juce::String input, output, format, images;
    int page = 0; // from 1; 0 when not given
    /** A range of pages, one file each: last 0 means up to the last page. */
    bool batch = false;
    int firstPage = 1, lastPage = 0;
    int dpi = 100;
    uint32_t series = 0;
    PComicBookSettings::Picture picture = PComicBookSettings::Picture::png;
    bool uncompressed = false, progress = false;
};

/** The format named by a file's extension, or "" when it names none. */
juce::String formatOf(const juce::File& file)
{
    const auto extension = file.getFileExtension().toLowerCase();
    if (extension == ".jpeg")
        return "jpg";
    if (extension == ".pdf" || extension == ".svg" || extension == ".png" || extension == ".jpg" || extension == ".cbz")
        return extension.substring(1);
    return {};
}

bool isWholeNumber(const juce::String& s)
{
    return s.isNotEmpty() && s.length() <= 9 && s.containsOnly("0123456789");
}

/** Takes "N", "A-B" or "all" (pages counted from 1); false when value is none of them. */
bool parsePages(const juce::String& value, ExportRequest& request)
{
    if (value == "all")
    {
        request.batch = true;
        return true;
    }
    if (isWholeNumber(value) && value.getIntValue() > 0)
    {
        request.page = value.getIntValue();
        return true;
    }
    const auto first = value.upToFirstOccurrenceOf("-", false, false);
    const auto last = value.fromFirstOccurrenceOf("-", false, false);
    if (!isWholeNumber(first) || !isWholeNumber(last) || first.getIntValue() < 1 ||
        last.getIntValue() < first.getIntValue())
        return false;
    request.batch = true;
    request.firstPage = first.getIntValue();
    request.lastPage = last.getIntValue();
    return true;
}

/** Fills request from the arguments; an empty result, or the reason they are wrong. */
juce::String parseExport(const juce::StringArray& args, ExportRequest& request)
{
    for (int i = 0; i < args.size(); ++i)
    {
        juce::String value;
        const auto& option = args[i];
        if (!option.startsWith("-") && request.input.isEmpty())
            request.input = option;
        else if (option == "-o" && takeValue(args, i, value))
            request.output = value;
        else if (option == "--format" && takeValue(args, i, value) &&
                 juce::StringArray{"pdf", "svg", "png", "jpg", "cbz"}.contains(value))
            request.format = value;
        else if (option == "--page" && takeValue(args, i, value) && parsePages(value, request))
            continue;
        else if (option == "--images" && takeValue(args, i, value))
            request.images = value;
        else if (option == "--dpi" && takeValue(args, i, value) &&
                 juce::StringArray{"100", "300", "600", "900"}.contains(value))
            request.dpi = value.getIntValue();
        else if (option == "--series" && takeValue(args, i, value) && (value == "ink" || value == "color"))
            request.series = value == "ink" ? PViewState::blackFills : PViewState::whiteFills;
        else if (option == "--image" && takeValue(args, i, value) && (value == "png" || value == "jpg"))
            request.picture = value == "jpg" ? PComicBookSettings::Picture::jpeg : PComicBookSettings::Picture::png;
        else if (option == "--uncompressed")
            request.uncompressed = true;
        else if (option == "--progress")
            request.progress = true;
        else
            return "unknown or incomplete option " + option;
    }
    if (request.input.isEmpty() || request.output.isEmpty())
        return "export needs a project file and -o OUT";
    if (request.format.isEmpty())
        request.format = formatOf(juce::File::getCurrentWorkingDirectory().getChildFile(request.output));
    if (request.format.isEmpty())
        return "cannot tell the format from " + request.output + "; give --format";
    if (request.series != 0 && request.format != "png")
        return "--series writes PNG files only";
    if (request.batch && request.format == "pdf" && request.lastPage != 0)
        return "a PDF holds one page or the whole comic: give --page N or --page all";
    const bool raster = request.format == "png" || request.format == "jpg";
    if (args.contains("--dpi") && !raster && request.format != "cbz")
        return "--dpi applies to PNG, JPG and CBZ only";
    if (args.contains("--image") && request.format != "cbz")
        return "--image applies to CBZ only";
    if (request.uncompressed && request.format != "pdf")
        return "--uncompressed applies to PDF only";
    if (request.format == "cbz" && (request.page != 0 || request.batch))
        return "a CBZ holds the whole comic: leave out --page";
    // The picture encoder goes by the extension, so a single picture must carry the right one.
    if (raster && request.series == 0 &&
        formatOf(juce::File::getCurrentWorkingDirectory().getChildFile(request.output)) != request.format)
        return "a " + request.format.toUpperCase() + " file needs a name ending in ." + request.format;
    return {};
}

int exportFailed(const juce::String& what, const juce::String& key)
{
    const char* why = key == "Message.MemError"       ? "not enough memory for the picture"
                      : key == "Message.PageTooSmall" ? "a page is under 50 pixels at this resolution"
                      : key == PVectorExport::noPages ? "the comic has no pages"
                                                      : "the file could not be written, or the page is too small";
    std::cerr << "plumet-cli: cannot export " << what << ": " << why << " (" << key << ")\n";
    return exitSaveFailed;
}

/** Writes the page's series and lists its files; written counts them. */
int writeSeries(PComic& comic, PPage& page, const juce::File& out, const ExportRequest& request, POption& options,
                int& written)
{
    written = 0;
    const auto result = PRasterExport::exportSeries(comic, page, out, request.dpi, request.series, written, &options);
    for (int k = 1; k <= written; ++k)
        std::cout << PRasterExport::seriesFile(out, k).getFullPathName() << "\n";
    if (!result.ok())
        return exportFailed(PRasterExport::seriesFile(out, written + 1).getFullPathName(), result.messageKey());
    return exitOk;
}

int noSeriesWritten(const char* where)
{
    std::cerr << "plumet-cli: no layer of " << where << " has a tag of 1 or more: no series written\n";
    return exitSaveFailed;
}

/** Pictures stored by name are looked up in this folder, as the editor does. */
juce::String imagesFolderFor(const ExportRequest& request)
{
    if (request.images.isNotEmpty())
        return juce::File::getCurrentWorkingDirectory().getChildFile(request.images).getFullPathName();
    return PProject::imagesFolderOf(PProject::defaultUserFolder()).getFullPathName();
}

void reportMissingPictures(const PArray& shapes, POption& options)
{
    for (PBase* object : shapes)
    {
        if (object->classId() == PClass::group)
            reportMissingPictures(static_cast<PGroup*>(object)->children, options);
        if (object->classId() != PClass::image)
            continue;
        auto* picture = static_cast<PImage*>(object);
        if (!picture->loadImage(nullptr) && !picture->loadImage(&options))
            std::cerr << "plumet-cli: picture not found, left out: " << picture->file.toString() << "\n";
    }
}

/** Names every picture of the page that cannot be found; the export goes on without them. */
void reportMissingPictures(const PPage& page, POption& options)
{
    for (int i = 0; i < page.panels.size(); ++i)
        for (PBase* layer : page.panels.get<PPanel>(i)->layers)
            reportMissingPictures(static_cast<PLayer*>(layer)->shapes, options);
}

/** OUT with "_p" and the page number before the extension, padded to the digits the page count needs. */
juce::File pageFile(const juce::File& out, int number, int pageCount)
{
    const int digits = std::max(2, juce::String(pageCount).length());
    return out.getSiblingFile(out.getFileNameWithoutExtension() + "_p" + juce::String(number).paddedLeft('0', digits) +
                              out.getFileExtension());
}

void printProgress(int done, int count)
{
    std::cerr << "page " << done << " of " << count << "\n";
}

/** Prints each written page with --progress; the command line never stops an export half-way. */
PExportProgress::Callback progressFor(const ExportRequest& request)
{
    if (!request.progress)
        return {};
    return [](int done, int count)
    {
        printProgress(done, count);
        return true;
    };
}

PPdfSettings pdfSettingsFor(const ExportRequest& request, bool wholeComic)
{
    PPdfSettings settings;
    settings.compressed = !request.uncompressed;
    if (wholeComic)
        settings.progress = progressFor(request);
    return settings;
}

/** One page into one file (or a series of files, counted in written), listing what a batch writes. */
int exportPage(PComic& comic, int number, const juce::File& out, const ExportRequest& request, POption& options,
               bool listed, int& written)
{
    PPage& page = *comic.pages.get<PPage>(number - 1);
    reportMissingPictures(page, options);
    if (request.series != 0)
        return writeSeries(comic, page, out, request, options, written);
    written = 1;
    const auto exported =
        request.format == "pdf"
            ? PVectorExport::exportPdf(comic, out, number - 1, &options, pdfSettingsFor(request, false))
        : request.format == "svg" ? PVectorExport::exportSvg(page, out, &options)
                                  : PRasterExport::exportPage(comic, page, out, request.dpi, 0, 0, &options);
    if (!exported.ok())
        return exportFailed(out.getFullPathName(), exported.messageKey());
    if (listed)
        std::cout << out.getFullPathName() << "\n";
    return exitOk;
}

/** Pages first .. last (from 1) each into its own picture file, drawn on every core; each file is
    listed, and with --progress counted, as it is put in place, in page order. */
int exportPictures(PComic& comic, int first, int last, const juce::File& out, const ExportRequest& request,
                   POption& options)
{
    const int count = comic.pages.size();
    for (int number = first; number <= last; ++number)
        reportMissingPictures(*comic.pages.get<PPage>(number - 1), options);
    const auto fileFor = [&](int index) { return pageFile(out, index + 1, count); };
    int written = 0;
    const auto exported =
        PRasterExport::exportPages(comic, first - 1, last - 1, fileFor, request.dpi, written, &options,
                                   [&](int done, int pages)
                                   {
                                       std::cout << fileFor(first - 2 + done).getFullPathName() << "\n";
                                       if (request.progress)
                                           printProgress(done, pages);
                                       return true;
                                   });
    if (!exported.ok())
        return exportFailed(fileFor(first - 1 + written).getFullPathName(), exported.messageKey());
    return exitOk;
}

int exportPages(PComic& comic, const juce::File& out, const ExportRequest& request, POption& options)
{
    const int count = comic.pages.size();
    const int last = request.lastPage == 0 ? count : request.lastPage;
    if (count == 0 || last > count)
        return usageError("there is no page " + juce::String(std::max(last, 1)) + " in " + request.input + " (it has " +
                          juce::String(count) + ")");
    if (request.series == 0 && (request.format == "png" || request.format == "jpg"))
        return exportPictures(comic, request.firstPage, last, out, request, options);
    // In a series of pages, a page without tagged layers simply gives no files.
    int total = 0;
    for (int number = request.firstPage; number <= last; ++number)
    {
        int written = 0;
        if (const int status = exportPage(comic, number, pageFile(out, number, count), request, options, true, written);
            status != exitOk)
            return status;
        total += written;
        if (request.progress)
            printProgress(number - request.firstPage + 1, last - request.firstPage + 1);
    }
    return total == 0 ? noSeriesWritten("these pages") : exitOk;
}

/** The language of the editor's options, so that the archive names the language the comic was made in. */
juce::String interfaceLanguage()
{
    POption editor;
    const auto file = PProject::defaultUserFolder().getChildFile(PProject::optionsFileName);
    if (!file.existsAsFile() || editor.load(file.getFullPathName()) != PLoadResult::ok)
        return PComicBookExport::languageCode(POption().language);
    return PComicBookExport::languageCode(editor.language);
}

int exportComicBook(PComic& comic, const juce::File& out, const ExportRequest& request, POption& options)
{
    for (int i = 0; i < comic.pages.size(); ++i)
        reportMissingPictures(*comic.pages.get<PPage>(i), options);
    PComicBookSettings settings;
    settings.dpi = request.dpi;
    settings.picture = request.picture;
    settings.language = interfaceLanguage();
    settings.options = &options;
    settings.progress = progressFor(request);
    const auto exported = PComicBookExport::exportComic(comic, out, settings);
    return exported.ok() ? exitOk : exportFailed(out.getFullPathName(), exported.messageKey());
}

int exportComic(const juce::StringArray& args)
{
    ExportRequest request;
    if (const auto wrong = parseExport(args, request); wrong.isNotEmpty())
        return usageError(wrong);
    PComic comic;
    const auto input = juce::File::getCurrentWorkingDirectory().getChildFile(request.input);
    const auto result = comic.load(input.getFullPathName());
    if (result != PLoadResult::ok)
        return loadFailed(request.input, result);
    POption options;
    options.imagesFolder = imagesFolderFor(request);
    const auto out = juce::File::getCurrentWorkingDirectory().getChildFile(request.output);
    if (request.format == "pdf" && request.page == 0)
    {
        if (comic.pages.isEmpty())
        {
            std::cerr << "plumet-cli: " << request.input << " has no pages: no PDF written\n";
            return exitSaveFailed;
        }
        for (int i = 0; i < comic.pages.size(); ++i)
            reportMissingPictures(*comic.pages.get<PPage>(i), options);
        const auto exported =
            PVectorExport::exportPdf(comic, out, PVectorExport::allPages, &options, pdfSettingsFor(request, true));
        return exported.ok() ? exitOk : exportFailed(out.getFullPathName(), exported.messageKey());
    }
    if (request.format == "cbz")
        return exportComicBook(comic, out, request, options);
    if (request.batch)
        return exportPages(comic, out, request, options);
    const int number = std::max(request.page, 1);
    if (number > comic.pages.size())
        return usageError("there is no page " + juce::String(number) + " in " + request.input + " (it has " +
                          juce::String(comic.pages.size()) + ")");
    int written = 0;
    const int status = exportPage(comic, number, out, request, options, false, written);
    if (status == exitOk && written > 0 && request.progress)
        printProgress(1, 1);
    return status == exitOk && written == 0 ? noSeriesWritten("the page") : status;
}
constexpr int smallestThumbnail = 16, largestThumbnail = 2048, defaultThumbnail = 256;

int thumbnail(const juce::StringArray& args)
{
    juce::String size = juce::String(defaultThumbnail);
    if (args.size() == 4 && args[2] == "--size")
        size = args[3];
    else if (args.size() != 2)
        return usageError("thumbnail takes a comic, a PNG file and --size N");
    if (!isWholeNumber(size) || size.getIntValue() < smallestThumbnail || size.getIntValue() > largestThumbnail)
        return usageError("--size takes a whole number from " + juce::String(smallestThumbnail) + " to " +
                          juce::String(largestThumbnail));
    PComic comic;
    const auto input = juce::File::getCurrentWorkingDirectory().getChildFile(args[0]);
    if (const auto result = comic.load(input.getFullPathName()); result != PLoadResult::ok)
        return loadFailed(args[0], result);
    if (comic.pages.isEmpty())
    {
        std::cerr << "plumet-cli: " << args[0] << " has no pages: no thumbnail written\n";
        return exitSaveFailed;
    }
    PPage& page = *comic.pages.get<PPage>(0);
    const int longer = size.getIntValue();
    // The picture keeps the page's proportions; its shorter side never drops below one pixel.
    const bool tall = page.height >= page.width;
    const float ratio = tall ? page.width / page.height : page.height / page.width;
    const int shorter = std::max(1, static_cast<int>(std::lround(longer * ratio)));
    POption options;
    options.imagesFolder = PProject::imagesFolderOf(PProject::defaultUserFolder()).getFullPathName();
    const juce::Image picture =
        drawPagePicture(page, tall ? shorter : longer, tall ? longer : shorter, false, &options);
    const auto out = juce::File::getCurrentWorkingDirectory().getChildFile(args[1]);
    PSafeFile file(out);
    juce::PNGImageFormat png;
    if (!picture.isValid() || !file.open() || !png.writeImageToStream(picture, file.stream()) || !file.commit())
        return exportFailed(out.getFullPathName(), picture.isValid() ? "FileChooser.ExportErr" : "Message.MemError");
    return exitOk;
}
} // namespace

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add(juce::String::fromUTF8(argv[i]));
    if (args.isEmpty())
        return usageError("no command given");
    const auto command = args[0];
    args.remove(0);
    if (command == "--help" || command == "-h" || command == "help")
    {
        std::cout << usage;
        return exitOk;
    }
    if (command == "info")
        return info(args);
    if (command == "new")
        return newComic(args);
    if (command == "copy")
        return copy(args);
    if (command == "option")
        return setOption(args);
    if (command == "export")
        return exportComic(args);
    if (command == "thumbnail")
        return thumbnail(args);
    return usageError("unknown command " + command);
}
