#include "ui/fontedit.h"

#include "model/translate.h"
#include "model/typeface.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/label.h"
#include "ui/widgets/list.h"
#include "ui/widgets/style.h"
#include "ui/widgets/switch.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int listWidth = 9, listRows = 10;
constexpr int middleColumn = listWidth + 1, labelWidth = 3, middleWidth = 8;
constexpr int presetColumn = middleColumn + middleWidth + 1, pickWidth = 7, storeWidth = 1;
constexpr int sampleRow = listRows + 2, sampleRows = 4;
constexpr int bottomRow = PFontEdit::rows - 1, buttonWidth = 4;
constexpr int pointingLeft = 270;
constexpr int sampleMargin = 6;

const char* const checkKeys[] = {"Font.Bold", "Font.Italic", "Font.Underlined"};
} // namespace

PFontEdit::PFontEdit(POption* o, PFontSpec* edited, const juce::StringArray& typefaces)
    : PPane(columns, rows, o), target(edited)
{
    jassert(target != nullptr);
    opening = *target;
    (new PTitle(this, 0, 0, listWidth, 0))->setText("FontEdit.Editor");
    faces = new PList(this, 0, 1, listWidth, listRows);
    fillFaces(typefaces.isEmpty() ? systemTypefaces() : typefaces);

    (new PLabel(this, middleColumn, 1, labelWidth, 0))->setText("Font.Height");
    height = new PSwitch(this, middleColumn + labelWidth, 1, PSwitch::positions);
    // The positions read as the point sizes they give rather than as fractions.
    for (size_t i = 0; i < height->buttons.size(); ++i)
        height->buttons[i]->setText(juce::String(PFontSpec::heightFor(static_cast<uint16_t>(PSwitch::values[i]))));
    PCheck** checks[] = {&bold, &italic, &underlined};
    for (int i = 0; i < 3; ++i)
    {
        *checks[i] = new PCheck(this, middleColumn, 2 + i, middleWidth, 0);
        (*checks[i])->setText(checkKeys[i]);
    }

    (new PTitle(this, presetColumn, 0, pickWidth + storeWidth, 0))->setText("FontEdit.Palette");
    for (int i = 0; i < POption::presetCount; ++i)
    {
        auto* preset = new PStyle(this, presetColumn, 1 + i, pickWidth, 0);
        preset->picker = true;
        preset->setFontSpec(options != nullptr ? options->fontPreset(i) : PFontSpec{});
        preset->setTooltip("FontEdit.TipPick");
        pick[static_cast<size_t>(i)] = preset;
        auto* keep = new PButton(this, presetColumn + pickWidth, 1 + i, storeWidth, 0);
        keep->setArrow(pointingLeft);
        keep->setTooltip("FontEdit.TipStore");
        store[static_cast<size_t>(i)] = keep;
    }
    accept = new PButton(this, columns - 2 * buttonWidth, bottomRow, buttonWidth, 0);
    accept->setText("Text.Accept");
    cancel = new PButton(this, columns - buttonWidth, bottomRow, buttonWidth, 0);
    cancel->setText("Text.Cancel");
    showFont();
}

PFontEdit::~PFontEdit()
{
    // The list must not paint rows that are gone.
    if (faces != nullptr)
        faces->setItems({});
}

bool PFontEdit::edit(PFontSpec& font, POption& options, const std::function<void()>& live)
{
    auto* pane = new PFontEdit(&options, &font);
    pane->live = live;
    PDialog dialog(pane, "FontEdit.Title", true);
    const bool accepted = dialog.run() == PDialog::accepted;
    if (!accepted)
        pane->restore();
    return accepted;
}

juce::StringArray PFontEdit::systemTypefaces()
{
    auto names = juce::Font::findAllTypefaceNames();
    names.removeDuplicates(true);
    names.sortNatural();
    return names;
}

void PFontEdit::fillFaces(const juce::StringArray& typefaces)
{
    // A face that this system lacks (a comic from another computer) still shows what the
    // text asks for; it is marked hidden, so choosing it changes nothing.
    const auto face = opening.face.toString();
    if (face.isNotEmpty() && !typefaces.contains(face))
    {
        rowsOwned.push_back(std::make_unique<PTypeface>(face));
        rowsOwned.back()->setFlag(PFlag::hidden, true);
    }
    for (const auto& name : typefaces)
        rowsOwned.push_back(std::make_unique<PTypeface>(name));
    std::vector<PItem*> listed;
    for (auto& row : rowsOwned)
        listed.push_back(row.get());
    faces->setItems(listed);
}

