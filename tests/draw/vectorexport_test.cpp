// Exported files must open in the tools people use: qpdf and poppler for PDF, libxml2 against the
// SVG 1.1 DTD and librsvg for SVG. A failed export leaves nothing behind, and a page looks the
// same in every format. The tools are installed with the project: a missing one fails the test.

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "support/cli.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"

namespace
{
const char* svgDtd = "/usr/share/xml/w3c-sgml-lib/schema/dtd/REC-SVG11-20110816/svg11.dtd";

#define REQUIRE_TOOLS(...)                                                                                             \
    for (const char* tool : {__VA_ARGS__})                                                                             \
        if (!hasTool(tool))                                                                                            \
            GTEST_FAIL() << tool << " is not installed";

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

/** A page drawn three ways: the PNG export, poppler's picture of the PDF and librsvg's picture of
    the SVG. Empty pictures when a step failed (the failure is reported). */
struct ThreeRoutes
{
    juce::Image png, pdf, svg;
};

ThreeRoutes drawThreeWays(PComic& comic, PPage& page, const TempFolder& tmp, int dpi = 50)
{
    const juce::String r(dpi);
    EXPECT_TRUE(PRasterExport::exportPage(comic, page, tmp.file("page.png"), dpi).ok());
    EXPECT_TRUE(PVectorExport::exportPdf(comic, tmp.file("page.pdf"), comic.pages.indexOf(&page)).ok());
    EXPECT_TRUE(PVectorExport::exportSvg(page, tmp.file("page.svg")).ok());
    EXPECT_EQ(runIn(tmp.folder, "pdftoppm -png -singlefile -r " + r + " page.pdf frompdf").status, 0);
    EXPECT_EQ(
        runIn(tmp.folder, "rsvg-convert -b white --dpi-x " + r + " --dpi-y " + r + " -o fromsvg.png page.svg").status,
        0);
    return {load(tmp.file("page.png")), load(tmp.file("frompdf.png")), load(tmp.file("fromsvg.png"))};
}

/** The pixel of a page point of a 25.4 cm page drawn at 50 dpi (500 pixels, y down). */
juce::Colour pixelAt(const juce::Image& picture, float x, float y)
{
    const float perCentimetre = 500 / 25.4f;
    return picture.getPixelAt(juce::roundToInt(250 + x * perCentimetre), juce::roundToInt(250 - y * perCentimetre));
}

bool isPaper(juce::Colour c)
{
    return c.getRed() > 240 && c.getGreen() > 240 && c.getBlue() > 240;
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
    comic.name.assign(juce::String::fromUTF8("Caf\xc3\xa9 & (co)"));
    const struct
    {
        int page;
        const char* pages;
    } rows[] = {{PVectorExport::allPages, "Pages:           2"}, {0, "Pages:           1"}};
    for (const auto& row : rows)
    {
        ASSERT_EQ(PVectorExport::exportPdf(comic, tmp.file("out.pdf"), row.page).messageKey(), "");
        EXPECT_TRUE(isSoundPdf(tmp.folder, tmp.file("out.pdf")));
        const auto info = runIn(tmp.folder, "pdfinfo out.pdf");
        EXPECT_TRUE(info.out.contains(row.pages)) << info.out;
        EXPECT_TRUE(info.out.contains("Page size:       720 x 720 pts")) << info.out;
        EXPECT_TRUE(info.out.contains(juce::String::fromUTF8("Title:           Caf\xc3\xa9 & (co)\n"))) << info.out;
        EXPECT_TRUE(info.out.contains("Author:          Line\nbreak\n")) << info.out;
        EXPECT_TRUE(info.out.contains("Producer:        Plumet Comics ")) << info.out;
    }
}

TEST(VectorExport, SvgIsValidSvg11AndRenders)
{
    REQUIRE_TOOLS("xmllint", "rsvg-convert");
    ASSERT_TRUE(juce::File(svgDtd).existsAsFile()) << "the SVG 1.1 DTD (w3c-sgml-lib) is not installed";
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 40, 30));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("picture.png"));
    PPage& page = *comic.pages.get<PPage>(0);
    auto* markup = new PText();
    markup->text.assign("<b> & \"x\"");
    page.panels.get<PPanel>(0)->layerAt(0)->shapes.append(markup);
    ASSERT_EQ(PVectorExport::exportSvg(page, tmp.file("out.svg")).messageKey(), "");
    EXPECT_TRUE(isValidXml(tmp.folder, tmp.file("out.svg"), svgDtd));
    const auto render = runIn(tmp.folder, "rsvg-convert -o out.png out.svg");
    EXPECT_EQ(render.status, 0);
    EXPECT_EQ(render.err, "");
    EXPECT_TRUE(load(tmp.file("out.png")).isValid());
}

