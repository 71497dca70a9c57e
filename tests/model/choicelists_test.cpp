#include <gtest/gtest.h>

#include "model/choicelists.h"

TEST(ChoiceLists, CodesInDisplayOrder)
{
    const std::vector<std::pair<int, std::vector<int>>> rows = {
        {PChoiceList::gui, {1, 2, 3}},
        {PChoiceList::format, {1, 2, 3, 4, 5, 6}},
        {PChoiceList::dpi, {100, 300, 600, 900}},
        {PChoiceList::align, {1, 2, 3}},
        {PChoiceList::grid, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {PChoiceList::angle, {1, 2, 3, 4, 5}},
        {PChoiceList::pixel, {1, 2, 3, 4}},
        {PChoiceList::deform, {1, 3, 4, 5, 6}}, // no code 2
        {PChoiceList::brush, {1, 4, 2, 3}},     // area, fine, thick, spray
        {PChoiceList::count, {}},
    };
    for (const auto& [list, codes] : rows)
    {
        std::vector<int> got;
        for (const auto& entry : PChoiceList::entries(list))
            got.push_back(entry.code);
        EXPECT_EQ(got, codes) << "list " << list;
    }
    EXPECT_STREQ(PChoiceList::entries(PChoiceList::brush)[1].key, "Brush.fine");
}