int PFontEdit::switchValueFor(uint16_t size)
{
    for (int value : PSwitch::values)
        if (PFontSpec::heightFor(static_cast<uint16_t>(value)) == PFontSpec::heightFor(size))
            return value;
    return PFontSpec::defaultSize;
}

void PFontEdit::showFont()
{
    const auto face = target->face.toString();
    int row = -1;
    for (size_t i = 0; i < rowsOwned.size() && row < 0 && face.isNotEmpty(); ++i)
        if (rowsOwned[i]->name.toString() == face)
            row = static_cast<int>(i);
    faces->selectRow(row);
    if (auto* box = dynamic_cast<juce::ListBox*>(faces->getComponent()); box != nullptr && row >= 0)
        box->scrollToEnsureRowIsOnscreen(row);
    height->setValue(switchValueFor(target->size));
    bold->setOn((target->style & PFontSpec::bold) != 0);
    italic->setOn((target->style & PFontSpec::italic) != 0);
    underlined->setOn((target->style & PFontSpec::underlined) != 0);
    repaint();
}

void PFontEdit::changed()
{
    repaint();
    if (live)
        live();
}

void PFontEdit::takeControls()
{
    target->size = static_cast<uint16_t>(height->getValue());
    // Style bits this editor does not know are the text's own and stay.
    int32_t bits = target->style & ~PFontSpec::knownStyles;
    bits |= bold->isOn() ? PFontSpec::bold : 0;
    bits |= italic->isOn() ? PFontSpec::italic : 0;
    bits |= underlined->isOn() ? PFontSpec::underlined : 0;
    target->style = bits;
    changed();
}

void PFontEdit::restore()
{
    const bool differs = !(*target == opening);
    *target = opening;
    showFont();
    if (differs && live)
        live();
}

void PFontEdit::onSelect(PWidget* source)
{
    if (source != faces)
        return;
    // A hidden row counts as no row.
    if (auto* item = faces->selectedItem())
    {
        target->face.assign(item->name.toString());
        changed();
    }
}

void PFontEdit::onChange(PWidget* source)
{
    if (source == height || source == bold || source == italic || source == underlined)
        takeControls();
}

void PFontEdit::onClick(PWidget* source)
{
    if (source == accept)
        close(PDialog::accepted);
    else if (source == cancel)
    {
        restore();
        close(PDialog::cancelled);
    }
    for (size_t i = 0; i < pick.size() && options != nullptr; ++i)
    {
        if (source == pick[i])
        {
            *target = options->fontPreset(static_cast<int>(i));
            showFont();
            changed();
        }
        else if (source == store[i])
        {
            options->setFontPreset(static_cast<int>(i), *target);
            options->modified = true;
            pick[i]->setFontSpec(*target);
        }
    }
}

bool PFontEdit::canClose()
{
    restore();
    return true;
}

void PFontEdit::close(int result)
{
    if (auto* d = findDialog())
        d->close(result);
}

juce::Rectangle<int> PFontEdit::sampleArea() const
{
    auto* c = getComponent();
    if (c == nullptr || options == nullptr)
        return {};
    const auto box =
        gridToPixels(0, sampleRow, -1, sampleRows, c->getWidth(), c->getHeight(), options->cell, options->u);
    return {box.left, box.top, std::max(box.width, 0), std::max(box.height, 0)};
}

void PFontEdit::paint(juce::Graphics& g)
{
    PPane::paint(g);
    auto area = sampleArea();
    if (area.isEmpty())
        return;
    g.setColour(juce::Colours::white);
    g.fillRect(area);
    g.setColour(darkColour());
    g.drawRect(area, 1);
    juce::Graphics::ScopedSaveState saved(g);
    g.reduceClipRegion(area.reduced(1));
    area.reduce(sampleMargin, sampleMargin / 2);
    const auto large = target->getFont(true);
    g.setColour(juce::Colours::black);
    g.setFont(large);
    g.drawText(::translate("FontEdit.TestCut"), area.removeFromTop(juce::roundToInt(large.getHeight() * 1.2f)),
               juce::Justification::centredLeft, true);
    g.setFont(target->getFont());
    g.drawText(::translate("FontEdit.TestLong"), area, juce::Justification::centredLeft, true);
}
