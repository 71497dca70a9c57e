#include <gtest/gtest.h>

#include "ui/widgets/recorder.h"
#include "ui/widgets/track.h"

namespace
{
/** Collects the pad's onView reports. */
class ViewPane : public RecordingPane
{
public:
    using RecordingPane::RecordingPane;
    void onView(PTrackPhase phase, float dx, float dy) override
    {
        views.push_back({static_cast<float>(phase), dx, dy});
    }
    std::vector<std::vector<float>> views;
};

TEST(TrackPad, ReportsTheOffsetFromThePressInSpeedUnitsUpPositive)
{
    POption options;
    options.trackSpeed = 0.5f;
    ViewPane root(&options);
    auto* pad = new PTrack(&root, 0, 0);
    EXPECT_EQ(pad->h, 2);
    // Not on screen: the pointer is not locked and the event positions count.
    pad->onMouseDown(10, 10);
    pad->onMouseDrag(60, 35);
    pad->onMouseUp(110, 10);
    const std::vector<std::vector<float>> expected{{0, 0, 0}, {1, 0.5f, -0.25f}, {2, 1.0f, 0}};
    EXPECT_EQ(root.views, expected);
}
} // namespace
