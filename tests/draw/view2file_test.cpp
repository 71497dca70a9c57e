// Both file writers walk panels, layers and groups the same way: which shapes reach a file, and
// how page sizes are rounded. The walk is seen through the SVG writer, whose brackets show it.

#include <gtest/gtest.h>

#include <limits>

#include "draw/view2svg.h"
#include "model/brush.h"
#include "support/exportsample.h"

using exportsample::has;
using exportsample::svgOf;

TEST(FileWalk, SizesRoundHalfAwayFromZeroAndNonNumbersToZero)
{
    const double rows[][2] = {
        {148.5, 149}, {-0.5, -1}, {297.6, 298}, {420.9, 421}, {std::numeric_limits<double>::quiet_NaN(), 0},
        {1e300, 1e6}};
    for (const auto& [value, rounded] : rows)
        EXPECT_EQ(PView2file::roundedSize(value), (int) rounded) << value;
}

TEST(FileWalk, BrushesAndGroupsInPlainGroupsAreLeftOut)
{
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    auto* brush = new PBrush();
    brush->points.append(new PPoint(0, 0));
    brush->points.append(new PPoint(3, 3));
    layer.shapes.append(brush);
    auto* outer = new PGroup();
    auto* inner = new PGroup();
    inner->children.append(exportsample::curve({{0, 0}, {2, 2}}, false, 0xFF000000, 0));
    outer->children.append(inner);
    outer->children.append(exportsample::curve({{1, 1}, {1, 2}}, false, 0xFF000000, 0));
    layer.shapes.append(outer);
    const std::string svg = svgOf(*comic.pages.get<PPage>(0));
    EXPECT_TRUE(has(svg, "<g>\r\n<g>\r\n<path\r\n")); // the layer, the outer group and its own curve
    EXPECT_TRUE(has(svg, "d=\" M 1.000 1.000 L 1.000 2.000\""));
    EXPECT_FALSE(has(svg, "2.000 2.000"));
    EXPECT_FALSE(has(svg, "3.000 3.000"));
}

TEST(FileWalk, GroupHoldingAPanelClipsItsCurvesToThePanel)
{
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    auto* framed = new PGroup();
    framed->children.append(exportsample::panel(0, 0, 2, 2, 0xFF0000FF));
    framed->children.append(exportsample::curve({{-1, 1}, {3, 1}}, false, 0xFF000000, 0));
    layer.shapes.append(framed);
    const std::string svg = svgOf(*comic.pages.get<PPage>(0));
    EXPECT_TRUE(has(svg, "<g clip-path=\"url(#panel2)\">\r\n\r\n<path\r\n"));
    EXPECT_TRUE(has(svg, "d=\" M -1.000 1.000 L 3.000 1.000\""));
}
