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
        EXPECT_EQ(PView2file::roundedSize(value), static_cast<int>(rounded)) << value;
}

namespace
{
size_t countOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}
} // namespace

// Regression: groups inside plain groups and brush strokes used to be left out of the files.
TEST(FileWalk, NestedGroupsAndBrushStrokesReachTheFile)
{
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    auto* outer = new PGroup();
    auto* inner = new PGroup();
    auto* innermost = new PGroup();
    innermost->children.append(exportsample::curve({{0, 0}, {2, 2}}, false, 0xFF000000, 0));
    inner->children.append(innermost);
    outer->children.append(inner);
    outer->children.append(exportsample::curve({{1, 1}, {1, 2}}, false, 0xFF000000, 0));
    layer.shapes.append(outer);
    const std::string withoutBrush = svgOf(*comic.pages.get<PPage>(0));
    EXPECT_TRUE(has(withoutBrush, "<g>\r\n<g>\r\n<g>\r\n<g>\r\n<path\r\n")); // the layer, then three groups
    EXPECT_TRUE(has(withoutBrush, "d=\" M 0.000 0.000 L 2.000 2.000\""));
    EXPECT_TRUE(has(withoutBrush, "d=\" M 1.000 1.000 L 1.000 2.000\""));

    auto* brush = new PBrush();
    brush->points.append(new PPoint(0, 0));
    brush->points.append(new PPoint(3, 3));
    layer.shapes.append(brush);
    const std::string withBrush = svgOf(*comic.pages.get<PPage>(0));
    ASSERT_TRUE(brush->generateStrokes()); // the writer dropped them again when it was done
    ASSERT_GT(brush->strokes.size(), 0);
    EXPECT_EQ(countOf(withBrush, "<path"), countOf(withoutBrush, "<path") + static_cast<size_t>(brush->strokes.size()));
}

// A framed group draws its closed curve as the frame and clips the rest to it; a group holding a
// panel clips its curves to the panel.
TEST(FileWalk, FramedGroupsAndGroupsHoldingAPanelClipTheirCurves)
{
    for (const bool byPanel : {false, true})
    {
        PComic comic;
        PLayer& layer = exportsample::layerOnPage(comic);
        auto* group = new PGroup();
        group->setFlag(PGroup::framed, !byPanel);
        auto* line = exportsample::curve({{-1, 1}, {3, 1}}, false, 0xFF000000, 0); // open: not a frame
        if (byPanel)
            group->children.append(exportsample::panel(0, 0, 2, 2, 0xFF0000FF));
        group->children.append(line);
        if (!byPanel)
            group->children.append(exportsample::curve({{0, 0}, {2, 0}, {2, 2}}, true, 0xFF000000, 0));
        layer.shapes.append(group);
        const std::string svg = svgOf(*comic.pages.get<PPage>(0));
        const auto frame = svg.find("d=\" M 0.000 0.000");
        const auto clip = svg.find("<g clip-path=\"url(#panel2)\">");
        const auto clipped = svg.find("d=\" M -1.000 1.000 L 3.000 1.000\"");
        ASSERT_NE(clip, std::string::npos) << byPanel;
        EXPECT_TRUE(byPanel ? has(svg, "<g clip-path=\"url(#panel2)\">\r\n\r\n<path\r\n") : frame < clip);
        EXPECT_LT(clip, clipped) << byPanel;
        EXPECT_NE(clipped, std::string::npos) << byPanel;
    }
}
