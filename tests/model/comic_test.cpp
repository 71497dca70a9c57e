#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "../support/samplecomic.h"
#include "../support/testfiles.h"
#include "../support/tolerance.h"
#include "model/comic.h"
#include "model/option.h"
#include "model/page.h"
#include "model/translate.h"

namespace
{
PPage* addPage(PComic& comic, const juce::String& name, int index)
{
    auto* page = new PPage();
    page->name.assign(name);
    page->index = index;
    comic.pages.append(page);
    return page;
}

/** Switches the language file's mappings on for one test and off again afterwards. */
struct Translations
{
    explicit Translations(const juce::String& text) { installTranslations(text); }
    ~Translations() { installTranslations({}); }
};
} // namespace

TEST(ComicFile, SavesByteForByteAndLoadsEveryField)
{
    TempFolder tmp;
    PComic comic;
    comic.path = tmp.path("c.plm");
    comic.flags = PComic::rotated | 0x100 | PFlag::current | PFlag::selected;
    comic.name.assign(juce::String(juce::CharPointer_UTF8("H\xc3\xa9")));
    comic.author.assign("Ann");
    comic.setting1 = -70000, comic.setting2 = 65535, comic.setting3 = 4, comic.setting4 = 5;
    comic.format = PPageFormat::letter;
    comic.width = 21.59f, comic.height = 27.94f, comic.margin = 1.5f;
    comic.spare1 = 7, comic.spare2 = 8;
    addPage(comic, "", -1);
    addPage(comic, "Two", 1)->tag = 12;
    ASSERT_TRUE(comic.save());
    EXPECT_FALSE(comic.modified);

    // The root carries no object header: its flags follow the file header at once.
    StreamBytes expected;
    expected.i16(16).i16(1).i32(0x101).text(u"H\u00e9").i16(0).i32(0).text(u"Ann").i32(-70000).i16(65535);
    expected.i16(4).i16(5).i16(3).f32(21.59f).f32(27.94f).f32(1.5f).text(u"Ann").i16(7).i16(8);
    expected.emptyList().emptyList().listBegin(2);
    expected.object(PClass::page).i32(0).emptyText().i16(0).i32(-1).emptyList();
    expected.object(PClass::page).i32(0).text(u"Two").i16(12).i32(1).emptyList().listEnd();
    EXPECT_EQ(bytesOf(inflateFile(tmp.file("c.plm"))), bytesOf(expected.block()));
    juce::MemoryBlock raw;
    ASSERT_TRUE(tmp.file("c.plm").loadFileAsData(raw));
    EXPECT_EQ(static_cast<const uint8_t*>(raw.getData())[0], 0x78); // zlib, not gzip

    PComic r;
    ASSERT_EQ(r.load(tmp.path("c.plm")), PLoadResult::ok);
    EXPECT_EQ(r.flags, PComic::rotated | 0x100);
    EXPECT_EQ(r.name, comic.name); // the stored title, not the file name
    EXPECT_EQ(r.author.toString(), "Ann");
    EXPECT_TRUE(r.setting1 == -70000 && r.setting2 == 65535 && r.setting3 == 4 && r.setting4 == 5);
    EXPECT_EQ(r.format, PPageFormat::letter);
    EXPECT_TRUE(r.width == 21.59f && r.height == 27.94f && r.margin == 1.5f);
    EXPECT_TRUE(r.spare1 == 7 && r.spare2 == 8);
    EXPECT_FALSE(r.modified);
    ASSERT_EQ(r.pages.size(), 2);
    const auto* two = r.pages.get<PPage>(1);
    EXPECT_TRUE(two->name.toString() == "Two" && two->tag == 12 && two->index == 1);
    // Pages take their size from the comic once it is loaded.
    EXPECT_TRUE(two->width == 21.59f && two->height == 27.94f && two->margin == 1.5f);
}

TEST(ComicFile, SampleLoadsBackToTheSameBytesWithItsOwners)
{
    // Every field of the sample is away from its default, so a field read into the wrong place,
    // or not read at all, changes the bytes of the loaded copy.
    PComic comic;
    const auto parts = sample::fill(comic);
    ASSERT_TRUE(parts.brush->generateStrokes()); // saved with the brush
    PComic loaded;
    ASSERT_EQ(reload(comic, loaded), PLoadResult::ok);
    EXPECT_EQ(savedBytes(loaded), savedBytes(comic));
    auto* panel = loaded.pages.get<PPage>(0)->panels.get<PPanel>(0);
    for (int i = 0; i < panel->layers.size(); ++i)
        EXPECT_EQ(panel->layerAt(i)->panel, panel) << "layer " << i;
}

