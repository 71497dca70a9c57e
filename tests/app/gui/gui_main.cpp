#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
juce::JUCEApplicationBase* noApplication()
{
    return nullptr;
}
} // namespace

// The library installs its forgiving X error handlers only for a program that has an
// application object; without them the first property that a bare X server does not know
// yet ends the test program. Naming a (never used) factory counts as having one.
int main(int argc, char** argv)
{
    juce::JUCEApplicationBase::createInstance = &noApplication;
    juce::ScopedJuceInitialiser_GUI juce;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
