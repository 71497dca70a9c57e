// plumet-cli is how users and scripts look inside a comic: its JSON must show every object
// and survive a copy unchanged, and its exit status must tell the failures apart.

#include <gtest/gtest.h>

#include "model/comic.h"
#include "model/image.h"
#include "model/option.h"
#include "model/page.h"
#include "support/cli.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"

TEST(CliInfo, CopyOfAComicWithEveryClassShowsTheSameTree)
{
    TempFolder tmp;
    PComic comic;
    comic.path = tmp.path("all.plm");
    sample::fill(comic);
    ASSERT_TRUE(comic.save());

    ASSERT_EQ(runCli({"copy", tmp.path("all.plm"), tmp.path("copy.plm")}).status, 0);
    const auto original = runCli({"info", tmp.path("all.plm")});
    const auto copied = runCli({"info", tmp.path("copy.plm")});
    ASSERT_EQ(original.status, 0);
    EXPECT_EQ(original.out, copied.out);

    const auto json = juce::JSON::parse(original.out);
    EXPECT_EQ(static_cast<int>(json["result"]), 1);
    const auto tree = json["comic"];
    EXPECT_EQ(tree["title"].toString(), "Sample");
    EXPECT_EQ(static_cast<double>(tree["height"]), 14.8);
    const auto layer = tree["pages"][0]["panels"][0]["layers"][0];
    EXPECT_EQ(static_cast<int>(layer["stroke"]), 70);
    const auto shapes = layer["shapes"];
    ASSERT_EQ(shapes.size(), 8);
    EXPECT_EQ(shapes[2]["text"].toString(), juce::String::fromUTF8("Hello\nw\xc3\xb6rld"));
    EXPECT_EQ(static_cast<int>(shapes[3]["pixelWidth"]), 64);
    EXPECT_TRUE(static_cast<bool>(shapes[5]["deformed"]));
    EXPECT_EQ(static_cast<int>(shapes[7]["points"][1]["variant"]), 2);
    EXPECT_EQ(static_cast<int>(tree["clips"][0]["cards"][0]["cardNo"]), 2);
    EXPECT_TRUE(tree["decor"][1]["content"].isVoid());
}

TEST(CliInfo, OptionsFileShowsEverySavedOption)
{
    TempFolder tmp;
    POption options(tmp.folder.getFullPathName());
    options.exportDpi = 600;
    ASSERT_TRUE(options.save());
    const auto result = runCli({"info", tmp.path("comics_options.opt")});
    ASSERT_EQ(result.status, 0);
    const auto json = juce::JSON::parse(result.out)["options"];
    EXPECT_EQ(static_cast<int>(json["exportDpi"]), 600);
    EXPECT_EQ(json["pagesLight"].toString(), "0xFF804DF0");
    EXPECT_EQ(json["fontPresets"].size(), 10);
    EXPECT_EQ(json["palette"].size(), 26);
}

TEST(CliOption, SetsOneSettingAndRefusesUnknownNamesAndValues)
{
    TempFolder tmp;
    POption options(tmp.folder.getFullPathName());
    ASSERT_TRUE(options.save());
    const auto file = tmp.path("comics_options.opt");
    ASSERT_EQ(runCli({"option", file, "openGLCanvas", "1"}).status, 0);
    ASSERT_EQ(runCli({"option", file, "gridDivisions", "7"}).status, 0);
    const auto json = juce::JSON::parse(runCli({"info", file}).out)["options"];
    EXPECT_TRUE(static_cast<bool>(json["openGLCanvas"]));
    EXPECT_EQ(static_cast<int>(json["gridDivisions"]), 7);
    EXPECT_EQ(static_cast<int>(json["exportDpi"]), 100); // the rest is kept
    EXPECT_EQ(runCli({"option", file, "wall", "1"}).status, 64);
    EXPECT_EQ(runCli({"option", file, "snap", "yes"}).status, 64);
    EXPECT_EQ(runCli({"option", tmp.path("absent.opt"), "snap", "1"}).status, 2);
}

