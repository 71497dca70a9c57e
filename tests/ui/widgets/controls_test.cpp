// The small controls, each on a recording pane: what they show and what they report.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/choicelists.h"
#include "model/item.h"
#include "support/samplecomic.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/list.h"
#include "ui/widgets/npane.h"
#include "ui/widgets/number.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/preview.h"
#include "ui/widgets/radio.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/switch.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/track.h"
#include "ui/widgets/widgethost.h"

namespace
{
using Box = PWidget::Box;

TEST(ButtonBounds, FlagsWidenAndShiftByHalfUnits)
{
    const Box threeCells{54, 30, 66, 18}, oneCell{54, 30, 18, 18};
    struct Case
    {
        const char* what;
        Box grid;
        int flags, w, half, odd;
        PWidget::Insets insets;
        Box expected;
    };
    const Case cases[] = {
        {"no flags", threeCells, 0, 3, 3, 0, {}, {54, 29, 66, 20}},
        {"1 grows left", threeCells, 1, 3, 3, 0, {}, {51, 29, 69, 20}},
        {"2 grows right", threeCells, 2, 3, 3, 0, {}, {54, 29, 69, 20}},
        {"2 grows right by the odd pixel too", threeCells, 2, 3, 2, 1, {}, {54, 29, 69, 20}},
        {"4 grows up", threeCells, 4, 3, 3, 0, {}, {54, 28, 66, 21}},
        {"8 grows down", threeCells, 8, 3, 3, 0, {}, {54, 29, 66, 21}},
        {"a one-cell button without flags is lower", oneCell, 0, 1, 3, 0, {}, {54, 29, 18, 18}},
        {"a one-cell button with flags is not", oneCell, 8, 1, 3, 0, {}, {54, 29, 18, 21}},
        {"1 and 2 together", threeCells, 3, 3, 2, 1, {}, {52, 29, 71, 20}},
        {"insets are added last", threeCells, 0, 3, 3, 0, {1, 2, 3, 4}, {55, 31, 69, 24}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PControl::buttonBounds(c.grid, c.flags, c.w, c.half, c.odd, c.insets), c.expected) << c.what;
}

TEST(ButtonBounds, PeerGetsThemInItsPane)
{
    POption options;
    RecordingPane root(&options, 20, 12);
    auto* b = new PButton(&root, 2, 1, 3, 0);
    EXPECT_EQ(b->getComponent()->getBounds(), juce::Rectangle<int>(54, 29, 66, 20));
    EXPECT_EQ(b->h, 1);
    EXPECT_TRUE(b->getComponent()->isVisible());
}

TEST(TextField, KeepsAtMostANamesLength)
{
    POption options;
    RecordingPane root(&options);
    auto* edit = named(new PEdit(&root, 0, 0, 6, 0), "E");
    edit->setValue(juce::String::repeatedString("x", 300));
    EXPECT_EQ(edit->text.length(), PName::maxLength);
    EXPECT_TRUE(root.log.empty());

    auto* editor = dynamic_cast<juce::TextEditor*>(edit->getComponent());
    editor->setText("Page one", false);
    edit->activate(); // the library tells of the change later, from the message loop
    EXPECT_EQ(edit->text.toString(), "Page one");
    EXPECT_EQ(root.log, (std::vector<std::string>{"change E"}));
}

using juce::KeyPress;
using juce::ModifierKeys;

TEST(PaneKeys, ReachTheHandlerAndAreKeptButEscapeGoesToTheWindow)
{
    POption options;
    RecordingPane root(&options);
    root.getComponent()->setName("R");
    auto* peer = root.component;
    EXPECT_TRUE(peer->keyPressed(KeyPress(KeyPress::deleteKey)));
    EXPECT_FALSE(peer->keyPressed(KeyPress(KeyPress::escapeKey))) << "a chooser closes on it";
    EXPECT_TRUE(peer->keyPressed(KeyPress('z', ModifierKeys::commandModifier, 0)));
    EXPECT_EQ(root.log, (std::vector<std::string>{"command 5 R", "command 8 R"}));
}

TEST(ComboChoice, FillsFromAChoiceListAndReportsRealChanges)
{
    POption options;
    RecordingPane root(&options);
    auto* combo = named(new PCombo(&root, 0, 0, 4, 0), "C");
    combo->fill(PChoiceList::deform);
    auto* box = dynamic_cast<juce::ComboBox*>(combo->getComponent());
    ASSERT_EQ(box->getNumItems(), 5);
    EXPECT_EQ(box->getItemText(1), "Deform.height");

    combo->select(2); // the Deform list has no code 2
    EXPECT_EQ(combo->selectedCode(), 0);
    combo->select(4);
    EXPECT_EQ(combo->selectedCode(), 4);

    box->setSelectedId(4, juce::sendNotificationSync);
    box->setSelectedId(6, juce::sendNotificationSync);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change C"}));
    EXPECT_EQ(combo->cachedId, 6);
}

TEST(ColourPalette, PagesByEightAndReportsTheChosenEntry)
{
    POption options;
    RecordingPane root(&options);
    auto* palette = new PPalette(&root, 0, 0); // no peer of its own: reported as "?"
    std::vector<uint32_t> colours;
    for (uint32_t i = 0; i < 12; ++i)
        colours.push_back(0xFF000000u | i);
    palette->setColours(colours);
    EXPECT_FALSE(palette->back->isEnabled());
    EXPECT_TRUE(palette->forward->isEnabled());

    click(*palette->forward);
    EXPECT_EQ(palette->firstShown(), 8);
    EXPECT_FALSE(palette->forward->isEnabled());
    EXPECT_FALSE(palette->entries[4]->hasColour) << "entry 12 does not exist";
    click(*palette->entries[4]);
    click(*palette->entries[2]);
    EXPECT_EQ(palette->chosen(), 10);
    EXPECT_EQ(palette->chosenColour(), 0xFF00000Au);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change ?"}));
}

/** Collects the pad's onView reports. */
class ViewPane : public RecordingPane
{
public:
    using RecordingPane::RecordingPane;
    void onView(PTrackPhase phase, float dx, float dy) override
    {
        views.push_back({static_cast<float>(phase), dx, dy});
    }
    std::vector<std::vector<float>> views;
};

TEST(TrackPad, ReportsTheOffsetFromThePressInSpeedUnitsUpPositive)
{
    POption options;
    options.trackSpeed = 0.5f;
    ViewPane root(&options);
    auto* pad = new PTrack(&root, 0, 0);
    EXPECT_EQ(pad->h, 2);
    // Not on screen: the pointer is not locked and the event positions count.
    pad->onMouseDown(10, 10);
    pad->onMouseDrag(60, 35);
    pad->onMouseUp(110, 10);
    const std::vector<std::vector<float>> expected{{0, 0, 0}, {1, 0.5f, -0.25f}, {2, 1.0f, 0}};
    EXPECT_EQ(root.views, expected);
}

TEST(FiveWaySwitch, ValueIsTheLitButtons)
{
    POption options;
    RecordingPane root(&options);
    auto* sw = new PSwitch(&root, 0, 0, 5); // no peer of its own: reported as "?"
    EXPECT_EQ(sw->getValue(), 0) << "no button on";
    sw->setValue(75);
    EXPECT_EQ(sw->getValue(), 75);
    EXPECT_TRUE(sw->buttons[3]->isOn());
    click(*sw->buttons[1]);
    EXPECT_EQ(sw->getValue(), 25);
    click(*sw->buttons[1]);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change ?"}));
    sw->setValue(30);
    EXPECT_EQ(sw->getValue(), 0) << "a value no button has turns all off";
}

TEST(FiveWaySwitch, ButtonsShareTheWidth)
{
    POption options;
    RecordingPane root(&options);
    auto* sw = new PSwitch(&root, 1, 0, 10);
    EXPECT_EQ(sw->buttons[0]->x, 1);
    EXPECT_EQ(sw->buttons[4]->x, 9);
    EXPECT_EQ(sw->buttons[4]->w, 2);
    delete sw;
    EXPECT_EQ(root.children, nullptr) << "the buttons go with the switch";
}

/** How many pixels inside the frame are not white. */
int inkedPixels(PPreview& preview)
{
    auto* c = preview.getComponent();
    const auto picture = c->createComponentSnapshot(c->getLocalBounds(), false, 1.0f);
    int count = 0;
    for (int y = 2; y < picture.getHeight() - 2; ++y)
        for (int x = 2; x < picture.getWidth() - 2; ++x)
            if (picture.getPixelAt(x, y).getPerceivedBrightness() < 0.95f)
                ++count;
    return count;
}

TEST(Preview, DrawsItsSubjectOrItsPictureInsideTheFrame)
{
    POption options;
    RecordingPane root(&options);
    auto* preview = new PPreview(&root, 0, 0, 8, 6);
    EXPECT_EQ(inkedPixels(*preview), 0) << "nothing to show";

    PComic comic;
    sample::fill(comic);
    preview->setSubject(comic.pages.get<PPage>(0));
    EXPECT_GT(inkedPixels(*preview), 0);

    juce::Image black(juce::Image::RGB, 4, 4, true);
    preview->setPicture(black, 1.0f);
    EXPECT_EQ(preview->subject, nullptr);
    EXPECT_GT(inkedPixels(*preview), 100);
}

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

constexpr float pi = 3.14159265f;

TEST(SliderKinds, MapPositionsToTheirRanges)
{
    struct Case
    {
        PSlider::Kind kind;
        int position;
        float value;
    };
    using K = PSlider::Kind;
    const Case cases[] = {{K::unit, 0, 0.0f},        {K::unit, 50, 0.5f},      {K::unit, 100, 1.0f},
                          {K::fraction, 0, 0.1f},    {K::fraction, 100, 1.0f}, {K::turn, 0, -pi},
                          {K::turn, 50, 0.0f},       {K::turn, 100, pi},       {K::halfTurn, 0, -pi / 2},
                          {K::halfTurn, 75, pi / 4}, {K::unit, 150, 1.0f},     {K::unit, -20, 0.0f}};
    for (const auto& c : cases)
    {
        EXPECT_NEAR(PSlider::valueFor(c.kind, c.position), c.value, 1e-5f)
            << static_cast<int>(c.kind) << " at " << c.position;
        if (c.position >= 0 && c.position <= 100)
        {
            EXPECT_EQ(PSlider::positionFor(c.kind, c.value), c.position)
                << static_cast<int>(c.kind) << " of " << c.value;
        }
    }
    EXPECT_EQ(PSlider::positionFor(PSlider::Kind::unit, std::nanf("")), 0);
}

TEST(SliderReports, FinalPositionsOnlyWhenTheyDiffer)
{
    POption options;
    RecordingPane root(&options);
    auto* slider = named(new PSlider(&root, 0, 0, 5, 0, PSlider::Kind::unit), "S");
    slider->setValue(0.3f);
    auto* peer = dynamic_cast<juce::Slider*>(slider->getComponent());
    EXPECT_EQ(peer->getValue(), 30.0);
    peer->setValue(70.0, juce::sendNotificationSync);
    peer->setValue(70.0, juce::sendNotificationSync);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.7f);
    EXPECT_EQ(root.log, (std::vector<std::string>{"change S"}));
}

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

TEST(IdentButtons, StepByOneReportAndGoWithTheIdent)
{
    Ident t;
    t.ident->setValue(98);
    click(*t.ident->up);
    EXPECT_EQ(t.ident->getValue(), 99);
    EXPECT_FALSE(t.ident->up->isEnabled());
    click(*t.ident->down);
    EXPECT_EQ(t.ident->getValue(), 98);
    EXPECT_EQ(t.root.log, (std::vector<std::string>{"change I", "change I"}));
    delete t.ident;
    EXPECT_EQ(t.root.children, nullptr) << "the buttons go with the ident";
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

struct Rows
{
    POption options;
    RecordingPane root{&options};
    PList* list = named(new PList(&root, 0, 0, 6, 6), "L");
    std::vector<std::unique_ptr<PItem>> owned;
    std::vector<PItem*> items;

    Rows()
    {
        for (const char* name : {"a", "b", "c", "d"})
        {
            owned.push_back(std::make_unique<PItem>());
            owned.back()->name.assign(name);
            items.push_back(owned.back().get());
        }
        list->setItems(items);
    }
    void userSelects(int row) { dynamic_cast<juce::ListBox*>(list->getComponent())->selectRow(row); }
    std::string order() const
    {
        std::string s;
        for (auto* item : list->getItems())
            s += item->name.toString().toStdString();
        return s;
    }
};

TEST(ListRows, MoveRowPlacesTheRowBeforeTheTarget)
{
    struct Case
    {
        int from, insertBefore;
        bool moved;
        const char* order;
    };
    const Case cases[] = {{0, 2, true, "bacd"},  {3, 0, true, "dabc"},  {1, 4, true, "acdb"}, {1, 1, false, "abcd"},
                          {1, 2, false, "abcd"}, {0, 99, true, "bcda"}, {7, 0, false, "abcd"}};
    for (const auto& c : cases)
    {
        Rows r;
        EXPECT_EQ(PList::moveRow(r.list->items, c.from, c.insertBefore), c.moved) << c.from << " to " << c.insertBefore;
        EXPECT_EQ(r.order(), c.order) << c.from << " to " << c.insertBefore;
    }
}

TEST(ListSelection, UserSelectionReportsHiddenItemsAsNone)
{
    Rows r;
    r.items[2]->setFlag(PFlag::hidden, true);
    r.userSelects(1);
    EXPECT_EQ(r.list->selectedItem(), r.items[1]);
    r.userSelects(2);
    EXPECT_EQ(r.list->selectedItem(), nullptr);
    EXPECT_EQ(r.list->selectedRow(), 2);
    r.userSelects(3);
    EXPECT_EQ(r.root.log, (std::vector<std::string>{"select L", "select L", "select L"}));
}

TEST(ListSelection, OwnerChangesAreNotReported)
{
    Rows r;
    r.list->selectItem(r.items[3]);
    EXPECT_EQ(r.list->selectedRow(), 3);
    r.list->setItems({r.items[3], r.items[0]});
    EXPECT_EQ(r.list->selectedRow(), 0) << "the selected item stays selected";
    r.list->setItems({r.items[1]});
    EXPECT_EQ(r.list->selectedItem(), nullptr);
    EXPECT_TRUE(r.root.log.empty());
}

TEST(ListDrag, OnlyRowsOfTheSameListAndKind)
{
    Rows r;
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    r.list->selectRow(1);
    EXPECT_FALSE(r.list->getDragInfo(kind, first, count)) << "drag is off by default";
    r.list->dragKind = PDragKind::listRow;
    ASSERT_TRUE(r.list->getDragInfo(kind, first, count));
    EXPECT_EQ(kind, PDragKind::listRow);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(r.list->acceptsDrag(PDragKind::listRow, 1, 1));
    EXPECT_FALSE(r.list->acceptsDrag(PDragKind::tableRow, 1, 1));
    EXPECT_FALSE(r.list->acceptsDrag(PDragKind::listRow, 9, 1));
}
} // namespace
