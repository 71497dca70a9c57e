#include "ui/statusbar.h"

#include "edit/context.h"
#include "edit/notifier.h"
#include "edit/world.h"
#include "model/image.h"
#include "model/option.h"
#include "model/page.h"
#include "ui/canvas2.h"
#include "ui/welcome.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"

namespace
{
constexpr int switchWidth = 5;

PCheck* makeSwitch(PPane* pane, int column, const char* key, const char* tip)
{
    auto* check = new PCheck(pane, column * switchWidth, 0, switchWidth, 0);
    check->setText(key);
    if (tip != nullptr)
        check->setTooltip(tip);
    return check;
}
} // namespace

PStatusbar::PStatusbar(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PPane(parentPane, gx, gy, gw, gh, Kind::plain)
{
    lockSwitch = makeSwitch(this, 0, "Statusbar.Lock", "Statusbar.TipLock");
    gridSwitch = makeSwitch(this, 1, "Statusbar.Grid", "Statusbar.TipGrid");
    snapSwitch = makeSwitch(this, 2, "Statusbar.Snap", "Statusbar.TipSnap");
    wallSwitch = makeSwitch(this, 3, "Statusbar.Wall", "Statusbar.TipWall");
    helpSwitch = makeSwitch(this, 4, "Statusbar.Help", nullptr);
    outlineSwitch = makeSwitch(this, 5, "Statusbar.Outlines", "Statusbar.TipOutlines");
    optionButton = new PButton(this, 6 * switchWidth, 0, switchWidth + 1, 0);
    optionButton->setText("Statusbar.Option");
    optionButton->setTooltip("Statusbar.TipOption");
    refresh();
}

void PStatusbar::setWorld(PWorld* session)
{
    world = session;
    readSelection();
    refresh();
}

bool PStatusbar::readSelection()
{
    const PComic* comicBefore = comic;
    const PPage* pageBefore = page;
    const PShape* shapeBefore = shape;
    comic = nullptr, page = nullptr, shape = nullptr;
    if (world != nullptr)
    {
        const PContext& context = world->context;
        comic = context.comic();
        page = static_cast<PPage*>(context.target(PClass::page));
        shape = static_cast<PShape*>(context.target(context.mode == PPaneKind::pages ? PClass::panel : PClass::shape));
    }
    return comic != comicBefore || page != pageBefore || shape != shapeBefore;
}

void PStatusbar::refresh()
{
    const POption* o = getOptions();
    // Clips and decor are drawn on the grid and snapped like pages.
    const bool shown = world != nullptr && world->context.container() != nullptr;
    const PEditMode mode = world != nullptr ? world->editMode : PEditMode::none;
    const bool hasWallpaper = o != nullptr && o->wall != nullptr && !o->wall->file.isEmpty();
    lockSwitch->setEnabled(shown && mode != PEditMode::wallpaper && mode != PEditMode::attachment &&
                           mode != PEditMode::marking);
    gridSwitch->setEnabled(shown);
    snapSwitch->setEnabled(shown);
    wallSwitch->setEnabled(shown && hasWallpaper);
    helpSwitch->setEnabled(true);
    outlineSwitch->setEnabled(true);
    lockSwitch->setOn(world != nullptr && world->lockFlag);
    gridSwitch->setOn(o != nullptr && o->showGrid);
    snapSwitch->setOn(o != nullptr && o->snap);
    wallSwitch->setOn(world != nullptr && world->wallFlag);
    helpSwitch->setOn(world != nullptr && world->helpFlag);
    outlineSwitch->setOn(o != nullptr && o->brushOutlines);
}

void PStatusbar::onChange(PWidget* source)
{
    POption* o = getOptions();
    auto* check = dynamic_cast<PCheck*>(source);
    if (world == nullptr || o == nullptr || check == nullptr)
        return;
    const bool on = check->isOn();
    if (source == lockSwitch)
        world->lockFlag = on;
    else if (source == gridSwitch)
        o->showGrid = on, o->modified = true;
    else if (source == snapSwitch)
        o->snap = on, o->modified = true;
    else if (source == wallSwitch)
        world->wallFlag = on;
    else if (source == helpSwitch)
        world->helpFlag = on;
    else if (source == outlineSwitch)
        o->brushOutlines = on, o->modified = true;
    else
        return;
    broadcast(PNotify::switchChanged);
    if (source == helpSwitch && !on)
        broadcast(PNotify::rebuild);
    if (source == helpSwitch && on)
        // The welcome page comes back with the help, once this click has been handled.
        juce::MessageManager::callAsync([o] { PWelcome::show(*o); });
}

void PStatusbar::onClick(PWidget* source)
{
    if (source == optionButton)
        runOptions();
}

void PStatusbar::runOptions()
{
    POption* o = getOptions();
    if (o == nullptr)
        return;
    if (!editOptions || !editOptions())
    {
        broadcast(PNotify::geometry);
        return;
    }
    (void) o->save(); // a failed write is tried again when the program closes; the settings stay in use
    // The content pane lays the window out again with the new metrics and every pane takes its look.
    broadcast(PNotify::lookChanged);
}

void PStatusbar::onNotify(PNotify code)
{
    switch (code)
    {
    case PNotify::selection:
        if (readSelection())
            refresh();
        return;
    case PNotify::modeChanged:
    case PNotify::switchChanged:
    case PNotify::lookChanged:
    case PNotify::pagesShown:
    case PNotify::layersShown:
    case PNotify::clipsShown:
    case PNotify::decorShown:
        readSelection();
        refresh();
        return;
    default: return;
    }
}
