#include <gtest/gtest.h>

#include <memory>

#include "model/shade.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"
#include "support/tolerance.h"

TEST(PanelCopy, LayersAndAttachmentAreDeepAndPointAtTheCopy)
{
    PComic comic;
    PPanel& panel = *sample::fill(comic).panel;
    std::unique_ptr<PPanel> copy(static_cast<PPanel*>(panel.clone()));
    ASSERT_EQ(copy->layers.size(), panel.layers.size());
    for (int i = 0; i < copy->layers.size(); ++i)
    {
        EXPECT_NE(copy->layerAt(i), panel.layerAt(i));
        EXPECT_EQ(copy->layerAt(i)->panel, copy.get());
        EXPECT_EQ(panel.layerAt(i)->panel, &panel);
        EXPECT_EQ(copy->layerAt(i)->shapes.size(), panel.layerAt(i)->shapes.size());
    }
    ASSERT_NE(copy->attachment, nullptr);
    EXPECT_NE(copy->attachment.get(), panel.attachment.get());
    EXPECT_EQ(copy->attachment->y, panel.attachment->y);
}

TEST(PanelFile, HostileLayerListOrAttachmentIsRefused)
{
    const auto element = [](StreamBytes& b) -> StreamBytes&
    {
        b.i16(PClass::stream).i16(1);
        return b.object(PClass::panel).i32(1).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList();
    };
    StreamBytes pageAsLayer, layerAsAttachment;
    element(pageAsLayer).listBegin(1).object(PClass::page).i32(0).item(u"", 0, 0).emptyList().listEnd();
    element(layerAsAttachment).emptyList().object(PClass::layer).i32(0).item(u"", 0, 0).emptyList().i16(50);
    for (const auto* bytes : {&pageAsLayer, &layerAsAttachment})
    {
        PStream in;
        PPanel panel;
        EXPECT_TRUE(readOne(in, *bytes, panel));
        EXPECT_TRUE(panel.layers.isEmpty());
        EXPECT_EQ(panel.attachment, nullptr);
    }
}

TEST(PanelOrigin, PanelHoldingArtworkKeepsItsOrigin)
{
    PComic comic;
    PPanel& panel = *sample::fill(comic).panel;
    panel.x = 2;
    panel.setOrigin(10, 10);
    panel.centreOrigin();
    EXPECT_TRUE(isNear(panel.x, 2) && isNear(panel.y, 0));

    const float left = panel.pointAt(0)->x;
    for (int i = 0; i < panel.layers.size(); ++i)
        panel.layerAt(i)->shapes.deleteAll(); // empty layers do not hold it
    panel.setOrigin(4, 0);
    EXPECT_TRUE(isNear(panel.x, 4));
    EXPECT_TRUE(isNear(panel.pointAt(0)->x, left - 2)); // still drawn where it was
}

TEST(PanelShading, UsersComeFromTheArtworkNotThePanel)
{
    PPanel panel; // filled white, like the two curves
    auto* layer = new PLayer();
    for (float x : {0.0f, 5.0f})
        layer->shapes.append(sample::curveThrough({{x, 0}, {x + 1, 1}, {x + 1, 0}}, true));
    panel.layers.append(layer);
    PArray shades;
    panel.collectShadeUsers(shades);
    ASSERT_EQ(shades.size(), 1);
    EXPECT_EQ(shades.get<PShade>(0)->members.size(), 2);
    shades.deleteAll();
}
