#pragma once

#include "testdocument.h"
#include "treenotifier.h"
#include "ui/canvas2.h"

/** The sample comic in a session, shown by a canvas in a side pane's mode: side panes are built
    on `root` beside it and hear the session through the tree. */
struct PaneDesk : TestDocument
{
    PPane root{52, 30, &options};
    PCanvas2* canvas = new PCanvas2(&root, 12, 0, -1, -1);
    TreeNotifier tree{root};

    explicit PaneDesk(PPaneKind sidePane)
    {
        world.notifier = &tree;
        if (sidePane != PPaneKind::layers)
            world.context.startChain(comic, sidePane);
        world.editMode = PEditMode::shape;
        canvas->setWorld(&world);
    }
    ~PaneDesk() { world.context.clear(); }
};