TEST(CliStatus, FailuresAreToldApart)
{
    TempFolder tmp;
    tmp.file("junk.plm").replaceWithText("not a comic");
    EXPECT_EQ(runCli({"info", tmp.path("junk.plm")}).status, 2);
    EXPECT_EQ(runCli({"info", tmp.path("absent.plm")}).status, 2);
    EXPECT_EQ(runCli({"new", tmp.path("no-such-folder/x.plm")}).status, 3);
    EXPECT_EQ(runCli({"new", tmp.path("x.plm"), "--format", "9"}).status, 64);
    EXPECT_EQ(runCli({"frobnicate"}).status, 64);
    EXPECT_EQ(runCli({}).status, 64);
}

TEST(CliNew, WritesTheRequestedComic)
{
    TempFolder tmp;
    const auto title = juce::String::fromUTF8("Été"), author = juce::String::fromUTF8("Zoé");
    ASSERT_EQ(
        runCli({"new", tmp.path("n.plm"), "--title", title, "--author", author, "--format", "2", "--rotate"}).status,
        0);
    PComic comic;
    ASSERT_EQ(comic.load(tmp.path("n.plm")), PLoadResult::ok);
    EXPECT_EQ(comic.name.toString(), title);
    EXPECT_EQ(comic.author.toString(), author);
    EXPECT_EQ(comic.width, 14.8f);
    EXPECT_EQ(comic.height, 21.0f);
    EXPECT_TRUE(comic.hasFlag(PComic::rotated));
}

namespace
{
/** Saves a comic of pageCount pages, the first with a panel whose layers carry tags 1 and 2. */
juce::String saveExportComic(const TempFolder& tmp, int pageCount, float side = 10)
{
    PComic comic;
    exportsample::emptyComic(comic, pageCount, side, side);
    auto* frame = exportsample::panel(-4, -4, 4, 4, 0xFF2AFFD0);
    comic.pages.get<PPage>(0)->panels.append(frame);
    for (uint16_t tag : {1, 2})
        exportsample::layer(*frame, tag, tag)
            ->shapes.append(exportsample::curve({{-3, -3}, {3, -3}, {0, 3}}, true, 0xFF000000, 0xFFA0C080));
    comic.path = tmp.path("c.plm");
    return comic.save().ok() ? comic.path : juce::String();
}
} // namespace

TEST(CliExport, FormatFollowsTheNameAndAPdfHoldsEveryPageUnlessOneIsAsked)
{
    TempFolder tmp;
    const auto comic = saveExportComic(tmp, 2);
    const struct
    {
        juce::StringArray options;
        const char* file;
        const char* head;
    } rows[] = {{{"-o", tmp.path("all.pdf")}, "all.pdf", "%PDF-1.7"},
                {{"--page", "2", "-o", tmp.path("two.pdf")}, "two.pdf", "%PDF-1.7"},
                {{"--format", "svg", "-o", tmp.path("page.out")}, "page.out", "<?xml"},
                {{"-o", tmp.path("one.png")}, "one.png", "\x89PNG"},
                {{"-o", tmp.path("one.JPEG"), "--dpi", "300"}, "one.JPEG", "\xff\xd8\xff"}};
    for (const auto& row : rows)
    {
        juce::StringArray args{"export", comic};
        args.addArray(row.options);
        EXPECT_EQ(runCli(args).status, 0) << row.file;
        juce::MemoryBlock bytes;
        tmp.file(row.file).loadFileAsData(bytes);
        EXPECT_TRUE(bytes.getSize() > 8 && memcmp(bytes.getData(), row.head, strlen(row.head)) == 0) << row.file;
    }
    EXPECT_TRUE(tmp.file("all.pdf").loadFileAsString().contains("/Count 2"));
    EXPECT_TRUE(tmp.file("two.pdf").loadFileAsString().contains("/Count 1"));
    // Ten centimetres at 100 dpi.
    EXPECT_EQ(juce::ImageFileFormat::loadFrom(tmp.file("one.png")).getBounds(), juce::Rectangle<int>(394, 394));
}