TEST(ComicCopy, CloneOfTheSampleWritesTheSameBytesAndSharesNoObject)
{
    PComic comic;
    const auto parts = sample::fill(comic);
    ASSERT_TRUE(parts.brush->generateStrokes());
    std::unique_ptr<PComic> copy(static_cast<PComic*>(comic.clone()));
    EXPECT_EQ(savedBytes(*copy), savedBytes(comic));
    const auto* layer = copy->pages.get<PPage>(0)->panels.get<PPanel>(0)->layerAt(0);
    for (int i = 0; i < layer->shapes.size(); ++i)
        EXPECT_NE(layer->shapeAt(i), parts.layer->shapeAt(i)) << "shape " << i;
}

TEST(ComicFile, HandWrittenFiles)
{
    TempFolder tmp;
    PComic comic;
    POption options(tmp.folder.getFullPathName());
    ASSERT_TRUE(options.save());
    EXPECT_EQ(comic.load(options.path), PLoadResult::damaged); // another kind of project

    // The author is stored twice; the second copy is the one that counts.
    auto bytes = StreamBytes().comicStart(u"First", u"Second");
    bytes.emptyList().emptyList().emptyList();
    ASSERT_EQ(comic.load(zlibStream(bytes.block())), PLoadResult::ok);
    EXPECT_EQ(comic.author.toString(), "Second");

    auto wrongClass = StreamBytes().comicStart();
    wrongClass.emptyList().emptyList().listBegin(1);
    wrongClass.object(PClass::layer).i32(0).item(u"", 0, 0).emptyList().i16(50).listEnd();
    EXPECT_EQ(comic.load(zlibStream(wrongClass.block())), PLoadResult::newerOrIncomplete);
    EXPECT_TRUE(comic.pages.isEmpty());
}

TEST(ComicFile, NonFiniteSizesFromAFileAreReplaced)
{
    // A damaged page size would make every view of every page NaN.
    PComic comic;
    comic.width = std::numeric_limits<float>::quiet_NaN();
    comic.height = std::numeric_limits<float>::infinity();
    comic.margin = -std::numeric_limits<float>::infinity();
    addPage(comic, "", 0);
    PComic r;
    const auto result = reload(comic, r);
    if (result == PLoadResult::ok)
        EXPECT_TRUE(std::isfinite(r.width) && std::isfinite(r.height) && std::isfinite(r.margin) &&
                    std::isfinite(r.pages.get<PPage>(0)->width))
            << r.width << " x " << r.height << ", margin " << r.margin;
    else
        EXPECT_EQ(result, PLoadResult::newerOrIncomplete);
}

TEST(ComicFormat, FixedFormatsSetTheSizeCustomOnesKeepIt)
{
    struct Row
    {
        uint16_t format;
        bool rotated;
        float width, height;
        bool rotatedAfter;
    };
    const Row rows[] = {
        {PPageFormat::a4, false, 21, 29.7f, false},          {PPageFormat::a4, true, 29.7f, 21, true},
        {PPageFormat::a5, false, 21, 14.8f, false},          {PPageFormat::a5, true, 14.8f, 21, true},
        {PPageFormat::letter, false, 21.59f, 27.94f, false}, {PPageFormat::half, true, 13.97f, 21.59f, true},
        {PPageFormat::customCm, true, 12, 8, false},         {PPageFormat::customIn, true, 12, 8, false},
    };
    for (const auto& row : rows)
    {
        PComic comic;
        auto* page = addPage(comic, "", 0);
        comic.width = 12, comic.height = 8, comic.margin = 2;
        comic.format = row.format;
        comic.flags = row.rotated ? PComic::rotated : 0;
        comic.applyPageFormat();
        EXPECT_TRUE(isNear(comic.width, row.width) && isNear(comic.height, row.height)) << "format " << row.format;
        EXPECT_EQ(comic.hasFlag(PComic::rotated), row.rotatedAfter) << "format " << row.format;
        EXPECT_TRUE(page->width == comic.width && page->height == comic.height && page->margin == 2);
    }
}

TEST(ComicFormat, NewComicTakesItsFormatFromTheLanguage)
{
    struct Row
    {
        const char* languageFile;
        uint16_t format;
        float width, height;
    };
    const Row rows[] = {
        {"language: Test\n\"PGUI.format\" = \"A4\"\n", PPageFormat::a4, 21, 29.7f},
        {"language: Test\n\"PGUI.format\" = \"letter\"\n", PPageFormat::letter, 21.59f, 27.94f},
        {"language: Test\n\"PGUI.format\" = \"A3\"\n", PPageFormat::customCm, 10, 10},
        {"", PPageFormat::customCm, 10, 10},
    };
    TempFolder tmp;
    for (const auto& row : rows)
    {
        Translations language(row.languageFile);
        PComic comic(tmp.folder.getFullPathName());
        EXPECT_EQ(comic.format, row.format) << row.languageFile;
        EXPECT_TRUE(isNear(comic.width, row.width) && isNear(comic.height, row.height));
        EXPECT_TRUE(comic.margin == 1 && comic.spare1 == 50 && comic.spare2 == 50 && comic.modified);
    }
}
