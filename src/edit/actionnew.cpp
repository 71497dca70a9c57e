#include "edit/actionnew.h"

#include "edit/world.h"
#include "model/array.h"
#include "model/item.h"
#include "model/translate.h"

PActionNew::PActionNew(PWorld& w, PArray& l, PBase* item) : PListAction(w, l, nullptr, item, true) {}

void PActionNew::nameItem()
{
    auto* item = dynamic_cast<PItem*>(object);
    if (item == nullptr || !item->name.isEmpty())
        return;
    const auto id = item->classId();
    if (id != PClass::page && id != PClass::layer && id != PClass::clip && id != PClass::decor)
        return;
    item->name.assign(::translate("Target." + juce::String(id)) + " " + juce::String(list.size() + 1));
}

void PActionNew::placeItem()
{
    auto* item = dynamic_cast<PItem*>(object);
    if (item == nullptr || item->index < 0)
    {
        if (item != nullptr)
            item->index = list.size();
        position = list.size();
    }
    else
        position = item->index;
    putBack();
}

void PActionNew::apply(bool redo)
{
    if (!owned)
        return;
    if (redo)
    {
        putBack();
        notify(PNotify::itemList);
    }
    else
    {
        nameItem();
        placeItem();
    }
    makeCurrent();
    notify(PNotify::selection);
    releaseLock();
}

void PActionNew::revert()
{
    if (!takeOut())
        return;
    notify(PNotify::geometry);
    notify(PNotify::itemList);
    releaseLock();
}

void PActionNew::releaseLock()
{
    if (!world.lockFlag)
        return;
    world.lockFlag = false;
    world.broadcast(PNotify::switchChanged, this);
}
