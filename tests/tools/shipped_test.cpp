// What the build draws for the program folder: sample comics that load, show every kind of thing
// a user can make and export cleanly, guides and catalogues that PDF tools accept, the icon in its
// sizes, and the thumbnails file managers ask plumet-cli for.

#include <gtest/gtest.h>

#include <set>

#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/text.h"
#include "support/cli.h"
#include "support/testfiles.h"

namespace
{
const juce::File shipped(PLUMET_SHIPPED_DIR);
const char* const suffixes[] = {"_E", "_D", "_F"};
/** The flag that makes start-up open the comic chooser instead of a new comic. */
constexpr uint32_t openAtStart = 0x10;

/** Runs a command line in folder: its exit status, and what it wrote in out. */
int run(const TempFolder& folder, const juce::String& command, juce::String* out = nullptr)
{
    const auto result = runIn(folder.folder, command);
    if (out != nullptr)
        *out = result.out + result.err;
    return result.status;
}

juce::String cli(const juce::String& arguments)
{
    return juce::String("'") + PLUMET_CLI_PATH + "' " + arguments;
}

/** What a comic is made of, gathered over the whole tree. */
struct Inventory
{
    std::set<uint16_t> classes, deformModes, brushKinds, alignments;
    std::set<juce::String> faces;
    int framedGroups = 0, brushesWithoutStrokes = 0, clipCards = 0;

    void shapes(const PArray& list)
    {
        for (PBase* object : list)
            shape(*static_cast<PShape*>(object));
    }
    void shape(PShape& s)
    {
        classes.insert(s.classId());
        if (auto* curve = dynamic_cast<PCurve*>(&s); curve != nullptr && !curve->points.isEmpty())
            classes.insert(PClass::point);
        if (auto* text = dynamic_cast<PText*>(&s))
            alignments.insert(text->align), faces.insert(text->fontSpec.face.toString());
        if (auto* brush = dynamic_cast<PBrush*>(&s))
            brushKinds.insert(brush->kind), brushesWithoutStrokes += brush->strokes.isEmpty() ? 1 : 0;
        if (auto* group = dynamic_cast<PGroup*>(&s))
        {
            if (group->hasFlag(PGroup::deformed))
                deformModes.insert(group->deformMode);
            framedGroups += group->hasFlag(PGroup::framed) ? 1 : 0;
            shapes(group->children);
        }
    }
    void comic(const PComic& c)
    {
        classes.insert(c.classId());
        for (PBase* page : c.pages)
        {
            classes.insert(page->classId());
            for (PBase* p : static_cast<PPage*>(page)->panels)
            {
                auto* panel = static_cast<PPanel*>(p);
                shape(*panel);
                if (panel->attachment != nullptr)
                    classes.insert(panel->attachment->classId());
                for (PBase* layer : panel->layers)
                    classes.insert(layer->classId()), shapes(static_cast<PLayer*>(layer)->shapes);
            }
        }
        for (PBase* clip : c.clips)
        {
            classes.insert(clip->classId());
            for (PBase* card : static_cast<PClip*>(clip)->cards)
                classes.insert(card->classId()), ++clipCards;
        }
        for (PBase* decor : c.decor)
            classes.insert(decor->classId());
    }
};

juce::File sampleFile(const char* suffix)
{
    return shipped.getChildFile(juce::String("sample_comic") + suffix + ".plm");
}
} // namespace

TEST(ShippedSample, EachLanguageLoadsAndHoldsEveryKindOfThingAUserCanMake)
{
    std::set<juce::String> titles;
    for (const char* suffix : suffixes)
    {
        SCOPED_TRACE(suffix);
        PComic comic;
        ASSERT_EQ(comic.load(sampleFile(suffix).getFullPathName()), PLoadResult::ok);
        titles.insert(comic.name.toString());
        EXPECT_FALSE(comic.hasFlag(openAtStart)) << "start-up would jump to the chooser for a sample";
        EXPECT_GE(comic.pages.size(), 3);

        Inventory seen;
        seen.comic(comic);
        const std::set<uint16_t> streamed = {PClass::comic, PClass::page, PClass::panel, PClass::layer, PClass::curve,
                                             PClass::point, PClass::text, PClass::image, PClass::group, PClass::brush,
                                             PClass::clip,  PClass::card, PClass::decor, PClass::shape};
        EXPECT_EQ(seen.classes, streamed);
        EXPECT_EQ(seen.deformModes, (std::set<uint16_t>{1, 3, 4, 5, 6}));
        EXPECT_EQ(seen.brushKinds, (std::set<uint16_t>{1, 2, 3, 4}));
        EXPECT_EQ(seen.alignments, (std::set<uint16_t>{1, 2, 3}));
        EXPECT_GE(seen.faces.size(), 3u);
        EXPECT_GE(seen.framedGroups, 1);
        EXPECT_GE(seen.clipCards, 2);
        EXPECT_EQ(seen.brushesWithoutStrokes, 0) << "a sample draws what it was saved with";
    }
    EXPECT_EQ(titles.size(), 3u) << "each language tells the story in its own words";
}

