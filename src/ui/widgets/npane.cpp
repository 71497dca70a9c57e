#include "ui/widgets/npane.h"

#include <utility>

#include "ui/widgets/widget.h"

namespace
{
PKeyCommand commandForControlLetter(int letter)
{
    switch (letter)
    {
    case 'N': return PKeyCommand::newItem;
    case 'X': return PKeyCommand::cut;
    case 'C': return PKeyCommand::copy;
    case 'V': return PKeyCommand::paste;
    case 'A': return PKeyCommand::selectAll;
    case 'S': return PKeyCommand::save;
    case 'Z': return PKeyCommand::undo;
    case 'Y': return PKeyCommand::redo;
    default: return PKeyCommand::none;
    }
}

PKeyCommand commandForPlainKey(int code)
{
    // The library's key codes are no constants, so a table, not a switch.
    const std::pair<int, PKeyCommand> keys[] = {
        {juce::KeyPress::deleteKey, PKeyCommand::remove}, {juce::KeyPress::F1Key, PKeyCommand::help},
        {juce::KeyPress::homeKey, PKeyCommand::home},     {juce::KeyPress::endKey, PKeyCommand::end},
        {juce::KeyPress::pageUpKey, PKeyCommand::pageUp}, {juce::KeyPress::pageDownKey, PKeyCommand::pageDown},
        {juce::KeyPress::returnKey, PKeyCommand::enter}};
    for (const auto& [key, command] : keys)
        if (key == code)
            return command;
    return PKeyCommand::none;
}
} // namespace

NPane::NPane(PWidget& owner) : handler(&owner)
{
    setOpaque(false);
}

PKeyCommand NPane::commandForKey(const juce::KeyPress& key)
{
    const int code = key.getKeyCode();
    const auto mods = key.getModifiers();
    if (mods.isCommandDown())
        return commandForControlLetter(code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code);
    if (code >= '1' && code <= '5' && !mods.isAltDown())
        return static_cast<PKeyCommand>(static_cast<int>(PKeyCommand::firstDigit) + code - '1');
    return commandForPlainKey(code);
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
        handler->onCommand(handler, PKeyCommand::enter);
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
    const PKeyCommand command =
        key.getKeyCode() == juce::KeyPress::deleteKey ? PKeyCommand::remove : commandForKey(key);
    if (command != PKeyCommand::none)
        handler->onCommand(handler, command);
    // The pane keeps every other key, so that a command key never reaches a widget behind it.
    return true;
}
