#include <gtest/gtest.h>

#include <memory>

#include "model/comic.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/shade.h"
#include "support/testfiles.h"
#include "support/tolerance.h"

namespace
{
PLayer* addLayer(PPanel& panel, const char* name)
{
    auto* layer = new PLayer();
    layer->name.assign(name);
    layer->panel = &panel;
    panel.layers.append(layer);
    return layer;
}

PCurve* closedCurve(uint32_t fill)
{
    auto* curve = new PCurve();
    curve->setClosed(true);
    curve->fillColour = fill;
    for (float x : {0.0f, 1.0f, 1.0f})
        curve->points.append(new PPoint(x, x * x));
    return curve;
}

/** A panel with two layers, a group of artwork in the first, and a shape attached. */
void fillPanel(PPanel& panel)
{
    panel.x = 2;
    panel.fillColour = 0xFF00FF80;
    panel.points.append(new PPoint(-1, -1));
    panel.points.append(new PPoint(1, -1));
    panel.points.append(new PPoint(0, 1));
    auto* group = new PGroup();
    group->x = 7;
    addLayer(panel, "Ink")->shapes.append(group);
    addLayer(panel, "Colour")->stroke = 100;
    panel.attachment = std::make_unique<PShape>();
    panel.attachment->y = 3;
}

void expectFilledPanel(const PPanel& panel)
{
    EXPECT_TRUE(panel.isClosed());
    EXPECT_TRUE(isNear(panel.x, 2));
    EXPECT_EQ(panel.fillColour, 0xFF00FF80u);
    ASSERT_EQ(panel.points.size(), 3);
    ASSERT_EQ(panel.layers.size(), 2);
    EXPECT_EQ(panel.layerAt(0)->name.toString(), "Ink");
    EXPECT_EQ(panel.layerAt(1)->stroke, 100);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(panel.layerAt(i)->panel, &panel);
    ASSERT_EQ(panel.layerAt(0)->shapes.size(), 1);
    EXPECT_TRUE(isNear(panel.layerAt(0)->shapeAt(0)->x, 7));
    ASSERT_NE(panel.attachment, nullptr);
    EXPECT_TRUE(isNear(panel.attachment->y, 3));
}

/** Writes one object to a file and reads it back into `into`; answers whether the read failed. */
bool roundTrip(const TempFolder& tmp, const PBase& object, PBase& into)
{
    PStream out;
    EXPECT_TRUE(out.openForWrite(tmp.path("object")));
    object.write(out);
    EXPECT_TRUE(out.close());
    PStream in;
    EXPECT_EQ(in.openForRead(tmp.path("object")), PLoadResult::ok);
    EXPECT_EQ(in.readInt16(), PStreamTag::object);
    EXPECT_EQ(in.readUInt16(), object.classId());
    into.read(in);
    return in.failed;
}

/** A panel record with no points whose layer list holds `element` (a bytes builder step). */
template <class Element> bool readsHostileLayer(const TempFolder& tmp, Element element)
{
    StreamBytes b;
    b.i16(PClass::stream).i16(1);
    b.object(PClass::panel).i32(1).f32(0).f32(0).f32(1).f32(1).f32(0).i32(0).i32(0).emptyList();
    element(b);
    EXPECT_TRUE(writeZlib(tmp.file("bad"), b.block()));
    PStream in;
    EXPECT_EQ(in.openForRead(tmp.path("bad")), PLoadResult::ok);
    in.readInt16();
    in.readInt16();
    PPanel panel;
    panel.read(in);
    EXPECT_TRUE(panel.layers.isEmpty());
    EXPECT_EQ(panel.attachment, nullptr);
    return in.failed;
}
} // namespace

TEST(PanelDefaults, ClosedBlackLineWhiteFillNothingOwned)
{
    PPanel panel;
    EXPECT_EQ(panel.classId(), 42);
    EXPECT_TRUE(panel.isClosed());
    EXPECT_EQ(panel.lineColour, 0xFF000000u);
    EXPECT_EQ(panel.fillColour, 0xFF0000FFu);
    EXPECT_TRUE(panel.layers.isEmpty());
    EXPECT_EQ(panel.attachment, nullptr);
}

