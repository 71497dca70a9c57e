// Exported files must open in the tools people use: qpdf and poppler for PDF, libxml2 against the
// SVG 1.1 DTD and librsvg for SVG. A failed export leaves nothing behind, and a page looks the
// same in every format. Tests of a tool that is not installed are skipped.

#include <gtest/gtest.h>

#include <cstdlib>

#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "support/exportsample.h"
#include "support/testfiles.h"

namespace
{
const char* svgDtd = "/usr/share/xml/w3c-sgml-lib/schema/dtd/REC-SVG11-20110816/svg11.dtd";

bool hasTool(const char* name)
{
    for (const auto& folder : juce::StringArray::fromTokens(std::getenv("PATH"), ":", ""))
        if (juce::File(folder).getChildFile(name).existsAsFile())
            return true;
    return false;
}

#define REQUIRE_TOOLS(...)                                                                                             \
    for (const char* tool : {__VA_ARGS__})                                                                             \
        if (!hasTool(tool))                                                                                            \
            GTEST_SKIP() << tool << " is not installed";

struct ToolResult
{
    int status = -1;
    juce::String out, err;
};

/** Runs a shell command line in folder, capturing its output and its error output apart. */
ToolResult run(const TempFolder& folder, const juce::String& command)
{
    const auto out = folder.file("tool.out"), err = folder.file("tool.err");
    const juce::String line = "cd '" + folder.folder.getFullPathName() + "' && " + command + " >'" +
                              out.getFullPathName() + "' 2>'" + err.getFullPathName() + "'";
    ToolResult result;
    result.status = std::system(line.toRawUTF8());
    result.out = out.loadFileAsString();
    result.err = err.loadFileAsString();
    return result;
}

/** Mean difference of the colour channels of two pictures of one size, 0 to 255. */
double meanDifference(const juce::Image& a, const juce::Image& b)
{
    if (!a.isValid() || a.getBounds() != b.getBounds())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
        {
            const auto p = a.getPixelAt(x, y), q = b.getPixelAt(x, y);
            sum += std::abs(p.getRed() - q.getRed()) + std::abs(p.getGreen() - q.getGreen()) +
                   std::abs(p.getBlue() - q.getBlue());
        }
    return sum / (3.0 * a.getWidth() * a.getHeight());
}

juce::Image load(const juce::File& file)
{
    return juce::ImageFileFormat::loadFrom(file);
}

} // namespace

TEST(VectorExport, PdfPassesQpdfAndPopplerWithPageCountAndSize)
{
    REQUIRE_TOOLS("qpdf", "pdfinfo", "pdftoppm");
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 40, 30));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("picture.png"));
    comic.pages.append(new PPage());
    comic.applySettings();
    comic.author.assign("Line\nbreak");
    const struct
    {
        int page;
        const char* pages;
    } rows[] = {{PVectorExport::allPages, "Pages:           2"}, {0, "Pages:           1"}};
    for (const auto& row : rows)
    {
        ASSERT_EQ(PVectorExport::exportPdf(comic, tmp.file("out.pdf"), row.page).messageKey(), "");
        const auto check = run(tmp, "qpdf --check out.pdf");
        EXPECT_EQ(check.status, 0) << check.out << check.err;
        const auto info = run(tmp, "pdfinfo out.pdf");
        EXPECT_TRUE(info.out.contains(row.pages)) << info.out;
        EXPECT_TRUE(info.out.contains("Page size:       720 x 720 pts")) << info.out;
        // Poppler repairs a broken cross-reference table quietly but for a message: none is allowed.
        const auto render = run(tmp, "pdftoppm -r 20 -png out.pdf page");
        EXPECT_EQ(render.status, 0);
        EXPECT_EQ(render.err, "");
    }
}