TEST(ShippedSample, SurvivesACopyByteForByteAndExportsEveryPage)
{
    TempFolder tmp;
    POption options;
    options.imagesFolder = shipped.getChildFile("images").getFullPathName();
    for (const char* suffix : suffixes)
    {
        SCOPED_TRACE(suffix);
        const auto copy = tmp.file(juce::String("copy") + suffix + ".plm");
        ASSERT_EQ(run(tmp, cli("copy '" + sampleFile(suffix).getFullPathName() + "' '" + copy.getFullPathName() + "'")),
                  0);
        EXPECT_TRUE(copy.hasIdenticalContentTo(sampleFile(suffix)));

        PComic comic;
        ASSERT_EQ(comic.load(sampleFile(suffix).getFullPathName()), PLoadResult::ok);
        ASSERT_TRUE(PVectorExport::exportPdf(comic, tmp.file("all.pdf"), PVectorExport::allPages, &options).ok());
        EXPECT_TRUE(isSoundPdf(tmp.folder, tmp.file("all.pdf")));
        for (int i = 0; i < comic.pages.size(); ++i)
        {
            auto& page = *comic.pages.get<PPage>(i);
            EXPECT_TRUE(PVectorExport::exportSvg(page, tmp.file("page.svg"), &options).ok());
            EXPECT_TRUE(isValidXml(tmp.folder, tmp.file("page.svg")));
            EXPECT_TRUE(PRasterExport::exportPage(comic, page, tmp.file("page.png"), 100, 0, 0, &options).ok());
        }
    }
}

// Compressed, the sample's PDF is no larger than the PDFs that librsvg (through cairo) makes of
// our own SVG pages, summed.
TEST(ShippedSample, PdfIsNoLargerThanLibrsvgsOfTheSamePages)
{
    TempFolder tmp;
    POption options;
    options.imagesFolder = shipped.getChildFile("images").getFullPathName();
    // The SVG names its picture relative to itself.
    for (const auto& picture : shipped.getChildFile("images").findChildFiles(juce::File::findFiles, false))
        ASSERT_TRUE(picture.copyFileTo(tmp.file(picture.getFileName())));
    PComic comic;
    ASSERT_EQ(comic.load(sampleFile("_E").getFullPathName()), PLoadResult::ok);
    ASSERT_TRUE(PVectorExport::exportPdf(comic, tmp.file("all.pdf"), PVectorExport::allPages, &options).ok());
    juce::String report;
    juce::int64 theirs = 0;
    for (int i = 0; i < comic.pages.size(); ++i)
    {
        const juce::String svg = "page" + juce::String(i) + ".svg", pdf = "page" + juce::String(i) + ".pdf";
        ASSERT_TRUE(PVectorExport::exportSvg(*comic.pages.get<PPage>(i), tmp.file(svg), &options).ok());
        ASSERT_EQ(run(tmp, "rsvg-convert -f pdf -o " + pdf + " " + svg, &report), 0) << report;
        theirs += tmp.file(pdf).getSize();
    }
    const auto ours = tmp.file("all.pdf").getSize();
    EXPECT_LE(ours, theirs) << "ours " << ours << " bytes, librsvg's " << theirs;
}

