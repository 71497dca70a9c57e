#pragma once

#include "edit/actiondeform.h"

/** The deformation mode of a decor's group, which starts the new mode from an undeformed grid. */
class PActionDeformMode : public PAction
{
public:
    /** target: a decor or the decor's content group; anything else is left alone. */
    PActionDeformMode(PWorld& world, PBase* target, uint16_t modeBefore, uint16_t modeAfter);

    void name(PName& out) const override { nameFrom("Action.Deform", out); }

    PBase* target = nullptr;
    uint16_t before = 0, after = 0;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    /** The group whose mode is set; a decor without content gets an empty group. */
    PGroup* deformGroup(bool make);

    PDeformGrids gridsBefore;
    bool madeContent = false;
};
