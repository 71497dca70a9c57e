#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "draw/rasterexport.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"

namespace
{
/** A 10 x 10 cm page whose one panel covers it, with a filled red square on a layer per tag. */
struct Comic
{
    explicit Comic(std::initializer_list<int> tags)
    {
        constexpr uint32_t red = 0xFF00FF80;
        exportsample::emptyComic(comic, 1, 10, 10);
        page = comic.pages.get<PPage>(0);
        auto* frame = exportsample::panel(-5, -5, 5, 5, PCurve::opaqueWhite);
        page->panels.append(frame);
        float x = -4;
        for (const int tag : tags)
        {
            exportsample::layer(*frame, 0, static_cast<uint16_t>(tag))
                ->shapes.append(exportsample::curve({{x, -1}, {x + 1.5f, -1}, {x + 1.5f, 1}, {x, 1}}, true,
                                                    PCurve::opaqueBlack, red));
            x += 2.5f;
        }
    }

    PComic comic;
    PPage* page = nullptr;
};

juce::Image load(const juce::File& f)
{
    return juce::ImageFileFormat::loadFrom(f);
}
} // namespace

TEST(RasterExport, PageBecomesAPictureOfItsPixelSizeInEitherFormat)
{
    TempFolder folder;
    Comic c({1});
    for (const char* name : {"page.png", "page.JPG", "page.jpeg"})
    {
        EXPECT_EQ(PRasterExport::exportPage(c.comic, *c.page, folder.file(name), 100).messageKey(), "") << name;
        const juce::Image picture = load(folder.file(name));
        ASSERT_TRUE(picture.isValid()) << name;
        EXPECT_EQ(picture.getWidth(), 394);
        EXPECT_EQ(picture.getHeight(), 394);
        EXPECT_GT(picture.getPixelAt(60, 197).getRed(), 200) << name; // the square at x = -4 .. -2.5
        EXPECT_LT(picture.getPixelAt(60, 197).getGreen(), 60) << name;
        EXPECT_GT(picture.getPixelAt(197, 50).getGreen(), 240) << name; // white paper
    }
    EXPECT_EQ(folder.fileNames(), juce::StringArray({"page.JPG", "page.jpeg", "page.png"}));
}

TEST(RasterExport, FailuresSayWhyAndLeaveNothingBehind)
{
    TempFolder folder;
    Comic c({1});
    PPage tiny;
    tiny.width = tiny.height = 1; // 39 pixels at 100 dpi
    const struct
    {
        const char* what;
        PPage& page;
        juce::File file;
        int dpi;
        const char* key;
    } rows[] = {
        {"missing folder", *c.page, folder.file("none/page.png"), 100, "FileChooser.ExportErr"},
        {"unknown format", *c.page, folder.file("page.bmp"), 100, "FileChooser.ExportErr"},
        {"too small", tiny, folder.file("tiny.png"), 100, "FileChooser.ExportErr"},
        {"absurd size", *c.page, folder.file("huge.png"), 30000, "Message.MemError"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PRasterExport::exportPage(c.comic, row.page, row.file, row.dpi).messageKey(), row.key) << row.what;
    EXPECT_TRUE(folder.fileNames().isEmpty()) << folder.fileNames().joinIntoString(", ").toStdString();
}

TEST(RasterExport, ReadOnlyTargetKeepsItsOldContents)
{
    TempFolder folder;
    Comic c({1});
    const juce::File target = folder.file("page.png");
    ASSERT_TRUE(target.replaceWithText("old"));
    ASSERT_TRUE(target.setReadOnly(true));
    EXPECT_EQ(PRasterExport::exportPage(c.comic, *c.page, target, 100).messageKey(), "FileChooser.ExportErr");
    EXPECT_EQ(target.loadFileAsString(), "old");
    EXPECT_EQ(folder.fileNames(), juce::StringArray({"page.png"}));
}

// The series is drawn on every core from copies of the page: one picture per level, showing that
// level only, each the very file that a single export of that level gives. A page without
// levels writes none.
TEST(RasterExport, SeriesWritesOnePicturePerLevelEqualToItsSingleExport)
{
    TempFolder folder;
    Comic c({1, 3, 2, 2});
    int written = -1;
    EXPECT_EQ(
        PRasterExport::exportSeries(c.comic, *c.page, folder.file("ink.png"), 100, PViewState::blackFills, written)
            .messageKey(),
        "");
    EXPECT_EQ(written, 3);
    EXPECT_EQ(folder.fileNames(), juce::StringArray({"ink_1.png", "ink_2.png", "ink_3.png"}));
    // Ink draws every fill black: the tag 1 square spans x = -4 .. -2.5 cm (pixels 40 to 98), the tag 3
    // one -1.5 .. 0 cm (pixels 138 to 197).
    const int left = 60, right = 170;
    const juce::Image first = load(folder.file("ink_1.png")), second = load(folder.file("ink_2.png")),
                      third = load(folder.file("ink_3.png"));
    ASSERT_TRUE(first.isValid() && second.isValid() && third.isValid());
    EXPECT_EQ(first.getPixelAt(left, 197).getARGB(), 0xFF000000u);
    EXPECT_EQ(first.getPixelAt(right, 197).getARGB(), 0xFFFFFFFFu);
    EXPECT_EQ(second.getPixelAt(left, 197).getARGB(), 0xFFFFFFFFu);
    EXPECT_EQ(third.getPixelAt(right, 197).getARGB(), 0xFF000000u);
    for (int k = 1; k <= 3; ++k)
    {
        const auto single = folder.file("single" + juce::String(k) + ".png");
        ASSERT_TRUE(PRasterExport::exportPage(c.comic, *c.page, single, 100, PViewState::blackFills, k).ok());
        EXPECT_TRUE(PRasterExport::seriesFile(folder.file("ink.png"), k).hasIdenticalContentTo(single)) << k;
    }

    TempFolder none;
    Comic untagged({0});
    EXPECT_EQ(PRasterExport::exportSeries(untagged.comic, *untagged.page, none.file("c.png"), 100,
                                          PViewState::whiteFills, written)
                  .messageKey(),
              "");
    EXPECT_EQ(written, 0);
    EXPECT_TRUE(none.fileNames().isEmpty());
}

// A series is put in place whole or not at all: stopped after its second picture, the first
// file of an earlier series keeps its contents and no new file appears.
TEST(RasterExport, StoppedSeriesLeavesEveryOldFileAsItWas)
{
    TempFolder folder;
    Comic c({1, 2, 3});
    ASSERT_TRUE(folder.file("ink_1.png").replaceWithText("old"));
    std::vector<std::pair<int, int>> heard;
    int written = -1;
    EXPECT_EQ(PRasterExport::exportSeries(c.comic, *c.page, folder.file("ink.png"), 100, PViewState::blackFills,
                                          written, nullptr,
                                          [&](int done, int count)
                                          {
                                              heard.emplace_back(done, count);
                                              return done < 2;
                                          })
                  .messageKey(),
              PExportProgress::stopped);
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}}));
    EXPECT_EQ(written, 0);
    EXPECT_EQ(folder.file("ink_1.png").loadFileAsString(), "old");
    EXPECT_EQ(folder.fileNames(), juce::StringArray("ink_1.png"));
}

