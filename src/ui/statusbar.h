#pragma once

#include <functional>

#include "ui/widgets/pane.h"

class PButton;
class PCheck;
class PComic;
class PPage;
class PShape;
class PWorld;

/** The bar below the editor: the Lock, Grid, Snap, Wall and Help switches and the button that
    opens the options. The switches only set their flags and tell the panes (notification 7).

        auto* bar = new PStatusbar(&content, 0, -2, -1, -1);
        bar->setWorld(&world);
        bar->editOptions = [] { return runOptionsDialog(); };   // true when accepted
*/
class PStatusbar : public PPane
{
public:
    PStatusbar(PPane* parent, int x, int y, int w, int h);

    void setWorld(PWorld* session);
    void onClick(PWidget* source) override;
    void onChange(PWidget* source) override;
    void onNotify(PNotify code) override;

    /** Sets each switch's enabled state and state from the session and the options. */
    void refresh();
    /** Runs the options dialog; the dialog's own code sets it. Without it the options button
        answers as a cancelled dialog. */
    std::function<bool()> editOptions;

    PWorld* world = nullptr;
    PComic* comic = nullptr;
    PPage* page = nullptr;
    PShape* shape = nullptr;
    PCheck *lockSwitch = nullptr, *gridSwitch = nullptr, *snapSwitch = nullptr, *wallSwitch = nullptr,
           *helpSwitch = nullptr, *outlineSwitch = nullptr;
    PButton* optionButton = nullptr;

    /** Runs the options dialog (the Options button and the Comic menu's line). */
    void runOptions();

private:
    bool readSelection();
};
