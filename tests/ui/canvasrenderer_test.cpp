// The kept page picture: a drag draws only the moving shape over it, an edit only where it changed.

#include <gtest/gtest.h>

#include "draw/rasterexport.h"
#include "support/canvasdesk.h"
#include "support/curveedits.h"

TEST(CanvasPicture, ADragFrameOverTheKeptPictureEqualsAFullFrame)
{
    CanvasDesk d;
    const auto top = d.screenOf(5.5f, 3); // only the last, topmost panel is there
    d.click(top);
    ASSERT_EQ(d.canvas->selection.shape, &d.panel(2));
    auto frame = [&d]
    {
        juce::Image picture(juce::Image::RGB, d.canvas->getWidth(), d.canvas->getHeight(), true);
        juce::Graphics g(picture);
        d.canvas->paint(g);
        return picture;
    };
    d.canvas->onMouseDown(top.x, top.y);
    d.canvas->onMouseDrag(top.x - 40, top.y + 25);
    const auto dragged = frame();
    EXPECT_LT(d.panel(2).x, -0.5f);
    // The release keeps the dragged state as it is, and draws it in one piece.
    d.canvas->onMouseUp(top.x - 40, top.y + 25);
    EXPECT_EQ(d.world.undoList.size(), 1);
    const auto whole = frame();
    int differing = 0;
    for (int y = 0; y < whole.getHeight(); ++y)
        for (int x = 0; x < whole.getWidth(); ++x)
            differing += dragged.getPixelAt(x, y) != whole.getPixelAt(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

namespace
{
int differingPixels(const juce::Image& a, const juce::Image& b)
{
    int differing = 0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            differing += a.getPixelAt(x, y) != b.getPixelAt(x, y) ? 1 : 0;
    return differing;
}

/** The picture comic's panel (curves, a text, a picture, a warped group) in the Layers pane. */
struct ArtDesk : CanvasDesk
{
    ArtDesk()
    {
        world.context.clear();
        comic->pages.deleteAll();
        const auto picture = tmp.file("p.png");
        EXPECT_TRUE(exportsample::writePicture(picture, 40, 30));
        exportsample::pictureComic(*comic, picture);
        world.context.startChain(comic, PPaneKind::layers);
        canvas->readSelection();
        draw();
    }
    juce::Image frame()
    {
        juce::Image picture(juce::Image::RGB, canvas->getWidth(), canvas->getHeight(), true);
        juce::Graphics g(picture);
        canvas->paint(g);
        return picture;
    }
    /** Frames the last change partly, then in full, and counts the pixels where they differ. */
    int partialAgainstFull()
    {
        const auto partial = frame();
        canvas->renderer.invalidateAll();
        const int differing = differingPixels(partial, frame());
        frame(); // a repaint with nothing changed, before the next edit
        return differing;
    }
};
} // namespace

TEST(CanvasPicture, AnEditRedrawsOnlyWhereItChangedAndLooksExactlyLikeAFullFrame)
{
    ArtDesk d;
    PLayer* layer = d.canvas->selection.layer();
    ASSERT_NE(layer, nullptr);
    auto* shape = layer->shapes.get<PShape>(0);
    const int fullBefore = d.canvas->renderer.picture.fullPictures;
    const auto at =
        d.screenOf((shape->bounds.left + shape->bounds.right) / 2, (shape->bounds.top + shape->bounds.bottom) / 2);
    d.click(at);
    ASSERT_EQ(d.canvas->selection.shape, shape);
    const float x = shape->x;
    d.canvas->onMouseDown(at.x, at.y);
    d.canvas->onMouseDrag(at.x + 30, at.y + 12);
    d.frame();
    d.canvas->onMouseUp(at.x + 30, at.y + 12);
    ASSERT_NE(shape->x, x);
    EXPECT_EQ(d.partialAgainstFull(), 0) << "a drag";

    PCurve* curve = firstCurve(*layer);
    ASSERT_NE(curve, nullptr);
    editCurveFourWays(d.world, *d.canvas, *curve,
                      [&d](const char* what) { EXPECT_EQ(d.partialAgainstFull(), 0) << what; });

    // Each full frame above is the one the comparison asked for; the edits themselves were partial.
    EXPECT_GE(d.canvas->renderer.picture.partialPictures, 6);
    EXPECT_EQ(d.canvas->renderer.picture.fullPictures - fullBefore, 5) << "only the comparisons drew in full";
}

TEST(CanvasPicture, AZoomStepShowsTheOldPictureScaledAtOnceAndThenTheSharpOne)
{
    ArtDesk d;
    const auto before = d.frame();
    EXPECT_FALSE(d.canvas->renderer.picture.scaled) << "fitting a page just opened is drawn sharp";
    const int full = d.canvas->renderer.picture.fullPictures;
    d.canvas->onWheel(true);
    const auto scaled = d.frame();
    EXPECT_TRUE(d.canvas->renderer.picture.scaled);
    EXPECT_EQ(d.canvas->renderer.picture.fullPictures, full);
    EXPECT_GT(differingPixels(scaled, before), scaled.getWidth()) << "the zoom shows at once";
    d.frame();
    EXPECT_FALSE(d.canvas->renderer.picture.scaled);
    EXPECT_EQ(d.canvas->renderer.picture.fullPictures, full + 1);
    EXPECT_EQ(d.partialAgainstFull(), 0);
}

TEST(CanvasPicture, TheSamplePageOnTheCanvasLooksAsItsPngExport)
{
    CanvasDesk d;
    d.world.context.clear();
    d.world.comics.deleteAll();
    d.comic = new PComic();
    const juce::File shipped = juce::File(PLUMET_SHIPPED_DIR).getChildFile("sample_comic_E.plm");
    ASSERT_EQ(d.comic->load(shipped.getFullPathName()), PLoadResult::ok);
    d.world.comics.append(d.comic);
    d.world.context.startChain(d.comic, PPaneKind::pages);
    d.canvas->readSelection();
    d.draw();
    // The canvas zoomed so that a centimetre is as many pixels as in the export.
    constexpr int dpi = 40;
    PContext& view = d.world.context;
    view.viewScale *= (dpi / 2.54f) / d.canvas->renderer.softView.pixelsPerUnitX;
    d.draw();
    // And panned so that the page's corner falls on a whole pixel, as in the export.
    const PPage& page = d.page();
    const auto cornerNow = [&d, &page]
    {
        d.draw();
        return d.screenOf(-page.width / 2, page.height / 2);
    };
    const auto at = cornerNow();
    view.viewX += 1, view.viewY += 1;
    const auto perPan = cornerNow() - at;
    ASSERT_NE(perPan.x, 0.0f);
    ASSERT_NE(perPan.y, 0.0f);
    view.viewX += (std::ceil(at.x) - at.x) / perPan.x - 1;
    view.viewY += (std::ceil(at.y) - at.y) / perPan.y - 1;
    const auto corner = cornerNow();
    const auto exported = PRasterExport::render(*d.comic, d.page(), dpi, 0, 0, &d.options);
    const juce::Image& canvas = d.canvas->renderer.pagePicture;
    const int left = juce::roundToInt(corner.x), top = juce::roundToInt(corner.y);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < exported.getHeight(); ++y)
        for (int x = 0; x < exported.getWidth(); ++x)
        {
            const auto a = exported.getPixelAt(x, y), b = canvas.getPixelAt(left + x, top + y);
            sum += std::abs(a.getRed() - b.getRed()) + std::abs(a.getGreen() - b.getGreen()) +
                   std::abs(a.getBlue() - b.getBlue());
            count += 3;
        }
    EXPECT_LT(sum / count, 4.0) << "mean difference of a channel, of 255";
}
