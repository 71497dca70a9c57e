#include "edit/actionnew.h"

#include "edit/world.h"
#include "model/array.h"
#include "model/item.h"
#include "model/translate.h"

PActionNew::PActionNew(PWorld& w, PArray& l, std::unique_ptr<PBase> item) : PListAction(w, l, nullptr, std::move(item))
{
}

PActionNew::PActionNew(PWorld& w, PArray& l, PBase* item) : PListAction(w, l, nullptr, item), makes(false) {}

void PActionNew::nameItem()
{
    auto* item = dynamic_cast<PItem*>(object);
    if (item == nullptr || !item->name.isEmpty())
        return;
    const auto id = item->classId();
    if (id != PClass::page && id != PClass::layer && id != PClass::clip && id != PClass::decor)
        return;
    // The number after the last row, or the next one free: after a cut, "Page 300" may still be there.
    const juce::String stem = ::translate("Target." + juce::String(id)) + " ";
    for (int number = list.size() + 1;; ++number)
    {
        const juce::String candidate = stem + juce::String(number);
        if (!nameTaken(candidate))
        {
            item->name.assign(candidate);
            return;
        }
    }
}

bool PActionNew::nameTaken(const juce::String& name) const
{
    for (PBase* element : list)
        if (auto* other = dynamic_cast<PItem*>(element); other != nullptr && other->name.toString() == name)
            return true;
    return false;
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
    if (makes)
        make(redo);
    else
        remove();
}

void PActionNew::revert()
{
    if (makes)
        unmake();
    else
        restore();
}

void PActionNew::make(bool again)
{
    if (held == nullptr)
        return;
    if (again)
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

void PActionNew::unmake()
{
    if (!takeOut())
        return;
    notify(PNotify::geometry);
    notify(PNotify::itemList);
    releaseLock();
}

void PActionNew::remove()
{
    if (!takeOut())
        return;
    forgetInLive();
    notify(PNotify::selection);
}

void PActionNew::restore()
{
    // Back where it stood, not at its stored index: that may be stale, and the undo must restore the list exactly.
    if (putBack())
        notify(PNotify::selection);
}

void PActionNew::releaseLock()
{
    if (!world.lockFlag)
        return;
    world.lockFlag = false;
    world.broadcast(PNotify::switchChanged, this);
}
