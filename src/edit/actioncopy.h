#pragma once

#include <memory>

#include "edit/action.h"

/** A copy of an object put on the world's clipboard; the document does not change. The entry it
    replaces is kept by the action for undo. */
class PActionCopy : public PAction
{
public:
    PActionCopy(PWorld& world, PBase* object);

    void name(PName& out) const override { nameFrom("Action.Copy", out); }

    PBase* object = nullptr;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    uint16_t kind = 0;
    /** The copy this action put on the clipboard, which the clipboard owns. */
    PBase* copy = nullptr;
    /** Whether the copy was made, and the entry it replaced (none when the clipboard held none). */
    bool stored = false;
    std::unique_ptr<PBase> previous;
};
