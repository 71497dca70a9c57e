#pragma once

#include "ui/widgets/widget.h"

/** A one-row widget placed like a button: x, y and a width in cells, with flag bits that
    widen or shift it by half a unit so that neighbours can share a cell edge. Holds the
    caption key so that the caption can be re-applied. */
class PControl : public PWidget
{
public:
    /** Bounds flags. */
    static constexpr int growLeft = 1, growRight = 2, growUp = 4, growDown = 8;

    PControl(PPane* parent, int x, int y, int w, int flags);

    void layout() override;
    void refreshLook() override;
    void setText(const juce::String& key) override;
    /** A right click on the peer goes to the owner. */
    void onPopup(PWidget* source) override;

    /** The font the peer draws its caption in. */
    virtual juce::Font captionFont() const { return font(FontRole::caption); }

    /** The button bounds of a grid box (computed with h = 1) for the flags and the metrics. */
    static Box buttonBounds(const Box& grid, int flags, int w, int half, int odd, const Insets& insets);

    int flags = 0;
    juce::String captionKey;

protected:
    /** Takes the peer, applies the look and bounds, shows it. */
    void install(std::unique_ptr<juce::Component> component);
    /** Gives a button peer the colours of the widget's style. */
    void applyButtonColours();
    /** Shows text on the peer (the translated caption); each peer kind does it its own way. */
    virtual void showCaption(const juce::String& text);
};
