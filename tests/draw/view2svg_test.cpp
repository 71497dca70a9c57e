// SVG files are checked at the byte level: header, outer matrix, path elements and clip ids,
// and that whatever a user types stays well-formed XML.

#include <gtest/gtest.h>

#include "draw/view2svg.h"
#include "support/exportsample.h"
#include "support/testfiles.h"

using exportsample::has;
using exportsample::svgOf;

TEST(SvgDocument, EmptyA4PageIsTheHeaderAndTheOuterGroup)
{
    PPage page;
    page.width = 21.0f;
    page.height = 29.7f;
    EXPECT_EQ(svgOf(page), "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
                           "<svg version=\"1.1\" xmlns=\"http://www.w3.org/2000/svg\"\r\n"
                           "     xmlns:xlink=\"http://www.w3.org/1999/xlink\"\r\n"
                           "     width=\"210mm\" height=\"297mm\"\r\n"
                           "     viewBox=\"0 0 210 297\">\r\n\r\n"
                           "<g transform=\"matrix(10.00000,0.00000,0.00000,-10.00000,105.00000,149.00000)\">\r\n"
                           "</g>\r\n\r\n</svg>\r\n");
}

TEST(SvgDocument, ClipIdsCountPanelsAndRestartPerFile)
{
    PComic comic;
    exportsample::emptyComic(comic, 1);
    PPage& page = *comic.pages.get<PPage>(0);
    page.panels.append(exportsample::panel(-5, -4, 0, 4, 0xFF0000FF));
    page.panels.append(exportsample::panel(0, -4, 5, 4, 0xFF0000FF));
    for (int file = 0; file < 2; ++file)
    {
        const std::string svg = svgOf(page);
        EXPECT_TRUE(has(svg, "<clipPath id=\"panel1\">\r\n<path d=\" M -5.000 -4.000 C"));
        EXPECT_TRUE(has(svg, "<g clip-path=\"url(#panel2)\">\r\n\r\n</g>\r\n\r\n"));
        EXPECT_FALSE(has(svg, "panel3"));
    }
}

TEST(SvgPath, SameAlphaSharesOneElementAndThinnestPenKeepsItsWidth)
{
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic, 0);
    auto* curve = exportsample::curve({{0, 0}, {1, 0}, {1, 1}}, true, 0xFF000000, 0xFF00FF80);
    layer.shapes.append(curve);
    EXPECT_TRUE(has(svgOf(*comic.pages.get<PPage>(0)),
                    "<g>\r\n<path\r\n  stroke=\"rgb(0,0,0)\"\r\n  fill=\"rgb(255,1,1)\"\r\n  opacity=\"1.00\"\r\n"
                    "  stroke-width=\"0.0125\"\r\n  stroke-linecap=\"round\"\r\n  stroke-linejoin=\"round\"\r\n"
                    "  d=\" M 0.000 0.000"));
    curve->fillColour = 0x8000FF80;
    const std::string two = svgOf(*comic.pages.get<PPage>(0));
    EXPECT_TRUE(
        has(two, "  stroke=\"none\"\r\n  fill=\"rgb(255,1,1)\"\r\n  opacity=\"0.50\"\r\n  stroke-width=\"0.0000\""));
    EXPECT_TRUE(
        has(two, "  stroke=\"rgb(0,0,0)\"\r\n  fill=\"none\"\r\n  opacity=\"1.00\"\r\n  stroke-width=\"0.0125\""));
}

TEST(SvgText, MarkupInTextFontAndFileNamesIsEscaped)
{
    const struct
    {
        const char* in;
        const char* out;
    } rows[] = {{"<b> & \"x\"", "&lt;b&gt; &amp; &quot;x&quot;"},
                {"it's\ttab", "it&apos;s\ttab"},
                {"bell\x07 and\x1f", "bell and"},
                {"caf\xc3\xa9 \xe2\x82\xac", "caf\xc3\xa9 \xe2\x82\xac"}};
    for (const auto& row : rows)
        EXPECT_EQ(PView2svg::escapeXml(juce::String::fromUTF8(row.in)), row.out) << row.in;

    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("a&b.png"), 8, 6));
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    auto* text = new PText();
    text->text.assign(juce::String::fromUTF8("<b> & \"x\"\nline\x01two"));
    text->fontSpec.face.assign("Sans & \"Serif\"");
    text->fontSpec.style = PFontSpec::bold | PFontSpec::underlined;
    layer.shapes.append(text);
    layer.shapes.append(exportsample::image(tmp.file("a&b.png")));
    const std::string svg = svgOf(*comic.pages.get<PPage>(0));
    // The font size is the em size: ten points of line height times the typeface's own ratio.
    const double em = 10 * 2.54 / 72 * text->fontSpec.getFont().getTypefacePtr()->getHeightToPointsFactor();
    EXPECT_TRUE(has(svg, "<text font-weight=\"bold\" text-decoration=\"underline\" font-size=\"" +
                             PVectorOut::formatNumber(em, 5) +
                             "\" font-family=\"Sans &amp; &quot;Serif&quot;\" fill=\"rgb(0,0,0)\" opacity=\"1.00\">\r\n"
                             "&lt;b&gt; &amp; &quot;x&quot;\r\n</text>\r\n</g>\r\n\r\n"));
    EXPECT_TRUE(has(svg, ">\r\nlinetwo\r\n</text>"));
    EXPECT_TRUE(has(svg, "<image  x=\"0\" y=\"0\"\r\n        width=\"8\" height=\"6\"\r\n        xlink:href=\"" +
                             PView2svg::escapeXml(tmp.folder.getFullPathName()) +
                             "/a&amp;b.png\">\r\n\r\n</image>\r\n</g>\r\n\r\n"));
}
