#pragma once

#include <cstdint>

/** The side pane in use, which says what the edit context's chain holds: pages and their panels,
    a panel's layers, clips or decor. The numbers are those of the notifications that a pane was
    chosen (PNotify::pagesShown to decorShown). */
enum class PPaneKind : uint16_t
{
    /** No chain: nothing is being edited. */
    none = 0,
    pages = 25,
    layers = 26,
    clips = 27,
    decor = 28
};

/** A side pane's place in the order of the panes' buttons (0 to 3), which is how the options store
    the one in use, and the pane at a place. */
constexpr int paneIndex(PPaneKind kind)
{
    return static_cast<int>(kind) - static_cast<int>(PPaneKind::pages);
}
constexpr PPaneKind paneAtIndex(int index)
{
    return static_cast<PPaneKind>(index + static_cast<int>(PPaneKind::pages));
}
constexpr bool isSidePane(PPaneKind kind)
{
    return kind >= PPaneKind::pages && kind <= PPaneKind::decor;
}
