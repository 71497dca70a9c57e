#pragma once

#include "edit/notifier.h"
#include "ui/widgets/pane.h"

/** Passes the session's notifications down the pane tree, as the content pane does. */
struct TreeNotifier : PNotifier
{
    explicit TreeNotifier(PPane& r) : root(r) {}
    void notify(PNotify code, PBase*) override { root.notifyTree(code); }
    PPane& root;
};
