#pragma once

#include "edit/actioninsert.h"

/** An object removed from a list, the reverse of PActionInsert: a point taken out of its curve,
    a shape out of its layer. The action keeps the object while it is out. */
class PActionRemove : public PActionInsert
{
public:
    PActionRemove(PWorld& session, PArray& shapes, PBase* listOwner, PBase* removed)
        : PActionInsert(session, shapes, listOwner, removed)
    {
    }

    void name(PName& out) const override { nameFrom("Action.Remove", out); }
};
