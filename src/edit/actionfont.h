#pragma once

#include "edit/action.h"
#include "model/fontspec.h"

/** A new font for a text shape. */
class PActionFont : public PAction
{
public:
    PActionFont(PWorld& world, PBase* target, const PFontSpec& newFont, const PFontSpec& oldFont);

    void name(PName& out) const override { nameFrom("Action.Font", out); }

    PBase* target = nullptr;
    PFontSpec newFont, oldFont;

protected:
    void apply(bool) override { write(newFont); }
    void revert() override { write(oldFont); }

private:
    void write(const PFontSpec& font);
};