TEST(CliExport, SeriesWritesOneFilePerLayerTag)
{
    TempFolder tmp;
    const auto comic = saveExportComic(tmp, 2);
    const auto result = runCli({"export", comic, "-o", tmp.path("ink.png"), "--series", "ink"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, tmp.path("ink_1.png") + "\n" + tmp.path("ink_2.png") + "\n");
    // The second page has no tagged layer: nothing to write is not a success.
    EXPECT_EQ(runCli({"export", comic, "-o", tmp.path("c.png"), "--series", "color", "--page", "2"}).status, 3);
    EXPECT_FALSE(tmp.file("c_1.png").exists());
}

TEST(CliExport, WrongRequestsAndFailedWritesAreToldApart)
{
    TempFolder tmp;
    const auto comic = saveExportComic(tmp, 1);
    TempFolder small;
    const auto tiny = saveExportComic(small, 1, 1); // 39 pixels at 100 dpi
    PComic pageless;
    pageless.path = tmp.path("pageless.plm");
    ASSERT_TRUE(pageless.save().ok());
    const struct
    {
        juce::StringArray args;
        int status;
    } rows[] = {{{"export", comic}, 64},
                {{"export", comic, "-o", tmp.path("x.pdf"), "--page", "2"}, 64},
                {{"export", comic, "-o", tmp.path("x.png"), "--dpi", "150"}, 64},
                {{"export", comic, "-o", tmp.path("x.pdf"), "--dpi", "300"}, 64},
                {{"export", comic, "-o", tmp.path("x.svg"), "--series", "ink"}, 64},
                {{"export", comic, "-o", tmp.path("x.doc")}, 64},
                {{"export", comic, "-o", tmp.path("x.out"), "--format", "png"}, 64},
                {{"export", tmp.path("absent.plm"), "-o", tmp.path("x.pdf")}, 2},
                {{"export", comic, "-o", tmp.path("no-folder/x.pdf")}, 3},
                {{"export", comic, "-o", tmp.path("no-folder/x.svg")}, 3},
                {{"export", tiny, "-o", tmp.path("x.png")}, 3},
                {{"export", comic, "-o", tmp.path("x.svg"), "--page", "2-3"}, 64},
                {{"export", comic, "-o", tmp.path("x.svg"), "--page", "3-2"}, 64},
                {{"export", comic, "-o", tmp.path("x.pdf"), "--page", "1-1"}, 64},
                {{"export", comic, "-o", tmp.path("x.pdf"), "--image", "jpg"}, 64},
                {{"export", comic, "-o", tmp.path("x.png"), "--uncompressed"}, 64},
                {{"export", comic, "-o", tmp.path("x.cbz"), "--page", "1"}, 64},
                {{"export", comic, "-o", tmp.path("x.cbz"), "--image", "gif"}, 64},
                {{"export", tiny, "-o", tmp.path("x.cbz")}, 3},
                {{"export", pageless.path, "-o", tmp.path("x.cbz")}, 3},
                {{"export", comic, "-o", tmp.path("no-folder/x.cbz")}, 3}};
    for (const auto& row : rows)
        EXPECT_EQ(runCli(row.args).status, row.status) << row.args.joinIntoString(" ");
    const auto pdf = runCli({"export", pageless.path, "-o", tmp.path("x.pdf")}, true);
    EXPECT_EQ(pdf.status, 3);
    EXPECT_TRUE(pdf.out.contains("no pages")) << pdf.out;
    EXPECT_EQ(tmp.fileNames(), juce::StringArray({"c.plm", "pageless.plm"}));
}

TEST(CliExport, EveryPageGivesOneFileInOrderEqualToItsSingleExport)
{
    TempFolder tmp;
    const auto comic = saveExportComic(tmp, 3);
    for (const char* extension : {".svg", ".png"})
    {
        const juce::String name = juce::String("all") + extension;
        const auto result = runCli({"export", comic, "-o", tmp.path(name), "--page", "all"});
        ASSERT_EQ(result.status, 0) << extension;
        juce::StringArray expected;
        for (int page = 1; page <= 3; ++page)
        {
            const auto batchFile = tmp.file("all_p0" + juce::String(page) + extension);
            expected.add(batchFile.getFullPathName());
            const auto single = tmp.file("single" + juce::String(page) + extension);
            ASSERT_EQ(runCli({"export", comic, "-o", single.getFullPathName(), "--page", juce::String(page)}).status,
                      0);
            EXPECT_TRUE(batchFile.hasIdenticalContentTo(single)) << batchFile.getFileName();
        }
        EXPECT_EQ(result.out, expected.joinIntoString("\n") + "\n");
    }
    const auto range = runCli({"export", comic, "-o", tmp.path("ink.png"), "--page", "1-2", "--series", "ink"});
    EXPECT_EQ(range.status, 0);
    EXPECT_TRUE(range.out.startsWith(tmp.path("ink_p01_1.png") + "\n" + tmp.path("ink_p01_2.png") + "\n"));
}

TEST(CliExport, PicturesAreFoundInTheImagesFolderAndAMissingOneIsNamed)
{
    TempFolder tmp;
    ASSERT_TRUE(tmp.file("images").createDirectory());
    ASSERT_TRUE(exportsample::writePicture(tmp.file("images/photo.png"), 40, 30));
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    auto* stored = new PImage();
    stored->setFile("photo.png");
    stored->flags |= PImage::inImagesFolder;
    layer.shapes.append(stored);
    auto* lost = exportsample::image(tmp.file("gone.png"));
    layer.shapes.append(lost);
    comic.path = tmp.path("pictures.plm");
    ASSERT_TRUE(comic.save().ok());

    const auto result = runCli({"export", comic.path, "-o", tmp.path("p.svg"), "--images", tmp.path("images")}, true);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.contains("gone.png")) << result.out;
    EXPECT_FALSE(result.out.contains("photo.png")) << result.out;
    EXPECT_TRUE(tmp.file("p.svg").loadFileAsString().contains("<image"));
}

