#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "model/fontspec.h"
#include "model/option.h"
#include "ui/widgets/pane.h"

class PButton;
class PCheck;
class PList;
class PStyle;
class PSwitch;
class PTypeface;

/** The font editor: the system's typefaces, a size switch, bold, italic and underlined, two
    samples drawn in the font, and the ten presets of the options, each with a pick and a
    store button. It edits the caller's font live and puts the opening font back when
    cancelled; presets stored meanwhile stay stored.

        if (PFontEdit::edit(text->fontSpec, options))   // modal
            ...                                         // the record holds the new font
*/
class PFontEdit : public PPane
{
public:
    static constexpr int columns = 27, rows = 17;

    /** An editor on *target, which it copies for cancel. The typefaces are the system's
        unless given (tests pass a fixed list). */
    PFontEdit(POption* options, PFontSpec* target, const juce::StringArray& typefaces = {});
    ~PFontEdit() override;

    /** Shows the editor modally on font; true when accepted. Until then every change is
        written to font at once and `live` (when given) is called. */
    static bool edit(PFontSpec& font, POption& options, const std::function<void()>& live = {});

    void paint(juce::Graphics& g) override;
    void onClick(PWidget* source) override;
    void onChange(PWidget* source) override;
    void onSelect(PWidget* source) override;
    bool canClose() override;

    /** Puts the opening font back into the caller's record. */
    void restore();
    /** The switch position that shows a size: the position of the same height. */
    static int switchValueFor(uint16_t size);
    /** The typeface names a font list offers: the system's, sorted, without duplicates. */
    static juce::StringArray systemTypefaces();

    PFontSpec* target;
    PFontSpec opening;
    /** Called after each change of the caller's font. */
    std::function<void()> live;

    PList* faces = nullptr;
    PSwitch* height = nullptr;
    PCheck* bold = nullptr;
    PCheck* italic = nullptr;
    PCheck* underlined = nullptr;
    std::array<PStyle*, POption::presetCount> pick{};
    std::array<PButton*, POption::presetCount> store{};
    PButton* accept = nullptr;
    PButton* cancel = nullptr;

private:
    void fillFaces(const juce::StringArray& typefaces);
    /** Sets the list, the switch and the checks from the caller's font. */
    void showFont();
    void takeControls();
    /** Redraws the samples and tells the caller. */
    void changed();
    juce::Rectangle<int> sampleArea() const;
    void close(int result);

    /** The rows of the list; a face the system lacks comes first, marked hidden. */
    std::vector<std::unique_ptr<PTypeface>> rowsOwned;
};