// Pages with text, brushes and deformed groups drawn side by side on all cores give the files
// that one page at a time gives; a stop after the second page leaves those two in place, and
// no later page, whose older file keeps its contents.
TEST(RasterExport, PagesDrawnSideBySideEqualSingleExportsAndStopAtAPageBoundary)
{
    TempFolder folder;
    PComic comic;
    sample::fill(comic);
    for (int i = 0; i < 3; ++i)
        comic.pages.append(cloneAs(*comic.pages.get<PPage>(0)));
    const int count = comic.pages.size();
    const auto fileFor = [&](int i) { return folder.file("p" + juce::String(i) + (i % 2 == 0 ? ".png" : ".jpg")); };
    std::vector<int> heard;
    int written = 0;
    ASSERT_TRUE(PRasterExport::exportPages(comic, 0, count - 1, fileFor, 100, written, nullptr,
                                           [&](int done, int pages)
                                           {
                                               EXPECT_EQ(pages, count);
                                               EXPECT_TRUE(fileFor(done - 1).existsAsFile());
                                               heard.push_back(done);
                                               return true;
                                           })
                    .ok());
    EXPECT_EQ(written, count);
    EXPECT_EQ(heard, (std::vector<int>{1, 2, 3, 4, 5}));
    for (int i = 0; i < count; ++i)
    {
        const auto single = folder.file("single" + fileFor(i).getFileName());
        ASSERT_TRUE(PRasterExport::exportPage(comic, *comic.pages.get<PPage>(i), single, 100).ok());
        EXPECT_TRUE(fileFor(i).hasIdenticalContentTo(single)) << i;
    }

    TempFolder again;
    const auto againFor = [&](int i) { return again.file("p" + juce::String(i) + ".png"); };
    ASSERT_TRUE(againFor(3).replaceWithText("old"));
    EXPECT_EQ(PRasterExport::exportPages(comic, 0, count - 1, againFor, 100, written, nullptr,
                                         [](int done, int) { return done < 2; })
                  .messageKey(),
              PExportProgress::stopped);
    EXPECT_EQ(written, 2);
    EXPECT_EQ(again.fileNames(), juce::StringArray({"p0.png", "p1.png", "p3.png"}));
    EXPECT_EQ(againFor(3).loadFileAsString(), "old");
}
