#pragma once

#include "ui/librarypane.h"

class PShapePane;

/** The Clips side pane: the comic's clips in five groups, the current clip's name, size and shown
    card (variant), how the canvas edits the card's shapes, adding and grouping them, and the shape
    pane for the selected shape.

        auto* clips = new PClipPane(&content, 0, 1, 12, -1);
        clips->setWorld(&world, canvas);
*/
class PClipPane : public PLibraryPane
{
public:
    PClipPane(PPane* parent, int x, int y, int w, int h);

    void onChange(PWidget* source) override;

    /** Shows another card of the current clip. A selected shape belongs to the card that goes, so
        it is dropped first; the wallpaper mode gives way to the shape mode, since the artist asked
        to see the clip. The card shown is view state, no undo step. */
    void showCard(uint16_t cardNo);

    PNumber* variantNumber = nullptr;
    PShapePane* shapePane = nullptr;

protected:
    PItem* makeItem(const PComic& open) const override;
    float sizeOf(const PItem& item) const override;
    void showExtras(PItem* item) override;
};
