#pragma once

/** What a pane asks of the program as a whole. The root of a window's pane tree answers (the
    content pane); a tree without such a root, as in a dialog of its own or a test, asks nobody.
    A request is a call to the one who can answer it, not news for every pane. */
class PRequests
{
public:
    virtual ~PRequests() = default;

    /** Saves every changed comic; a failure is told to the user with its file and reason. */
    virtual void requestSave() = 0;
    virtual void requestUndo() = 0;
    virtual void requestRedo() = 0;
    /** Shows the help pane. */
    virtual void requestHelp() = 0;
    /** Makes the page before (step -1) or after (step 1) the current one current. */
    virtual void requestPageStep(int step) = 0;
};
