#include <gtest/gtest.h>

#include <cmath>

#include "draw/view2.h"
#include "draw/view2gui.h"
#include "model/curve.h"
#include "model/page.h"
#include "support/exportsample.h"
#include "support/tolerance.h"

namespace
{
/** Where a page point lands on the device. */
void expectDevice(const PView2& view, float px, float py, float dx, float dy)
{
    view.mapPoint(px, py);
    EXPECT_TRUE(isNearPoint(px, py, dx, dy));
}
} // namespace

TEST(ViewPen, SettingsGiveTheirLineWidths)
{
    const struct
    {
        int setting;
        float width;
    } rows[] = {{0, 0.025f}, {25, 0.05f}, {50, 0.075f}, {100, 0.125f}, {30, 0.1f}, {75, 0.1f}, {-1, 0.1f}};
    for (const auto& row : rows)
        EXPECT_TRUE(isNear(PView2::penWidthFor(row.setting), row.width)) << row.setting;
}

TEST(ViewViewport, WithoutFitSourceScalesByDpiAndZoomAroundTheCentre)
{
    PView2 view;
    view.dpi = 100;
    view.setViewport(0, 0, 200, 100, 10, 20, 2);
    const float s = 100 * 2 * 0.3937007784843445f; // 78.74 pixels per centimetre
    EXPECT_TRUE(isNear(view.pixelsPerUnitX, s) && isNear(view.pixelsPerUnitY, -s));
    expectDevice(view, 0, 0, 110, 70);
    expectDevice(view, 1, 1, 110 + s, 70 - s);

    view.flipY = 1;
    view.setViewport(0, 0, 200, 100, 10, 20, 2);
    expectDevice(view, 1, 1, 110 + s, 30 + s);
}

TEST(ViewViewport, ZeroSizeBecomesOnePixelAndZeroZoomStaysFinite)
{
    PView2 view;
    view.dpi = 0;
    view.setViewport(5, 5, 0, 0, 0, 0, 0);
    EXPECT_EQ(view.viewW, 1);
    EXPECT_EQ(view.viewH, 1);
    EXPECT_EQ(view.dpi, 10);
    for (float v : view.deviceInverse.m)
        EXPECT_TRUE(std::isfinite(v));
}

TEST(ViewViewport, PageWithItsMarginFillsTheShorterSide)
{
    PPage page; // 10 x 10 around the origin, 13 x 13 with the margin
    PView2 view;
    view.dpi = 100;
    view.fitSource = &page;
    view.setViewport(0, 0, 400, 200, 0, 0, 1);
    expectDevice(view, 0, 6.5f, 200, 0);
    expectDevice(view, 0, -6.5f, 200, 200);
}

TEST(ViewViewport, OffCentreShapeIsCentred)
{
    PCurve curve;
    curve.bounds = PRect::of(1, 2, 3, 4); // 5 x 5 around (2, 3) with the margin
    PView2 view;
    view.dpi = 100;
    view.fitSource = &curve;
    view.setViewport(0, 0, 100, 100, 0, 0, 1);
    expectDevice(view, 2, 3, 50, 50);
    expectDevice(view, 4.5f, 5.5f, 100, 0);

    PCurve empty; // no bounds at all: no fit
    view.fitSource = &empty;
    view.setViewport(0, 0, 100, 100, 0, 0, 1);
    EXPECT_EQ(view.fitFactor, 1);
    EXPECT_EQ(view.fitOffsetX, 0);
}

TEST(ViewMatrices, PushComposesAndPopRestores)
{
    PView2 view;
    PShape outer, inner;
    outer.x = 10;
    outer.scaleX = outer.scaleY = 2;
    inner.y = 1;
    view.pushShape(outer);
    view.pushShape(inner);
    float x = 1, y = 1;
    view.mapToPage(x, y);
    EXPECT_TRUE(isNear(x, 12) && isNear(y, 4));
    view.currentInverse.transform(x, y);
    EXPECT_TRUE(isNear(x, 1) && isNear(y, 1));

    view.pop();
    x = y = 1;
    view.mapToPage(x, y);
    EXPECT_TRUE(isNear(x, 12) && isNear(y, 2));
    view.resetMatrices();
    EXPECT_EQ(view.depth, 0);
    EXPECT_EQ(view.current, PMatrix::identity());
}

TEST(ViewMatrices, StackHoldsNineLevelsAndPopAtTheBottomDoesNothing)
{
    PView2 view;
    PShape step;
    step.x = 1;
    for (int i = 0; i < 10; ++i)
        view.pushShape(step);
    EXPECT_EQ(view.depth, PView2::stackDepth);
    EXPECT_TRUE(isNear(view.current.m[6], 9)); // the tenth push is ignored
    view.pop();
    EXPECT_TRUE(isNear(view.current.m[6], 8));
    for (int i = 0; i < 12; ++i)
        view.pop();
    EXPECT_EQ(view.depth, 0);
    EXPECT_EQ(view.current, PMatrix::identity());
}

// Artwork lives in its panel's frame: drawn through the panel's transform, its geometry (what the
// hit tests and the bounds use) lands where the panel put it.
TEST(ViewWalk, LayerShapesFollowTheirPanelsTransform)
{
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    auto* square = exportsample::curve({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true, 0xFF000000, 0xFFAAFF80);
    layer.shapes.append(square);
    PPanel& panel = *layer.panel;
    panel.x = 3;
    panel.scaleX = panel.scaleY = 2;
    juce::Image picture(juce::Image::RGB, 200, 200, true);
    juce::Graphics g(picture);
    PView2gui view;
    view.setTarget(&g);
    view.flags = PView2::outputMode;
    view.setViewport(0, 0, 200, 200, 0, 0, 1);
    view.drawPage(*comic.pages.get<PPage>(0));
    EXPECT_TRUE(isNear(square->bounds.left, 3) && isNear(square->bounds.right, 5)) << square->bounds.left;
    EXPECT_TRUE(square->hitTest(4, 1, 1, PEditMode::none));
    EXPECT_FALSE(square->hitTest(0.5f, 0.5f, 1, PEditMode::none));
}
