#include <gtest/gtest.h>

#include "app/command.h"
#include "app/entry.h"
#include "app/popup.h"

namespace
{
constexpr int sep = 0;

/** The command codes of a popup's lines in order, separators as 0. */
std::vector<int> codesOf(const PPopup& popup)
{
    std::vector<int> codes;
    for (int i = 0; i < popup.size(); ++i)
        codes.push_back(popup.entryAt(i)->separator ? sep : popup.entryAt(i)->id);
    return codes;
}

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
        items.push_back({item.isSeparator ? sep : item.itemID, item.isEnabled, item.colour != juce::Colour()});
    }
    return items;
}
} // namespace

TEST(PopupKinds, EachKindListsItsCommandsInOrder)
{
    const struct
    {
        int kind;
        const char* title;
        std::vector<int> codes;
    } kinds[] = {
        {PPopup::comicMenu, "Menu.Comic", {1, 2, 3, sep, 4, 5, 6, 7, sep, 8}},
        {PPopup::helpMenu, "Menu.Help", {12, 13, sep, 14, 15, 16, sep, 18}},
        {PPopup::pagePopup, "", {28, 27, 29, 30, 31, sep, 19, 20, 21, 22, sep, 23, 24}},
        {PPopup::layerPopup, "", {28, 27, 29, 30, 31}},
        {PPopup::clipPopup, "", {28, 27, 29, 30, 31, sep, 33, 34, 35, 36, 37}},
        {PPopup::canvasFirst, "", {29, 30, 31, sep, 40, 41, sep, 45}},
        {PPopup::canvasSecond, "", {29, 30, 31, sep, 40, 41, 38, 39, sep, 42, 43, 44, sep, 45}},
        {PPopup::tensPopup, "", {46, 47, 48, 49, 50, 51, 52, 53, 54, 55}},
        {PPopup::unitsPopup, "", {56, 57, 58, 59, 60, 61, 62, 63, 64, 65}},
        {1, "", {}},
        {10, "", {}},
    };
    for (const auto& k : kinds)
    {
        PPopup popup(nullptr);
        popup.build(k.kind);
        EXPECT_EQ(codesOf(popup), k.codes) << "kind " << k.kind;
        EXPECT_EQ(popup.title.toString(), juce::String(k.title)) << "kind " << k.kind;
        EXPECT_EQ((int) shownItems(popup.menu).size(), popup.size()) << "kind " << k.kind;
    }
}

TEST(PopupKinds, DigitPopupsShowUntranslatedDigits)
{
    PPopup tens(nullptr), units(nullptr);
    tens.build(PPopup::tensPopup);
    units.build(PPopup::unitsPopup);
    EXPECT_EQ(tens.find(PCommand::tensDigit0 + 7)->text, "7*");
    EXPECT_EQ(units.find(PCommand::unitsDigit0)->text, "0");
    EXPECT_EQ(units.find(PCommand::unitsDigit0 + 9)->text, "9");
}

TEST(PopupState, EnabledAndColouredLinesReachTheShownMenuAfterRebuild)
{
    PPopup popup(nullptr);
    popup.build(PPopup::layerPopup);
    popup.setEnabled(PCommand::paste, false);
    popup.setColoured(PCommand::cut, true);
    popup.setEnabled(99, false); // no such line: nothing happens
    EXPECT_TRUE(shownItems(popup.menu)[4].enabled) << "the shown menu changes only on rebuild";

    popup.rebuild();
    const auto items = shownItems(popup.menu);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_FALSE(items[4].enabled);
    EXPECT_TRUE(items[2].coloured);
    for (int i : {0, 1, 3})
        EXPECT_TRUE(items[(size_t) i].enabled && !items[(size_t) i].coloured) << i;
}

TEST(PopupState, BuildStartsAfresh)
{
    PPopup popup(nullptr);
    popup.build(PPopup::canvasSecond);
    popup.setEnabled(PCommand::cut, false);
    popup.build(PPopup::layerPopup);
    EXPECT_EQ(popup.size(), 5);
    EXPECT_TRUE(popup.find(PCommand::cut)->enabled);
    EXPECT_EQ(popup.find(PCommand::front), nullptr);
}
