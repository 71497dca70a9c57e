#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class PWidget;

/** The plain component of a pane: forwards mouse, wheel, key, paint and size changes to the
    pane that owns it. */
class NPane : public juce::Component, public juce::SettableTooltipClient
{
public:
    explicit NPane(PWidget& owner);

    /** The command code of a key (Ctrl+N 1 ... F1 10, Home 11 ... Return 15, digits 1-5 16-20), 0 for none. */
    static uint16_t commandForKey(const juce::KeyPress& key);

    void paint(juce::Graphics& g) override;
    void parentSizeChanged() override;
    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseMove(const juce::MouseEvent& e) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseDoubleClick(const juce::MouseEvent& e) override;
    void mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;
    bool keyPressed(const juce::KeyPress& key) override;

    PWidget* handler;

protected:
    /** Mouse events count only while the pane is enabled and its parent is on screen. */
    bool takesMouse() const;
};
