// A comic book archive must open in readers and library servers: the pages in order, each the
// picture the single-page export makes, and a ComicInfo.xml that keeps to schema 2.0.

#include <gtest/gtest.h>

#include <memory>

#include "draw/comicbookexport.h"
#include "draw/rasterexport.h"
#include "support/cli.h"
#include "support/exportsample.h"
#include "support/testfiles.h"

namespace
{
/** The elements of ComicInfo's sequence in schema 2.0, in their order, and the page types. */
const auto schemaSequence = juce::StringArray::fromTokens(
    "Title Series Number Count Volume AlternateSeries AlternateNumber AlternateCount Summary Notes Year Month Day "
    "Writer Penciller Inker Colorist Letterer CoverArtist Editor Publisher Imprint Genre Web PageCount LanguageISO "
    "Format BlackAndWhite Manga Characters Teams Locations ScanInformation StoryArc SeriesGroup AgeRating Pages "
    "CommunityRating MainCharacterOrTeam Review",
    false);
const auto pageTypes = juce::StringArray::fromTokens(
    "FrontCover InnerCover Roundup Story Advertisement Editorial Letters Preview BackCover Other Deleted", false);

/** Three 12 x 10 cm pages, each with a differently placed square, under a title that needs escaping. */
void threePages(PComic& comic)
{
    exportsample::emptyComic(comic, 3);
    comic.name.assign(juce::String::fromUTF8("Tom & <Jerry>\x01 \xc3\xa9t\xc3\xa9"));
    comic.author.assign("Ann Bee");
    for (int i = 0; i < 3; ++i)
    {
        auto* frame = exportsample::panel(-5, -4, 5, 4, 0xFF0000FF);
        comic.pages.get<PPage>(i)->panels.append(frame);
        const float x = -4.0f + 3.0f * static_cast<float>(i);
        exportsample::layer(*frame, 0, 0)
            ->shapes.append(
                exportsample::curve({{x, -1}, {x + 1, -1}, {x + 1, 1}, {x, 1}}, true, 0xFF000000, 0xFF00FF80));
    }
}

juce::MemoryBlock entryBytes(juce::ZipFile& zip, int index)
{
    juce::MemoryBlock bytes;
    if (std::unique_ptr<juce::InputStream> in{zip.createStreamForEntry(index)})
        in->readIntoMemoryBlock(bytes);
    return bytes;
}

bool isWholeNumber(const juce::String& s)
{
    return s.isNotEmpty() && s.containsOnly("0123456789");
}

/** What schema 2.0 asks of the elements we write: their order, integer fields, the page types. */
void expectValidComicInfo(const juce::XmlElement& info, int pageCount)
{
    EXPECT_EQ(info.getTagName(), "ComicInfo");
    int last = -1;
    for (auto* child : info.getChildIterator())
    {
        const int at = schemaSequence.indexOf(child->getTagName());
        EXPECT_GT(at, last) << child->getTagName() << " is unknown or out of order";
        last = at;
    }
    EXPECT_EQ(info.getChildElementAllSubText("PageCount", {}), juce::String(pageCount));
    auto* pages = info.getChildByName("Pages");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->getNumChildElements(), pageCount);
    for (int i = 0; i < pages->getNumChildElements(); ++i)
    {
        auto* page = pages->getChildElement(i);
        EXPECT_EQ(page->getTagName(), "Page");
        for (const char* field : {"Image", "ImageSize", "ImageWidth", "ImageHeight"})
            EXPECT_TRUE(isWholeNumber(page->getStringAttribute(field))) << field << " of page " << i;
        EXPECT_EQ(page->getIntAttribute("Image"), i);
        const auto type = page->getStringAttribute("Type", "Story");
        EXPECT_TRUE(pageTypes.contains(type)) << type;
        EXPECT_EQ(type == "FrontCover", i == 0);
    }
}
} // namespace

