#pragma once

#include <cstdint>

/** The key commands that a pane's peer turns key presses (and a double click, as Return) into. */
enum class PKeyCommand : uint16_t
{
    none = 0,
    newItem = 1, // Ctrl+N
    cut = 2,
    copy = 3,
    paste = 4,
    remove = 5, // Delete
    selectAll = 6,
    save = 7,
    undo = 8,
    redo = 9,
    help = 10, // F1
    home = 11,
    end = 12,
    pageUp = 13,
    pageDown = 14,
    enter = 15, // Return
    /** The digit keys 1 to 5. */
    firstDigit = 16,
    lastDigit = 20
};

/** The save, undo, redo and help keys, which every pane passes on as requests. */
constexpr bool isRequestKey(PKeyCommand key)
{
    return key >= PKeyCommand::save && key <= PKeyCommand::help;
}
