// The Layers pane driven headless: marks end with marking, adding switches to the shape tools,
// hiding and renaming a layer are single steps, and a layer cut away takes no selection with it.

#include <gtest/gtest.h>

#include "model/group.h"
#include "model/layer.h"
#include "model/panel.h"
#include "support/panedesk.h"
#include "support/undostep.h"
#include "ui/command.h"
#include "ui/layerpane.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/list.h"
#include "ui/widgets/switch.h"

namespace
{
struct LayerDesk : PaneDesk
{
    PLayerPane* pane = new PLayerPane(&root, 0, 0, 12, -1);

    LayerDesk() : PaneDesk(PPaneKind::layers) { pane->setWorld(&world, canvas); }

    void chooseMode(PEditMode mode)
    {
        for (auto& [button, buttonMode] : pane->ring)
            if (buttonMode == mode)
            {
                button->setOn(true);
                pane->onChange(button);
            }
    }
    int marked()
    {
        int count = 0;
        for (PBase* shape : layer->shapes)
            count += shape->hasFlag(PFlag::selected) ? 1 : 0;
        return count;
    }
};
} // namespace

TEST(LayerPaneMarks, LeavingMarkingClearsEveryMarkAndGroupingIsOneStep)
{
    LayerDesk d;
    d.chooseMode(PEditMode::marking);
    EXPECT_EQ(d.world.editMode, PEditMode::marking);
    EXPECT_EQ(d.world.context.target(PClass::shape), nullptr); // marking selects nothing
    d.pane->run(PSidePane::Command::doSelectAll);
    EXPECT_GT(d.marked(), 1);
    d.chooseMode(PEditMode::shape);
    EXPECT_EQ(d.marked(), 0);

    d.chooseMode(PEditMode::marking);
    d.curve->setFlag(PFlag::selected, true);
    d.text->setFlag(PFlag::selected, true);
    const int shapes = d.layer->shapes.size();
    expectUndoStep(d.world, *d.comic, [&] { d.pane->run(PSidePane::Command::doGroup); });
    EXPECT_EQ(d.layer->shapes.size(), shapes - 1);
    d.world.undo();
    d.pane->run(PSidePane::Command::doUnselect);
    EXPECT_EQ(d.marked(), 0);
    d.pane->run(PSidePane::Command::doGroup); // nothing marked: nothing to group
    EXPECT_TRUE(d.world.undoList.isEmpty());
}

TEST(LayerPaneAdd, AddCurveInPointModeSwitchesToShapesFirst)
{
    LayerDesk d;
    d.chooseMode(PEditMode::point);
    const int shapes = d.layer->shapes.size();
    d.pane->run(PSidePane::Command::addCurve);
    EXPECT_EQ(d.world.editMode, PEditMode::shape);
    EXPECT_EQ(d.layer->shapes.size(), shapes + 1);
    EXPECT_EQ(d.world.undoList.size(), 1);
}

TEST(LayerPaneLayer, HideStrokeAndNameAreOneStepEachAndLeaveTheShapesAlone)
{
    LayerDesk d;
    auto& p = *d.pane;
    expectUndoStep(
        d.world, *d.comic, [&p] { p.hideCheck->setOn(true), p.onChange(p.hideCheck); }, "hide");
    expectUndoStep(
        d.world, *d.comic, [&p] { p.strokeSwitch->setValue(25), p.onChange(p.strokeSwitch); }, "stroke");
    expectUndoStep(
        d.world, *d.comic, [&p] { p.nameField->text.assign("Colours"), p.onChange(p.nameField); }, "name");
    EXPECT_TRUE(d.layer->isHidden());
    EXPECT_FALSE(d.curve->hasFlag(PFlag::hidden));
    EXPECT_EQ(d.layer->stroke, 25);
    EXPECT_EQ(d.layer->name.toString(), "Colours");
}

