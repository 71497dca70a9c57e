#include <gtest/gtest.h>

#include "ui/widgets/button.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/widgethost.h"

namespace
{
/** Answers every menu with a fixed code and remembers which menu was asked for. */
class FakeHost : public PWidgetHost
{
public:
    PCommand showPopup(PWidget&, PPopup::Kind kind) override
    {
        kinds.push_back(kind);
        return answer;
    }
    PCommand answer = PCommand::none;
    std::vector<PPopup::Kind> kinds;
};

struct Ident
{
    POption options;
    RecordingPane root{&options};
    PIdent* ident = named(new PIdent(&root, 0, 0, 4), "I");
    FakeHost host;

    Ident() { PWidgetHost::install(&host); }
    ~Ident() { PWidgetHost::install(nullptr); }
};

TEST(IdentLimits, DownIsOffAtZeroAndUpAtNinetyNine)
{
    Ident t;
    struct Case
    {
        int set, value;
        bool down, up;
    };
    const Case cases[] = {
        {0, 0, false, true}, {1, 1, true, true}, {99, 99, true, false}, {-5, 0, false, true}, {140, 99, true, false}};
    for (const auto& c : cases)
    {
        t.ident->setValue(c.set);
        EXPECT_EQ(t.ident->getValue(), c.value);
        EXPECT_EQ(t.ident->down->isEnabled(), c.down) << c.set;
        EXPECT_EQ(t.ident->up->isEnabled(), c.up) << c.set;
    }
}

TEST(IdentButtons, StepByOneAndReport)
{
    Ident t;
    t.ident->setValue(98);
    click(*t.ident->up);
    EXPECT_EQ(t.ident->getValue(), 99);
    EXPECT_FALSE(t.ident->up->isEnabled());
    click(*t.ident->down);
    EXPECT_EQ(t.ident->getValue(), 98);
    EXPECT_EQ(t.root.log, (std::vector<std::string>{"change I", "change I"}));
}

TEST(IdentMenus, LeftClickSetsTensRightClickSetsUnits)
{
    Ident t;
    t.ident->setValue(42);
    t.host.answer = tensDigit(7);
    click(*t.ident);
    EXPECT_EQ(t.ident->getValue(), 72);
    t.host.answer = unitsDigit(0);
    t.ident->onPopup(t.ident);
    EXPECT_EQ(t.ident->getValue(), 70);
    t.host.answer = PCommand::none; // dismissed
    click(*t.ident);
    EXPECT_EQ(t.ident->getValue(), 70);
    using Kind = PPopup::Kind;
    EXPECT_EQ(t.host.kinds, (std::vector<Kind>{Kind::tensPopup, Kind::unitsPopup, Kind::tensPopup}));
    EXPECT_EQ(t.root.log, (std::vector<std::string>{"change I", "change I"}));
    EXPECT_EQ(dynamic_cast<juce::Button*>(t.ident->getComponent())->getButtonText(), "70");
}

TEST(IdentParts, GoWithTheIdent)
{
    Ident t;
    delete t.ident;
    EXPECT_EQ(t.root.children, nullptr);
}
} // namespace
