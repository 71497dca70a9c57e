#include <gtest/gtest.h>

#include <functional>

#include "../support/stepaction.h"
#include "../support/testdocument.h"
#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/actiondeform.h"
#include "edit/actiondeformmode.h"
#include "edit/actiondel.h"
#include "edit/actionflag.h"
#include "edit/actionflip.h"
#include "edit/actiongroup.h"
#include "edit/actioninsert.h"
#include "edit/actionlower.h"
#include "edit/actionnew.h"
#include "edit/actionpattern.h"
#include "edit/actionpoint.h"
#include "edit/actionproperty.h"
#include "edit/actionremove.h"
#include "edit/actionresize.h"
#include "edit/actions.h"
#include "edit/actionshade.h"
#include "edit/actionshape.h"
#include "edit/actionungroup.h"
#include "model/shade.h"

namespace
{
using Codes = std::vector<PNotify>;
using Make = std::function<std::unique_ptr<PAction>(TestDocument&)>;

struct Row
{
    const char* name;
    Make make;
    Codes onRecord, onUndo, onRedo;
    bool changesDocument = true;
};

std::unique_ptr<PAction> mirror(TestDocument& d)
{
    auto both = std::make_unique<PActions>(d.world, "Action.Mirror");
    std::unique_ptr<PCurve> made(static_cast<PCurve*>(d.curve->clone()));
    PCurve* copy = made.get();
    both->add(std::make_unique<PActionInsert>(d.world, d.layer->shapes, d.layer, std::move(made), 1));
    both->add(std::make_unique<PActionFlip>(d.world, copy, PActionFlip::horizontal));
    return both;
}

std::unique_ptr<PAction> groupCurveAndText(TestDocument& d)
{
    d.curve->flags |= PFlag::selected;
    d.text->flags |= PFlag::selected;
    return std::make_unique<PActionGroup>(d.world, d.layer->shapes);
}

std::unique_ptr<PAction> shadeGroup(TestDocument& d)
{
    PArray shades;
    shades.append(new PShade(0xFF000000u, 0xFF3344AAu));
    auto action = std::make_unique<PActionShade>(d.world, d.group, shades);
    shades.deleteAll();
    return action;
}

std::unique_ptr<PAction> deformGroup(TestDocument& d)
{
    auto after = PActionDeform::Grids::of(*d.group);
    after.to[4] = {1.5f, -0.5f};
    return std::make_unique<PActionDeform>(d.world, d.group, PActionDeform::Grids::of(*d.group), after);
}

std::unique_ptr<PAction> boldText(TestDocument& d)
{
    PFontSpec bold = d.text->fontSpec;
    bold.style = PFontSpec::bold;
    return std::make_unique<PActionProperty<PFontSpec>>(d.world, d.text, PProperties::font, d.text->fontSpec, bold);
}

std::unique_ptr<PAction> fillGreen(TestDocument& d, PBase* target)
{
    return std::make_unique<PActionProperty<uint32_t>>(d.world, target, PProperties::fillColour, d.curve->fillColour,
                                                       0xFF00FF00u);
}

using enum PNotify;
// The one-code answers, named for what they tell the panes.
const Codes none{}, moved{geometry}, changed{attribute}, selected{selection};

const Row rows[] = {
    {"Action.Shape",
     [](TestDocument& d)
     {
         return std::make_unique<PActionShape>(d.world, d.curve, PActionShape::Placement::of(*d.curve),
                                               PActionShape::Placement{1, 2, 2, 2, 0.5f}, d.panel);
     },
     moved, moved, moved},
    {"Action.Deform", deformGroup, moved, moved, moved},
    {"Action.Point",
     [](TestDocument& d)
     {
         auto* point = d.curve->pointAt(1);
         return std::make_unique<PActionPoint>(d.world, point, PActionPoint::Values::of(*point),
                                               PActionPoint::Values{7, 8, 100, 25});
     },
     moved, moved, moved},
    {"Action.New",
     [](TestDocument& d) { return std::make_unique<PActionNew>(d.world, d.panel->layers, std::make_unique<PLayer>()); },
     selected,
     {selection, geometry, itemList},
     {itemList, selection}},
    {"Action.Del",
     [](TestDocument& d) { return std::make_unique<PActionDel>(d.world, d.panel->layers, d.layer); },
     selected,
     {selection, selection},
     selected},
    {"Action.Insert",
     [](TestDocument& d)
     { return std::make_unique<PActionInsert>(d.world, d.curve->points, d.curve, std::make_unique<PPoint>(9, 9), 1); },
     selected,
     {selection, selection},
     selected},
    {"Action.Remove",
     [](TestDocument& d) { return std::make_unique<PActionRemove>(d.world, d.layer->shapes, d.layer, d.text); },
     selected, selected, selected},
    {"Action.Cut",
     [](TestDocument& d) { return std::make_unique<PActionCut>(d.world, d.layer->shapes, d.curve); },
     selected,
     {selection, selection},
     selected},
    {"Action.Copy",
     [](TestDocument& d) { return std::make_unique<PActionCopy>(d.world, d.text); },
     none,
     {clipboard},
     none,
     false},
    {"Action.Color",
     [](TestDocument& d)
     {
         return std::make_unique<PActionProperty<uint32_t>>(d.world, d.text, PProperties::lineColour, d.text->colour,
                                                            0xFF112233u);
     },
     changed, changed, changed},
    {"Action.Shade", shadeGroup, changed, changed, changed},
    {"Action.Flip",
     [](TestDocument& d) { return std::make_unique<PActionFlip>(d.world, d.curve, PActionFlip::diagonal); }, moved,
     moved, moved},
    {"Action.Raise",
     [](TestDocument& d) { return std::make_unique<PActionRaise>(d.world, d.layer->shapes, d.curve, true); }, moved,
     moved, moved},
    {"Action.Lower",
     [](TestDocument& d) { return std::make_unique<PActionLower>(d.world, d.layer->shapes, d.brush, true); }, moved,
     moved, moved},
    {"Action.Text",
     [](TestDocument& d) {
         return std::make_unique<PActionProperty<PName>>(d.world, d.text, PProperties::string, d.text->text,
                                                         PName("Bye"));
     },
     changed, changed, changed},
    {"Action.Image",
     [](TestDocument& d)
     {
         return std::make_unique<PActionProperty<PName>>(d.world, d.image, PProperties::string, d.image->file,
                                                         PName("other.png"));
     },
     changed, changed, changed},
    {"Action.Font", boldText, changed, changed, changed},
    {"Action.Align",
     [](TestDocument& d)
     {
         return std::make_unique<PActionProperty<uint16_t>>(d.world, d.text, PProperties::align, d.text->align,
                                                            PText::alignRight);
     },
     changed, changed, changed},
    {"Action.Deform",
     [](TestDocument& d)
     {
         d.decor->content->gridTo[2] = {1, 1};
         return std::make_unique<PActionDeformMode>(d.world, d.decor, d.decor->content->deformMode, 3);
     },
     changed, changed, changed},
    {"Action.Flag",
     [](TestDocument& d) { return std::make_unique<PActionFlag>(d.world, d.curve, PCurve::closed, false, true); },
     changed, changed, changed},
    {"Action.Flag",
     [](TestDocument& d)
     {
         d.group->childAt(1)->flags |= PGroup::framed;
         return std::make_unique<PActionFlag>(d.world, d.group, PGroup::framed, true, false);
     },
     changed, changed, changed},
    {"Action.Variant",
     [](TestDocument& d)
     { return std::make_unique<PActionProperty<uint16_t>>(d.world, d.brush->pointAt(0), PProperties::variant, 0, 3); },
     changed, changed, changed},
    {"Action.Stroke",
     [](TestDocument& d) {
         return std::make_unique<PActionProperty<uint16_t>>(d.world, d.layer, PProperties::stroke, d.layer->stroke, 80);
     },
     changed, changed, changed},
    {"Action.Kind",
     [](TestDocument& d)
     { return std::make_unique<PActionProperty<uint16_t>>(d.world, d.brush, PProperties::kind, d.brush->kind, 3); },
     changed, changed, changed},
    {"Action.Seed",
     [](TestDocument& d)
     {
         return std::make_unique<PActionProperty<uint16_t>>(d.world, d.brush, PProperties::seed,
                                                            static_cast<uint16_t>(d.brush->seed), 0xFFFF);
     },
     changed, changed, changed},
    {"Action.Density",
     [](TestDocument& d) {
         return std::make_unique<PActionProperty<float>>(d.world, d.brush, PProperties::density, d.brush->density,
                                                         0.75f);
     },
     changed, changed, changed},
    {"Action.Oscillate",
     [](TestDocument& d)
     {
         return std::make_unique<PActionProperty<float>>(d.world, d.brush, PProperties::oscillate, d.brush->oscillate,
                                                         0.25f);
     },
     changed, changed, changed},
    {"Action.Resize",
     [](TestDocument& d) { return std::make_unique<PActionResize>(d.world, d.clip, d.clip->clipSize, 20); }, changed,
     changed, changed},
    {"Action.Resize",
     [](TestDocument& d) { return std::make_unique<PActionResize>(d.world, d.decor, d.decor->decorSize, 5); }, changed,
     changed, changed},
    {"Action.Group", groupCurveAndText, selected, {selection, selection}, selected},
    {"Action.Ungroup",
     [](TestDocument& d) { return std::make_unique<PActionUngroup>(d.world, d.layer->shapes, d.group); }, selected,
     selected, selected},
    {"Action.Pattern",
     [](TestDocument& d) { return std::make_unique<PActionPattern>(d.world, d.brush, std::make_unique<PClip>()); },
     changed, changed, changed},
    // The copy is made current by the insert; the flip was made before it, so its context differs.
    {"Action.Mirror",
     mirror,
     {selection, geometry},
     {selection, geometry, selection},
     {selection, selection, geometry}},
};

void expectLists(const PWorld& world, int undo, int redo, const char* step)
{
    EXPECT_EQ(world.undoList.size(), undo) << step;
    EXPECT_EQ(world.redoList.size(), redo) << step;
}
} // namespace

