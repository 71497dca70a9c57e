#pragma once

#include "edit/action.h"

/** An action that writes one of two recorded sets of values into its target: after when done,
    before when undone. Values::applyTo(Target&) writes a set; settle, which a subclass gives,
    says what else the change needs. A null target makes the action do nothing.

        struct Values { float x, y; void applyTo(PPoint& point) const; };
        class PActionPoint : public PValueAction<PPoint, Values> { void settle() override; };
*/
template <class Target, class Values> class PValueAction : public PAction
{
public:
    PValueAction(PWorld& session, Target* changed, const Values& valuesBefore, const Values& valuesAfter)
        : PAction(session), target(changed), before(valuesBefore), after(valuesAfter)
    {
    }

    Target* target = nullptr;
    Values before, after;

protected:
    void apply(bool) override { place(after); }
    void revert() override { place(before); }

private:
    void place(const Values& values)
    {
        if (target == nullptr)
            return;
        values.applyTo(*target);
        settle();
    }
};
