#include "ui/coloredit.h"

#include "ui/wheel.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int paletteColumn = PWheel::columns + 1, pickWidth = 1, storeWidth = 1;
/** Each palette column: a pick button, a store button and a free cell before the next. */
constexpr int paletteStep = pickWidth + storeWidth + 1;
constexpr int bottomRow = PColorEdit::rows - 1, swatchWidth = 2, buttonWidth = 4;
constexpr int pointingLeft = 270;
} // namespace

PColorEdit::PColorEdit(POption* o, uint32_t* edited)
    : PPane(columns, rows, o), target(edited), opening(edited != nullptr ? *edited : 0)
{
    jassert(target != nullptr);
    (new PTitle(this, 0, 0, PWheel::columns, 0))->setText("ColorEdit.Wheel");
    wheel = new PWheel(this, 0, 1, PWheel::columns, PWheel::rows);
    wheel->setColour(opening);
    (new PTitle(this, paletteColumn, 0, columns - paletteColumn, 0))->setText("ColorEdit.Palette");
    for (int i = 0; i < POption::paletteSize; ++i)
    {
        const int column = paletteColumn + (i / paletteRows) * paletteStep, row = 1 + i % paletteRows;
        auto* entry = new PTint(this, column, row, pickWidth, 0);
        entry->picker = true;
        entry->setColour(options != nullptr ? options->palette[static_cast<size_t>(i)] : 0);
        entry->setTooltip("ColorEdit.TipPick");
        pick[static_cast<size_t>(i)] = entry;
        auto* keep = new PButton(this, column + pickWidth, row, storeWidth, 0);
        keep->setArrow(pointingLeft);
        keep->setTooltip("ColorEdit.TipStore");
        store[static_cast<size_t>(i)] = keep;
    }
    currentSwatch = new PTint(this, 0, bottomRow, swatchWidth, 0);
    currentSwatch->picker = true;
    currentSwatch->setColour(opening);
    currentSwatch->setTooltip("ColorEdit.TipNew");
    openingSwatch = new PTint(this, swatchWidth, bottomRow, swatchWidth, 0);
    openingSwatch->picker = true;
    openingSwatch->setColour(opening);
    openingSwatch->setTooltip("ColorEdit.TipOld");
    accept = new PButton(this, columns - 2 * buttonWidth, bottomRow, buttonWidth, 0);
    accept->setText("Text.Accept");
    cancel = new PButton(this, columns - buttonWidth, bottomRow, buttonWidth, 0);
    cancel->setText("Text.Cancel");
}

bool PColorEdit::edit(uint32_t& colour, POption& options, const std::function<void()>& live)
{
    auto* pane = new PColorEdit(&options, &colour);
    pane->live = live;
    PDialog dialog(pane, "ColorEdit.Title", true);
    const bool accepted = dialog.run() == PDialog::accepted;
    if (!accepted)
        pane->restore();
    return accepted;
}

void PColorEdit::choose(uint32_t colour)
{
    wheel->setColour(colour);
    currentSwatch->setColour(colour);
    if (*target == colour)
        return;
    *target = colour;
    if (live)
        live();
}

void PColorEdit::restore()
{
    choose(opening);
}

void PColorEdit::onChange(PWidget* source)
{
    if (source == wheel)
        choose(wheel->colour);
}

void PColorEdit::onClick(PWidget* source)
{
    if (source == accept)
        close(PDialog::accepted);
    else if (source == cancel)
    {
        restore();
        close(PDialog::cancelled);
    }
    else if (source == openingSwatch)
        choose(opening);
    for (size_t i = 0; i < pick.size(); ++i)
    {
        if (source == pick[i] && options != nullptr)
            choose(options->palette[i]);
        else if (source == store[i] && options != nullptr)
        {
            // Kept in the options at once: a cancel of the colour itself does not take it back.
            options->palette[i] = *target;
            options->modified = true;
            pick[i]->setColour(*target);
        }
    }
}

bool PColorEdit::canClose()
{
    restore();
    return true;
}

void PColorEdit::close(int result)
{
    if (auto* d = findDialog())
        d->close(result);
}
