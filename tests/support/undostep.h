#pragma once

// The check every editing control owes the user: what it changes is one step of the history,
// undo gives back the comic as it was saved before, and redo the comic as the change left it.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "edit/world.h"
#include "support/testfiles.h"

/** Runs change on a comic of world and checks that it added `steps` undo entries (one unless
    said), that undoing them restores the saved bytes of before and that redoing them gives
    the bytes the change made. */
inline void expectUndoStep(PWorld& world, PComic& comic, const std::function<void()>& change,
                           const std::string& what = "", int steps = 1)
{
    SCOPED_TRACE(what);
    const auto before = savedBytes(comic);
    const int history = world.undoList.size();
    change();
    ASSERT_EQ(world.undoList.size(), history + steps);
    const auto after = savedBytes(comic);
    EXPECT_NE(after, before);
    for (int i = 0; i < steps; ++i)
        world.undo();
    EXPECT_EQ(savedBytes(comic), before);
    for (int i = 0; i < steps; ++i)
        world.redo();
    EXPECT_EQ(savedBytes(comic), after);
}
