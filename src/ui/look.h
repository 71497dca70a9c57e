#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class POption;

/** The program's look: a light scheme whose buttons and menus take the fonts of the GUI
    size and the colours of the side pane in use. */
class PLook : public juce::LookAndFeel_V4
{
public:
    /** The background of the popup line under the mouse. */
    static const juce::Colour popupHighlight;

    explicit PLook(const POption* options);

    /** Re-reads the colours from the options, after they changed. */
    void refresh();
    /** Caption height in points for a GUI size 1, 2 or 3 (others count as 2). */
    static float captionPoints(int guiSize);

    juce::Font getTextButtonFont(juce::TextButton&, int buttonHeight) override;
    juce::Font getPopupMenuFont() override;
    juce::Font getMenuBarFont(juce::MenuBarComponent&, int itemIndex, const juce::String& itemText) override;
    /** Marks each popup menu ready for input (see PReadyMark). */
    void preparePopupMenuWindow(juce::Component& menuWindow) override;
    /** The progress window of an export draws its texts while the export's threads lay out the
        comic's: these take the glyph lock around the library's drawing, as the export does. */
    void drawAlertBox(juce::Graphics&, juce::AlertWindow&, const juce::Rectangle<int>& textArea,
                      juce::TextLayout&) override;
    void drawProgressBar(juce::Graphics&, juce::ProgressBar&, int width, int height, double progress,
                         const juce::String& textToShow) override;
    void drawButtonText(juce::Graphics&, juce::TextButton&, bool isMouseOver, bool isButtonDown) override;

    const POption* options;

private:
    juce::Font captionFont() const;
};
