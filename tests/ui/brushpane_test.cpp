// The brush pane driven headless in a pane tree that hears the session: every control of every
// kind is one undo step (the kind change of a closed area brush two).

#include <gtest/gtest.h>

#include <functional>

#include "edit/actionproperty.h"
#include "support/testdocument.h"
#include "support/treenotifier.h"
#include "support/undostep.h"
#include "ui/brushpane.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/widgethost.h"

namespace
{
/** The root of the tree: hears what the pane broadcasts itself. */
struct Root : PPane
{
    using PPane::PPane;
    void onNotify(PNotify code) override { codes.push_back(code); }
    std::vector<PNotify> codes;
};

/** The sample comic in the decor mode of a session, a brush pane that hears it, a colour editor
    that answers at once and a clip chooser that takes the first clip. */
struct BrushDesk : TestDocument, PWidgetHost
{
    Root root{20, 30, &options};
    PBrushPane* pane = new PBrushPane(&root, 0, 0, PBrushPane::columns, PBrushPane::rows);
    TreeNotifier tree{root};

    BrushDesk()
    {
        world.notifier = &tree;
        PWidgetHost::install(this);
        PDialog::scriptedRun = [](PDialog& dialog) { static_cast<PTableBrowse*>(dialog.pane)->accept(); };
        world.context.mode = PPaneKind::decor;
        world.context.setTarget(comic, PClass::comic);
        world.context.setTarget(decor, PClass::decor);
        pane->setWorld(&world);
    }
    ~BrushDesk() override
    {
        PDialog::scriptedRun = nullptr;
        PWidgetHost::install(nullptr);
        world.context.clear();
    }
    bool editColour(PWidget&, uint32_t& colour) override
    {
        colour = 0xFF15FF80;
        return true;
    }
    /** The sample's brush of a kind: the area brush of the ink layer, the others of the colour layer. */
    PBrush* brushOfKind(int brushKind)
    {
        return brushKind == PBrushGenerator::area ? brush
                                                  : panel->layers.get<PLayer>(1)->shapes.get<PBrush>(brushKind - 2);
    }
    PBrushPane::KindSection& shown() { return *pane->sectionOf(static_cast<PBrush*>(pane->shape)->kind); }
    void chooseKind(int brushKind)
    {
        dynamic_cast<juce::ComboBox*>(pane->kindCombo->getComponent())
            ->setSelectedId(brushKind, juce::sendNotificationSync);
    }
};

void slide(PSlider& slider, int position)
{
    dynamic_cast<juce::Slider*>(slider.getComponent())->setValue(position, juce::sendNotificationSync);
}

void doubleClick(PSlider& slider)
{
    auto* peer = slider.getComponent();
    const juce::Point<float> at{2, 2};
    const auto now = juce::Time::getCurrentTime();
    peer->mouseDoubleClick(juce::MouseEvent(juce::Desktop::getInstance().getMainMouseSource(), at, {},
                                            juce::MouseInputSource::defaultPressure, 0, 0, 0, 0, peer, peer, now, at,
                                            now, 2, false));
}

TEST(BrushPaneEdit, EachControlOfEachKindIsOneUndoStepThatUndoTakesBack)
{
    using Use = std::function<void(BrushDesk&)>;
    struct Case
    {
        const char* control;
        int brushKind; // 0: the plain curve, -1: the group
        Use use;
        Use prepare = nullptr;
    };
    auto tint = [](bool fill)
    { return [fill](BrushDesk& d) { click(fill ? *d.shown().fillTint : *d.shown().lineTint); }; };
    auto check = [](PCheck* PBrushPane::KindSection::*member)
    { return [member](BrushDesk& d) { click(*(d.shown().*member)); }; };
    auto slider = [](PSlider* PBrushPane::KindSection::*member)
    { return [member](BrushDesk& d) { slide(*(d.shown().*member), 90); }; };
    const Use pattern = [](BrushDesk& d) { click(*d.shown().pattern); };
    const Use seed = [](BrushDesk& d) { click(*d.shown().seed->up); };
    using S = PBrushPane::KindSection;
    const Case cases[] = {
        {"curve line", 0, [](BrushDesk& d) { click(*d.pane->curveLineTint); }},
        {"curve fill", 0, [](BrushDesk& d) { click(*d.pane->curveFillTint); }},
        {"curve closed", 0, [](BrushDesk& d) { click(*d.pane->curveClosed); }},
        {"frame", -1, [](BrushDesk& d) { click(*d.pane->clipCheck); }},
        {"kind", 3, [](BrushDesk& d) { d.chooseKind(PBrushGenerator::fine); }},
        {"area line", 1, tint(false)},
        {"area fill", 1, tint(true)},
        {"area closed", 1, check(&S::closed)},
        {"area pattern", 1, pattern},
        {"area thickness", 1, slider(&S::thickness)},
        {"area seed", 1, seed},
        {"thick line", 2, tint(false)},
        {"thick fill", 2, tint(true)},
        {"thick pattern", 2, pattern},
        {"thick clear", 2, [](BrushDesk& d) { click(*d.shown().clear); },
         [](BrushDesk& d) { d.brushOfKind(2)->pattern.reset(static_cast<PClip*>(d.clip->clone())); }},
        {"thick thickness", 2, slider(&S::thickness)},
        {"thick largeness", 2, slider(&S::largeness)},
        {"thick seed", 2, seed},
        {"spray align", 3, check(&S::align)},
        {"spray pattern", 3, pattern},
        {"spray scaling", 3, slider(&S::thickness)},
        {"spray density", 3, slider(&S::density)},
        {"spray distribute", 3, slider(&S::distribute)},
        {"spray oscillate", 3, slider(&S::oscillate)},
        {"spray seed", 3, seed},
        {"fine line", 4, tint(false)},
        {"fine fill", 4, tint(true)},
        {"fine closed", 4, check(&S::closed)},
        {"fine pattern", 4, pattern},
        {"fine thickness", 4, slider(&S::thickness)},
        {"fine gravity", 4, check(&S::gravity)},
        {"fine variant", 4,
         [](BrushDesk& d)
         {
             d.select(d.pane->shape, static_cast<PCurve*>(d.pane->shape)->pointAt(1));
             click(*d.shown().variant->up);
         }},
    };
    for (const auto& c : cases)
    {
        BrushDesk d;
        if (c.prepare)
            c.prepare(d);
        d.select(c.brushKind > 0    ? d.brushOfKind(c.brushKind)
                 : c.brushKind == 0 ? d.curve
                                    : static_cast<PShape*>(d.group));
        expectUndoStep(
            d.world, *d.comic, [&] { c.use(d); }, c.control);
    }
}

TEST(BrushPaneKind, LeavingAClosedAreaBrushOpensItsGuideFirstAsAStepOfItsOwn)
{
    BrushDesk d;
    d.brush->setClosed(true);
    d.select(d.brush);
    const auto before = d.bytes();
    d.chooseKind(PBrushGenerator::spray);
    EXPECT_EQ(d.brush->kind, PBrushGenerator::spray);
    EXPECT_FALSE(d.brush->isClosed());
    ASSERT_EQ(d.world.undoList.size(), 2);
    d.world.undo();
    EXPECT_EQ(d.brush->kind, PBrushGenerator::area);
    EXPECT_FALSE(d.brush->isClosed());
    EXPECT_EQ(d.pane->kindCombo->selectedCode(), PBrushGenerator::area);
    d.world.undo();
    EXPECT_TRUE(d.brush->isClosed());
    EXPECT_EQ(d.bytes(), before);
}

TEST(BrushPaneButtons, ClearWithoutAPatternAddsNothing)
{
    BrushDesk d;
    d.select(d.brushOfKind(PBrushGenerator::thick));
    ASSERT_EQ(d.brushOfKind(PBrushGenerator::thick)->pattern, nullptr);
    d.pane->onClick(d.shown().clear);
    EXPECT_TRUE(d.world.undoList.isEmpty());
    click(*d.shown().pattern);
    EXPECT_EQ(d.brushOfKind(PBrushGenerator::thick)->pattern->name.toString(), "Tree");
    EXPECT_EQ(dynamic_cast<juce::Button*>(d.shown().pattern->getComponent())->getButtonText(), "Tree");
}

TEST(BrushPaneShow, TheVariantRowFollowsThePointOfAFineBrush)
{
    BrushDesk d;
    auto* fine = d.brushOfKind(PBrushGenerator::fine);
    d.select(fine);
    auto& section = *d.pane->sectionOf(PBrushGenerator::fine);
    EXPECT_TRUE(section.thickness->isVisible());
    EXPECT_FALSE(d.pane->sectionOf(PBrushGenerator::area)->thickness->isVisible());
    EXPECT_FALSE(section.variant->isEnabled());
    d.select(fine, fine->pointAt(1));
    EXPECT_TRUE(section.variant->isEnabled());
    EXPECT_EQ(section.variant->getValue(), 2);
    d.select(fine);
    EXPECT_FALSE(section.variant->isEnabled());
}

TEST(BrushPaneSlider, DoubleClickReturnsToTheMiddleAsOneStepButNotOnTheFineThickness)
{
    BrushDesk d;
    d.select(d.brushOfKind(PBrushGenerator::spray));
    doubleClick(*d.shown().density);
    ASSERT_EQ(d.world.undoList.size(), 1);
    auto* action = dynamic_cast<PActionProperty<float>*>(d.world.undoList.at(0));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->property, &PProperties::density);
    EXPECT_FLOAT_EQ(d.brushOfKind(PBrushGenerator::spray)->density, 0.5f);

    d.select(d.brushOfKind(PBrushGenerator::fine));
    slide(*d.shown().thickness, 20);
    doubleClick(*d.shown().thickness);
    EXPECT_EQ(d.world.undoList.size(), 2);
    EXPECT_FLOAT_EQ(d.brushOfKind(PBrushGenerator::fine)->thickness, 0.2f);
}

TEST(BrushPaneFrame, FramesOnlyTheGroupAndAsksForAFullFrame)
{
    BrushDesk d;
    auto* picture = new PImage();
    picture->flags |= PImage::byFullPath;
    d.group->children.append(picture);
    d.select(d.group);
    click(*d.pane->clipCheck);
    EXPECT_TRUE(d.group->hasFlag(PGroup::framed));
    EXPECT_TRUE(picture->hasFlag(PImage::byFullPath));
    EXPECT_FALSE(d.group->childAt(0)->hasFlag(PGroup::framed));
    EXPECT_EQ(d.root.codes.back(), PNotify::highQualityFrame);
    click(*d.pane->clipCheck);
    EXPECT_TRUE(picture->hasFlag(PImage::byFullPath)); // unframing keeps the image's file
}
} // namespace
