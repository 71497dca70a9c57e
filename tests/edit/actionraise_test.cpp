#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "../support/testshapes.h"
#include "edit/actionlower.h"

namespace
{
/** A stack of shapes named a, b, c ... bottom first, each with the bounds given. */
struct Stack
{
    explicit Stack(std::initializer_list<PRect> rects)
    {
        for (const auto& r : rects)
            list.append(new TestShape(false, r));
        original.assign(list.begin(), list.end());
    }
    ~Stack() { list.deleteAll(); }

    std::string order(const PArray& shapes) const
    {
        std::string out;
        for (auto* shape : shapes)
        {
            const auto at = std::find(original.begin(), original.end(), shape);
            out += static_cast<char>('a' + (at - original.begin()));
        }
        return out;
    }

    PArray list;
    std::vector<PBase*> original;
};

PRect box(float left)
{
    return PRect::of(left, 0, left + 1, 1);
}
} // namespace

TEST(ActionRaise, FollowsTheOverlapRule)
{
    struct Row
    {
        int shape;
        bool raise, toEnd;
        const char* expected;
    };
    // a and d overlap (same box); b, c and e lie apart from everything.
    const Row rows[] = {
        {0, true, false, "bcdae"}, {0, true, true, "bcdea"},  {3, false, false, "dabce"}, {3, false, true, "dabce"},
        {1, true, false, "acdeb"}, {4, true, false, "abcde"}, {0, false, false, "abcde"}, {2, false, true, "cabde"},
    };
    for (const auto& row : rows)
    {
        TestDocument d;
        Stack stack{box(0), box(10), box(20), box(0.5f), box(40)};
        PBase* shape = stack.list.at(row.shape);
        if (row.raise)
            d.world.record(std::make_unique<PActionRaise>(d.world, stack.list, shape, row.toEnd));
        else
            d.world.record(std::make_unique<PActionLower>(d.world, stack.list, shape, row.toEnd));
        EXPECT_EQ(stack.order(stack.list), row.expected) << row.shape << row.raise << row.toEnd;
        d.world.undo();
        EXPECT_EQ(stack.order(stack.list), "abcde");
        d.world.redo();
        EXPECT_EQ(stack.order(stack.list), row.expected);
        d.world.clearHistory();
    }
}

TEST(ActionRaise, UndoReturnsPastOverlappingShapes)
{
    // Raising a passes b and stops after c; lowering by the rule from there would stop after c.
    TestDocument d;
    Stack stack{box(0), box(10), box(0.5f), box(0.2f)};
    d.world.record(std::make_unique<PActionRaise>(d.world, stack.list, stack.list.at(0)));
    EXPECT_EQ(stack.order(stack.list), "bcad");
    d.world.undo();
    EXPECT_EQ(stack.order(stack.list), "abcd");
    d.world.clearHistory();
}

TEST(ActionRaise, RedoPutsTheShapeWhereTheStepPutItThoughTheBoundsChanged)
{
    // Lowering d passes c and stops under b, which it overlaps; by redo time b has moved away.
    TestDocument d;
    Stack stack{box(0), box(0.5f), box(10), box(0.2f)};
    d.world.record(std::make_unique<PActionLower>(d.world, stack.list, stack.list.at(3)));
    EXPECT_EQ(stack.order(stack.list), "adbc");
    d.world.undo();
    static_cast<TestShape*>(stack.original[1])->bounds = box(30);
    d.world.redo();
    EXPECT_EQ(stack.order(stack.list), "adbc");
    d.world.clearHistory();
}

TEST(ActionRaise, AnnouncesAFreshFrameInDecorMode)
{
    TestDocument d;
    Stack stack{box(0), box(0)};
    d.world.context.mode = PPaneKind::decor;
    d.world.context.setTarget(d.comic, PClass::comic);
    d.world.record(std::make_unique<PActionLower>(d.world, stack.list, stack.list.at(1)));
    EXPECT_EQ(d.notes.take(), std::vector<PNotify>{PNotify::highQualityFrame});
    d.world.clearHistory();
}
