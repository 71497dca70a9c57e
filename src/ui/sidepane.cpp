#include "ui/sidepane.h"

#include "edit/actiongroup.h"
#include "edit/actionproperty.h"
#include "edit/actions.h"
#include "edit/actionungroup.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/group.h"
#include "model/item.h"
#include "model/option.h"
#include "ui/attributepane.h"
#include "ui/canvas2.h"
#include "ui/popup.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/list.h"

PSidePane::PSidePane(PPane* parentPane, int gx, int gy, int gw, int gh, PPaneKind mode)
    : PPane(parentPane, gx, gy, gw, gh, Kind::framed), menu(std::make_unique<PPopup>(this)), paneMode(mode)
{
}

PSidePane::~PSidePane() = default;

void PSidePane::addTitle(const char* key, PPopup::Kind popupKind, uint16_t importClass)
{
    titleButton = new PButton(this, 0, 0, -1, 0);
    titleButton->setText(key);
    menu->build(popupKind);
    chooseItem = [this, importClass]
    {
        return world != nullptr ? PTableBrowse::choose(*world, nullptr, importClass, getOptions(), "ListBrowse.Title")
                                : nullptr;
    };
}

void PSidePane::onClick(PWidget* source)
{
    if (source != nullptr && source == titleButton)
        onPopup(titleButton);
    else
        (void) runCommand(source);
}

void PSidePane::onPopup(PWidget* source)
{
    if (world == nullptr || source == nullptr || (source != titleButton && source != list))
        return;
    updateMenu();
    if (const PCommand chosen = menu->show(); chosen != PCommand::none)
        onMenu(chosen);
}

void PSidePane::setWorld(PWorld* session, PCanvas2* pageCanvas)
{
    world = session;
    canvas = pageCanvas;
    if (properties != nullptr)
        properties->setWorld(session);
    showMode();
}

PComic* PSidePane::comic() const
{
    return world != nullptr ? world->context.comic() : nullptr;
}

PButton* PSidePane::addModeButton(int gx, int gy, int gw, const char* key, PEditMode mode)
{
    auto* button = new PButton(this, gx, gy, gw, 0);
    button->setText(key);
    if (!ring.empty())
        button->joinRing(*ring.front().first);
    ring.emplace_back(button, mode);
    return button;
}

PButton* PSidePane::addCommandButton(int gx, int gy, int gw, const char* key, Command command)
{
    auto* button = new PButton(this, gx, gy, gw, 0);
    button->setText(key);
    commands[button] = command;
    return button;
}

void PSidePane::addGroupButtons(int row)
{
    constexpr int half = 6;
    addCommandButton(0, row, half, "Edit.DoGroup", Command::doGroup);
    addCommandButton(half, row, -1, "Edit.DoUngroup", Command::doUngroup);
    addCommandButton(0, row + 1, half, "Edit.DoSelectAll", Command::doSelectAll);
    addCommandButton(half, row + 1, -1, "Edit.DoUnselect", Command::doUnselect);
}

PEditMode PSidePane::ringMode() const
{
    for (const auto& [button, mode] : ring)
        if (button->isOn())
            return mode;
    return ring.empty() ? PEditMode::none : ring.back().second;
}

void PSidePane::showMode()
{
    // Without a wallpaper there is nothing for the wallpaper mode to move.
    const POption* o = getOptions();
    for (const auto& [button, buttonMode] : ring)
        if (buttonMode == PEditMode::wallpaper)
            button->setEnabled(o != nullptr && o->wall != nullptr);
    const PEditMode mode = world != nullptr ? world->editMode : PEditMode::none;
    for (const auto& [button, buttonMode] : ring)
        if (buttonMode == mode)
        {
            button->setOn(true);
            return;
        }
    for (const auto& entry : ring)
        entry.first->setOn(false);
}

void PSidePane::changeMode(PEditMode mode)
{
    if (world == nullptr || comic() == nullptr)
        return;
    // Marks only mean something while marking; leaving it must not leave shapes half-chosen.
    if (world->editMode == PEditMode::marking && mode != PEditMode::marking)
        clearMarks();
    world->editMode = mode;
    (void) world->dropUnfitSelection(); // it tells the panes itself
    broadcast(PNotify::modeChanged);
}

