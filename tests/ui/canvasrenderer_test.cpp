// The kept page picture: a drag draws only the moving shape over it.

#include <gtest/gtest.h>

#include "support/canvasdesk.h"

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
