#pragma once

#include <cstdint>
#include <optional>

#include "ui/widgets/control.h"

/** A colour swatch. A click opens the colour editor on the swatch's colour; a right click
    copies or pastes the colour through a slot that all swatches share. Reports onChange when
    the colour changed. As a picker (the entries of a palette) a click only reports onClick. */
class PTint : public PControl
{
public:
    PTint(PPane* parent, int x, int y, int w, int flags);

    void activate() override;
    void onPopup(PWidget* source) override;
    void refreshLook() override;

    /** Shows an HSLA colour without reporting. */
    void setColour(uint32_t hsla);
    /** Shows no colour at all (an empty palette entry). */
    void clearColour();

    uint32_t colour = 0;
    bool hasColour = true;
    bool picker = false;

    /** The colour last copied from any swatch. */
    static std::optional<uint32_t> clipboard;

private:
    void changed();
};