TEST(ComicBook, ArchiveHoldsThePagesInOrderAsTheirSingleExportsAndAValidDescription)
{
    TempFolder tmp;
    PComic comic;
    threePages(comic);
    PComicBookSettings settings;
    settings.language = "de";
    ASSERT_EQ(PComicBookExport::exportComic(comic, tmp.file("book.cbz"), settings).messageKey(), "");
    juce::ZipFile zip(tmp.file("book.cbz"));
    ASSERT_EQ(zip.getNumEntries(), 4);
    for (int i = 0; i < 3; ++i)
    {
        const auto name = "p00" + juce::String(i + 1) + ".png";
        EXPECT_EQ(zip.getEntry(i)->filename, name);
        const auto single = tmp.file("single" + name);
        ASSERT_TRUE(PRasterExport::exportPage(comic, *comic.pages.get<PPage>(i), single, settings.dpi).ok());
        juce::MemoryBlock expected;
        ASSERT_TRUE(single.loadFileAsData(expected));
        EXPECT_TRUE(entryBytes(zip, i) == expected) << name;
    }
    ASSERT_EQ(zip.getEntry(3)->filename, "ComicInfo.xml");
    const juce::MemoryBlock infoBytes = entryBytes(zip, 3);
    ASSERT_TRUE(tmp.file("ComicInfo.xml").replaceWithData(infoBytes.getData(), infoBytes.getSize()));
    EXPECT_TRUE(isValidXml(tmp.folder, tmp.file("ComicInfo.xml")));

    const auto info = juce::parseXML(infoBytes.toString());
    ASSERT_NE(info, nullptr);
    expectValidComicInfo(*info, 3);
    // The control character cannot stand in XML and is left out; the markup is kept as text.
    EXPECT_EQ(info->getChildElementAllSubText("Title", {}), juce::String::fromUTF8("Tom & <Jerry> \xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(info->getChildElementAllSubText("Writer", {}), "Ann Bee");
    EXPECT_EQ(info->getChildElementAllSubText("LanguageISO", {}), "de");
    auto* first = info->getChildByName("Pages")->getChildElement(0);
    EXPECT_EQ(first->getIntAttribute("ImageWidth"), 472); // 12 cm at 100 dpi
    EXPECT_EQ(first->getIntAttribute("ImageHeight"), 394);
    EXPECT_EQ(first->getStringAttribute("ImageSize"), juce::String(zip.getEntry(0)->uncompressedSize));
}

TEST(ComicBook, RefusalsAndAStopLeaveNoArchiveAndKeepTheOldOne)
{
    TempFolder tmp;
    const auto old = tmp.file("book.cbz");
    ASSERT_TRUE(old.replaceWithText("old"));
    PComic pageless, tiny, three;
    exportsample::emptyComic(tiny, 2, 1, 1); // 39 pixels at 100 dpi
    threePages(three);
    int heard = 0;
    PComicBookSettings stopping;
    stopping.progress = [&heard](int done, int count)
    {
        EXPECT_EQ(count, 3);
        heard = done;
        return done < 2;
    };
    const struct
    {
        const char* what;
        PComic& comic;
        juce::File file;
        const PComicBookSettings settings;
        const char* key;
    } rows[] = {
        {"no pages", pageless, old, {}, "Message.NoPages"},
        {"pages too small", tiny, old, {}, "Message.PageTooSmall"},
        {"missing folder", three, tmp.file("none/book.cbz"), {}, "FileChooser.ExportErr"},
        {"stopped after two pages", three, old, stopping, PExportProgress::stopped},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PComicBookExport::exportComic(row.comic, row.file, row.settings).messageKey(), row.key) << row.what;
    EXPECT_EQ(heard, 2);
    EXPECT_EQ(old.loadFileAsString(), "old");
    EXPECT_EQ(tmp.fileNames(), juce::StringArray("book.cbz"));
}

TEST(ComicBookNames, PicturesSortInPageOrderAndLanguagesAreIsoCodes)
{
    using Picture = PComicBookSettings::Picture;
    EXPECT_EQ(PComicBookExport::pictureName(0, 3, Picture::png), "p001.png");
    EXPECT_EQ(PComicBookExport::pictureName(998, 999, Picture::jpeg), "p999.jpg");
    // Past 999 pages every name grows, so that p0010 still sorts before p1000.
    EXPECT_EQ(PComicBookExport::pictureName(9, 1000, Picture::png), "p0010.png");
    EXPECT_EQ(PComicBookExport::pictureName(999, 1000, Picture::png), "p1000.png");
    const std::pair<int, const char*> languages[] = {{1, "en"}, {2, "de"}, {3, "fr"}, {4, "en"}, {0, "en"}};
    for (const auto& [language, code] : languages)
        EXPECT_EQ(PComicBookExport::languageCode(language), code) << language;
}
