#pragma once

#include "edit/action.h"

/** A copy of an object put on the world's clipboard; the document does not change. The entry it
    replaces is kept by the action for undo. */
class PActionCopy : public PAction
{
public:
    PActionCopy(PWorld& world, PBase* object);
    ~PActionCopy() override;

    void name(PName& out) const override { nameFrom("Action.Copy", out); }

    PBase* object = nullptr;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    uint16_t kind = 0;
    PBase* copy = nullptr;
    PBase* previous = nullptr;
    bool ownsPrevious = false;
};
