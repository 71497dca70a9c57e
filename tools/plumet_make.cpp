// plumet-make: writes what ships beside the program: the sample comics, the user guides and
// decor catalogues, the sample picture and the icon. The build runs it; every file comes from
// the model and the program's own writers.
//
//   plumet-make RESOURCES OUTDIR

#include <juce_events/juce_events.h>

#include <iostream>

#include "draw/vectorexport.h"
#include "gen/catalogue.h"
#include "gen/guide.h"
#include "gen/icon.h"
#include "gen/story.h"
#include "gen/texts.h"
#include "model/brush.h"
#include "model/comic.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/safefile.h"

namespace
{
constexpr int exitOk = 0, exitFailed = 3, exitUsage = 64;
const char* const languages[] = {"_E", "_D", "_F"};

void generateStrokes(const PArray& shapes)
{
    for (PBase* shape : shapes)
        if (shape->classId() == PClass::brush)
            (void) static_cast<PBrush*>(shape)->generateStrokes();
        else if (shape->classId() == PClass::group)
            generateStrokes(static_cast<PGroup*>(shape)->children);
}

/** Brushes are saved with their strokes, as the editor saves them once they were drawn. */
void generateStrokes(PComic& comic)
{
    for (PBase* page : comic.pages)
        for (PBase* panel : static_cast<PPage*>(page)->panels)
            for (PBase* layer : static_cast<PPanel*>(panel)->layers)
                generateStrokes(static_cast<PLayer*>(layer)->shapes);
}

bool report(bool ok, const juce::File& file)
{
    if (!ok)
        std::cerr << "plumet-make: cannot write " << file.getFullPathName() << "\n";
    return ok;
}

bool writePng(const juce::Image& picture, const juce::File& file)
{
    PSafeFile out(file);
    juce::PNGImageFormat png;
    return report(out.open() && png.writeImageToStream(picture, out.stream()) && out.commit(), file);
}

bool writeSample(const Texts& texts, const juce::File& out)
{
    PComic comic;
    story::fill(comic, texts);
    generateStrokes(comic);
    comic.path = out.getChildFile(story::sampleFileName(texts.suffix)).getFullPathName();
    return report(comic.save().ok(), juce::File(comic.path));
}

bool writePdf(PComic& comic, const juce::File& file, POption& options)
{
    return report(PVectorExport::exportPdf(comic, file, PVectorExport::allPages, &options).ok(), file);
}

bool writeLanguage(const Texts& texts, const juce::File& out, POption& options)
{
    bool ok = writeSample(texts, out);
    PComic sample;
    story::fill(sample, texts);
    PComic guideBook;
    guide::fill(guideBook, sample, texts);
    ok = writePdf(guideBook, out.getChildFile("comics_guide" + texts.suffix + ".pdf"), options) && ok;
    PComic decorBook;
    catalogue::fill(decorBook, sample, texts);
    return writePdf(decorBook, out.getChildFile("comics_decor" + texts.suffix + ".pdf"), options) && ok;
}
} // namespace

int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    if (argc != 3)
    {
        std::cerr << "usage: plumet-make RESOURCES OUTDIR\n";
        return exitUsage;
    }
    const auto cwd = juce::File::getCurrentWorkingDirectory();
    const auto resources = cwd.getChildFile(juce::String::fromUTF8(argv[1]));
    const auto out = cwd.getChildFile(juce::String::fromUTF8(argv[2]));
    const auto images = out.getChildFile("images");
    if (!images.createDirectory().wasOk())
    {
        std::cerr << "plumet-make: cannot create " << images.getFullPathName() << "\n";
        return exitFailed;
    }
    bool ok = writePng(story::paintPostcard(), images.getChildFile(story::postcardFile));
    // The guides show the postcard as the installed comic does: from the images folder.
    POption options;
    options.imagesFolder = images.getFullPathName();
    for (const char* suffix : languages)
    {
        const Texts texts(resources, suffix);
        if (!texts.ok())
        {
            std::cerr << "plumet-make: the texts of language " << suffix << " are missing in "
                      << resources.getFullPathName() << "\n";
            return exitFailed;
        }
        ok = writeLanguage(texts, out, options) && ok;
    }
    ok = icon::writeAll(out) && ok;
    return ok ? exitOk : exitFailed;
}
