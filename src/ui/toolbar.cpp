#include "ui/toolbar.h"

#include "edit/context.h"
#include "edit/notifier.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/panel.h"
#include "ui/widgets/button.h"
#include "ui/widgets/label.h"

namespace
{
constexpr int sideWidth = 4, actionWidth = 5, gap = 1;
constexpr int undoColumn = 4 * sideWidth + gap, redoColumn = undoColumn + actionWidth,
              hintColumn = redoColumn + actionWidth + gap;
constexpr const char* sideKeys[] = {"Toolbar.Pages", "Toolbar.Layers", "Toolbar.Clips", "Toolbar.Decor"};
/** The notifications that show the Pages, Layers, Clips and Decor panes. */
constexpr PNotify sideCodes[] = {PNotify::pagesShown, PNotify::layersShown, PNotify::clipsShown, PNotify::decorShown};
} // namespace

PToolbar::PToolbar(PPane* parentPane, int gx, int gy, int gw, int gh) : PPane(parentPane, gx, gy, gw, gh, Kind::plain)
{
    for (int i = 0; i < 4; ++i)
    {
        // Each button shows the colour of the pane it opens.
        auto* button = sideButtons[i] = new PButton(this, i * sideWidth, 0, sideWidth, 0);
        button->style = static_cast<Style>(i);
        button->setText(sideKeys[i]);
    }
    undoButton = new PButton(this, undoColumn, 0, actionWidth, 0);
    undoButton->setText("Toolbar.Undo");
    undoButton->setTooltip("Toolbar.TipUndo");
    redoButton = new PButton(this, redoColumn, 0, actionWidth, 0);
    redoButton->setText("Toolbar.Redo");
    redoButton->setTooltip("Toolbar.TipRedo");
    hint = new PLabel(this, hintColumn, 0, -1, 0);
    refresh();
}

void PToolbar::setWorld(PWorld* session)
{
    world = session;
    refresh();
}

void PToolbar::refresh()
{
    undoName.clear(), redoName.clear();
    if (world != nullptr)
    {
        world->undoName(undoName);
        world->redoName(redoName);
    }
    undoButton->setEnabled(world != nullptr && !world->undoList.isEmpty());
    redoButton->setEnabled(world != nullptr && !world->redoList.isEmpty());
    for (auto* button : sideButtons)
        button->setEnabled(world != nullptr && world->context.comic() != nullptr);
    hint->setPlainText({});
}

void PToolbar::onClick(PWidget* source)
{
    for (int i = 0; i < 4; ++i)
        if (source == sideButtons[i])
        {
            broadcast(sideCodes[i]);
            return;
        }
    if (world == nullptr)
        return;
    if (source == undoButton)
        world->undo();
    else if (source == redoButton)
        world->redo();
    else
        return;
    refresh();
    // The pointer is still on the button: its hint follows the lists.
    showHint(source);
}

void PToolbar::onNotify(PNotify code)
{
    if (code == PNotify::lookChanged)
        for (auto* button : sideButtons)
            button->refreshLook();
    if (world != nullptr)
    {
        comic = world->context.comic();
        panel = static_cast<PPanel*>(world->context.target(PClass::panel));
    }
    refresh();
}

void PToolbar::showHint(PWidget* source)
{
    if (source == undoButton)
        hint->setPlainText(undoName.toString());
    else if (source == redoButton)
        hint->setPlainText(redoName.toString());
}

void PToolbar::onEnter(PWidget* source)
{
    showHint(source);
}

void PToolbar::onLeave(PWidget*)
{
    hint->setPlainText({});
}
