#pragma once

#include "edit/listaction.h"

/** An object inserted into a list at a position: a control point into its curve, a pasted shape
    into its layer; or, as PActionRemove, taken out of its list. The curve, panel or brush that
    owns the list derives its geometry again. */
class PActionInsert : public PListAction
{
public:
    /** An index outside the list appends. */
    PActionInsert(PWorld& world, PArray& list, PBase* owner, std::unique_ptr<PBase> object, int index);

    void name(PName& out) const override { nameFrom("Action.Insert", out); }

protected:
    /** Takes object, which stands in list, out of it. */
    PActionInsert(PWorld& world, PArray& list, PBase* owner, PBase* object);

    void apply(bool redo) override;
    void revert() override;

private:
    /** Puts the object in; only an insert made current what it put. */
    void enter(bool makeItCurrent);
    void leave();

    bool inserts = true;
};
