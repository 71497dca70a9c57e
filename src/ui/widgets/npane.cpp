#include "ui/widgets/npane.h"

#include "ui/widgets/widget.h"

namespace
{
constexpr uint16_t deleteCommand = 5, returnCommand = 15;

uint16_t commandForControlLetter(int letter)
{
    switch (letter)
    {
    case 'N': return 1;
    case 'X': return 2;
    case 'C': return 3;
    case 'V': return 4;
    case 'A': return 6;
    case 'S': return 7;
    case 'Z': return 8;
    case 'Y': return 9;
    default: return 0;
    }
}
} // namespace

NPane::NPane(PWidget& owner) : handler(&owner)
{
    setOpaque(false);
}

uint16_t NPane::commandForKey(const juce::KeyPress& key)
{
    const int code = key.getKeyCode();
    const auto mods = key.getModifiers();
    if (mods.isCommandDown())
        return commandForControlLetter(code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code);
    if (code == juce::KeyPress::deleteKey)
        return deleteCommand;
    if (code == juce::KeyPress::F1Key)
        return 10;
    if (code == juce::KeyPress::homeKey)
        return 11;
    if (code == juce::KeyPress::endKey)
        return 12;
    if (code == juce::KeyPress::pageUpKey)
        return 13;
    if (code == juce::KeyPress::pageDownKey)
        return 14;
    if (code == juce::KeyPress::returnKey)
        return returnCommand;
    if (code >= '1' && code <= '5' && !mods.isAltDown())
        return static_cast<uint16_t>(16 + code - '1');
    return 0;
}

bool NPane::takesMouse() const
{
    auto* area = getParentComponent();
    return isEnabled() && area != nullptr && area->isShowing();
}

void NPane::paint(juce::Graphics& g)
{
    handler->paint(g);
}

void NPane::parentSizeChanged()
{
    handler->layout();
}

void NPane::mouseEnter(const juce::MouseEvent&)
{
    handler->reportEnter();
}

void NPane::mouseExit(const juce::MouseEvent&)
{
    handler->reportLeave();
}

void NPane::mouseMove(const juce::MouseEvent& e)
{
    if (takesMouse())
        handler->onMouseMove(e.position.x, e.position.y);
}

void NPane::mouseDown(const juce::MouseEvent& e)
{
    if (!takesMouse())
        return;
    if (e.mods.isPopupMenu())
    {
        handler->onPopup(handler);
        return;
    }
    if (getWantsKeyboardFocus())
        grabKeyboardFocus();
    handler->onMouseDown(e.position.x, e.position.y);
}

void NPane::mouseDrag(const juce::MouseEvent& e)
{
    if (takesMouse() && !e.mods.isPopupMenu())
        handler->onMouseDrag(e.position.x, e.position.y);
}

void NPane::mouseUp(const juce::MouseEvent& e)
{
    if (takesMouse() && !e.mods.isPopupMenu())
        handler->onMouseUp(e.position.x, e.position.y);
}

void NPane::mouseDoubleClick(const juce::MouseEvent& e)
{
    if (takesMouse() && !e.mods.isPopupMenu())
        handler->onCommand(handler, returnCommand);
}

void NPane::mouseWheelMove(const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    if (takesMouse())
        handler->onWheel(wheel.deltaY > 0);
}

bool NPane::keyPressed(const juce::KeyPress& key)
{
    handler->isPane();
    // Escape belongs to the window: a dialog or chooser closes on it, wherever the focus is.
    if (key.getKeyCode() == juce::KeyPress::escapeKey)
        return false;
    const uint16_t code = key.getKeyCode() == juce::KeyPress::deleteKey ? deleteCommand : commandForKey(key);
    if (code != 0)
        handler->onCommand(handler, code);
    // The pane keeps every other key, so that a command key never reaches a widget behind it.
    return true;
}
