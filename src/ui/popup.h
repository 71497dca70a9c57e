#pragma once

#include <functional>

#include <juce_gui_basics/juce_gui_basics.h>

#include "model/array.h"
#include "model/name.h"
#include "ui/command.h"

class PEntry;
class PHandler;

/** A menu of the menu bar or a right-click popup, kept as entry records so that its
    owner can enable or colour lines before it is shown.

        PPopup popup(this);
        popup.build(PPopup::Kind::canvasFirst);
        popup.setEnabled(PCommand::paste, hasClipboard);
        const PCommand code = popup.show();
*/
class PPopup
{
public:
    /** The menus and popups the program offers; the command codes of their lines form one
        number space shared by all of them. */
    enum class Kind : uint16_t
    {
        comicMenu = 0,
        helpMenu = 2,
        pagePopup = 3,
        layerPopup = 4,
        clipPopup = 5,
        canvasFirst = 6,
        canvasSecond = 7,
        tensPopup = 8,
        unitsPopup = 9
    };

    explicit PPopup(PHandler* owner);
    virtual ~PPopup();
    PPopup(const PPopup&) = delete;
    PPopup& operator=(const PPopup&) = delete;

    /** Replaces every entry by those of the given kind; an unknown kind leaves the menu empty. */
    void build(Kind kind);
    void setTitle(const char* key);
    void addSeparator();
    void addEntry(PCommand id, const char* key);
    /** Adds a line whose label is shown as it is, without translation. */
    void addPlainEntry(PCommand id, const juce::String& text);
    void setEnabled(PCommand id, bool on);
    void setColoured(PCommand id, bool on);
    /** Makes the shown menu follow the entries. */
    void rebuild();

    /** Shows the menu at the mouse and waits; the chosen code, or none when nothing was chosen. */
    PCommand show();
    /** When set, show hands the menu to it instead of opening it and answers its choice: a
        headless driver plays the user this way. */
    static std::function<PCommand(PPopup&)> scriptedShow;

    int size() const { return entries.size(); }
    const PEntry* entryAt(int i) const;
    /** The first entry with this code, or null. */
    const PEntry* find(PCommand id) const;

    /** The colour of coloured lines. */
    static const juce::Colour highlight;

    juce::PopupMenu menu;
    PHandler* owner;
    PName title;
    PArray entries;

private:
    PEntry* findEntry(PCommand id) const;
};
