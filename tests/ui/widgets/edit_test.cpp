#include <gtest/gtest.h>

#include "ui/widgets/edit.h"
#include "ui/widgets/recorder.h"

namespace
{
TEST(TextField, KeepsAtMostANamesLength)
{
    POption options;
    RecordingPane root(&options);
    auto* edit = named(new PEdit(&root, 0, 0, 6, 0), "E");
    edit->setValue(juce::String::repeatedString("x", 300));
    EXPECT_EQ(edit->text.length(), PName::maxLength);
    EXPECT_TRUE(root.log.empty());

    auto* editor = dynamic_cast<juce::TextEditor*>(edit->getComponent());
    editor->setText("Page one", false);
    edit->activate(); // the library tells of the change later, from the message loop
    EXPECT_EQ(edit->text.toString(), "Page one");
    EXPECT_EQ(root.log, (std::vector<std::string>{"change E"}));
}
} // namespace
