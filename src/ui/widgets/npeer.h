#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>

#include "ui/widgets/widget.h"

/** What every widget peer does whatever its library class: tells its handler of size changes,
    of the mouse entering and leaving, and lets it draw over the component (a glyph, a mark). */
template <class Base> class NPeer : public Base
{
public:
    template <class... Args>
    explicit NPeer(PWidget& owner, Args&&... args) : Base(std::forward<Args>(args)...), handler(&owner)
    {
    }

    void parentSizeChanged() override
    {
        Base::parentSizeChanged();
        handler->layout();
    }
    void mouseEnter(const juce::MouseEvent& e) override
    {
        Base::mouseEnter(e);
        handler->reportEnter();
    }
    void mouseExit(const juce::MouseEvent& e) override
    {
        Base::mouseExit(e);
        handler->reportLeave();
    }
    void paintOverChildren(juce::Graphics& g) override
    {
        Base::paintOverChildren(g);
        handler->paint(g);
    }

    PWidget* handler;

protected:
    /** Mouse events count only while the peer is enabled and its parent is on screen. */
    bool takesMouse() const
    {
        auto* area = this->getParentComponent();
        return this->isEnabled() && area != nullptr && area->isShowing();
    }
};
