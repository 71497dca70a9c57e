#pragma once

#include <memory>

#include "edit/action.h"

class PBrush;
class PClip;

/** A new pattern clip for a brush stroke, or none. The action holds whichever pattern is not on
    the brush at the moment: the new one before it is applied, the old one after. */
class PActionPattern : public PAction
{
public:
    /** A null newPattern removes the pattern. */
    PActionPattern(PWorld& world, PBase* brush, std::unique_ptr<PClip> newPattern);
    ~PActionPattern() override;

    void name(PName& out) const override { nameFrom("Action.Pattern", out); }

    PBrush* brush = nullptr;

protected:
    void apply(bool) override { exchange(); }
    void revert() override { exchange(); }

private:
    void exchange();

    std::unique_ptr<PClip> spare;
};