TEST(CliExport, ComicBookHoldsEveryPageAndProgressCountsThem)
{
    TempFolder tmp;
    const auto comic = saveExportComic(tmp, 2);
    const auto result = runCli({"export", comic, "-o", tmp.path("book.cbz"), "--image", "jpg", "--progress"}, true);
    EXPECT_EQ(result.status, 0);
    // A debug build names the library on standard error first.
    EXPECT_TRUE(result.out.endsWith("\npage 1 of 2\npage 2 of 2\n") || result.out == "page 1 of 2\npage 2 of 2\n")
        << result.out;
    juce::ZipFile zip(tmp.file("book.cbz"));
    ASSERT_EQ(zip.getNumEntries(), 3);
    EXPECT_EQ(zip.getEntry(0)->filename, "p001.jpg");
    EXPECT_EQ(zip.getEntry(1)->filename, "p002.jpg");
    EXPECT_EQ(zip.getEntry(2)->filename, "ComicInfo.xml");

    const auto pdf = runCli({"export", comic, "-o", tmp.path("all.pdf"), "--progress", "--uncompressed"}, true);
    EXPECT_EQ(pdf.status, 0);
    EXPECT_TRUE(pdf.out.endsWith("page 1 of 2\npage 2 of 2\n")) << pdf.out;
    EXPECT_TRUE(tmp.file("all.pdf").loadFileAsString().contains("stream\r\n1 j\r\n1 J\r\n"));
}
