#pragma once

#include "edit/actionflag.h"

/** "Group.Clip": the frame switch of a group. Unlike other flags of a group it is the group's
    own: passed on to the members it would frame inner groups and, on an image, change how its
    file is found, so only the group's bit changes. */
class PActionFrame : public PActionFlag
{
public:
    PActionFrame(PWorld& world, PBase* group, bool newState, bool oldState);

protected:
    void apply(bool redo) override;
    void revert() override;

private:
    void write(bool on);
};
