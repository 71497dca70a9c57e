#pragma once

#include <array>

#include "edit/panekind.h"
#include "model/base.h"

class PComic;

/** The edit context: the chain of current objects, outermost first (comic, page, panel or layer,
    shape, point), and the side-pane mode that says which kinds the chain holds. The world keeps
    the live one; every action carries a copy of the moment it was made, so that undo and redo
    can bring the user back to where the change happened.

        context.setTarget(comic, PClass::comic);   // empties every deeper slot
        context.setTarget(page, PClass::page);      // marks the page current
        auto* layer = context.target(PClass::layer);
*/
class PContext : public PBase
{
public:
    static constexpr int slotCount = 6;

    uint16_t classId() const override { return PClass::context; }
    PBase* clone() const override { return cloneAs(*this); }
    /** Copies flags, mode, the view fields and the targets; the current marks are left alone. */
    void copyFrom(const PBase* other) override;

    /** The slot that holds objects of a class in a mode, or -1. */
    static int slotOf(PPaneKind mode, uint16_t classId);
    int slotOf(uint16_t classId) const { return slotOf(mode, classId); }
    /** The object in the slot of a class when it is of that class (49 takes any shape, 2 a comic). */
    PBase* target(uint16_t classId) const;
    PComic* comic() const;
    /** The shape whose points the point slot holds: the object in the slot above the point's. */
    PBase* pointOwner() const;
    /** The page, layer, clip or decor whose content the chain edits; null without a chain. */
    PBase* container() const;

    /** Puts object in the slot of classId and empties every deeper slot, moving the current marks;
        null only empties. Remembers where a new page, panel, layer, clip or decor stands. */
    void setTarget(PBase* object, uint16_t classId);
    /** Clears the marks of all targets and empties them. */
    void clear();
    /** Like copyFrom, but the current marks move from the old targets to the new ones. */
    void assign(const PContext& other);
    bool sameTargets(const PContext& other) const { return targets == other.targets; }

    /** Starts a chain in a mode from the comic, at the positions last used in that mode. */
    void startChain(PComic* comic, PPaneKind newMode);
    /** The remembered list position of a page, panel, layer, clip or decor (0 when never set). */
    static int rememberedPosition(uint16_t classId);
    static void forgetPositions();

    std::array<PBase*, slotCount> targets{};
    PPaneKind mode = PPaneKind::none;
    float viewScale = 1, viewX = 0, viewY = 0;
    /** The point, in pan units, about which the view pane zooms: the pan follows each zoom so that
        the page under it stays put. */
    float zoomCentreX = 0, zoomCentreY = 0;
    uint16_t viewCode = 0;
    /** The canvas's fit of the page in the live context; never copied. */
    float fitFactor = 1, fitX = 0, fitY = 0;

private:
    void remember(PBase* object, int slot);
    void startAt(int slot, uint16_t classId);
};