TEST(LayerPaneLayer, AHiddenLayerCanStillBeChosenFromTheList)
{
    LayerDesk d;
    d.pane->onMenu(PCommand::create);
    auto* fresh = static_cast<PLayer*>(d.world.context.target(PClass::layer));
    ASSERT_NE(fresh, d.layer);
    EXPECT_EQ(fresh->panel, d.panel);
    d.layer->flags |= PFlag::hidden;
    d.pane->refresh(true);
    d.pane->list->selectItem(d.layer);
    d.pane->onSelect(d.pane->list);
    EXPECT_EQ(d.world.context.target(PClass::layer), d.layer);
}

TEST(LayerPaneMenu, CuttingTheLayerOfTheSelectedShapeDropsTheSelectionAndUndoBringsBothBack)
{
    LayerDesk d;
    const auto before = d.bytes();
    ASSERT_EQ(d.world.context.target(PClass::shape), d.curve);
    d.pane->onMenu(PCommand::cut);
    EXPECT_FALSE(d.panel->layers.contains(d.layer));
    EXPECT_EQ(d.world.context.target(PClass::shape), nullptr);
    EXPECT_EQ(d.canvas->selection.shape, nullptr);
    d.pane->onMenu(PCommand::paste); // a copy of the cut layer comes back as a new layer
    EXPECT_EQ(d.world.undoList.size(), 2);
    d.world.undo();
    d.world.undo();
    EXPECT_EQ(d.world.context.target(PClass::layer), d.layer);
    EXPECT_EQ(d.world.context.target(PClass::shape), d.curve);
    EXPECT_EQ(d.bytes(), before);
}

TEST(LayerPaneAdd, AClipOrDecorChosenInTheChooserComesAsOneGroupOfItsArtwork)
{
    LayerDesk d;
    PDialog::scriptedRun = [](PDialog& dialog) { static_cast<PTableBrowse*>(dialog.pane)->accept(); };
    const int shapes = d.layer->shapes.size();
    // The clip's own card is empty, so the card that has artwork is placed.
    d.pane->run(PSidePane::Command::addClip);
    ASSERT_EQ(d.layer->shapes.size(), shapes + 1);
    auto* placed = d.layer->shapes.get<PGroup>(shapes);
    ASSERT_EQ(placed->classId(), PClass::group);
    EXPECT_EQ(placed->children.size(), 1);
    EXPECT_EQ(placed->children.get<PBase>(0)->classId(), PClass::curve);

    d.pane->run(PSidePane::Command::addDecor);
    ASSERT_EQ(d.layer->shapes.size(), shapes + 2);
    auto* decor = d.layer->shapes.get<PGroup>(shapes + 1);
    EXPECT_EQ(decor->gridTo[4].x, 0.5f); // the bend comes along
    EXPECT_EQ(d.world.undoList.size(), 2);

    PDialog::scriptedRun = [](PDialog& dialog) { dialog.close(PDialog::cancelled); };
    d.pane->run(PSidePane::Command::addClip);
    EXPECT_EQ(d.world.undoList.size(), 2);
    PDialog::scriptedRun = nullptr;
}

TEST(LayerPaneMenu, NewPastedAndImportedLayersShowInTheListAtOnce)
{
    LayerDesk d;
    d.pane->onMenu(PCommand::copy);
    auto rowsMatch = [&d]
    {
        const auto& rows = d.pane->list->getItems();
        if (static_cast<int>(rows.size()) != d.panel->layers.size())
            return false;
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i] != d.panel->layers.at(static_cast<int>(i)))
                return false;
        return true;
    };
    const int before = d.panel->layers.size();
    d.pane->onMenu(PCommand::create);
    d.pane->onMenu(PCommand::paste);
    d.pane->chooseItem = [&d]() -> PItem* { return d.layer; };
    d.pane->onMenu(PCommand::import);
    ASSERT_EQ(d.panel->layers.size(), before + 3);
    EXPECT_TRUE(rowsMatch());
    EXPECT_EQ(d.pane->list->getItems()[static_cast<size_t>(d.pane->list->selectedRow())],
              d.world.context.target(PClass::layer));
    d.world.undo();
    EXPECT_TRUE(rowsMatch());
}
