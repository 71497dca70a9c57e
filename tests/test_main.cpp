#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <cstdlib>

// Fonts, images and the message manager need JUCE initialised once for the whole run.
int main(int argc, char** argv)
{
    juce::ScopedJuceInitialiser_GUI juce;
    // Exports made apart (the editor's and plumet-cli's, a second or so later) are compared byte
    // for byte: a PDF's creation date must not depend on the second each one ran in.
    setenv("SOURCE_DATE_EPOCH", "1796601600", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
