#include "ui/comictuning.h"

#include "edit/notifier.h"
#include "model/comic.h"
#include "model/curve.h"
#include "model/page.h"
#include "model/shade.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/label.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/requests.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/widgethost.h"

namespace
{
constexpr int hintRow = 0, paletteRow = 1, stepRow = 3, buttonRow = PComicTuning::rows - 1;
constexpr int paletteColumn = (PComicTuning::columns - PPalette::strip - 2) / 2;
constexpr int buttonWidth = 4, stepWidth = PComicTuning::columns / 3, fullWidth = -1;

PButton* button(PPane* pane, int column, int row, const char* key, int width = buttonWidth)
{
    auto* b = new PButton(pane, column, row, width, 0);
    b->setText(key);
    return b;
}
} // namespace

PComicTuning::PComicTuning(PComic& tuned, POption* o, PPane* openedBy)
    : PPane(columns, rows, o), comic(tuned), opener(openedBy)
{
    hint = new PLabel(this, 0, hintRow, fullWidth, 0);
    palette = new PPalette(this, paletteColumn, paletteRow);
    previousButton = button(this, 0, stepRow, "ComicSetting.Previous", stepWidth);
    drawButton = button(this, stepWidth, stepRow, "View2Pane.Draw", stepWidth);
    nextButton = button(this, 2 * stepWidth, stepRow, "ComicSetting.Next", stepWidth);
    acceptButton = button(this, columns - 2 * buttonWidth, buttonRow, "Text.Accept");
    cancelButton = button(this, columns - buttonWidth, buttonRow, "Text.Cancel");

    collectShades();
    showPaletteColours();
    hint->setText(shades.isEmpty() ? "ComicSetting.NoColors" : "ComicSetting.Hint");
    palette->setVisible(!shades.isEmpty());
    updateStepButtons();
}

PComicTuning::~PComicTuning()
{
    shades.deleteAll();
}

bool PComicTuning::run(PComic& comic, PPane& opener)
{
    auto* pane = new PComicTuning(comic, opener.getOptions(), &opener);
    PDialog dialog(pane, "ComicSetting.Colors", true);
    const bool accepted = dialog.run() == PDialog::accepted;
    // However the dialog ended without acceptance, the comic goes back to how it was.
    if (!accepted)
        pane->cancel();
    return accepted;
}

void PComicTuning::collectShades()
{
    shades.deleteAll();
    originals.clear();
    PArray found;
    for (auto* page : comic.pages)
        for (auto* panel : static_cast<PPage*>(page)->panels)
            static_cast<PShape*>(panel)->collectShadeUsers(found);

    for (auto* element : found)
    {
        auto* shade = static_cast<PShade*>(element);
        std::vector<PCurve*> filled;
        for (auto* member : shade->members)
            // A closed shape without fill shows none; recolouring it would make a fill appear.
            if (auto* curve = static_cast<PCurve*>(member); curve->hasFill())
                filled.push_back(curve);
        shade->members.clear();
        if (filled.empty())
        {
            delete shade;
            continue;
        }
        shade->from = shade->to = filled.front()->fillColour;
        for (auto* curve : filled)
        {
            shade->members.append(curve);
            originals.emplace_back(curve, curve->fillColour);
        }
        shades.append(shade);
    }
    found.clear();
}

void PComicTuning::showPaletteColours()
{
    std::vector<uint32_t> colours;
    for (auto* shade : shades)
        colours.push_back(static_cast<PShade*>(shade)->to);
    palette->setColours(colours);
}

void PComicTuning::updateStepButtons()
{
    int current = -1;
    for (int i = 0; i < comic.pages.size(); ++i)
        if (comic.pages[i]->hasFlag(PFlag::current))
            current = i;
    previousButton->setVisible(current > 0);
    nextButton->setVisible(current >= 0 && current < comic.pages.size() - 1);
}

void PComicTuning::tell(PNotify code)
{
    if (opener != nullptr)
        opener->broadcast(code);
}

void PComicTuning::askPageStep(int step)
{
    if (auto* asked = opener != nullptr ? opener->requests() : nullptr)
        asked->requestPageStep(step);
}

void PComicTuning::setShadeColour(int index, uint32_t hsla)
{
    auto* shade = shades.get<PShade>(index);
    if (shade == nullptr || finished)
        return;
    shade->to = hsla;
    palette->setColourAt(index, hsla);
    paintMembers(*shade, hsla);
}

void PComicTuning::paintMembers(PShade& shade, uint32_t colour)
{
    for (auto* member : shade.members)
    {
        auto* curve = static_cast<PCurve*>(member);
        curve->fillColour = colour;
        curve->invalidate();
    }
    tell(PNotify::highQualityFrame);
}

void PComicTuning::step(bool forward)
{
    askPageStep(forward ? 1 : -1);
    tell(PNotify::highQualityFrame);
    updateStepButtons();
}

void PComicTuning::onChange(PWidget* source)
{
    const int index = palette->chosen();
    auto* shade = shades.get<PShade>(index);
    if (source != palette || shade == nullptr)
        return;
    uint32_t colour = shade->to;
    editedEntry = palette->entries[static_cast<size_t>(index - palette->firstShown())];
    editedColour = &colour;
    shownLive = false;
    const bool accepted = PWidgetHost::get().editColour(*editedEntry, colour);
    editedEntry = nullptr;
    editedColour = nullptr;
    if (accepted && colour != shade->to)
        setShadeColour(index, colour);
    else if (shownLive)
    {
        palette->setColourAt(index, shade->to);
        paintMembers(*shade, shade->to);
    }
}

void PComicTuning::onChanging(PWidget* source)
{
    auto* shade = shades.get<PShade>(palette->chosen());
    if (source == nullptr || source != editedEntry || shade == nullptr || finished)
        return;
    if (auto* tint = dynamic_cast<PTint*>(editedEntry))
        tint->setColour(*editedColour);
    paintMembers(*shade, *editedColour);
    shownLive = true;
}

void PComicTuning::onClick(PWidget* source)
{
    if (source == drawButton)
        tell(PNotify::highQualityFrame);
    else if (source == previousButton || source == nextButton)
        step(source == nextButton);
    else if (source == acceptButton)
        accept();
    else if (source == cancelButton)
        cancel();
}

bool PComicTuning::canClose()
{
    cancel();
    return true;
}

void PComicTuning::accept()
{
    if (finished)
        return;
    shades.deleteAll();
    originals.clear();
    comic.invalidate();
    finish(PDialog::accepted);
}

void PComicTuning::cancel()
{
    if (finished)
        return;
    for (auto& [curve, fill] : originals)
    {
        curve->fillColour = fill;
        curve->invalidate();
    }
    shades.deleteAll();
    originals.clear();
    tell(PNotify::highQualityFrame);
    finish(PDialog::cancelled);
}

void PComicTuning::finish(int result)
{
    finished = true;
    if (auto* d = findDialog())
        d->close(result);
}
