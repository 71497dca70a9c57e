#pragma once

#include "edit/action.h"

/** A new file name for an image, new content for a text, or a new name for a page, layer, clip or
    decor. */
class PActionString : public PAction
{
public:
    PActionString(PWorld& world, PBase* target, const PName& newText, const PName& oldText);

    void name(PName& out) const override;

    PBase* target = nullptr;
    PName newText, oldText;

protected:
    void apply(bool) override { write(newText); }
    void revert() override { write(oldText); }

private:
    void write(const PName& text);
};
