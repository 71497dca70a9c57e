#pragma once

#include "ui/librarypane.h"

class PBrushPane;
class PCombo;

/** The Decor side pane: the comic's decor in five groups, the current decor's name, size and
    deformation, how the canvas edits its shapes (with the two ways of dragging the deformation
    handles), adding and grouping shapes, and the brush pane for the selected brush stroke.

        auto* decor = new PDecorPane(&content, 0, 1, 12, -1);
        decor->setWorld(&world, canvas);
*/
class PDecorPane : public PLibraryPane
{
public:
    /** The deformation of a decor that has never been edited. */
    static constexpr uint16_t noDeform = 1;

    PDecorPane(PPane* parent, int x, int y, int w, int h);

    void onChange(PWidget* source) override;
    void changeMode(PEditMode mode) override;

    /** Gives the current decor another deformation, starting from an undeformed grid; with artwork
        to fit, the canvas turns to placing the handles over it. */
    void changeDeform(uint16_t deform);

    PCombo* gridCombo = nullptr;
    PBrushPane* brushPane = nullptr;

protected:
    PItem* makeItem(const PComic& open) const override;
    float sizeOf(const PItem& item) const override;
    void showExtras(PItem* item) override;
};
