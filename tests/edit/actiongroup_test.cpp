#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "../support/tolerance.h"
#include "edit/actiongroup.h"
#include "edit/actionshade.h"
#include "edit/actionungroup.h"
#include "model/shade.h"

TEST(ActionGroup, MarkedGroupsGiveTheirMembersSoGroupsNeverNest)
{
    TestDocument d;
    PShape* inner0 = d.group->childAt(0);
    d.group->x = 3;
    d.group->y = 1;
    d.group->flags |= PFlag::selected;
    d.curve->flags |= PFlag::selected;
    const auto before = d.bytes();
    const int top = d.layer->shapes.size() - 2;
    d.world.record(std::make_unique<PActionGroup>(d.world, d.layer->shapes));

    ASSERT_EQ(d.layer->shapes.size(), top + 1); // the new group on top of the others
    auto* made = dynamic_cast<PGroup*>(d.layer->shapeAt(top));
    ASSERT_NE(made, nullptr);
    ASSERT_EQ(made->children.size(), 3);
    EXPECT_EQ(made->childAt(0), d.curve);
    EXPECT_EQ(made->childAt(1), inner0);
    for (auto* child : made->children)
        EXPECT_NE(child->classId(), PClass::group);
    EXPECT_TRUE(isNear(made->x + inner0->x, 3)); // still drawn where it was
    EXPECT_EQ(d.world.context.target(PClass::group), made);

    d.world.undo();
    EXPECT_EQ(d.bytes(), before);
    d.world.redo();
    EXPECT_EQ(d.layer->shapeAt(top), made);
    d.world.undo();
    d.world.clearHistory(); // the unused new group goes with the action
}

TEST(ActionUngroup, MembersTakeTheGroupsPlaceWhereTheyWereDrawn)
{
    TestDocument d;
    d.group->x = 2;
    d.group->rotation = 1.5707964f;
    d.group->scaleX = d.group->scaleY = 2;
    PShape* first = d.group->childAt(0);
    first->x = 1;
    const auto before = d.bytes();
    const int at = d.layer->shapes.indexOf(d.group), shapes = d.layer->shapes.size();
    d.world.record(std::make_unique<PActionUngroup>(d.world, d.layer->shapes, d.group));
    EXPECT_EQ(d.layer->shapes.size(), shapes + 1);
    EXPECT_EQ(d.layer->shapeAt(at), first);
    EXPECT_TRUE(isNear(first->x, 2));
    EXPECT_TRUE(isNear(first->y, 2));
    EXPECT_TRUE(isNear(first->scaleX, 2));
    d.world.undo();
    EXPECT_EQ(d.bytes(), before);
    d.world.redo();
}

TEST(ActionShade, ReplacementsNeverChain)
{
    TestDocument d;
    PArray shades;
    const uint32_t white = 0xFF0000FFu, blue = 0xFF1020FFu, red = 0xFF5566AAu;
    shades.append(new PShade(blue, red));
    shades.append(new PShade(red, white));
    shades.append(new PShade(0xFF000000u, 0xFF000000u));
    d.world.record(std::make_unique<PActionShade>(d.world, d.group, shades));
    shades.deleteAll();
    EXPECT_EQ(static_cast<PCurve*>(d.group->childAt(1))->fillColour, red);
    d.world.undo();
    EXPECT_EQ(static_cast<PCurve*>(d.group->childAt(1))->fillColour, blue);
}
