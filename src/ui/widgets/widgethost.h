#pragma once

#include <cstdint>

class PWidget;
struct PFontSpec;

/** What some widgets need from the program around them: popup menus and the colour and font
    editors. The application installs its own host; until then these defaults serve (the
    digit menus and the copy/paste menu are built here, the editors answer "cancelled"). */
class PWidgetHost
{
public:
    /** Command codes of the copy and paste menu. */
    static constexpr int copyCode = 30, pasteCode = 31;

    virtual ~PWidgetHost() = default;

    /** Shows popup menu `kind` beside source; the chosen command code, or 0 when dismissed. */
    virtual int showPopup(PWidget& source, int kind);
    /** The copy (30) and paste (31) menu; paste is offered only when canPaste. */
    virtual int showCopyPaste(PWidget& source, bool canPaste);
    /** Lets the user edit colour (an HSLA word) in place; true when the editor was accepted. */
    virtual bool editColour(PWidget& source, uint32_t& colour);
    /** Lets the user edit font in place; true when the editor was accepted. */
    virtual bool editFont(PWidget& source, PFontSpec& font);

    /** The installed host, or the defaults. */
    static PWidgetHost& get();
    /** Installs host (null restores the defaults); the caller keeps ownership. */
    static void install(PWidgetHost* host);
};
