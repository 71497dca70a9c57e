#pragma once

#include <memory>

#include "edit/listaction.h"

/** An object cut from its list onto the world's clipboard. The clipboard entry of its kind that
    it replaces is kept by the action, so that undo can put it back. */
class PActionCut : public PListAction
{
public:
    /** owner: the curve, panel or brush whose points the list is, or null. */
    PActionCut(PWorld& world, PArray& list, PBase* object, PBase* owner = nullptr);

    void name(PName& out) const override { nameFrom("Action.Cut", out); }

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    /** Read once: the object may be gone by the time an undo asks. */
    uint16_t kind = 0;
    /** Whether the object is on the clipboard by this cut, which then keeps the entry it
        replaced (none when the clipboard held none). */
    bool stored = false;
    std::unique_ptr<PBase> previous;
};
