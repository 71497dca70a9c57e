#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "edit/context.h"

TEST(ContextTargets, MatchTheClassOfTheSlot)
{
    TestDocument d;
    const PContext& c = d.world.context;
    EXPECT_EQ(c.target(PClass::comic), d.comic);
    EXPECT_EQ(c.target(PClass::project), d.comic);
    EXPECT_EQ(c.target(PClass::shape), d.curve);
    EXPECT_EQ(c.target(PClass::curve), d.curve);
    EXPECT_EQ(c.target(PClass::text), nullptr); // the shape slot holds a curve
    EXPECT_EQ(c.pointOwner(), d.curve);
    EXPECT_EQ(c.container(), d.layer);
}

TEST(ContextTargets, SetTargetEmptiesDeeperSlotsAndMovesMarks)
{
    TestDocument d;
    PContext& c = d.world.context;
    auto* second = d.comic->pages.get<PPage>(1);
    EXPECT_TRUE(d.curve->hasFlag(PFlag::current));
    c.setTarget(second, PClass::page);
    EXPECT_EQ(c.target(PClass::page), second);
    EXPECT_EQ(c.target(PClass::panel), nullptr);
    EXPECT_EQ(c.target(PClass::shape), nullptr);
    for (PBase* old : std::initializer_list<PBase*>{d.page, d.panel, d.layer, d.curve})
        EXPECT_FALSE(old->hasFlag(PFlag::current));
    EXPECT_TRUE(second->hasFlag(PFlag::current));
    EXPECT_EQ(PContext::rememberedPosition(PClass::page), 1);

    c.setTarget(nullptr, PClass::page);
    EXPECT_EQ(c.target(PClass::page), nullptr);
    EXPECT_FALSE(second->hasFlag(PFlag::current));
    c.setTarget(d.page, PClass::clip); // no clip slot in layer mode
    EXPECT_FALSE(d.page->hasFlag(PFlag::current));
    PContext::forgetPositions();
}

TEST(ContextCopies, CopyKeepsMarksAndAssignMovesThem)
{
    TestDocument d;
    PContext copy;
    copy.viewScale = 3;
    copy.fitFactor = 7;
    copy.copyFrom(&d.world.context);
    EXPECT_TRUE(copy.sameTargets(d.world.context));
    EXPECT_EQ(copy.viewScale, 1);
    EXPECT_EQ(copy.fitFactor, 7); // the live fit never travels with a copy
    copy.setTarget(d.text, PClass::text);
    EXPECT_FALSE(d.curve->hasFlag(PFlag::current)); // the copy cleared the shared mark
    d.curve->flags |= PFlag::current;

    d.world.context.assign(copy);
    EXPECT_EQ(d.world.context.target(PClass::text), d.text);
    EXPECT_FALSE(d.curve->hasFlag(PFlag::current));
    EXPECT_TRUE(d.text->hasFlag(PFlag::current));
    d.world.context.clear();
    EXPECT_FALSE(d.text->hasFlag(PFlag::current));
    EXPECT_FALSE(d.comic->hasFlag(PFlag::current));
}

TEST(ContextChains, StartWhereTheLastChainOfTheModeStood)
{
    PContext::forgetPositions();
    TestDocument d;
    auto* second = d.comic->pages.get<PPage>(1);
    auto* clipB = new PClip();
    d.comic->clips.append(clipB);
    PContext c;
    c.mode = PPaneKind::pages;
    c.setTarget(d.comic, PClass::comic);
    c.setTarget(second, PClass::page);
    c.mode = PPaneKind::clips;
    c.setTarget(clipB, PClass::clip);

    c.startChain(d.comic, PPaneKind::pages);
    EXPECT_EQ(c.target(PClass::page), second);
    c.startChain(d.comic, PPaneKind::clips);
    EXPECT_EQ(c.target(PClass::clip), clipB);
    d.comic->pages.remove(second);
    delete second;
    c.startChain(d.comic, PPaneKind::layers); // position 1 no longer exists: the last page
    EXPECT_EQ(c.target(PClass::page), d.page);
    EXPECT_EQ(c.target(PClass::layer), d.layer);
    c.clear();
    PContext::forgetPositions();
}
