#pragma once

#include <memory>

#include "edit/action.h"

class PArray;

/** Base of the actions that put an object into a list or take it out (new, delete, insert,
    remove, cut). The action holds the object exactly while the object is in no list and on no
    clipboard, and deletes it with itself in that state only. */
class PListAction : public PAction
{
public:
    /** For an object that stands in list. owner is the object whose geometry depends on the list
        (a curve for its points), or null; for a point without one the shape of the point's chain
        is taken. */
    PListAction(PWorld& world, PArray& list, PBase* owner, PBase* object);
    /** For an object that is to go into list. */
    PListAction(PWorld& world, PArray& list, PBase* owner, std::unique_ptr<PBase> object);

    PArray& list;
    PBase* owner = nullptr;
    PBase* object = nullptr;
    /** Where the object stands in the list while it is there. */
    int position = -1;
    /** The object while it is in no list and on no clipboard. */
    std::unique_ptr<PBase> held;

protected:
    /** Puts the held object into the list at position; false when none is held. */
    bool putBack();
    /** Takes the object out of the list, remembering its position; false when it is not there. */
    bool takeOut();
    /** Lets a curve, panel or brush that owns the list derive its geometry again. */
    void invalidateOwner();
    /** Empties the live context from the object's slot down when the object is in it. */
    void forgetInLive();
    void makeCurrent();
};
