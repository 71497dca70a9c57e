#include <gtest/gtest.h>

#include <cmath>

#include "ui/widgets/recorder.h"
#include "ui/widgets/slider.h"

namespace
{
constexpr float pi = 3.14159265f;

TEST(SliderKinds, MapPositionsToTheirRanges)
{
    struct Case
    {
        int kind, position;
        float value;
    };
    const Case cases[] = {{0, 0, 0.0f},    {0, 50, 0.5f},   {0, 100, 1.0f}, {1, 0, 0.1f},
                          {1, 100, 1.0f},  {2, 0, -pi},     {2, 50, 0.0f},  {2, 100, pi},
                          {3, 0, -pi / 2}, {3, 75, pi / 4}, {0, 150, 1.0f}, {0, -20, 0.0f}};
    for (const auto& c : cases)
    {
        EXPECT_NEAR(PSlider::valueFor(c.kind, c.position), c.value, 1e-5f) << c.kind << " at " << c.position;
        if (c.position >= 0 && c.position <= 100)
        {
            EXPECT_EQ(PSlider::positionFor(c.kind, c.value), c.position) << c.kind << " of " << c.value;
        }
    }
    EXPECT_EQ(PSlider::positionFor(0, std::nanf("")), 0);
}

TEST(SliderReports, FinalPositionsOnlyWhenTheyDiffer)
{
    POption options;
    RecordingPane root(&options);
    auto* slider = named(new PSlider(&root, 0, 0, 5, 0, 0), "S");
    slider->setValue(0.3f);
    auto* peer = dynamic_cast<juce::Slider*>(slider->getComponent());
    EXPECT_EQ(peer->getValue(), 30.0);
    peer->setValue(70.0, juce::sendNotificationSync);
    peer->setValue(70.0, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.7f);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change S"}));
}
} // namespace
