#include "ui/librarypane.h"

#include <algorithm>

#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/actionnew.h"
#include "edit/actionresize.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/item.h"
#include "model/option.h"
#include "ui/command.h"
#include "ui/popup.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/list.h"
#include "ui/widgets/number.h"

namespace
{
constexpr int tabWidth = 2, firstTabColumn = 1;
const char* const groupKeys[PLibraryPane::groupCount] = {"Popup.Group1", "Popup.Group2", "Popup.Group3", "Popup.Group4",
                                                         "Popup.Group5"};
} // namespace

PLibraryPane::PLibraryPane(PPane* parentPane, int gx, int gy, int gw, int gh, PPaneKind mode, uint16_t classOfItems,
                           const char* titleKey, const char* labelKey)
    : PSidePane(parentPane, gx, gy, gw, gh, mode), itemClass(classOfItems)
{
    addTitle(titleKey, PPopup::Kind::clipPopup, classOfItems);
    for (int i = 0; i < groupCount; ++i)
    {
        auto* tab = groupTabs[static_cast<size_t>(i)] =
            new PButton(this, firstTabColumn + i * tabWidth, 1, tabWidth, 0);
        tab->setText(juce::String(i + 1));
        tab->setTooltip(groupKeys[i]);
        if (i > 0)
            tab->joinRing(*groupTabs[0]);
    }
    groupTabs[0]->setOn(true);
    list = new PList(this, 0, listTop, -1, listRows);
    (new PLabel(this, 0, labelRow, -1, 0))->setText(labelKey);
    (new PLabel(this, 0, nameRow, labelWidth, 0))->setText("Field.Name");
    nameField = new PEdit(this, labelWidth, nameRow, -1, 0);
    (new PLabel(this, 0, sizeRow, labelWidth, 0))->setText("Field.Size");
    sizeNumber = new PNumber(this, labelWidth, sizeRow, fieldWidth, 0, PNumber::Kind::size);
    sizeUnit = new PLabel(this, labelWidth + fieldWidth, sizeRow, -1, 0);
    sizeUnit->setText("Text.cm");
}

PLibraryPane::~PLibraryPane() = default;

void PLibraryPane::setWorld(PWorld* session, PCanvas2* pageCanvas)
{
    PSidePane::setWorld(session, pageCanvas);
    refresh();
}

PItem* PLibraryPane::currentItem() const
{
    return world != nullptr ? static_cast<PItem*>(world->context.target(itemClass)) : nullptr;
}

PArray* PLibraryPane::itemList() const
{
    PComic* open = comic();
    if (open == nullptr)
        return nullptr;
    return itemClass == PClass::clip ? &open->clips : &open->decor;
}

int PLibraryPane::groupOf(const PItem& item)
{
    return item.tag < groupCount ? item.tag : 0;
}

std::vector<PItem*> PLibraryPane::itemsOfGroup(int group) const
{
    std::vector<PItem*> rows;
    if (const PArray* all = itemList())
        for (PBase* object : *all)
            if (auto* item = dynamic_cast<PItem*>(object); item != nullptr && groupOf(*item) == group)
                rows.push_back(item);
    return rows;
}

void PLibraryPane::refresh()
{
    PComic* comicNow = comic();
    PItem* itemNow = currentItem();
    const bool itemChanged = itemNow != shownItem || comicNow != shownComic;
    // A new current item brings its group along, so that the list always holds what the canvas edits.
    if (itemNow != nullptr && itemChanged)
        shownGroup = groupOf(*itemNow);
    // The rows are listed afresh every time: items come and go through undo as well as through this pane.
    list->quiet = true;
    list->setItems(itemsOfGroup(shownGroup));
    list->selectItem(itemNow);
    list->quiet = false;
    if (auto* c = list->getComponent())
        c->repaint();
    groupTabs[static_cast<size_t>(shownGroup)]->setOn(true);
    showValues(itemNow, itemChanged);
    shownComic = comicNow;
    shownItem = itemNow;
    showMode();
}

void PLibraryPane::showValues(PItem* item, bool itemChanged)
{
    // Typing renames the item on every key; writing the same name back would move the caret.
    if (itemChanged || (item != nullptr && !(nameField->text == item->name)))
        nameField->setValue(item != nullptr ? item->name.toString() : juce::String());
    const POption* o = getOptions();
    const bool inches = o != nullptr && o->useInch;
    sizeNumber->inches = inches;
    if (item != nullptr)
        sizeNumber->setValue(sizeOf(*item));
    sizeUnit->setText(inches ? "Text.in" : "Text.cm");
    nameField->setEnabled(item != nullptr);
    sizeNumber->setEnabled(item != nullptr);
    showExtras(item);
}

