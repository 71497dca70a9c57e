#pragma once

#include <cstdint>

/** The command codes of every menu and popup line: one number space, so that a handler
    can tell any chosen line from any other. The numbers are the menu ids the library hands
    back; none is a menu dismissed. */
enum class PCommand : uint16_t
{
    none = 0,
    open = 1,
    close = 2,
    save = 3,
    setting = 4,
    tuning = 5,
    exportComic = 6,
    option = 7,
    exit = 8,
    guide = 12,
    decor = 13,
    localeE = 14,
    localeD = 15,
    localeF = 16,
    localeI = 17,
    about = 18,
    exportJpg = 19,
    exportPng = 20,
    exportPdf = 21,
    exportSvg = 22,
    inkSeries = 23,
    colourSeries = 24,
    exportComicBook = 25,
    import = 27,
    create = 28,
    cut = 29,
    copy = 30,
    paste = 31,
    /** The lines that move an item into group 1 to 5. */
    group1 = 33,
    group2 = 34,
    group3 = 35,
    group4 = 36,
    group5 = 37,
    front = 38,
    back = 39,
    raise = 40,
    lower = 41,
    flipH = 42,
    flipV = 43,
    flipD = 44,
    init = 45,
    /** Ten lines each of the number widget's digit menus: "0*" to "9*" pick the tens, "0" to "9" the units. */
    tensDigit0 = 46,
    unitsDigit0 = 56
};

/** The menu id the library shows and hands back for a command, and the command of such an id. */
constexpr int menuIdOf(PCommand command)
{
    return static_cast<int>(command);
}
constexpr PCommand commandOfMenuId(int id)
{
    return static_cast<PCommand>(id);
}

/** The command `steps` codes after first, within one run of lines. */
constexpr PCommand commandAfter(PCommand first, int steps)
{
    return static_cast<PCommand>(static_cast<int>(first) + steps);
}

/** How many codes code lies after first, or -1 when it lies outside the run of count codes. */
constexpr int commandOffset(PCommand code, PCommand first, int count)
{
    const int steps = static_cast<int>(code) - static_cast<int>(first);
    return steps >= 0 && steps < count ? steps : -1;
}

/** The groups an item may be moved into and the digits of a digit menu. */
constexpr int groupLineCount = 5, digitLineCount = 10;

/** The line of a group (0 to 4) and the group of a line (-1 for any other line). */
constexpr PCommand groupCommand(int group)
{
    return commandAfter(PCommand::group1, group);
}
constexpr int groupOfCommand(PCommand code)
{
    return commandOffset(code, PCommand::group1, groupLineCount);
}

/** The digit menus' line of a digit 0-9 and the digit of a line (-1 for any other line). */
constexpr PCommand tensDigit(int digit)
{
    return commandAfter(PCommand::tensDigit0, digit);
}
constexpr PCommand unitsDigit(int digit)
{
    return commandAfter(PCommand::unitsDigit0, digit);
}
constexpr int tensDigitOf(PCommand code)
{
    return commandOffset(code, PCommand::tensDigit0, digitLineCount);
}
constexpr int unitsDigitOf(PCommand code)
{
    return commandOffset(code, PCommand::unitsDigit0, digitLineCount);
}
