#include <gtest/gtest.h>

#include "ui/command.h"
#include "ui/entry.h"
#include "ui/popup.h"

namespace
{
struct ShownItem
{
    int id;
    bool enabled;
    bool coloured;
};

std::vector<ShownItem> shownItems(const juce::PopupMenu& menu)
{
    std::vector<ShownItem> items;
    for (juce::PopupMenu::MenuItemIterator it(menu); it.next();)
    {
        const auto& item = it.getItem();
        items.push_back({item.isSeparator ? 0 : item.itemID, item.isEnabled, item.colour != juce::Colour()});
    }
    return items;
}
} // namespace

TEST(PopupKinds, UnknownKindsAreEmptyAndEveryLineIsShown)
{
    for (int kind : {static_cast<int>(PPopup::Kind::comicMenu), static_cast<int>(PPopup::Kind::canvasSecond),
                     static_cast<int>(PPopup::Kind::tensPopup), 1, 10})
    {
        PPopup popup(nullptr);
        popup.build(static_cast<PPopup::Kind>(kind));
        EXPECT_EQ(static_cast<int>(shownItems(popup.menu).size()), popup.size()) << "kind " << kind;
        EXPECT_EQ(popup.size() == 0, kind == 1 || kind == 10) << "kind " << kind;
    }
}

TEST(PopupKinds, DigitPopupsShowUntranslatedDigits)
{
    PPopup tens(nullptr), units(nullptr);
    tens.build(PPopup::Kind::tensPopup);
    units.build(PPopup::Kind::unitsPopup);
    EXPECT_EQ(tens.find(tensDigit(7))->text, "7*");
    EXPECT_EQ(units.find(unitsDigit(0))->text, "0");
    EXPECT_EQ(units.find(unitsDigit(9))->text, "9");
}

TEST(PopupState, EnabledAndColouredLinesReachTheShownMenuAfterRebuild)
{
    PPopup popup(nullptr);
    popup.build(PPopup::Kind::layerPopup);
    popup.setEnabled(PCommand::paste, false);
    popup.setColoured(PCommand::cut, true);
    popup.setEnabled(commandOfMenuId(99), false); // no such line: nothing happens
    EXPECT_TRUE(shownItems(popup.menu)[4].enabled) << "the shown menu changes only on rebuild";

    popup.rebuild();
    const auto items = shownItems(popup.menu);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_FALSE(items[4].enabled);
    EXPECT_TRUE(items[2].coloured);
    for (int i : {0, 1, 3})
        EXPECT_TRUE(items[static_cast<size_t>(i)].enabled && !items[static_cast<size_t>(i)].coloured) << i;
}

TEST(PopupState, BuildStartsAfresh)
{
    PPopup popup(nullptr);
    popup.build(PPopup::Kind::canvasSecond);
    popup.setEnabled(PCommand::cut, false);
    popup.build(PPopup::Kind::layerPopup);
    EXPECT_EQ(popup.size(), 5);
    EXPECT_TRUE(popup.find(PCommand::cut)->enabled);
    EXPECT_EQ(popup.find(PCommand::front), nullptr);
}
