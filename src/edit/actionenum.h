#pragma once

#include "edit/actiondeform.h"

/** A choice from a list: the alignment of a text, or the deformation mode of a decor's group,
    which starts the new mode from an undeformed grid. */
class PActionEnum : public PAction
{
public:
    /** target: a text, a decor or the decor's content group. */
    PActionEnum(PWorld& world, PBase* target, uint16_t newValue, uint16_t oldValue);

    void name(PName& out) const override;

    PBase* target = nullptr;
    uint16_t newValue = 0, oldValue = 0;

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    /** The group whose mode is set; a decor without content gets an empty group. */
    PGroup* deformGroup(bool make);

    PActionDeform::Grids oldGrids;
    bool madeContent = false;
};
