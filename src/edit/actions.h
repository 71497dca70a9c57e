#pragma once

#include "edit/action.h"
#include "model/array.h"

/** Several actions that the user takes as one step ("Action.Mirror", "Action.Panel"): performed
    in the order they were added and undone in reverse. */
class PActions : public PAction
{
public:
    PActions(PWorld& world, const char* nameKey);
    ~PActions() override;

    void name(PName& out) const override { out = storedName; }
    void perform(bool redo) override;
    void undo() override;
    bool changes(const PBase* object) const override;

    /** Appends a child, which the compound then owns; fill the list before recording. */
    void add(PAction* child);

    PArray children;
    PName storedName;
};