TEST(ShippedSample, FindsItsPictureInTheImagesFolder)
{
    PComic comic;
    ASSERT_EQ(comic.load(sampleFile("_E").getFullPathName()), PLoadResult::ok);
    POption options;
    options.imagesFolder = shipped.getChildFile("images").getFullPathName();
    int pictures = 0;
    for (PBase* page : comic.pages)
        for (PBase* panel : static_cast<PPage*>(page)->panels)
            for (PBase* layer : static_cast<PPanel*>(panel)->layers)
                for (PBase* shape : static_cast<PLayer*>(layer)->shapes)
                    if (shape->classId() == PClass::image)
                    {
                        ++pictures;
                        EXPECT_TRUE(static_cast<PImage*>(shape)->loadImage(&options));
                    }
    EXPECT_GE(pictures, 1);
}

TEST(ShippedDocuments, GuidesAndCataloguesAreSoundPdfInEveryLanguage)
{
    TempFolder tmp;
    for (const char* suffix : suffixes)
        for (const char* stem : {"comics_guide", "comics_decor"})
        {
            const auto file = shipped.getChildFile(juce::String(stem) + suffix + ".pdf");
            SCOPED_TRACE(file.getFileName().toStdString());
            ASSERT_TRUE(file.existsAsFile());
            EXPECT_TRUE(isSoundPdf(tmp.folder, file));
            juce::String report;
            EXPECT_EQ(run(tmp, "pdfinfo '" + file.getFullPathName() + "'", &report), 0);
            const int pages = report.fromFirstOccurrenceOf("Pages:", false, false).trim().getIntValue();
            EXPECT_GE(pages, juce::String(stem) == "comics_guide" ? 8 : 1);
        }
}

TEST(ShippedIcon, EverySizeIsSquareWithClearCornersAndTheWindowIconLoads)
{
    for (int size : {16, 24, 32, 48, 64, 128, 256})
    {
        const auto picture = juce::ImageFileFormat::loadFrom(
            shipped.getChildFile("icons").getChildFile("plumet_icon_" + juce::String(size) + ".png"));
        ASSERT_TRUE(picture.isValid()) << size;
        EXPECT_EQ(picture.getWidth(), size);
        EXPECT_EQ(picture.getHeight(), size);
        // The tile's corners are round: the outermost pixel is see-through (but for a trace of
        // smoothing at the smallest size), the centre is not.
        EXPECT_LT(picture.getPixelAt(0, 0).getAlpha(), 16) << size;
        EXPECT_EQ(picture.getPixelAt(size / 2, size / 2).getAlpha(), 255) << size;
    }
    const auto window = juce::ImageFileFormat::loadFrom(shipped.getChildFile("plumet_icon.jpg"));
    EXPECT_EQ(window.getWidth(), 128);
    TempFolder tmp;
    EXPECT_TRUE(isValidXml(tmp.folder, shipped.getChildFile("plumet_icon.svg")));
}

TEST(Thumbnail, DrawsPageOneAtTheAskedSizeAndTellsFailuresApart)
{
    TempFolder tmp;
    const auto sample = "'" + sampleFile("_D").getFullPathName() + "'";
    ASSERT_EQ(run(tmp, cli("thumbnail " + sample + " small.png --size 64")), 0);
    const auto small = juce::ImageFileFormat::loadFrom(tmp.file("small.png"));
    // An A4 page, 21 by 29.7 cm: 64 pixels high and 64 x 21 / 29.7 = 45.3 wide.
    EXPECT_EQ(small.getHeight(), 64);
    EXPECT_EQ(small.getWidth(), 45);
    EXPECT_EQ(run(tmp, cli("thumbnail " + sample + " big.png")), 0);
    EXPECT_EQ(juce::ImageFileFormat::loadFrom(tmp.file("big.png")).getHeight(), 256) << "the default size";

    EXPECT_EQ(run(tmp, cli("thumbnail " + sample + " no.png --size 8")), 64);
    EXPECT_EQ(run(tmp, cli("thumbnail " + sample + " no.png --size many")), 64);
    EXPECT_EQ(run(tmp, cli("thumbnail missing.plm no.png --size 64")), 2);
    ASSERT_EQ(run(tmp, cli("new empty.plm")), 0);
    ASSERT_TRUE(tmp.file("empty.plm").existsAsFile());
    EXPECT_EQ(run(tmp, cli("thumbnail empty.plm no.png")), 3);
    EXPECT_FALSE(tmp.file("no.png").exists());
}
