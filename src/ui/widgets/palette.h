#pragma once

#include <array>
#include <vector>

#include "ui/widgets/widget.h"

class PButton;
class PTint;

/** A strip of eight colour entries out of a longer list, with two buttons that page back and
    forward by eight. Ten cells wide. Reports onChange when an entry is chosen. */
class PPalette : public PWidget
{
public:
    static constexpr int strip = 8;

    PPalette(PPane* parent, int x, int y);
    ~PPalette() override;

    void onClick(PWidget* source) override;
    /** An editor open on an entry shows its colour as it changes: the owner hears it too. */
    void onChanging(PWidget* source) override;
    void setEnabled(bool on) override;
    void setVisible(bool on) override;
    void setTooltip(const juce::String& key) override;

    /** Replaces the list and shows its first eight entries. */
    void setColours(const std::vector<uint32_t>& list);
    /** Changes one entry of the list in place, keeping the page shown and the choice. */
    void setColourAt(int index, uint32_t hsla);
    /** The index of the entry chosen last (-1 before any) and its colour. */
    int chosen() const { return chosenIndex; }
    uint32_t chosenColour() const;
    int firstShown() const { return first; }

    PButton* back = nullptr;
    PButton* forward = nullptr;
    std::array<PTint*, strip> entries{};

private:
    void showPage();

    std::vector<uint32_t> colours;
    int first = 0;
    int chosenIndex = -1;
};
