#pragma once

#include <cstdint>

#include "ui/command.h"
#include "ui/popup.h"

class PWidget;
struct PFontSpec;

/** What some widgets need from the program around them: popup menus and the colour and font
    editors. The application installs its own host; until then these defaults serve (the
    digit menus and the copy/paste menu are built here, the editors answer "cancelled"). */
class PWidgetHost
{
public:
    virtual ~PWidgetHost() = default;

    /** Shows popup menu `kind` beside source; the chosen command, or none when dismissed. */
    virtual PCommand showPopup(PWidget& source, PPopup::Kind kind);
    /** The copy and paste menu; paste is offered only when canPaste. */
    virtual PCommand showCopyPaste(PWidget& source, bool canPaste);
    /** Lets the user edit colour (an HSLA word) in place; true when the editor was accepted. */
    virtual bool editColour(PWidget& source, uint32_t& colour);
    /** Lets the user edit font in place; true when the editor was accepted. */
    virtual bool editFont(PWidget& source, PFontSpec& font);

    /** The installed host, or the defaults. */
    static PWidgetHost& get();
    /** Installs host (null restores the defaults); the caller keeps ownership. */
    static void install(PWidgetHost* host);
};
