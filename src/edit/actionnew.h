#pragma once

#include "edit/listaction.h"

/** A new page, layer, clip, decor or any other new item added to a list; or, as PActionDel, an
    item deleted from its list. A page, layer, clip or decor without a name is named after its
    kind and its number in the list; an item whose index is set goes there, any other is
    appended. Making an item switches the lock off. */
class PActionNew : public PListAction
{
public:
    PActionNew(PWorld& world, PArray& list, std::unique_ptr<PBase> item);

    void name(PName& out) const override { nameFrom("Action.New", out); }

protected:
    /** Deletes item, which stands in list; the action keeps it until the history forgets it. */
    PActionNew(PWorld& world, PArray& list, PBase* item);

    void apply(bool redo) override;
    void revert() override;

private:
    void make(bool again);
    void unmake();
    void remove();
    void restore();
    void nameItem();
    bool nameTaken(const juce::String& name) const;
    void placeItem();
    void releaseLock();

    bool makes = true;
};
