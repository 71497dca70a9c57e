#pragma once

#include "edit/context.h"
#include "edit/notifier.h"
#include "model/name.h"

class PWorld;

/** One undoable change. A creator fills in the before and after states and hands it to the
    world's record, which performs it and keeps it on its undo list. The action also remembers the edit context of
    the moment it was made, and undo and redo put that context back so the user sees the change.

    Concrete actions override apply and revert only; perform and undo wrap them with the steps
    every action shares (the comic's modified mark, the context, the notifications). */
class PAction : public PContext
{
public:
    static constexpr uint16_t actionClass = 10;

    explicit PAction(PWorld& world);

    uint16_t classId() const override { return actionClass; }

    /** The translated display name of the action; empty for the plain action. */
    virtual void name(PName& out) const;
    /** Runs the change: the first time with redo false, from the redo list with redo true. */
    virtual void perform(bool redo);
    /** Takes the change as done when its creator already wrote the after state into the document
        (a drag does so as the mouse moves): marks the comic and settles, without applying again.
        With no comic to act on, the before state goes back, as perform would have left it. */
    void performApplied();
    /** Takes the change back and returns the user's context to where it was made. */
    virtual void undo();

    /** Whether the action changes object when done or undone (besides its context). */
    virtual bool changes(const PBase* object) const
    {
        (void) object;
        return false;
    }

    /** Tells the panes, unless the action is quiet. */
    void notify(PNotify code);

    PWorld& world;
    bool quiet = false;
    bool done = false;

protected:
    virtual void apply(bool redo) { (void) redo; }
    virtual void revert() {}
    /** What apply does besides writing the after state: dropping cached geometry, telling the panes. */
    virtual void settle() {}
    /** True when revert must run before the context is restored. */
    virtual bool revertBeforeContext() const { return false; }

    /** Writes the translation of key into out. */
    static void nameFrom(const char* key, PName& out);
    /** The world's live context, which the panes and the canvas read. */
    PContext& live() const;

private:
    /** Marks the action's comic modified; false when the action has no comic to act on. */
    bool touchComic() const;
    void broadcastContextChange(bool targetsDiffer, bool modeDiffers);
};