TEST(ActionHistory, EveryActionRevertsToTheExactBytesAndRedoesTheAfterState)
{
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        TestDocument d;
        auto action = row.make(d);
        const auto before = d.bytes();
        ASSERT_FALSE(before.empty());
        d.world.record(std::move(action));
        expectLists(d.world, 1, 0, "record");
        EXPECT_EQ(d.notes.take(), row.onRecord);
        EXPECT_TRUE(d.comic->modified);
        PName name;
        d.world.undoName(name);
        EXPECT_EQ(name.toString(), row.name);
        const auto after = d.bytes();
        EXPECT_EQ(after != before, row.changesDocument);

        d.world.undo();
        expectLists(d.world, 0, 1, "undo");
        EXPECT_EQ(d.notes.take(), row.onUndo);
        EXPECT_EQ(d.bytes(), before);
        d.world.redoName(name);
        EXPECT_EQ(name.toString(), row.name);

        d.world.redo();
        expectLists(d.world, 1, 0, "redo");
        EXPECT_EQ(d.notes.take(), row.onRedo);
        EXPECT_EQ(d.bytes(), after);

        d.world.undo();
        EXPECT_EQ(d.bytes(), before);
    }
}

// The history lets go of every action done or undone without touching the document: each action
// deletes exactly what it holds at that moment (the sanitizer build finds a leak or a second delete).
TEST(ActionHistory, EveryActionIsDeletedCleanlyDoneOrUndone)
{
    for (const auto& row : rows)
        for (const bool undone : {false, true})
        {
            SCOPED_TRACE(std::string(row.name) + (undone ? " undone" : " done"));
            TestDocument d;
            d.world.record(row.make(d));
            if (undone)
                d.world.undo();
            const auto kept = d.bytes();
            d.world.clearHistory();
            EXPECT_TRUE(d.world.undoList.isEmpty() && d.world.redoList.isEmpty());
            EXPECT_EQ(d.bytes(), kept);
        }
}

