#pragma once

#include "ui/widgets/npeer.h"

/** A peer built on one of the library's buttons: a click goes to the handler's activate, a
    right click to its onPopup (without pressing the button). */
template <class Base> class NClickPeer : public NPeer<Base>
{
public:
    using NPeer<Base>::NPeer;

    void mouseDown(const juce::MouseEvent& e) override
    {
        if (!this->takesMouse())
            return;
        if (e.mods.isPopupMenu())
        {
            this->handler->onPopup(this->handler);
            return;
        }
        Base::mouseDown(e);
    }
    void mouseDrag(const juce::MouseEvent& e) override
    {
        if (!e.mods.isPopupMenu())
            Base::mouseDrag(e);
    }
    void mouseUp(const juce::MouseEvent& e) override
    {
        if (!e.mods.isPopupMenu())
            Base::mouseUp(e);
    }

protected:
    void clicked() override { this->handler->activate(); }
};
