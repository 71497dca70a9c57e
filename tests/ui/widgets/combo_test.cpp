#include <gtest/gtest.h>

#include "model/choicelists.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/recorder.h"

namespace
{
TEST(ComboChoice, FillsFromAChoiceListAndReportsRealChanges)
{
    POption options;
    RecordingPane root(&options);
    auto* combo = named(new PCombo(&root, 0, 0, 4, 0), "C");
    combo->fill(PChoiceList::deform);
    auto* box = dynamic_cast<juce::ComboBox*>(combo->getComponent());
    ASSERT_EQ(box->getNumItems(), 5);
    EXPECT_EQ(box->getItemText(1), "Deform.height");

    combo->select(2); // the Deform list has no code 2
    EXPECT_EQ(combo->selectedCode(), 0);
    combo->select(4);
    EXPECT_EQ(combo->selectedCode(), 4);

    box->setSelectedId(4, juce::sendNotificationSync);
    box->setSelectedId(6, juce::sendNotificationSync);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change C"}));
    EXPECT_EQ(combo->cachedId, 6);
}
} // namespace
