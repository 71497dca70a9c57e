#pragma once

#include "edit/action.h"

/** A new fill or line colour of a panel, curve or brush, or a new text colour. Groups are
    re-coloured by shading instead, so the action leaves every other class alone. */
class PActionColor : public PAction
{
public:
    PActionColor(PWorld& world, PBase* target, uint32_t newColour, uint32_t oldColour, bool fill);

    void name(PName& out) const override { nameFrom("Action.Color", out); }

    PBase* target = nullptr;
    uint32_t newColour = 0, oldColour = 0;
    bool fill = false;

protected:
    void apply(bool) override { paint(newColour); }
    void revert() override { paint(oldColour); }

private:
    void paint(uint32_t colour);
};
