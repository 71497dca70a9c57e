#pragma once

#include <cstdint>

class PBase;

/** Where the editing session tells the panes what changed. The content pane implements it and
    passes each code down its pane tree; the session itself never sees a widget. */
class PNotifier
{
public:
    virtual ~PNotifier() = default;

    /** One notification: the 16-bit code of the pane tree and the object that sent it, or null. */
    virtual void notify(uint16_t code, PBase* source) = 0;
};

/** The notification codes of the pane tree: what editing sends, and the requests the panes
    send each other. */
namespace PNotify
{
constexpr uint16_t saveRequest = 2, undoRequest = 3, redoRequest = 4, helpRequest = 5, modeChanged = 6, viewChanged = 8,
                   refit = 10, plainFrame = 12;
/** Sent before the view pane changes the view of an OpenGL canvas. */
constexpr uint16_t viewChanging = 9;
/** The options' wallpaper was loaded or cleared. */
constexpr uint16_t wallpaperChanged = 13;
constexpr uint16_t switchChanged = 7, geometry = 14, highQualityFrame = 15, attribute = 16, selection = 18,
                   clipboard = 19, itemList = 20;
/** The colour tuning asks for the page before or after the current one. */
constexpr uint16_t previousPage = 21, nextPage = 22;
} // namespace PNotify
