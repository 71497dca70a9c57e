#include <gtest/gtest.h>

#include "draw/view2gui.h"
#include "model/brush.h"
#include "model/curve.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
#include "support/tolerance.h"

#include <limits>

namespace
{
constexpr uint32_t red = 0xFF00FF80, invisible = 0x00000000;
constexpr int side = 394;                 // a 10 x 10 cm page at 100 dpi
constexpr float pixelsPerCm = 39.370078f; // 100 dpi

/** A filled square without a line. */
PCurve* square(float l, float b, float r, float t, uint32_t fill)
{
    return exportsample::curve({{l, b}, {r, b}, {r, t}, {l, t}}, true, invisible, fill);
}

/** A 10 x 10 page with one borderless white panel of the given half side holding one layer. */
struct Page
{
    explicit Page(float half = 5)
    {
        auto* panel = exportsample::panel(-half, -half, half, half, 0xFF0000FF);
        panel->lineColour = invisible;
        layer = exportsample::layer(*panel, 0, 1);
        page.panels.append(panel);
    }

    juce::Image render(uint32_t flags, int filter = 0)
    {
        juce::Image image(juce::Image::ARGB, side, side, true);
        juce::Graphics g(image);
        PView2gui view;
        view.setTarget(&g);
        view.flags = flags;
        view.dpi = 100;
        view.layerFilter = filter;
        view.setViewport(0, 0, side, side, 0, 0, 1);
        view.drawPage(page);
        return image;
    }

    PPage page;
    PLayer* layer = nullptr;
};

/** The pixel under a page point. */
juce::Colour at(const juce::Image& image, float x, float y)
{
    return image.getPixelAt(static_cast<int>(side / 2.0f + x * pixelsPerCm),
                            static_cast<int>(side / 2.0f - y * pixelsPerCm));
}

bool isRed(juce::Colour c)
{
    return c.getRed() > 200 && c.getGreen() < 40 && c.getBlue() < 40 && c.getAlpha() == 255;
}

bool isWhite(juce::Colour c)
{
    return c.getARGB() == 0xFFFFFFFF;
}
} // namespace

TEST(SoftwareView, PageWithoutPanelsIsWhiteOnlyInOutputMode)
{
    PPage page;
    for (const bool output : {true, false})
    {
        juce::Image image(juce::Image::ARGB, 60, 60, true);
        juce::Graphics g(image);
        PView2gui view;
        view.setTarget(&g);
        view.flags = output ? PView2::outputMode : 0;
        view.setViewport(0, 0, 60, 60, 0, 0, 1);
        view.drawPage(page);
        EXPECT_EQ(image.getPixelAt(0, 0).getARGB(), output ? 0xFFFFFFFFu : 0u);
        EXPECT_EQ(image.getPixelAt(59, 59).getARGB(), output ? 0xFFFFFFFFu : 0u);
    }
}

TEST(SoftwareView, FillLandsInsideTheCurveAndTheClipKeepsItInThePanel)
{
    Page p(3);
    p.layer->shapes.append(square(-2, -2, 4.5f, 2, red));
    const juce::Image image = p.render(PView2::outputMode);
    EXPECT_TRUE(isRed(at(image, 0, 0)));
    EXPECT_TRUE(isRed(at(image, 2.8f, 1.8f)));
    EXPECT_TRUE(isWhite(at(image, -2.5f, 0))); // panel paper
    EXPECT_EQ(at(image, 4, 0).getAlpha(), 0);  // beyond the panel's edge
    EXPECT_EQ(at(image, -4.5f, 4.5f).getAlpha(), 0);
}

// Found by fuzzing: a damaged file's curve reaching 1e25 cm made the rasteriser ask for
// gigabytes of edge tables. Such a curve is left out; the rest of the page still draws.
TEST(SoftwareView, AstronomicCoordinatesFromADamagedFileAreLeftOut)
{
    Page p(3);
    auto* huge = square(-1e25f, -1e25f, 4e25f, 4e25f, red);
    huge->lineColour = red;
    huge->pointAt(1)->x = std::numeric_limits<float>::max();
    p.layer->shapes.append(huge);
    p.layer->shapes.append(square(-1, -1, 1, 1, red));
    const juce::Image image = p.render(PView2::outputMode);
    EXPECT_TRUE(isRed(at(image, 0, 0)));
    EXPECT_TRUE(isWhite(at(image, 2, 2)));

    // The same for a panel's outline, which the layers are clipped to: nothing inside shows.
    Page vast(1e25f);
    vast.layer->shapes.append(square(-1, -1, 1, 1, red));
    EXPECT_FALSE(isRed(at(vast.render(PView2::outputMode), 0, 0)));
}

TEST(SoftwareView, LayersAndFillModesDecideWhatShows)
{
    struct Row
    {
        const char* what;
        bool hidden;
        int filter;
        uint32_t flags;
        uint32_t centre;
    } rows[] = {
        {"plain", false, 0, 0, 0xFFFF0000},
        {"hidden layer", true, 0, 0, 0xFFFFFFFF},
        {"other tag", false, 2, 0, 0xFFFFFFFF},
        {"own tag", false, 1, 0, 0xFFFF0000},
        {"black fills", false, 0, 0x80, 0xFF000000},
        {"white fills", false, 0, 0x40, 0xFFFFFFFF},
        {"no fills, not even the paper", false, 0, 0x08, 0x00000000},
    };
    for (const auto& row : rows)
    {
        Page p;
        p.layer->shapes.append(square(-2, -2, 2, 2, red));
        p.layer->setFlag(PFlag::hidden, row.hidden);
        const juce::Colour c = at(p.render(PView2::outputMode | row.flags, row.filter), 0, 0);
        if (row.centre == 0xFFFF0000)
            EXPECT_TRUE(isRed(c)) << row.what;
        else
            EXPECT_EQ(c.getARGB(), row.centre) << row.what;
    }
}

