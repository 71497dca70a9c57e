#pragma once

#include <memory>

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

    /** Appends a child; fill the list before recording. */
    void add(std::unique_ptr<PAction> child);

    PArray children;
    PName storedName;
};
