#pragma once

#include "ui/widgets/control.h"

/** A drop-down choice of (translated key, code) entries. Reports onChange when the user
    picks an entry whose code differs from the one shown before.

        auto* size = new PCombo(pane, 5, 2, 4, 0);
        size->fill(PChoiceList::grid);
        size->select(options->gridSize);
*/
class PCombo : public PControl
{
public:
    PCombo(PPane* parent, int x, int y, int w, int flags);

    void activate() override;
    void refreshLook() override;

    /** Replaces the entries by those of a choice list, leaving nothing selected. */
    void fill(int choiceList);
    void clear();
    void addEntry(const juce::String& key, int code);
    /** Selects the entry with code without reporting (none when no entry has it). */
    void select(int code);
    /** The code of the selected entry, 0 for none. */
    int selectedCode() const;

    uint16_t cachedId = 0;
};
