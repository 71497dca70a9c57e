#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "model/option.h"
#include "ui/widgets/pane.h"

class PButton;
class PTint;
class PWheel;

/** The colour editor: the wheel and the user's palette of 26 colours, each with a pick button
    that takes the colour and a store button that keeps the current colour in it. It edits the
    caller's colour word live, so that the swatch and the page show every click, and puts the
    opening value back when cancelled; palette entries stored meanwhile stay stored.

        if (PColorEdit::edit(curve->fillColour, options))   // modal
            ...                                             // the word holds the new colour
*/
class PColorEdit : public PPane
{
public:
    static constexpr int columns = 18, rows = 16;
    static constexpr int paletteRows = (POption::paletteSize + 1) / 2;

    /** An editor on *target, whose value it remembers for cancel. */
    PColorEdit(POption* options, uint32_t* target);

    /** Shows the editor modally on colour; true when accepted. Until then every change is
        written to colour at once and `live` (when given) is called. */
    static bool edit(uint32_t& colour, POption& options, const std::function<void()>& live = {});

    void onClick(PWidget* source) override;
    void onChange(PWidget* source) override;
    /** Closing through the title bar or Escape cancels. */
    bool canClose() override;

    /** Makes colour the current colour: the caller's word, the wheel and the swatch follow. */
    void choose(uint32_t colour);
    /** Puts the opening value back into the caller's word. */
    void restore();

    uint32_t* target;
    uint32_t opening;
    /** Called after each change of the caller's colour. */
    std::function<void()> live;

    PWheel* wheel = nullptr;
    std::array<PTint*, POption::paletteSize> pick{};
    std::array<PButton*, POption::paletteSize> store{};
    /** The current colour and the opening one; a click on the latter goes back to it. */
    PTint* currentSwatch = nullptr;
    PTint* openingSwatch = nullptr;
    PButton* accept = nullptr;
    PButton* cancel = nullptr;

private:
    void close(int result);
};
