#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "ui/widgets/keycommand.h"

class PWidget;

/** The plain component of a pane: forwards mouse, wheel, key, paint and size changes to the
    pane that owns it. */
class NPane : public juce::Component, public juce::SettableTooltipClient
{
public:
    explicit NPane(PWidget& owner);

    /** The command of a key; none for a key without one. */
    static PKeyCommand commandForKey(const juce::KeyPress& key);

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
