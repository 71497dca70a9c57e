#include <gtest/gtest.h>

#include "ui/widgets/number.h"
#include "ui/widgets/recorder.h"

namespace
{
struct Field
{
    POption options;
    RecordingPane root{&options};
    PNumber* number;

    explicit Field(PNumber::Kind kind) : number(named(new PNumber(&root, 0, 0, 3, 0, kind), "N")) {}
    juce::String shown() const { return dynamic_cast<juce::Label*>(number->getComponent())->getText(); }
    void type(const juce::String& text)
    {
        dynamic_cast<juce::Label*>(number->getComponent())->setText(text, juce::dontSendNotification);
        number->activate();
    }
};

TEST(NumberEntry, TypedValuesAreParsedClampedAndShownByKind)
{
    struct Case
    {
        PNumber::Kind kind;
        const char* typed;
        float stored;
        const char* shown;
    };
    using K = PNumber::Kind;
    const Case cases[] = {
        {K::size, "250", 100.0f, "100.0"},
        {K::size, "12,34", 12.34f, "12.3"},
        {K::smoothing, "-3", 0.0f, "0.0"},
        {K::length, "123456", 100000, "100000.00"},
        {K::angle, "-4", -3.14159265f, "-3.14"},
        {K::whole, "41.6", 41.6f, "42"},
        {K::plain, "1.23456", 1.23456f, "1.235"},
        {K::size, "abc", 0.1f, "0.1"},
        {K::offset, "", 0.0f, "0.00"},
    };
    for (const auto& c : cases)
    {
        Field f(c.kind);
        f.number->setValue(1.0f);
        f.type(c.typed);
        EXPECT_FLOAT_EQ(f.number->getValue(), c.stored) << "kind " << static_cast<int>(c.kind) << " typed " << c.typed;
        EXPECT_EQ(f.shown(), c.shown) << "kind " << static_cast<int>(c.kind) << " typed " << c.typed;
    }
}

TEST(NumberEntry, ReportsOnlyWhenTheHeldValueChanges)
{
    Field f(PNumber::Kind::size);
    f.number->setValue(100.0f);
    f.type("250"); // clamped to the 100 it holds already
    f.type("50");
    f.type("50.0");
    EXPECT_EQ(f.root.log, (std::vector<std::string>{"change N"}));
}

TEST(NumberEntry, LengthsInInchesAreStoredInCentimetres)
{
    Field f(PNumber::Kind::length);
    f.number->inches = true;
    f.type("1");
    EXPECT_NEAR(f.number->getValue(), 2.54f, 1e-4f);
    EXPECT_EQ(f.shown(), "1.00");
    f.number->setValue(10.0f);
    EXPECT_EQ(f.shown(), "3.94");
}

TEST(NumberEntry, HugeWholeNumbersShowWithoutOverflow)
{
    Field f(PNumber::Kind::whole);
    f.type("99999999999");
    EXPECT_EQ(f.shown(), "99999997952") << "the nearest float, not a wrapped int";
    f.type("999999999999999999999999999999999999999999");
    EXPECT_FLOAT_EQ(f.number->getValue(), 1e38f);
}

} // namespace
