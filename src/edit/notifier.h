#pragma once

#include <cstdint>

#include "edit/panekind.h"

class PBase;

/** Every notification of the pane tree, in one table: what editing sends and what the panes
    tell each other has changed. Requests are calls (the panes' PRequests), not notifications.
    Never stored. */
enum class PNotify : uint16_t
{
    modeChanged = 6,
    switchChanged = 7,
    viewChanged = 8,
    /** Sent before the view pane changes the view of an OpenGL canvas. */
    viewChanging = 9,
    refit = 10,
    plainFrame = 12,
    /** The options changed the window's metrics or colours: every pane takes its look again. */
    lookChanged = 13,
    geometry = 14,
    highQualityFrame = 15,
    attribute = 16,
    /** The panes' layout changed (the help closed): lists and pictures are built again. */
    rebuild = 17,
    selection = 18,
    clipboard = 19,
    itemList = 20,
    /** The options' wallpaper was replaced or cleared. */
    wallpaperChanged = 23,
    /** A side pane was chosen; the numbers are those of the panes, so that each converts to the other. */
    pagesShown = static_cast<uint16_t>(PPaneKind::pages),
    layersShown = static_cast<uint16_t>(PPaneKind::layers),
    clipsShown = static_cast<uint16_t>(PPaneKind::clips),
    decorShown = static_cast<uint16_t>(PPaneKind::decor)
};

/** The notification that a side pane was chosen, and back. */
constexpr PNotify paneShown(PPaneKind pane)
{
    return static_cast<PNotify>(pane);
}
constexpr bool isPaneShown(PNotify code)
{
    return code >= PNotify::pagesShown && code <= PNotify::decorShown;
}
constexpr PPaneKind shownPaneMode(PNotify code)
{
    return static_cast<PPaneKind>(code);
}

/** Where the editing session tells the panes what changed. The content pane implements it and
    passes each code down its pane tree; the session itself never sees a widget. */
class PNotifier
{
public:
    virtual ~PNotifier() = default;

    /** One notification of the pane tree and the object that sent it, or null. */
    virtual void notify(PNotify code, PBase* source) = 0;
};
