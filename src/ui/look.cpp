#include "ui/look.h"

#include "model/geometry.h"
#include "model/glyphlock.h"
#include "model/option.h"
#include "ui/widgets/readymark.h"

namespace
{
/** The ready mark of one popup menu, which the library creates and deletes on its own: the
    mark goes with it. */
class MenuMark : private juce::ComponentListener
{
public:
    explicit MenuMark(juce::Component& menuWindow) : mark(menuWindow, PReadyMark::Kind::popupMenu)
    {
        menuWindow.addComponentListener(this);
    }

private:
    void componentBeingDeleted(juce::Component& menuWindow) override
    {
        menuWindow.removeComponentListener(this);
        delete this;
    }

    PReadyMark mark;
};
} // namespace

const juce::Colour PLook::popupHighlight{0xFFB8D8F8};

PLook::PLook(const POption* o) : juce::LookAndFeel_V4(getLightColourScheme()), options(o)
{
    refresh();
}

float PLook::captionPoints(int guiSize)
{
    constexpr float small = 14, medium = 15, large = 16;
    return guiSize == 1 ? small : guiSize == 3 ? large : medium;
}

void PLook::refresh()
{
    setColour(juce::PopupMenu::highlightedBackgroundColourId, popupHighlight);
    setColour(juce::PopupMenu::highlightedTextColourId, juce::Colours::black);
    if (options == nullptr)
        return;
    const juce::Colour light(hslaToArgb(options->pagesLight));
    const juce::Colour dark(hslaToArgb(options->pagesDark));
    setColour(juce::ResizableWindow::backgroundColourId, light);
    setColour(juce::DocumentWindow::textColourId, juce::Colours::black);
    setColour(juce::TextButton::buttonColourId, light.brighter(0.2f));
    setColour(juce::TextButton::textColourOffId, juce::Colours::black);
    setColour(juce::ComboBox::outlineColourId, dark);
    setColour(juce::PopupMenu::backgroundColourId, light.brighter(0.4f));
    setColour(juce::PopupMenu::textColourId, juce::Colours::black);
}

juce::Font PLook::captionFont() const
{
    const int size = options != nullptr ? options->guiSize : 2;
    return juce::Font(juce::Font::getDefaultSansSerifFontName(), 12.0f, juce::Font::plain)
        .withPointHeight(captionPoints(size));
}

juce::Font PLook::getTextButtonFont(juce::TextButton&, int)
{
    return captionFont();
}

juce::Font PLook::getPopupMenuFont()
{
    return captionFont();
}

juce::Font PLook::getMenuBarFont(juce::MenuBarComponent&, int, const juce::String&)
{
    return captionFont();
}

void PLook::drawAlertBox(juce::Graphics& g, juce::AlertWindow& box, const juce::Rectangle<int>& textArea,
                         juce::TextLayout& layout)
{
    const PGlyphLock lock;
    juce::LookAndFeel_V4::drawAlertBox(g, box, textArea, layout);
}

void PLook::drawProgressBar(juce::Graphics& g, juce::ProgressBar& bar, int width, int height, double progress,
                            const juce::String& textToShow)
{
    const PGlyphLock lock;
    juce::LookAndFeel_V4::drawProgressBar(g, bar, width, height, progress, textToShow);
}

void PLook::drawButtonText(juce::Graphics& g, juce::TextButton& button, bool isMouseOver, bool isButtonDown)
{
    const PGlyphLock lock;
    juce::LookAndFeel_V4::drawButtonText(g, button, isMouseOver, isButtonDown);
}

void PLook::preparePopupMenuWindow(juce::Component& menuWindow)
{
    juce::LookAndFeel_V4::preparePopupMenuWindow(menuWindow);
    new MenuMark(menuWindow); // deletes itself with the menu
}