TEST(VectorExport, SvgIsValidSvg11AndRenders)
{
    REQUIRE_TOOLS("xmllint", "rsvg-convert");
    if (!juce::File(svgDtd).existsAsFile())
        GTEST_SKIP() << "the SVG 1.1 DTD (w3c-sgml-lib) is not installed";
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 40, 30));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("picture.png"));
    PPage& page = *comic.pages.get<PPage>(0);
    auto* markup = new PText();
    markup->text.assign("<b> & \"x\"");
    page.panels.get<PPanel>(0)->layerAt(0)->shapes.append(markup);
    ASSERT_EQ(PVectorExport::exportSvg(page, tmp.file("out.svg")).messageKey(), "");
    const auto valid = run(tmp, juce::String("xmllint --noout --nonet --dtdvalid ") + svgDtd + " out.svg");
    EXPECT_EQ(valid.status, 0) << valid.err;
    EXPECT_EQ(valid.err, "");
    const auto render = run(tmp, "rsvg-convert -o out.png out.svg");
    EXPECT_EQ(render.status, 0);
    EXPECT_EQ(render.err, "");
    EXPECT_TRUE(load(tmp.file("out.png")).isValid());
}

TEST(VectorExport, FailedExportLeavesNoFileBehind)
{
    TempFolder tmp;
    PComic comic;
    exportsample::emptyComic(comic, 1);
    PPage& page = *comic.pages.get<PPage>(0);
    const auto missingFolder = tmp.file("absent/out.pdf");
    EXPECT_EQ(PVectorExport::exportPdf(comic, missingFolder, PVectorExport::allPages).messageKey(),
              "FileChooser.ExportErr");
    EXPECT_EQ(PVectorExport::exportSvg(page, tmp.file("absent/out.svg")).messageKey(), "FileChooser.ExportErr");
    EXPECT_EQ(PVectorExport::exportPdf(comic, tmp.file("p.pdf"), 1).messageKey(), "FileChooser.ExportErr");

    const auto protectedFile = tmp.file("kept.svg");
    ASSERT_TRUE(protectedFile.replaceWithText("old"));
    ASSERT_TRUE(protectedFile.setReadOnly(true));
    EXPECT_EQ(PVectorExport::exportSvg(page, protectedFile).messageKey(), "FileChooser.ExportErr");
    EXPECT_EQ(protectedFile.loadFileAsString(), "old");
    EXPECT_EQ(tmp.fileNames(), juce::StringArray("kept.svg"));
}

// The same page through the three routes to a picture, at one resolution: the page is a whole
// number of points, millimetres and pixels, so no format rounds it. What remains: anti-aliased
// edges, which poppler snaps to whole pixels; PDF colours with two decimals (a step of 2.55 of
// 255 over every area); the PDF's opacity steps (the translucent shape uses one exactly); and
// librsvg setting the SVG text itself from the font's name. Measured: PDF 1.5, SVG 0.7 of 255 on
// average. A threshold of 3 leaves room for other renderer versions; leaving out the blue square
// alone would cost about 15, and a blank page more than five times the threshold (checked below).
TEST(VectorPicture, PdfAndSvgLookLikeThePngExport)
{
    REQUIRE_TOOLS("pdftoppm", "rsvg-convert");
    constexpr double threshold = 3.0;
    constexpr int dpi = 50, side = 500;
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 60, 45));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("picture.png"));
    PPage& page = *comic.pages.get<PPage>(0);
    ASSERT_EQ(PRasterExport::exportPage(comic, page, tmp.file("page.png"), dpi).messageKey(), "");
    ASSERT_EQ(PVectorExport::exportPdf(comic, tmp.file("page.pdf"), 0).messageKey(), "");
    ASSERT_EQ(PVectorExport::exportSvg(page, tmp.file("page.svg")).messageKey(), "");
    ASSERT_EQ(run(tmp, "pdftoppm -png -singlefile -r 50 page.pdf frompdf").status, 0);
    ASSERT_EQ(run(tmp, "rsvg-convert -b white --dpi-x 50 --dpi-y 50 -o fromsvg.png page.svg").status, 0);

    const juce::Image reference = load(tmp.file("page.png"));
    ASSERT_EQ(reference.getBounds(), juce::Rectangle<int>(side, side));
    juce::Image blank(juce::Image::RGB, side, side, true);
    blank.clear(blank.getBounds(), juce::Colours::white);
    const double pdf = meanDifference(reference, load(tmp.file("frompdf.png")));
    const double svg = meanDifference(reference, load(tmp.file("fromsvg.png")));
    EXPECT_LT(pdf, threshold);
    EXPECT_LT(svg, threshold);
    EXPECT_GT(meanDifference(reference, blank), 5 * threshold);
}