TEST(PanelCopy, LayersAndAttachmentAreDeepAndPointAtTheCopy)
{
    PPanel panel;
    fillPanel(panel);
    std::unique_ptr<PPanel> copy(static_cast<PPanel*>(panel.clone()));
    expectFilledPanel(*copy);
    EXPECT_NE(copy->layerAt(0), panel.layerAt(0));
    EXPECT_NE(copy->attachment.get(), panel.attachment.get());
    EXPECT_EQ(panel.layerAt(0)->panel, &panel);
}

TEST(PanelFile, RoundTripKeepsLayersAttachmentAndBackPointers)
{
    TempFolder tmp;
    PPanel panel;
    fillPanel(panel);
    PPanel loaded;
    EXPECT_FALSE(roundTrip(tmp, panel, loaded));
    expectFilledPanel(loaded);

    PPanel bare;
    PPanel loadedBare;
    loadedBare.attachment = std::make_unique<PShape>(); // replaced by the stored absence
    EXPECT_FALSE(roundTrip(tmp, bare, loadedBare));
    EXPECT_EQ(loadedBare.attachment, nullptr);
}

TEST(PanelFile, HostileLayerListOrAttachmentIsRefused)
{
    TempFolder tmp;
    // A page where a layer belongs.
    EXPECT_TRUE(readsHostileLayer(
        tmp, [](StreamBytes& b) { b.listBegin(1).object(PClass::page).i32(0).item(u"", 0, 0).emptyList().listEnd(); }));
    // A layer where the attached shape belongs.
    EXPECT_TRUE(readsHostileLayer(tmp, [](StreamBytes& b)
                                  { b.emptyList().object(PClass::layer).i32(0).item(u"", 0, 0).emptyList().i16(50); }));
}

TEST(PanelFile, ComicKeepsPagePanelLayerCurve)
{
    TempFolder tmp;
    PComic comic;
    comic.path = tmp.path("c.plm");
    auto* page = new PPage();
    auto* panel = new PPanel();
    addLayer(*panel, "Ink")->shapes.append(closedCurve(0xFF102030));
    page->panels.append(panel);
    comic.pages.append(page);
    ASSERT_TRUE(comic.save());

    PComic loaded;
    ASSERT_EQ(loaded.load(comic.path), PLoadResult::ok);
    auto* loadedPanel = loaded.pages.get<PPage>(0)->panels.get<PPanel>(0);
    ASSERT_NE(loadedPanel, nullptr);
    EXPECT_EQ(loadedPanel->layerAt(0)->panel, loadedPanel);
    auto* curve = dynamic_cast<PCurve*>(loadedPanel->layerAt(0)->shapeAt(0));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->fillColour, 0xFF102030u);
    EXPECT_EQ(curve->points.size(), 3);
}

TEST(PanelOrigin, PanelHoldingArtworkKeepsItsOrigin)
{
    PPanel panel;
    fillPanel(panel);
    panel.setOrigin(10, 10);
    panel.centreOrigin();
    EXPECT_TRUE(isNear(panel.x, 2) && isNear(panel.y, 0));

    panel.layerAt(0)->shapes.deleteAll(); // empty layers do not hold it
    panel.centreOrigin();                 // raw centre (0, 0): the position stays
    panel.setOrigin(4, 0);
    EXPECT_TRUE(isNear(panel.x, 4));
    EXPECT_TRUE(isNear(panel.pointAt(0)->x, -3)); // still drawn at x = 1
}

TEST(PanelShading, UsersComeFromTheArtworkNotThePanel)
{
    PPanel panel;
    fillPanel(panel);
    auto* ink = panel.layerAt(0);
    ink->shapes.append(closedCurve(0xFF0000FF));
    ink->shapes.append(closedCurve(0xFFFF00FF));
    PArray shades;
    panel.collectShadeUsers(shades);
    ASSERT_EQ(shades.size(), 1); // both curves are pure white; the panel's own fill is not a user
    EXPECT_EQ(shades.get<PShade>(0)->members.size(), 2);
    shades.deleteAll();
}
