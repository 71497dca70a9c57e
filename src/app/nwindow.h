#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "ui/widgets/readymark.h"

class PWindow;

/** The main window's peer: a document window with a menu bar, whose menus and title-bar
    buttons it hands to its owner, and the container of the drags between the program's lists. */
class NWindow : public juce::DocumentWindow, public juce::MenuBarModel, public juce::DragAndDropContainer
{
public:
    explicit NWindow(PWindow& owner);
    ~NWindow() override;

    void closeButtonPressed() override;
    /** Maximised means sized to the main display; the system's own maximised state is not used. */
    void maximiseButtonPressed() override;

    /** The key commands of the panes (save, undo, redo, help) also work while the focus is
        on the window itself, as it is when the window has just shown. */
    bool keyPressed(const juce::KeyPress& key) override;
    void paintOverChildren(juce::Graphics& g) override;

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex(int index, const juce::String& name) override;
    void menuItemSelected(int id, int menuIndex) override;

    PWindow& owner;
    int cell = 24;
    PReadyMark ready{*this};
};
