#include <gtest/gtest.h>

#include "../support/testshapes.h"
#include "model/group.h"
#include "model/layer.h"

TEST(LayerHits, TopmostFirstAndTheGroupBeforeItsChildren)
{
    // [A, G{B, C}], bottom first; G's bounds are the unit square.
    PLayer layer;
    auto* a = new TestShape(false, PRect::of(0, 0, 1, 1));
    auto* g = new PGroup();
    auto* b = new TestShape(true, PRect::of(0, 0, 1, 1));
    auto* c = new TestShape(true, PRect::of(0, 0, 1, 1));
    g->children.append(b);
    g->children.append(c);
    g->bounds = PRect::of(0, 0, 1, 1);
    layer.shapes.append(a);
    layer.shapes.append(g);

    struct Row
    {
        float x;
        bool aHit, bHit;
        std::vector<PBase*> expected;
    };
    const Row rows[] = {
        {0.5f, false, true, {g, c, b}},
        {1.0f, true, false, {g, c, a}}, // the edge of the group's bounds counts
        {3.0f, true, true, {a}},        // outside the group: its children are not asked
    };
    for (const auto& row : rows)
    {
        a->hit = row.aHit, b->hit = row.bHit;
        PArray out;
        layer.collectHits(row.x, 0.5f, 1, PEditMode::none, out);
        EXPECT_EQ(std::vector<PBase*>(out.begin(), out.end()), row.expected) << "x " << row.x;
        out.clear();
    }
    EXPECT_TRUE(a->slot == 0 && g->slot == 1 && b->slot == 0 && c->slot == 1);
}

TEST(LayerHits, CollectInsideTakesShapesWhoseBoundsFit)
{
    PLayer layer;
    auto* in = new TestShape(false, PRect::of(1, 1, 2, 2));
    auto* across = new TestShape(false, PRect::of(1, 1, 5, 2));
    auto* edge = new TestShape(false, PRect::of(0, 0, 3, 3));
    for (auto* s : {in, across, edge})
        layer.shapes.append(s);
    PArray out;
    layer.collectInside(PRect::of(0, 0, 3, 3), out);
    EXPECT_EQ(std::vector<PBase*>(out.begin(), out.end()), std::vector<PBase*>({edge, in}));
    EXPECT_EQ(across->slot, 1);
    out.clear();
}
