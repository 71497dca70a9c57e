#include "ui/clippane.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "edit/world.h"
#include "model/clip.h"
#include "model/comic.h"
#include "ui/canvas2.h"
#include "ui/shapepane.h"
#include "ui/widgets/button.h"
#include "ui/widgets/label.h"
#include "ui/widgets/number.h"
#include "ui/widgets/title.h"

namespace
{
/** Whole numbers: card numbers are 16-bit, clamped on entry. */
constexpr int variantRow = 9, editTitleRow = 10, ringRow = 11, addRow = 13, groupRow = 15, shapeTop = 17;
} // namespace

PClipPane::PClipPane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PLibraryPane(parentPane, gx, gy, gw, gh, PPaneKind::clips, PClass::clip, "Clip.List", "Clip.Label")
{
    static_assert(variantRow == firstOwnRow);
    (new PLabel(this, 0, variantRow, labelWidth, 0))->setText("Clip.Variant");
    variantNumber = new PNumber(this, labelWidth, variantRow, fieldWidth, 0, PNumber::Kind::whole);
    (new PTitle(this, 0, editTitleRow, -1, 0))->setText("Edit.Title");
    // Placed as the panel shows them, created in the order the ring tests them.
    addModeButton(0, ringRow + 1, half, "Edit.Group", PEditMode::marking);
    addModeButton(0, ringRow, third, "Edit.Draw", PEditMode::draw)->setTooltip("Edit.TipDraw");
    addModeButton(third, ringRow, third, "Edit.Shape", PEditMode::shape);
    addModeButton(2 * third, ringRow, -1, "Edit.Point", PEditMode::point);
    addModeButton(half, ringRow + 1, -1, "Edit.Wall", PEditMode::wallpaper);
    addCommandButton(0, addRow, half, "Edit.AddClip", Command::addClip);
    addCommandButton(half, addRow, -1, "Edit.AddCurve", Command::addCurve);
    addCommandButton(0, addRow + 1, half, "Edit.AddText", Command::addText);
    addGroupButtons(groupRow);
    shapePane = new PShapePane(this, 0, shapeTop, -1, -1);
    properties = shapePane;
}

void PClipPane::onChange(PWidget* source)
{
    if (source != variantNumber)
    {
        PLibraryPane::onChange(source);
        return;
    }
    const double typed = std::round(static_cast<double>(variantNumber->getValue()));
    showCard(static_cast<uint16_t>(std::clamp(typed, 0.0, static_cast<double>(std::numeric_limits<uint16_t>::max()))));
}

void PClipPane::showCard(uint16_t cardNo)
{
    auto* clip = static_cast<PClip*>(currentItem());
    if (clip == nullptr || clip->currentKey == cardNo)
    {
        refresh();
        return;
    }
    if (world->context.target(PClass::shape) != nullptr || world->context.target(PClass::point) != nullptr)
    {
        world->context.setTarget(nullptr, PClass::shape);
        broadcast(PNotify::selection);
    }
    if (world->editMode == PEditMode::wallpaper)
        changeMode(PEditMode::shape);
    clip->currentKey = cardNo;
    broadcast(PNotify::viewChanged);
    refresh();
}

PItem* PClipPane::makeItem(const PComic& open) const
{
    auto* clip = new PClip();
    clip->currentKey = open.setting3;
    return clip;
}

float PClipPane::sizeOf(const PItem& item) const
{
    return static_cast<const PClip&>(item).clipSize;
}

void PClipPane::showExtras(PItem* item)
{
    variantNumber->setEnabled(item != nullptr);
    if (item != nullptr)
        variantNumber->setValue(static_cast<float>(static_cast<PClip*>(item)->currentKey));
}