TEST(SoftwareView, UniformLineIsPenTimesThicknessWide)
{
    // Pen 100 (0.125 cm) at thickness 100 is 4.9 pixels at 100 dpi; thickness 50 half that.
    for (const uint16_t thickness : {100, 50})
    {
        Page p;
        p.layer->stroke = 100;
        auto* line = new PCurve();
        line->points.append(new PPoint(-4, 0));
        line->points.append(new PPoint(4, 0));
        line->pointAt(0)->thickness = line->pointAt(1)->thickness = thickness;
        p.layer->shapes.append(line);
        const juce::Image image = p.render(PView2::outputMode);
        const int inked = thickness == 100 ? 1 : 0, clear = thickness == 100 ? 4 : 3;
        EXPECT_LT(image.getPixelAt(side / 2, side / 2 - inked).getBrightness(), 0.3f) << thickness;
        EXPECT_LT(image.getPixelAt(side / 2, side / 2 + inked).getBrightness(), 0.3f) << thickness;
        EXPECT_TRUE(isWhite(image.getPixelAt(side / 2, side / 2 - clear))) << thickness;
        EXPECT_TRUE(isWhite(image.getPixelAt(side / 2, side / 2 + clear))) << thickness;
    }
}

TEST(SoftwareView, DeformedGroupIsWarpedEvenWhenItWasBuiltPlainBefore)
{
    Page p;
    auto* group = new PGroup();
    group->children.append(square(-1, -1, 1, 1, red));
    group->deformMode = 2;
    for (auto& handle : group->gridTo)
        handle.x += 3;
    group->flags |= PGroup::deformed;
    p.layer->shapes.append(group);
    PView2 plain;
    group->build(plain); // leaves unwarped geometry behind, as a hit test would

    const juce::Image image = p.render(PView2::outputMode);
    EXPECT_TRUE(isRed(at(image, 3, 0)));
    EXPECT_TRUE(isWhite(at(image, 0, 0)));
    EXPECT_TRUE(isNear(group->bounds.left, 2, 0.01) && isNear(group->bounds.right, 4, 0.01));
}

TEST(SoftwareView, TextInksOnlyInsideItsBox)
{
    Page p;
    auto* text = new PText();
    text->text.assign("HH");
    text->fontSpec.size = 100;
    p.layer->shapes.append(text);
    const juce::Image image = p.render(PView2::outputMode);
    const PRect box = text->bounds;
    ASSERT_FALSE(box.isEmpty());
    int inside = 0, outside = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
        {
            if (image.getPixelAt(x, y).getBrightness() > 0.5f)
                continue;
            const float px = (x - side / 2.0f) / pixelsPerCm, py = (side / 2.0f - y) / pixelsPerCm;
            const float slack = 2 / pixelsPerCm;
            const bool in =
                px > box.left - slack && px < box.right + slack && py > box.top - slack && py < box.bottom + slack;
            ++(in ? inside : outside);
        }
    EXPECT_GT(inside, 20);
    EXPECT_EQ(outside, 0);
}

TEST(SoftwareView, BackBufferFollowsTheViewportAndReachesTheTarget)
{
    juce::Image screen(juce::Image::ARGB, 40, 30, true);
    juce::Graphics g(screen);
    PView2gui view;
    view.setTarget(&g);
    view.setBackBuffered(true);
    view.setViewport(5, 5, 0, 0, 0, 0, 1);
    EXPECT_EQ(view.getBackBuffer().getWidth(), 1);
    view.setViewport(10, 10, 20, 15, 0, 0, 1);
    ASSERT_TRUE(view.hasBackBuffer());
    EXPECT_EQ(view.getBackBuffer().getBounds(), juce::Rectangle<int>(0, 0, 20, 15));
    view.fillAll(red);
    EXPECT_EQ(screen.getPixelAt(15, 15).getAlpha(), 0); // nothing before the frame ends
    view.endFrame();
    EXPECT_TRUE(isRed(screen.getPixelAt(15, 15)));
    EXPECT_TRUE(isRed(screen.getPixelAt(29, 24)));
    EXPECT_EQ(screen.getPixelAt(9, 9).getAlpha(), 0);
    EXPECT_EQ(screen.getPixelAt(30, 25).getAlpha(), 0);
}

TEST(SoftwareView, AbsurdPicturesAreRefusedNotAllocated)
{
    EXPECT_FALSE(PView2gui::makeImage(juce::Image::ARGB, 40000, 10).isValid());
    EXPECT_FALSE(PView2gui::makeImage(juce::Image::ARGB, 30000, 30000).isValid());
    EXPECT_FALSE(PView2gui::makeImage(juce::Image::RGB, 0, 10).isValid());
    EXPECT_TRUE(PView2gui::makeImage(juce::Image::RGB, 3, 2).isValid());
}

TEST(SoftwareView, BrushesLookAsTheyPrintWhileEditingAndOutlinedOnlyWhenAsked)
{
    Page p;
    auto* brush = sample::brushOfKind(PBrushGenerator::thick, 0);
    p.layer->shapes.append(brush);
    const auto differing = [](const juce::Image& a, const juce::Image& b)
    {
        int count = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                count += a.getPixelAt(x, y) != b.getPixelAt(x, y) ? 1 : 0;
        return count;
    };
    const juce::Image printed = p.render(PView2::outputMode);
    EXPECT_EQ(differing(p.render(0), printed), 0);
    // Asked for, every brush shows as thin outlines with its guide.
    EXPECT_GT(differing(p.render(PView2::brushOutlines), printed), 200);
}
