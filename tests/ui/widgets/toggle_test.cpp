#include <gtest/gtest.h>

#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/radio.h"
#include "ui/widgets/recorder.h"

namespace
{
struct Ring
{
    POption options;
    RecordingPane root{&options};
    PButton* a = named(new PButton(&root, 0, 0, 2, 0), "A");
    PButton* b = named(new PButton(&root, 2, 0, 2, 0), "B");
    PButton* c = named(new PButton(&root, 4, 0, 2, 0), "C");

    Ring()
    {
        b->joinRing(*a);
        c->joinRing(*a);
        a->setOn(true);
    }
    std::vector<bool> states() const { return {a->isOn(), b->isOn(), c->isOn()}; }
};

TEST(RadioRing, OneMemberIsLitAndOnlyAClickOnAnotherReports)
{
    Ring ring;
    click(*ring.a); // already lit: stays lit, says nothing
    EXPECT_EQ(ring.states(), (std::vector<bool>{true, false, false}));
    click(*ring.b);
    EXPECT_EQ(ring.states(), (std::vector<bool>{false, true, false}));
    ring.c->setOn(true); // quietly
    EXPECT_EQ(ring.states(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(ring.root.log, (std::vector<std::string>{"click B"}));
}

TEST(RadioRing, ADeletedMemberLeavesTheRing)
{
    Ring ring;
    delete ring.b;
    click(*ring.c);
    EXPECT_EQ(ring.a->isOn(), false);
    EXPECT_EQ(ring.c->isOn(), true);
    EXPECT_EQ(ring.c->ringNext, ring.a);
    EXPECT_EQ(ring.a->ringNext, ring.c);
    delete ring.c;
    EXPECT_EQ(ring.a->ringNext, nullptr) << "a ring of one is no ring";
}

TEST(RadioRing, RadiosReportChangesOnly)
{
    POption options;
    RecordingPane root(&options);
    auto* r1 = named(new PRadio(&root, 0, 0, 3, 0), "R1");
    auto* r2 = named(new PRadio(&root, 0, 1, 3, 0), "R2");
    r2->joinRing(*r1);
    r1->setOn(true);
    click(*r2);
    click(*r2);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change R2"}));
    EXPECT_FALSE(r1->isOn());
}

TEST(CheckBox, ReportsEachChangeOfState)
{
    POption options;
    RecordingPane root(&options);
    auto* check = named(new PCheck(&root, 0, 0, 4, 0), "K");
    click(*check);
    EXPECT_TRUE(check->isOn());
    check->activate(); // the library's echo without a change
    click(*check);
    EXPECT_FALSE(check->isOn());
    EXPECT_EQ(root.log, (std::vector<std::string>{"change K", "change K"}));
}
} // namespace
