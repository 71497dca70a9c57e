#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/actioninsert.h"

TEST(ActionCut, CutPasteUndoRedoKeepOneOwnerForEveryObject)
{
    TestDocument d;
    PArray& shapes = d.layer->shapes;
    d.world.record(std::make_unique<PActionCut>(d.world, shapes, d.curve));
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape), d.curve);
    EXPECT_FALSE(shapes.contains(d.curve));
    EXPECT_EQ(d.world.context.target(PClass::shape), nullptr); // the context no longer names it
    EXPECT_FALSE(d.curve->hasFlag(PFlag::current));

    auto paste = [&]
    {
        std::unique_ptr<PBase> copy(d.world.clipboardEntry(PClass::curve)->clone());
        PBase* pasted = copy.get();
        d.world.record(std::make_unique<PActionInsert>(d.world, shapes, d.layer, std::move(copy), -1));
        return pasted;
    };
    PBase* pasted = paste();
    EXPECT_EQ(shapes.at(shapes.size() - 1), pasted);

    d.world.record(std::make_unique<PActionCut>(d.world, shapes, d.text)); // takes the curve off the clipboard
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape), d.text);
    d.world.undo();
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape), d.curve);
    EXPECT_TRUE(shapes.contains(d.text));
    d.world.redo();
    d.world.undo();
    d.world.undo(); // the paste
    d.world.undo(); // the first cut
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape), nullptr);
    EXPECT_EQ(shapes.indexOf(d.curve), 0);
    d.world.redo();
    d.world.redo();
    pasted = paste(); // drops the text cut from the redo list
    EXPECT_EQ(d.world.redoList.size(), 0);
    EXPECT_TRUE(d.world.saveAllAndClearHistory());
    // The curve stays on the clipboard until the world ends; the sanitizers check the rest.
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape), d.curve);
}

TEST(ActionCut, PointsRederiveTheirCurve)
{
    TestDocument d;
    PPoint* point = d.curve->pointAt(1);
    d.world.context.setTarget(point, PClass::point);
    d.world.record(std::make_unique<PActionCut>(d.world, d.curve->points, point));
    EXPECT_EQ(d.world.clipboardEntry(PClass::point), point);
    EXPECT_EQ(d.world.context.target(PClass::point), nullptr);
    EXPECT_EQ(d.world.context.target(PClass::curve), d.curve);
    EXPECT_EQ(d.curve->points.size(), 2);
    d.world.undo();
    EXPECT_EQ(d.curve->pointAt(1), point);
    EXPECT_EQ(d.world.clipboardEntry(PClass::point), nullptr);
}

TEST(ActionCut, UndoLeavesAClipboardThatNoLongerHoldsTheCutObject)
{
    TestDocument d;
    const int shapes = d.layer->shapes.size();
    d.world.record(std::make_unique<PActionCut>(d.world, d.layer->shapes, d.text));
    d.world.putClipboard(PClass::shape, std::make_unique<PCurve>()); // deletes the text, outside the history
    d.world.undo();
    EXPECT_EQ(d.layer->shapes.size(), shapes - 1);
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape)->classId(), PClass::curve);
    d.world.redo();
    EXPECT_EQ(d.layer->shapes.size(), shapes - 1);
}

TEST(ActionCopy, KeepsTheEntryItReplacedForUndo)
{
    TestDocument d;
    auto made = std::make_unique<PText>();
    PText* earlier = made.get();
    d.world.putClipboard(PClass::text, std::move(made));
    d.world.record(std::make_unique<PActionCopy>(d.world, d.curve));
    PBase* copy = d.world.clipboardEntry(PClass::shape);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, d.curve);
    EXPECT_EQ(copy->classId(), PClass::curve);
    EXPECT_FALSE(copy->hasFlag(PFlag::current));
    d.world.undo();
    EXPECT_EQ(d.world.clipboardEntry(PClass::shape), earlier);
    d.world.redo();
    d.world.record(std::make_unique<PActionCopy>(d.world, d.page));
    EXPECT_EQ(d.world.clipboardEntry(PClass::page)->classId(), PClass::page);
    EXPECT_NE(d.world.clipboardEntry(PClass::shape), earlier); // kept by the first copy, freed with it
}
