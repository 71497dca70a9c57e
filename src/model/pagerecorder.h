#pragma once

class PComic;
class PPage;

/** The undo history as a comic sees it: the comic prepares a new page and hands it over, and
    the editing session adds it as one undoable step. Lets the model add pages without knowing
    the editing layer. */
class PPageRecorder
{
public:
    virtual ~PPageRecorder() = default;

    /** Takes ownership of page and adds it to the comic's pages as an undoable step. */
    virtual void recordNewPage(PComic& comic, PPage* page) = 0;
};
