#include <gtest/gtest.h>

#include "../support/samplecomic.h"
#include "../support/tolerance.h"
#include "edit/shapefactory.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/decor.h"
#include "model/image.h"
#include "model/panel.h"
#include "model/text.h"

namespace
{
constexpr PShapeFactory::Placing at{3, -2, 1.5f};

void expectCentred(const PShape& shape)
{
    EXPECT_EQ(shape.x, at.x);
    EXPECT_EQ(shape.y, at.y);
}
} // namespace

TEST(ShapeFactory, CurveAndBrushAreArcsOfTheirSize)
{
    // A curve spans the size from end to end and bulges a quarter of it; a brush's guide is four
    // sizes long so that its ribbon does not swallow it.
    const std::pair<std::unique_ptr<PCurve>, float> arcs[] = {{PShapeFactory::curve(at), 0.75f},
                                                              {PShapeFactory::brush(at), 3.0f}};
    for (const auto& [arc, half] : arcs)
    {
        ASSERT_EQ(arc->points.size(), 3);
        expectCentred(*arc);
        EXPECT_TRUE(isNear(arc->pointAt(0)->x, -half));
        EXPECT_TRUE(isNear(arc->pointAt(1)->y, half / 2));
        EXPECT_TRUE(isNear(arc->pointAt(2)->x, half));
        EXPECT_FALSE(arc->isClosed());
    }
    EXPECT_EQ(PShapeFactory::brush(at)->classId(), PClass::brush);
}

TEST(ShapeFactory, PanelIsAClosedSharpSquareWithItsAttachment)
{
    const auto panel = PShapeFactory::panel(at);
    ASSERT_EQ(panel->points.size(), 4);
    expectCentred(*panel);
    EXPECT_TRUE(panel->isClosed());
    EXPECT_NE(panel->attachment, nullptr);
    EXPECT_TRUE(panel->layers.isEmpty());
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_TRUE(isNear(std::abs(panel->pointAt(i)->x), 0.75));
        EXPECT_TRUE(isNear(std::abs(panel->pointAt(i)->y), 0.75));
        EXPECT_EQ(panel->pointAt(i)->sharpness, 100);
    }
}

TEST(ShapeFactory, ImageTakesTheSizeOnItsLongerSideOrIsNotMade)
{
    const juce::File gif = juce::File(PLUMET_TEST_DATA).getChildFile("three_by_two.gif");
    const auto image = PShapeFactory::image({at.x, at.y, 0.5f}, gif);
    ASSERT_NE(image, nullptr);
    expectCentred(*image);
    // Three pixels at one point each, scaled to 0.5 cm.
    EXPECT_TRUE(isNear(image->scaleX * 3 * PImage::pointsToCentimetres, 0.5, 1e-4));
    EXPECT_EQ(image->scaleX, image->scaleY);
    EXPECT_EQ(PShapeFactory::image(at, juce::File(PLUMET_TEST_DATA).getChildFile("missing.png")), nullptr);
    EXPECT_EQ(PShapeFactory::image(at, juce::File(PLUMET_TEST_DATA).getChildFile("text_keys.txt")), nullptr);
}

TEST(ShapeFactory, TextAndArtworkCopies)
{
    const auto text = PShapeFactory::text(at, "Boom");
    expectCentred(*text);
    EXPECT_EQ(text->text.toString(), "Boom");

    PComic comic;
    const auto parts = sample::fill(comic);
    // The clip's current card is empty, so the first card with artwork is copied.
    const auto fromClip = PShapeFactory::artwork(at, *parts.clip);
    ASSERT_NE(fromClip, nullptr);
    expectCentred(*fromClip);
    ASSERT_EQ(fromClip->children.size(), 1);
    EXPECT_EQ(fromClip->children.at(0)->classId(), PClass::curve);
    EXPECT_NE(fromClip->children.at(0), parts.clip->cardFor(2)->shapes.at(0));
    parts.clip->currentKey = 65535;
    EXPECT_EQ(PShapeFactory::artwork(at, *parts.clip)->children.at(0)->classId(), PClass::text);

    const auto fromDecor = PShapeFactory::artwork(at, *parts.decor);
    ASSERT_NE(fromDecor, nullptr);
    expectCentred(*fromDecor);
    EXPECT_EQ(fromDecor->gridTo[4].x, 0.5f); // the warp travels with the copy
    EXPECT_EQ(PShapeFactory::artwork(at, *comic.decor.get<PDecor>(1)), nullptr);
    PClip empty;
    EXPECT_EQ(PShapeFactory::artwork(at, empty), nullptr);
}
