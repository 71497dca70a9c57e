#pragma once

#include "model/name.h"
#include "ui/widgets/pane.h"

class PButton;
class PComic;
class PLabel;
class PPanel;
class PWorld;

/** The bar above the editor: the four side panes (Pages, Layers, Clips, Decor) in their pane
    colours, and undo and redo, whose hint names the action they would take back or again.

        auto* bar = new PToolbar(&content, 0, 0, -1, 2);
        bar->setWorld(&world);
*/
class PToolbar : public PPane
{
public:
    PToolbar(PPane* parent, int x, int y, int w, int h);

    void setWorld(PWorld* session);
    void onClick(PWidget* source) override;
    void onNotify(PNotify code) override;
    void onEnter(PWidget* source) override;
    void onLeave(PWidget* source) override;

    /** Enables undo and redo after the lists and takes the names of their top actions. */
    void refresh();

    PWorld* world = nullptr;
    PComic* comic = nullptr;
    PPanel* panel = nullptr;
    PName undoName, redoName;
    PButton* sideButtons[4]{};
    PButton *undoButton = nullptr, *redoButton = nullptr;
    PLabel* hint = nullptr;

private:
    void showHint(PWidget* source);
};
