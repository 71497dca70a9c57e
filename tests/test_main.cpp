#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

// Fonts, images and the message manager need JUCE initialised once for the whole run.
int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
