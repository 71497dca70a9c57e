#include <gtest/gtest.h>

#include "ui/widgets/button.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/switch.h"

namespace
{
TEST(FiveWaySwitch, ValueIsTheLitButtons)
{
    POption options;
    RecordingPane root(&options);
    auto* sw = new PSwitch(&root, 0, 0, 5); // no peer of its own: reported as "?"
    EXPECT_EQ(sw->getValue(), 0) << "no button on";
    sw->setValue(75);
    EXPECT_EQ(sw->getValue(), 75);
    EXPECT_TRUE(sw->buttons[3]->isOn());
    click(*sw->buttons[1]);
    EXPECT_EQ(sw->getValue(), 25);
    click(*sw->buttons[1]);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change ?"}));
    sw->setValue(30);
    EXPECT_EQ(sw->getValue(), 0) << "a value no button has turns all off";
}

TEST(FiveWaySwitch, ButtonsShareTheWidth)
{
    POption options;
    RecordingPane root(&options);
    auto* sw = new PSwitch(&root, 1, 0, 10);
    EXPECT_EQ(sw->buttons[0]->x, 1);
    EXPECT_EQ(sw->buttons[4]->x, 9);
    EXPECT_EQ(sw->buttons[4]->w, 2);
    delete sw;
    EXPECT_EQ(root.children, nullptr) << "the buttons go with the switch";
}
} // namespace
