#pragma once

#include <memory>

#include "model/fontspec.h"
#include "ui/widgets/button.h"

/** A button that shows a font and lets the user change it: a click opens the font editor,
    and accepting it reports onChange; a right click copies or pastes the font through a
    clipboard that all these buttons share. As a plain command button it reports onClick; as a
    picker (a preset of the font editor) it shows its font and reports onClick. */
class PStyle : public PButton
{
public:
    PStyle(PPane* parent, int x, int y, int w, int flags);

    void activate() override;
    void onPopup(PWidget* source) override;
    juce::Font captionFont() const override;
    void refreshLook() override;

    /** Shows font without reporting. */
    void setFontSpec(const PFontSpec& preset);
    /** Shows the typeface name in the font, after fontSpec was changed in place. */
    void showFontName();

    PFontSpec fontSpec;
    bool plainCommand = false;
    bool picker = false;

    /** The font last copied from any of these buttons, or null. */
    static std::unique_ptr<PFontSpec> clipboard;

private:
    void changed();
};
