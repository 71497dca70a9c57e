#pragma once

#include "ui/widgets/widgethost.h"

/** The program's answer to the widgets' requests for an editor: a colour swatch opens the
    colour editor and a font button the font editor, on the options of the widget's pane.
    While an editor is open, every change shows on the swatch or button at once and reaches
    the widget's owner as onChanging, so that a pane can show it on the page as well.

        PEditorHost::installForProgram();   // at start-up, after the options exist
*/
class PEditorHost : public PWidgetHost
{
public:
    bool editColour(PWidget& source, uint32_t& colour) override;
    bool editFont(PWidget& source, PFontSpec& font) override;

    /** Installs one host for the whole run (PWidgetHost::install(nullptr) removes it). */
    static void installForProgram();
};