TEST(ActionHistory, ContextReturnsWithTheActionAndTheModeIsAnnounced)
{
    TestDocument d;
    auto* second = d.comic->pages.get<PPage>(1);
    d.world.record(fillGreen(d, d.curve));
    d.notes.take();

    d.world.context.mode = PPaneKind::pages;
    d.world.context.setTarget(second, PClass::page);
    d.world.undo();
    // The change is reverted where it was made: the panes hear of the selection and the mode first.
    EXPECT_EQ(d.notes.take(), (Codes{selection, layersShown, attribute}));
    EXPECT_EQ(d.world.context.target(PClass::page), d.page);
    EXPECT_TRUE(d.page->hasFlag(PFlag::current));
    EXPECT_FALSE(second->hasFlag(PFlag::current));
}

TEST(ActionHistory, ActionWithoutAComicDoesNothingButStillMoves)
{
    TestDocument d;
    d.world.context.clear();
    const auto before = d.bytes();
    d.comic->modified = false;
    d.world.record(fillGreen(d, d.curve));
    EXPECT_EQ(d.bytes(), before);
    EXPECT_FALSE(d.comic->modified);
    d.world.undo();
    expectLists(d.world, 0, 1, "undo");
    EXPECT_TRUE(d.notes.codes.empty());
}

