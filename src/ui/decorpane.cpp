#include "ui/decorpane.h"

#include "edit/actiondeformmode.h"
#include "edit/world.h"
#include "model/choicelists.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/group.h"
#include "ui/brushpane.h"
#include "ui/canvas2.h"
#include "ui/widgets/button.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/label.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int gridRow = 9, editTitleRow = 10, ringRow = 11, addRow = 14, groupRow = 16, brushTop = 18;
} // namespace

PDecorPane::PDecorPane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PLibraryPane(parentPane, gx, gy, gw, gh, PPaneKind::decor, PClass::decor, "Decor.List", "Decor.Label")
{
    static_assert(gridRow == firstOwnRow);
    (new PLabel(this, 0, gridRow, labelWidth, 0))->setText("Decor.Grid");
    gridCombo = new PCombo(this, labelWidth, gridRow, -1, 0);
    gridCombo->fill(PChoiceList::deform);
    gridCombo->setTooltip("Decor.TipGrid");
    (new PTitle(this, 0, editTitleRow, -1, 0))->setText("Edit.Title");
    // Placed as the panel shows them, created in the order the ring tests them.
    addModeButton(0, ringRow + 1, half, "Edit.Group", PEditMode::marking);
    addModeButton(0, ringRow, third, "Edit.Draw", PEditMode::draw)->setTooltip("Edit.TipDraw");
    addModeButton(third, ringRow, third, "Edit.Shape", PEditMode::shape);
    addModeButton(2 * third, ringRow, -1, "Edit.Point", PEditMode::point);
    addModeButton(half, ringRow + 1, -1, "Edit.Wall", PEditMode::wallpaper);
    addModeButton(0, ringRow + 2, half, "Edit.EditDeform", PEditMode::deformBoth);
    addModeButton(half, ringRow + 2, -1, "Edit.TestDeform", PEditMode::deform);
    addCommandButton(0, addRow, half, "Edit.AddClip", Command::addClip);
    addCommandButton(half, addRow, -1, "Edit.AddDecor", Command::addDecor);
    addCommandButton(0, addRow + 1, half, "Edit.AddCurve", Command::addCurve);
    addCommandButton(half, addRow + 1, -1, "Edit.AddBrush", Command::addBrush);
    addGroupButtons(groupRow);
    brushPane = new PBrushPane(this, 0, brushTop, -1, -1);
    properties = brushPane;
}

void PDecorPane::onChange(PWidget* source)
{
    if (source == gridCombo)
        changeDeform(static_cast<uint16_t>(gridCombo->selectedCode()));
    else
        PLibraryPane::onChange(source);
}

void PDecorPane::changeMode(PEditMode mode)
{
    // The deformation modes draw the decor warped or at rest: its cached geometry must go.
    if (PItem* decor = currentItem())
        decor->invalidate();
    PLibraryPane::changeMode(mode);
}

void PDecorPane::changeDeform(uint16_t deform)
{
    auto* decor = static_cast<PDecor*>(currentItem());
    if (decor == nullptr || deform == 0)
        return;
    const uint16_t before = decor->content != nullptr ? decor->content->deformMode : noDeform;
    if (deform == before)
        return;
    world->record(std::make_unique<PActionDeformMode>(*world, decor, before, deform));
    if (decor->content != nullptr && !decor->content->children.isEmpty())
        changeMode(PEditMode::deformBoth);
}

PItem* PDecorPane::makeItem(const PComic& open) const
{
    auto* decor = new PDecor();
    decor->currentKey = open.setting3;
    // The group keeps the size it was made at, for the deformation to measure against.
    PGroup& content = decor->contentForEdit();
    content.deformA = content.deformB = decor->decorSize;
    return decor;
}

float PDecorPane::sizeOf(const PItem& item) const
{
    return static_cast<const PDecor&>(item).decorSize;
}

void PDecorPane::showExtras(PItem* item)
{
    gridCombo->setEnabled(item != nullptr);
    const auto* decor = static_cast<const PDecor*>(item);
    gridCombo->select(decor != nullptr && decor->content != nullptr ? decor->content->deformMode : noDeform);
}