// The sample comic holds a shape of every class: brushes, nested and clipping groups included.
TEST(VectorExport, EveryPageOfTheSampleComicGivesValidFiles)
{
    REQUIRE_TOOLS("xmllint", "qpdf", "pdftoppm");
    TempFolder tmp;
    PComic comic;
    sample::fill(comic);
    ASSERT_TRUE(PVectorExport::exportPdf(comic, tmp.file("sample.pdf"), PVectorExport::allPages).ok());
    EXPECT_TRUE(isSoundPdf(tmp.folder, tmp.file("sample.pdf")));
    for (int i = 0; i < comic.pages.size(); ++i)
    {
        ASSERT_TRUE(PVectorExport::exportSvg(*comic.pages.get<PPage>(i), tmp.file("sample.svg")).ok());
        EXPECT_TRUE(isValidXml(tmp.folder, tmp.file("sample.svg"), svgDtd)) << "page " << i + 1;
    }
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

// Poppler draws the compressed file, pictures included, pixel for pixel as the plain one.
TEST(VectorExport, CompressedPdfDrawsLikeThePlainOne)
{
    REQUIRE_TOOLS("qpdf", "pdftoppm");
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 60, 45));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("picture.png"));
    PPdfSettings plain;
    plain.compressed = false;
    ASSERT_TRUE(PVectorExport::exportPdf(comic, tmp.file("packed.pdf"), 0).ok());
    ASSERT_TRUE(PVectorExport::exportPdf(comic, tmp.file("plain.pdf"), 0, nullptr, plain).ok());
    EXPECT_LT(tmp.file("packed.pdf").getSize() * 4, tmp.file("plain.pdf").getSize());
    EXPECT_TRUE(isSoundPdf(tmp.folder, tmp.file("packed.pdf")));
    for (const char* name : {"packed", "plain"})
    {
        const auto render = runIn(tmp.folder, juce::String("pdftoppm -png -singlefile -r 50 ") + name + ".pdf " + name);
        EXPECT_EQ(render.status, 0);
        EXPECT_EQ(render.err, "");
    }
    EXPECT_TRUE(tmp.file("packed.png").hasIdenticalContentTo(tmp.file("plain.png")));
}

TEST(VectorExport, StoppedOrPagelessPdfLeavesTheOldFileAlone)
{
    TempFolder tmp;
    PComic comic;
    exportsample::emptyComic(comic, 3);
    const auto old = tmp.file("out.pdf");
    ASSERT_TRUE(old.replaceWithText("old"));
    std::vector<std::pair<int, int>> heard;
    PPdfSettings settings;
    settings.progress = [&heard](int done, int count)
    {
        heard.emplace_back(done, count);
        return done < 2;
    };
    EXPECT_EQ(PVectorExport::exportPdf(comic, old, PVectorExport::allPages, nullptr, settings).messageKey(),
              PExportProgress::stopped);
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}}));
    PComic pageless;
    EXPECT_EQ(PVectorExport::exportPdf(pageless, old, PVectorExport::allPages).messageKey(), "Message.NoPages");
    EXPECT_EQ(old.loadFileAsString(), "old");
    EXPECT_EQ(tmp.fileNames(), juce::StringArray("out.pdf"));
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
    constexpr int side = 500;
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 60, 45));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("picture.png"));
    const ThreeRoutes routes = drawThreeWays(comic, *comic.pages.get<PPage>(0), tmp);
    ASSERT_EQ(routes.png.getBounds(), juce::Rectangle<int>(side, side));
    juce::Image blank(juce::Image::RGB, side, side, true);
    blank.clear(blank.getBounds(), juce::Colours::white);
    EXPECT_LT(meanDifference(routes.png, routes.pdf), threshold);
    EXPECT_LT(meanDifference(routes.png, routes.svg), threshold);
    EXPECT_GT(meanDifference(routes.png, blank), 5 * threshold);
}

