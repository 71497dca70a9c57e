#pragma once

#include "model/editmode.h"
#include "ui/widgets/pane.h"

class PNote;
class PWorld;

/** A few lines that tell what the side pane in use and the canvas's edit mode do, shown while
    the status bar's Help switch is on.

        help = new PHelpPane(&content, 0, -PHelpPane::rows, PHelpPane::columns, -1);
        help->setWorld(&world);
        help->update();   // after every notification: hidden panes hear none themselves
*/
class PHelpPane : public PPane
{
public:
    static constexpr int columns = 10, rows = 9;

    PHelpPane(PPane* parent, int x, int y, int w, int h);

    /** Follows the world's help switch, side pane and edit mode; null shows nothing. */
    void setWorld(PWorld* session);
    /** Shows or hides the pane by the help switch and shows the current topic. */
    void update();
    /** Shows the lines for a side pane and an edit mode. */
    void setTopic(PPaneKind sidePane, PEditMode editMode);
    void onNotify(PNotify code) override;

    /** The text keys of a topic; empty for codes that have none. */
    static const char* sidePaneKey(PPaneKind sidePane);
    static const char* editModeKey(PEditMode editMode);

    PWorld* world = nullptr;
    PNote* text = nullptr;
    PPaneKind shownSidePane = PPaneKind::none;
    PEditMode shownEditMode = PEditMode::none;
};
