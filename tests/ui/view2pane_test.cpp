// The view pane driven headless, through its handlers: it changes only the view of the live
// edit context and tells the canvas what to draw.

#include <gtest/gtest.h>

#include <utility>

#include "draw/view2gui.h"
#include "edit/snap.h"
#include "edit/world.h"
#include "ui/view2pane.h"
#include "ui/widgets/button.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/track.h"

namespace
{
/** A view pane whose notifications land in the root's log. */
struct ViewDesk
{
    POption options;
    PWorld world;
    RecordingPane root{&options, 40, 30};
    PView2Pane* pane = new PView2Pane(&root, -PView2Pane::columns, 0, -1, -1);
    PContext& context = world.context;

    ViewDesk() { pane->setWorld(&world); }
    std::vector<std::string> heard() { return std::exchange(root.log, {}); }
    /** A page point's place on a 400 x 300 screen, or a screen point's on the page, as the canvas sees them. */
    juce::Point<float> map(juce::Point<float> p, bool toScreen) const
    {
        PView2gui view;
        view.setViewport(0, 0, 400, 300, context.viewX, context.viewY, context.viewScale);
        (toScreen ? view.device : view.deviceInverse).transform(p.x, p.y);
        return p;
    }
};

std::string notify(PNotify code)
{
    return "root notify " + std::to_string(static_cast<int>(code));
}
} // namespace

TEST(ViewPaneZoom, StepsByHalvesAndBackToActualSizeAboutTheZoomCentre)
{
    ViewDesk d;
    d.context.viewX = 30, d.context.viewY = -20;
    d.context.zoomCentreX = 70, d.context.zoomCentreY = 40;
    // The pan counts from the pane centre (200, 150), so the zoom centre sits the other way from it.
    const juce::Point<float> centre{130, 110};
    const auto underCentre = d.map(centre, false);
    for (int i = 0; i < 3; ++i)
        d.pane->zoomInButton->activate();
    EXPECT_NEAR(d.context.viewScale, 3.375f, 1e-5f);
    EXPECT_LT(d.map(underCentre, true).getDistanceFrom(centre), 1e-3f);
    d.pane->zoomOffButton->activate();
    EXPECT_EQ(d.context.viewScale, 1.0f);
    EXPECT_LT(d.map(underCentre, true).getDistanceFrom(centre), 1e-3f);
    EXPECT_EQ(d.heard(), std::vector<std::string>(4, notify(PNotify::viewChanged)));

    for (int i = 0; i < 60; ++i)
        d.pane->zoomOutButton->activate();
    EXPECT_EQ(d.context.viewScale, PSnap::smallestZoom);
}

TEST(ViewPaneButtons, RecentreAndRedrawGoToTheCanvasAndAnOpenGLCanvasIsWarnedFirst)
{
    ViewDesk d;
    d.pane->zoomInButton->activate();
    d.heard();
    d.pane->resetButton->activate();
    d.pane->drawButton->activate();
    EXPECT_EQ(d.heard(), (std::vector{notify(PNotify::refit), notify(PNotify::highQualityFrame)}));
    EXPECT_EQ(d.pane->rememberedZoom, 1.5f);

    d.options.openGLCanvas = true;
    d.pane->zoomOutButton->activate();
    d.pane->resetButton->activate();
    EXPECT_EQ(d.heard(), (std::vector{notify(PNotify::viewChanging), notify(PNotify::viewChanged),
                                      notify(PNotify::viewChanging), notify(PNotify::refit)}));
}

TEST(ViewPanePad, PansFromWhereTheDragBeganAndThePageFollowsThePointer)
{
    ViewDesk d;
    d.context.viewX = 10, d.context.viewY = 5;
    const auto before = d.map({1, 1}, true);
    // At the default speed 50 pixels are half a unit: right 0.5, up 0.25.
    d.pane->pad->onMouseDown(10, 60);
    d.pane->pad->onMouseDrag(30, 50);
    d.pane->pad->onMouseUp(60, 35);
    EXPECT_NEAR(d.context.viewX, 110, 1e-3f);
    EXPECT_NEAR(d.context.viewY, -45, 1e-3f);
    EXPECT_LT(d.map({1, 1}, true).getDistanceFrom(before + juce::Point<float>(100, -50)), 1e-3f);
    EXPECT_EQ(d.heard(), (std::vector{notify(PNotify::plainFrame), notify(PNotify::viewChanged)}));

    d.pane->setWorld(nullptr);
    for (PButton* b : {d.pane->zoomInButton, d.pane->zoomOffButton, d.pane->resetButton, d.pane->drawButton})
        b->activate();
    d.pane->pad->onMouseDown(10, 60);
    d.pane->pad->onMouseUp(60, 35);
    EXPECT_TRUE(d.heard().empty()) << "without a world the pane does nothing";
    EXPECT_NEAR(d.context.viewX, 110, 1e-3f);
}
