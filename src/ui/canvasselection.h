#pragma once

#include <cstdint>

#include "edit/panekind.h"
#include "model/editmode.h"
#include "model/geometry.h"

class PArray;
class PBase;
class PCard;
class PDecor;
class PGroup;
class PLayer;
class PPage;
class PPanel;
class PPoint;
class POption;
class PShape;
class PWorld;

/** What the canvas shows and edits, as read from the world's edit context: the side pane, the
    page, the shown container, the panel, the selected shape and point; and where any shape of it
    lives. The renderer, the gestures and the commands of the canvas all work on this one copy.

        selection.read(options);
        const auto place = selection.locate(selection.shape);   // its list, owner and matrix
*/
class PCanvasSelection
{
public:
    /** Where a shape lives: the list that holds it, that list's owner, and its parent's matrix to
        the page (the panel's in the Layers pane, times those of enclosing groups). */
    struct Place
    {
        PArray* list = nullptr;
        PBase* owner = nullptr;
        PMatrix parentToPage;
        PGroup* group = nullptr;
    };

    /** Re-reads everything from the world's context; in wallpaper mode the shape is the options'
        wallpaper (null when there is none). */
    void read(POption* options);
    PEditMode editMode() const;
    /** In shape, attachment or wallpaper mode: the modes with the move, turn and scale handles. */
    bool placesShapes() const;
    /** The Decor pane in a deform mode. */
    bool decorDeforming() const;
    /** The decor item the Decor pane shows, or null (another pane, or no item). */
    PDecor* shownDecor() const;
    /** The layer of the Layers pane's chain, or null. */
    PLayer* layer() const;
    /** In point mode with a curve, panel or brush selected. */
    bool hasPointOverlay() const;

    Place locate(const PShape* target) const;
    /** The list new and pasted shapes go into, with its owner and its coordinates' matrix to the
        page; with create, a missing card or decor content is made for them. */
    Place insertionPlace(bool create = false) const;
    PMatrix shapeToPage() const;
    /** What a frame fits into the pane: the page, the Layers pane's panel or the decor content. */
    const PBase* fitSource() const;
    /** What presses and the band search for shapes: the layer, the clip's shown card or the container. */
    PBase* searched() const;

    /** Makes picked and pickedPoint the selection, in the context too, and tells the panes. */
    void select(PShape* picked, PPoint* pickedPoint);
    /** Lets go of the selected point, in the context too. */
    void dropPoint();

    PWorld* world = nullptr;
    /** The page of the Pages and Layers panes; the shown container is the context's. */
    PPage* page = nullptr;
    PBase* container = nullptr;
    PPanel* panel = nullptr;
    PShape* shape = nullptr;
    PPoint* point = nullptr;
    /** The context mode of the side pane in use (pages, layers, clips or decor). */
    PPaneKind sidePane = PPaneKind::none;
};

bool isCurveLike(const PBase* object);
/** A deformed group's members cannot be marked one by one: the warp belongs to the whole group. */
bool isLockedGroup(const PBase* object);