void PLibraryPane::showGroup(int group)
{
    shownGroup = std::clamp(group, 0, groupCount - 1);
    PItem* item = currentItem();
    // The canvas shows the current item: leaving it current under another group would show artwork
    // that the list does not.
    if (comic() != nullptr && (item == nullptr || groupOf(*item) != shownGroup))
    {
        const auto rows = itemsOfGroup(shownGroup);
        PItem* first = rows.empty() ? nullptr : rows.front();
        if (first != item)
        {
            world->context.setTarget(first, itemClass);
            broadcast(PNotify::selection);
        }
    }
    refresh();
}

void PLibraryPane::onClick(PWidget* source)
{
    for (int i = 0; i < groupCount; ++i)
        if (source == groupTabs[static_cast<size_t>(i)])
        {
            showGroup(i);
            return;
        }
    PSidePane::onClick(source);
}

void PLibraryPane::onChange(PWidget* source)
{
    PItem* item = currentItem();
    if (source == nameField)
        rename(item, *nameField);
    else if (source == sizeNumber && item != nullptr)
    {
        const float before = sizeOf(*item), after = sizeNumber->getValue();
        if (after != before)
            world->record(std::make_unique<PActionResize>(*world, item, before, after));
    }
    else
        (void) runCommand(source);
}

void PLibraryPane::onSelect(PWidget* source)
{
    if (source != list || world == nullptr)
        return;
    PItem* chosen = list->selectedItem();
    if (chosen == nullptr || chosen == currentItem())
        return;
    world->context.setTarget(chosen, itemClass);
    broadcast(PNotify::selection);
}

void PLibraryPane::updateMenu()
{
    const bool open = comic() != nullptr, withItem = open && currentItem() != nullptr;
    menu->setEnabled(PCommand::create, open);
    menu->setEnabled(PCommand::import, open);
    menu->setEnabled(PCommand::paste, open && world->clipboardEntry(itemClass) != nullptr);
    for (PCommand code : {PCommand::cut, PCommand::copy, PCommand::group1, PCommand::group2, PCommand::group3,
                          PCommand::group4, PCommand::group5})
        menu->setEnabled(code, withItem);
    menu->rebuild();
}

void PLibraryPane::onMenu(PCommand code)
{
    PComic* open = comic();
    if (world == nullptr || open == nullptr)
        return;
    const auto copyOf = [this](const PBase* source)
    { return source != nullptr && source->classId() == itemClass ? static_cast<PItem*>(source->clone()) : nullptr; };
    switch (code)
    {
    case PCommand::create: addItem(makeItem(*open)); return;
    case PCommand::import: addItem(copyOf(chooseItem != nullptr ? chooseItem() : nullptr)); return;
    case PCommand::paste: addItem(copyOf(world->clipboardEntry(itemClass))); return;
    default: break;
    }
    PItem* item = currentItem();
    if (item == nullptr)
        return;
    if (code == PCommand::cut)
        // The cut takes the item's selected shape out of the live context with it; undo brings both back.
        world->record(std::make_unique<PActionCut>(*world, *itemList(), item));
    else if (code == PCommand::copy)
        world->record(std::make_unique<PActionCopy>(*world, item));
    else if (const int group = groupOfCommand(code); group >= 0)
        moveToGroup(*item, group);
    refresh();
}

void PLibraryPane::addItem(PItem* item)
{
    if (item == nullptr)
        return;
    item->tag = static_cast<uint16_t>(shownGroup);
    item->index = -1;
    // A new item is named after its kind and number; an imported or pasted one keeps its name.
    world->record(std::make_unique<PActionNew>(*world, *itemList(), std::unique_ptr<PBase>(item)));
    refresh();
}

void PLibraryPane::moveToGroup(PItem& item, int group)
{
    item.tag = static_cast<uint16_t>(group);
    item.invalidate();
    // The tag is saved with the comic, though moving an item between groups is no undo step.
    comic()->invalidate();
    shownGroup = group;
    refresh();
    broadcast(PNotify::itemList);
}

void PLibraryPane::onNotify(PNotify code)
{
    switch (code)
    {
    case PNotify::modeChanged:
    case PNotify::attribute:
    case PNotify::selection:
    case PNotify::itemList:
    case PNotify::rebuild: refresh(); break;
    default:
        if (code == paneShown(paneMode))
            refresh();
        break;
    }
}