TEST(ActionHistory, QuietActionsDoNotNotify)
{
    TestDocument d;
    auto made = fillGreen(d, d.curve);
    PAction* action = made.get();
    d.world.record(std::move(made));
    EXPECT_EQ(d.notes.take(), Codes{attribute});
    action->quiet = true;
    d.world.undo();
    EXPECT_TRUE(d.notes.take().empty());
}

TEST(ActionColor, LeavesGroupsAndOtherClassesAlone)
{
    TestDocument d;
    const auto before = d.bytes();
    d.world.record(fillGreen(d, d.group));
    d.world.record(
        std::make_unique<PActionProperty<uint32_t>>(d.world, d.image, PProperties::lineColour, 0, 0xFF00FF00u));
    EXPECT_EQ(d.bytes(), before);
    EXPECT_TRUE(d.notes.codes.empty());
}

// A drag writes the shape, point or grid as the mouse moves; on release the action takes that
// change as done. Recording must neither apply it again nor lose the way back.
TEST(ActionHistory, AnAlreadyAppliedGestureIsOneStepThatUndoAndRedoRestore)
{
    const std::pair<const char*, Make> gestures[] = {
        {"shape",
         [](TestDocument& d) -> std::unique_ptr<PAction>
         {
             const auto before = PActionShape::Placement::of(*d.curve);
             d.curve->x += 2, d.curve->rotation = 0.5f;
             return std::make_unique<PActionShape>(d.world, d.curve, before, PActionShape::Placement::of(*d.curve),
                                                   d.group);
         }},
        {"point",
         [](TestDocument& d) -> std::unique_ptr<PAction>
         {
             PPoint* p = d.curve->pointAt(1);
             const auto before = PActionPoint::Values::of(*p);
             p->x = 5;
             return std::make_unique<PActionPoint>(d.world, p, before, PActionPoint::Values::of(*p), d.curve);
         }},
        {"deform",
         [](TestDocument& d) -> std::unique_ptr<PAction>
         {
             const auto before = PActionDeform::Grids::of(*d.group);
             d.group->gridTo[2] = {0.25f, 0.5f};
             return std::make_unique<PActionDeform>(d.world, d.group, before, PActionDeform::Grids::of(*d.group));
         }},
    };
    for (const auto& [name, drag] : gestures)
    {
        SCOPED_TRACE(name);
        TestDocument d;
        const auto before = d.bytes();
        d.comic->modified = false;
        auto action = drag(d);
        const auto dragged = d.bytes();
        d.world.recordApplied(std::move(action));
        expectLists(d.world, 1, 0, "record");
        EXPECT_TRUE(d.comic->modified);
        EXPECT_EQ(d.notes.take(), moved);
        EXPECT_EQ(d.bytes(), dragged);
        d.world.undo();
        EXPECT_EQ(d.bytes(), before);
        d.world.redo();
        EXPECT_EQ(d.bytes(), dragged);
    }
}

TEST(ActionHistory, AnAppliedChangeWithoutAComicGoesBack)
{
    TestDocument d;
    d.world.context.clear();
    const auto before = d.bytes();
    const auto placement = PActionShape::Placement::of(*d.curve);
    d.curve->x += 2;
    d.world.recordApplied(
        std::make_unique<PActionShape>(d.world, d.curve, placement, PActionShape::Placement::of(*d.curve)));
    EXPECT_EQ(d.bytes(), before);
}

TEST(ActionsCompound, PerformsInOrderAndUndoesInReverse)
{
    std::vector<std::string> log;
    TestDocument d;
    auto compound = std::make_unique<PActions>(d.world, "Action.Panel");
    PActions* all = compound.get();
    for (const char* tag : {"A", "B", "C"})
        all->add(std::make_unique<StepAction>(d.world, tag, log));
    all->add(nullptr);
    d.world.record(std::move(compound));
    d.world.undo();
    d.world.redo();
    EXPECT_EQ(log, (std::vector<std::string>{"+A", "+B", "+C", "-C", "-B", "-A", "++A", "++B", "++C"}));
    EXPECT_EQ(all->children.size(), 3);
    EXPECT_TRUE(all->done);
    PName name;
    d.world.undoName(name);
    EXPECT_EQ(name.toString(), "Action.Panel");
}