namespace
{
constexpr uint32_t ink = 0xFF000000, paper = 0xFF0000FF, red = 0xFF00FF80, blue = 0xFFAAFF80;

/** One 25.4 cm page with a panel filling most of it, and the layer to draw on. */
PLayer& pictureLayer(PComic& comic)
{
    exportsample::emptyComic(comic, 1, 25.4f, 25.4f);
    auto* frame = exportsample::panel(-12, -12, 12, 12, paper);
    comic.pages.get<PPage>(0)->panels.append(frame);
    return *exportsample::layer(*frame, 1, 1);
}

PCurve* square(float left, float bottom, float side, uint32_t fill)
{
    return exportsample::curve(
        {{left, bottom}, {left + side, bottom}, {left + side, bottom + side}, {left, bottom + side}}, true, ink, fill);
}

/** A pattern of one hump for the brushes that lay a clip along their guide. */
std::unique_ptr<PClip> humpPattern()
{
    auto pattern = std::make_unique<PClip>();
    pattern->clipSize = 1;
    pattern->cardFor(0)->shapes.append(exportsample::curve({{0, 0}, {0.5f, 1}, {1, 0}}, true, ink, red));
    return pattern;
}

struct PictureCase
{
    const char* what;
    std::function<void(PLayer&)> build;
    /** Page points that must be paper, and points that must hold artwork, in all three pictures. */
    std::vector<std::pair<float, float>> blank, inked;
};
} // namespace

