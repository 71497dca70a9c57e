// The shape pane driven headless in a pane tree that hears the session: every control is one
// undo step, and typed text waits for Apply.

#include <gtest/gtest.h>

#include <functional>

#include "support/testdocument.h"
#include "support/treenotifier.h"
#include "support/undostep.h"
#include "ui/shapepane.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/style.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/title.h"
#include "ui/widgets/widgethost.h"

namespace
{
constexpr uint32_t orange = 0xFF15FF80;

/** The sample comic in a session, a shape pane that hears it, and editors that answer at once. */
struct ShapeDesk : TestDocument, PWidgetHost
{
    PPane root{20, 30, &options};
    PShapePane* pane = new PShapePane(&root, 0, 0, PShapePane::columns, PShapePane::rows);
    TreeNotifier tree{root};
    uint32_t colourAnswer = orange;
    PFontSpec fontAnswer;

    ShapeDesk()
    {
        world.notifier = &tree;
        PWidgetHost::install(this);
        fontAnswer.face.assign("DejaVu Serif");
        pane->setWorld(&world);
    }
    ~ShapeDesk() override
    {
        PWidgetHost::install(nullptr);
        world.context.clear();
    }
    bool editColour(PWidget&, uint32_t& colour) override
    {
        colour = colourAnswer;
        return true;
    }
    bool editFont(PWidget&, PFontSpec& font) override
    {
        font = fontAnswer;
        return true;
    }
    void type(const juce::String& typed)
    {
        dynamic_cast<juce::TextEditor*>(pane->textEdit->getComponent())->setText(typed, false);
        pane->textEdit->activate(); // the library reports typing later, from the message loop
    }
};

TEST(ShapePaneEdit, EachControlIsOneUndoStepThatUndoTakesBack)
{
    struct Case
    {
        const char* control;
        std::function<void(ShapeDesk&)> select, use;
    };
    auto curve = [](ShapeDesk& d) { d.select(d.curve); };
    auto text = [](ShapeDesk& d) { d.select(d.text); };
    const Case cases[] = {
        {"closed", curve, [](ShapeDesk& d) { click(*d.pane->closed); }},
        {"skip", [](ShapeDesk& d) { d.select(d.curve, d.curve->pointAt(1)); },
         [](ShapeDesk& d) { click(*d.pane->skip); }},
        {"line colour", curve, [](ShapeDesk& d) { click(*d.pane->lineTint); }},
        {"fill colour", curve, [](ShapeDesk& d) { click(*d.pane->fillTint); }},
        {"text colour", text, [](ShapeDesk& d) { click(*d.pane->textTint); }},
        {"font", text, [](ShapeDesk& d) { click(*d.pane->font); }},
        {"alignment", text,
         [](ShapeDesk& d)
         {
             dynamic_cast<juce::ComboBox*>(d.pane->align->getComponent())
                 ->setSelectedId(PText::alignRight, juce::sendNotificationSync);
         }},
        {"apply", text,
         [](ShapeDesk& d)
         {
             d.type("Boom!");
             click(*d.pane->apply);
         }},
        {"shade", [](ShapeDesk& d) { d.select(d.group); }, [](ShapeDesk& d) { click(*d.pane->shades->entries[1]); }},
    };
    for (const auto& c : cases)
    {
        ShapeDesk d;
        c.select(d);
        expectUndoStep(
            d.world, *d.comic, [&] { c.use(d); }, c.control);
    }
}

TEST(ShapePaneEdit, ShadeRecoloursTheGroupMembersOfThatFill)
{
    ShapeDesk d;
    d.select(d.group);
    ASSERT_EQ(d.pane->shades->entries[1]->colour, 0xFF1020FFu); // the second member's light blue
    click(*d.pane->shades->entries[1]);
    EXPECT_EQ(d.group->childAt(0)->classId(), PClass::curve);
    EXPECT_EQ(static_cast<PCurve*>(d.group->childAt(0))->fillColour, 0xFF000000u);
    EXPECT_EQ(static_cast<PCurve*>(d.group->childAt(1))->fillColour, orange);
}

TEST(ShapePaneText, TypingChangesNothingUntilApplyAndSurvivesOtherEdits)
{
    ShapeDesk d;
    d.select(d.text);
    const auto before = d.bytes();
    d.type("Pow");
    EXPECT_EQ(d.bytes(), before);
    click(*d.pane->textTint); // another attribute: the typing stays in the field
    EXPECT_EQ(d.pane->textEdit->text.toString(), "Pow");
    click(*d.pane->apply);
    EXPECT_EQ(d.text->text.toString(), "Pow");
    ASSERT_EQ(d.world.undoList.size(), 2);
    d.world.undo();
    d.world.undo();
    EXPECT_EQ(d.pane->textEdit->text.toString(), d.text->text.toString()); // undo shows the old text
    EXPECT_EQ(d.bytes(), before);
    click(*d.pane->apply); // nothing typed: nothing to apply
    EXPECT_TRUE(d.world.undoList.isEmpty());
}

TEST(ShapePaneShow, SectionsFollowTheShapeClassAndThePoint)
{
    ShapeDesk d;
    d.select(d.curve);
    EXPECT_TRUE(d.pane->closed->isVisible() && d.pane->closed->isEnabled());
    EXPECT_TRUE(d.pane->coloursLabel->isVisible() && !d.pane->lineLabel->isVisible()); // closed: line and fill
    EXPECT_FALSE(d.pane->skip->isVisible());
    EXPECT_FALSE(d.pane->textEdit->isVisible());
    d.select(d.curve, d.curve->pointAt(0));
    EXPECT_TRUE(d.pane->skip->isVisible());
    d.select(d.image);
    EXPECT_TRUE(d.pane->imageFile->isVisible());
    EXPECT_FALSE(d.pane->closed->isVisible());
    d.select(nullptr);
    EXPECT_FALSE(d.pane->showsShape());
    EXPECT_FALSE(d.pane->title->isVisible());

    // The Pages pane edits panels: its current panel is shown, and a panel is always closed.
    d.world.context.mode = PPaneKind::pages;
    d.world.context.setTarget(d.comic, PClass::comic);
    d.world.context.setTarget(d.page, PClass::page);
    d.world.context.setTarget(d.panel, PClass::panel);
    d.world.broadcast(PNotify::modeChanged);
    EXPECT_EQ(d.pane->shape, d.panel);
    EXPECT_FALSE(d.pane->closed->isEnabled());
    EXPECT_TRUE(d.pane->fillTint->isEnabled());
}
} // namespace
