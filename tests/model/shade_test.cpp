#include <gtest/gtest.h>

#include <memory>

#include "model/curve.h"
#include "model/shade.h"

TEST(ShadeMembers, CopySharesTheCurvesAndNeitherShadeOwnsThem)
{
    PCurve a, b;
    auto shade = std::make_unique<PShade>(PCurve::opaqueWhite, 0xFF000080);
    shade->flags = 0x3;
    shade->members.append(&a);
    shade->members.append(&b);

    std::unique_ptr<PShade> copy(static_cast<PShade*>(shade->clone()));
    EXPECT_EQ(copy->classId(), PClass::shade);
    EXPECT_EQ(copy->flags, 0x3u);
    EXPECT_EQ(copy->from, PCurve::opaqueWhite);
    EXPECT_EQ(copy->to, 0xFF000080u);
    ASSERT_EQ(copy->members.size(), 2);
    EXPECT_EQ(copy->members.at(1), &b);

    // Deleting the records must leave the curves, which live on the stack here, alone.
    shade.reset();
    copy.reset();
    EXPECT_EQ(a.fillColour, PCurve::opaqueWhite);
}