// The features the three routes must agree on: a frame that clips, groups in groups, brushes of
// every kind bent by a deformed group, and artwork carried along by its panel's transform.
TEST(VectorPicture, ClippingNestingBrushesAndPanelTransformsLookAlikeEverywhere)
{
    REQUIRE_TOOLS("pdftoppm", "rsvg-convert");
    constexpr double threshold = 3.0;
    const PictureCase cases[] = {
        {"a big square clipped to a small frame",
         [](PLayer& layer)
         {
             auto* group = new PGroup();
             group->setFlag(PGroup::framed, true);
             group->children.append(square(-3, -3, 6, 0)); // unfilled frame
             group->children.append(square(-10, -10, 20, red));
             layer.shapes.append(group);
         },
         {{-6, 0}, {6, 6}, {0, -8}},
         {{0, 0}, {2, 2}}},
        {"a group in a group in a group, each moved",
         [](PLayer& layer)
         {
             auto* outer = new PGroup();
             auto* middle = new PGroup();
             auto* inner = new PGroup();
             inner->children.append(square(0, 0, 2, blue));
             inner->x = 1, middle->x = 2, outer->x = 3; // the square lands at 6 .. 8
             middle->children.append(inner);
             outer->children.append(middle);
             layer.shapes.append(outer);
         },
         {{1, 1}},
         {{7, 1}}},
        {"a brush of each kind in a deformed group",
         [](PLayer& layer)
         {
             auto* group = new PGroup();
             group->flags |= PGroup::deformed;
             group->deformMode = 2;
             for (uint16_t kind = 1; kind <= 4; ++kind)
             {
                 auto* brush = new PBrush();
                 brush->kind = kind;
                 brush->seed = kind;
                 const float y = 8.0f - 4.0f * kind;
                 brush->points.append(new PPoint(-8, y));
                 brush->points.append(new PPoint(8, y));
                 brush->pattern = humpPattern();
                 brush->lineColour = ink;
                 brush->fillColour = red;
                 group->children.append(brush);
             }
             group->gridTo[1].x = 1.5f;
             group->gridTo[2].y = -1.0f;
             layer.shapes.append(group);
         },
         {{0, 10}},
         {}},
        {"a moved, scaled and turned panel carries its artwork",
         [](PLayer& layer)
         {
             PPanel& panel = *layer.panel;
             panel.x = 4, panel.y = -2;
             panel.scaleX = panel.scaleY = 0.5f;
             panel.rotation = juce::MathConstants<float>::halfPi;
             layer.shapes.append(square(2, 2, 4, blue)); // lands on (1 .. 3) x (-1 .. 1)
         },
         {{5, 5}},
         {{2, 0}}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempFolder tmp;
        PComic comic;
        c.build(pictureLayer(comic));
        PPage& page = *comic.pages.get<PPage>(0);
        const ThreeRoutes routes = drawThreeWays(comic, page, tmp);
        ASSERT_EQ(routes.png.getBounds(), juce::Rectangle<int>(500, 500));
        EXPECT_LT(meanDifference(routes.png, routes.pdf), threshold);
        EXPECT_LT(meanDifference(routes.png, routes.svg), threshold);
        for (const juce::Image* picture : {&routes.png, &routes.pdf, &routes.svg})
        {
            for (const auto& [x, y] : c.blank)
                EXPECT_TRUE(isPaper(pixelAt(*picture, x, y))) << "paper expected at " << x << ", " << y;
            for (const auto& [x, y] : c.inked)
                EXPECT_FALSE(isPaper(pixelAt(*picture, x, y))) << "artwork expected at " << x << ", " << y;
        }
    }
}

namespace
{
/** The darkness summed down one column between two rows, in pixels of full black. */
double inkDown(const juce::Image& picture, int column, int fromRow, int toRow)
{
    double darkness = 0;
    for (int y = fromRow; y < toRow; ++y)
        darkness += (255 - picture.getPixelAt(column, y).getRed()) / 255.0;
    return darkness;
}
} // namespace

// A line of 0.00475 cm (the thinnest pen at thickness 19) once went into both files as width 0:
// librsvg drew nothing and poppler a one-pixel hairline, where the PNG shows four and a half
// pixels at 2400 dpi. Each route must now lay down about as much ink across the line as the PNG;
// poppler snaps thin strokes to whole pixels, so up to one pixel apart.
TEST(VectorPicture, ThinLinesKeepTheirWidthInEveryFormat)
{
    REQUIRE_TOOLS("pdftoppm", "rsvg-convert");
    constexpr int dpi = 2400, side = 2400;
    TempFolder tmp;
    PComic comic;
    exportsample::emptyComic(comic, 1, 2.54f, 2.54f);
    auto* frame = exportsample::panel(-1.2f, -1.2f, 1.2f, 1.2f, paper);
    comic.pages.get<PPage>(0)->panels.append(frame);
    PLayer* thinnest = exportsample::layer(*frame, 1, 1);
    thinnest->stroke = 0;
    thinnest->shapes.append(exportsample::curve({{-1, 0}, {1, 0}}, false, ink, 0, 19));
    const ThreeRoutes routes = drawThreeWays(comic, *comic.pages.get<PPage>(0), tmp, dpi);
    const double expected = 0.00475 / 2.54 * dpi; // 4.49 pixels
    // librsvg's page is a whole number of millimetres (25 instead of 25.4), at the same scale.
    for (const juce::Image* picture : {&routes.png, &routes.pdf, &routes.svg})
    {
        const int w = picture->getWidth(), h = picture->getHeight();
        ASSERT_GT(h, side * 9 / 10);
        EXPECT_NEAR(inkDown(*picture, w / 2, h / 4, h * 3 / 4), expected, 1.0) << picture - &routes.png;
    }
}
