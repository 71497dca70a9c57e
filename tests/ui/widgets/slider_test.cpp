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
        PSlider::Kind kind;
        int position;
        float value;
    };
    using K = PSlider::Kind;
    const Case cases[] = {{K::unit, 0, 0.0f},        {K::unit, 50, 0.5f},      {K::unit, 100, 1.0f},
                          {K::fraction, 0, 0.1f},    {K::fraction, 100, 1.0f}, {K::turn, 0, -pi},
                          {K::turn, 50, 0.0f},       {K::turn, 100, pi},       {K::halfTurn, 0, -pi / 2},
                          {K::halfTurn, 75, pi / 4}, {K::unit, 150, 1.0f},     {K::unit, -20, 0.0f}};
    for (const auto& c : cases)
    {
        EXPECT_NEAR(PSlider::valueFor(c.kind, c.position), c.value, 1e-5f)
            << static_cast<int>(c.kind) << " at " << c.position;
        if (c.position >= 0 && c.position <= 100)
        {
            EXPECT_EQ(PSlider::positionFor(c.kind, c.value), c.position)
                << static_cast<int>(c.kind) << " of " << c.value;
        }
    }
    EXPECT_EQ(PSlider::positionFor(PSlider::Kind::unit, std::nanf("")), 0);
}

TEST(SliderReports, FinalPositionsOnlyWhenTheyDiffer)
{
    POption options;
    RecordingPane root(&options);
    auto* slider = named(new PSlider(&root, 0, 0, 5, 0, PSlider::Kind::unit), "S");
    slider->setValue(0.3f);
    auto* peer = dynamic_cast<juce::Slider*>(slider->getComponent());
    EXPECT_EQ(peer->getValue(), 30.0);
    peer->setValue(70.0, juce::sendNotificationSync);
    peer->setValue(70.0, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.7f);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change S"}));
}
} // namespace
