#include <gtest/gtest.h>

#include "ui/widgets/button.h"
#include "ui/widgets/recorder.h"

namespace
{
using Box = PWidget::Box;

// A 480 x 288 parent with the medium GUI size: cell 24, unit 6.
constexpr int parentW = 480, parentH = 288, cell = 24, u = 6;

struct GridCase
{
    const char* what;
    int x, y, w, h;
    Box expected;
};

TEST(GridToPixels, PlacesAndStretchesAsTheCellGridSays)
{
    const GridCase cases[] = {
        {"first cell", 0, 0, 1, 1, {6, 6, 18, 18}},
        {"three cells from (2, 1)", 2, 1, 3, 1, {54, 30, 66, 18}},
        {"negative x sits flush right with the remaining width", -3, 0, -1, 1, {408, 6, 66, 18}},
        {"w -1 stretches to the far edge less the margin", 0, 0, -1, 1, {6, 6, 468, 18}},
        {"w -3 leaves two cells free", 0, 0, -3, 1, {6, 6, 420, 18}},
        {"negative y and h count from the bottom", 0, -2, 1, -1, {6, 240, 18, 42}},
        {"left is clamped to the parent", -25, 0, 2, 1, {0, 6, 42, 18}},
        {"width is clamped to the parent", 0, 0, 30, 1, {6, 6, 480, 18}},
        {"height is clamped to the parent", 0, 0, 1, 40, {6, 6, 18, 288}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PWidget::gridToPixels(c.x, c.y, c.w, c.h, parentW, parentH, cell, u), c.expected) << c.what;
}

TEST(GridToPixels, WidgetPastTheFarEdgeGetsNoWidth)
{
    POption options;
    RecordingPane root(&options, 20, 12); // 486 x 294 pixels
    auto* b = new PButton(&root, 20, 0, -1, 0);
    EXPECT_EQ(b->getWidth(), 0);
}

TEST(WidgetColours, DefaultLookFollowsTheSidePane)
{
    POption options;
    RecordingPane root(&options);
    auto* b = new PButton(&root, 0, 0, 2, 0);
    options.sidePane = 2;
    EXPECT_EQ(b->lightColour(), PWidget::tableColour(options, 2, false));
    EXPECT_EQ(b->darkColour(), PWidget::tableColour(options, 2, true));
    EXPECT_NE(PWidget::tableColour(options, 0, false), PWidget::tableColour(options, 2, false));
}

TEST(WidgetStyle, InheritsFromTheNearestParentWithAStyle)
{
    POption options;
    RecordingPane root(&options);
    auto* inner = new PPane(&root, 0, 0, 5, 5, PPane::Kind::plain);
    auto* b = new PButton(inner, 0, 0, 1, 0);
    EXPECT_EQ(b->effectiveStyle(), PWidget::Style::sidePane);
    inner->style = PWidget::Style::clips;
    EXPECT_EQ(b->effectiveStyle(), PWidget::Style::clips);
    inner->style = PWidget::Style::inherit;
    root.style = PWidget::Style::inherit;
    EXPECT_EQ(b->effectiveStyle(), PWidget::Style::sidePane) << "nothing up the tree: the side pane's look";
}

TEST(WidgetTree, ChildrenRunFromTheNewestAndUnlinkWhenDeleted)
{
    POption options;
    RecordingPane root(&options);
    auto* a = new PButton(&root, 0, 0, 1, 0);
    auto* b = new PButton(&root, 1, 0, 1, 0);
    auto* c = new PButton(&root, 2, 0, 1, 0);
    std::vector<PWidget*> order;
    for (PWidget* w = root.children; w != nullptr; w = w->next)
        order.push_back(w);
    EXPECT_EQ(order, (std::vector<PWidget*>{c, b, a}));
    EXPECT_EQ(a->owner, &root);

    delete b;
    EXPECT_EQ(root.children, c);
    EXPECT_EQ(c->next, a);
    EXPECT_EQ(a->next, nullptr);
    EXPECT_EQ(root.getComponent()->getNumChildComponents(), 2);
}

TEST(WidgetTree, MissingPeerAnswersZeroAndIgnoresCalls)
{
    POption options;
    RecordingPane root(&options);
    auto* b = new PButton(&root, 0, 0, 1, 0);
    b->peer.reset();
    b->setEnabled(false);
    b->setVisible(false);
    EXPECT_EQ(b->getWidth(), 0);
    EXPECT_EQ(b->getHeight(), 0);
}
} // namespace
