#pragma once

#include <utility>
#include <vector>

#include "edit/action.h"

class PCurve;
class PGroup;

/** A group re-coloured through colour replacements: every closed curve and panel inside it
    whose fill matches a replacement's colour takes the replacement. Each member gets exactly its
    own old colour back on undo. */
class PActionShade : public PAction
{
public:
    /** shades: PShade pairs (from, to), copied; the first matching pair wins for each member. */
    PActionShade(PWorld& world, PBase* group, const PArray& shades);

    void name(PName& out) const override { nameFrom("Action.Shade", out); }

    PGroup* group = nullptr;
    std::vector<std::pair<uint32_t, uint32_t>> pairs;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    struct Recolour
    {
        PCurve* curve;
        uint32_t before, after;
    };

    void recolour(PGroup& g);

    std::vector<Recolour> changes;
};
