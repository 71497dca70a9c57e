#pragma once

#include <vector>

/** One entry of a drop-down list: the text key shown and the code stored. */
struct PChoice
{
    const char* key;
    int code;
};

/** The value lists of the program's drop-down boxes, by number. */
namespace PChoiceList
{
constexpr int gui = 0, format = 1, dpi = 2, align = 3, grid = 4, angle = 5, pixel = 6, deform = 7, brush = 8;
constexpr int count = 9;

/** The entries of a list in display order; empty for an unknown number. */
const std::vector<PChoice>& entries(int list);
} // namespace PChoiceList