bool PSidePane::runCommand(PWidget* source)
{
    // A click on a mode button lights it before it reports, so the ring already shows the choice.
    for (const auto& entry : ring)
        if (entry.first == source)
        {
            if (world != nullptr && ringMode() != world->editMode)
                changeMode(ringMode());
            return true;
        }
    const auto found = commands.find(source);
    if (found == commands.end())
        return false;
    run(found->second);
    return true;
}

void PSidePane::run(Command command)
{
    if (world == nullptr || canvas == nullptr || comic() == nullptr)
        return;
    switch (command)
    {
    case Command::doGroup:
    case Command::doUngroup: group(command == Command::doGroup); return;
    case Command::doSelectAll: canvas->commands.markAll(); return;
    case Command::doUnselect: clearMarks(); return;
    default: add(command); return;
    }
}

void PSidePane::add(Command command)
{
    // New shapes are placed and shaped with the shape tools, whatever mode was on.
    if (world->editMode != PEditMode::shape)
    {
        world->editMode = PEditMode::shape;
        (void) world->dropUnfitSelection();
        broadcast(PNotify::modeChanged);
    }
    switch (command)
    {
    case Command::addPanel: canvas->commands.addPanel(); break;
    case Command::addCurve: canvas->commands.addCurve(); break;
    case Command::addText: canvas->commands.addText(); break;
    case Command::addImage: canvas->commands.chooseImage(); break;
    case Command::addBrush: canvas->commands.addBrush(); break;
    case Command::addClip:
    case Command::addDecor:
    {
        const bool clip = command == Command::addClip;
        if (auto* item = PTableBrowse::choose(*world, comic(), clip ? PClass::clip : PClass::decor, getOptions(),
                                              clip ? "TableBrowse.Clip" : "TableBrowse.Decor"))
            canvas->commands.addArtwork(*item);
        break;
    }
    default: break;
    }
}

void PSidePane::group(bool together)
{
    PArray* shapes = shownList();
    if (shapes == nullptr || world->editMode != PEditMode::marking)
        return;
    if (together)
    {
        bool anyMarked = false;
        for (PBase* object : *shapes)
            anyMarked = anyMarked || object->hasFlag(PFlag::selected);
        if (!anyMarked)
            return;
        world->record(std::make_unique<PActionGroup>(*world, *shapes));
    }
    else
    {
        std::vector<PBase*> groups;
        for (PBase* object : *shapes)
            if (object->classId() == PClass::group && object->hasFlag(PFlag::selected))
                groups.push_back(object);
        if (groups.empty())
            return;
        // Several groups dissolved by one click come back by one undo.
        auto compound = std::make_unique<PActions>(*world, "Action.Ungroup");
        for (PBase* marked : groups)
            compound->add(std::make_unique<PActionUngroup>(*world, *shapes, marked));
        world->record(std::move(compound));
    }
    broadcast(PNotify::modeChanged);
    canvas->repaint();
}

void PSidePane::rename(PItem* item, const PEdit& field)
{
    if (world == nullptr || item == nullptr || field.text == item->name)
        return;
    // The field reports every key; one name typed is one step, so keys go into the last rename
    // while it is still the newest step and names the same item.
    const int steps = world->undoList.size();
    auto* last = steps > 0 ? dynamic_cast<PActionProperty<PName>*>(world->undoList.get<PBase>(steps - 1)) : nullptr;
    if (last != nullptr && last == lastRename && last->target == item && world->redoList.isEmpty())
    {
        last->after = field.text;
        item->name = field.text;
        item->invalidate();
        if (PComic* open = comic())
            open->modified = true;
        world->broadcast(PNotify::itemList);
        return;
    }
    auto step = std::make_unique<PActionProperty<PName>>(*world, item, PProperties::string, item->name, field.text);
    lastRename = step.get();
    world->record(std::move(step));
}

PArray* PSidePane::shownList() const
{
    return canvas != nullptr ? canvas->shownList() : nullptr;
}

void PSidePane::clearMarks()
{
    if (PArray* shapes = shownList())
        for (PBase* object : *shapes)
            object->setFlag(PFlag::selected, false);
    if (canvas != nullptr)
        canvas->repaint();
}
