#pragma once

#include <functional>
#include <memory>

#include <juce_gui_basics/juce_gui_basics.h>

#include "app/popup.h"
#include "edit/notifier.h"
#include "ui/widgets/pane.h"

class PCanvas2;
class PView2Pane;
class PComic;
class POption;
class PWindow;
class PWorld;

/** The root pane of the main window: it holds the comic that is open, the two menus of the
    menu bar, and carries out the document commands (open, close, save, the guide and decor
    documents, the language). */
class PContent : public PPane, public PNotifier
{
public:
    /** Comic flag: the comic is offered when the program starts. Saved with the comic. */
    static constexpr uint32_t openAtStart = 0x10;
    /** The window's size in grid cells when it is not maximised. */
    static constexpr int defaultColumns = 46, defaultRows = 28;
    explicit PContent(POption* options);
    ~PContent() override;

    void onMenu(int code) override;
    /** Enables the menu lines that make sense now; the menu bar calls it before a menu opens. */
    void onMenuUpdate() override;
    /** Asks once whether modified comics are to be saved and saves the options. False only
        when the user wanted to save and the save failed, so that nothing is lost. */
    bool canClose() override;
    void onNotify(uint16_t code) override;
    /** The editing session's notifications, passed on to the panes. */
    void notify(uint16_t code, PBase* source) override;

    /** Binds the editing session (and becomes its notifier): fills the menu bar and opens a comic or creates the first
     * one. */
    void setWorld(PWorld* world);
    bool open();
    bool close();
    bool save();
    /** Opens the guide ("comics_guide") or the decor catalogue ("comics_decor") of the language. */
    void openDocument(const char* stem);
    void setLanguage(int language);

    /** The URL of a document of the program folder in the given language. */
    static juce::URL documentUrl(const juce::File& programFolder, const char* stem, int language);
    /** Whether any comic of the world is offered at start. */
    static bool hasOpenAtStart(const PWorld& world);

    PWorld* world = nullptr;
    PComic* comic = nullptr;
    /** The page canvas; owned as a child pane. */
    PCanvas2* canvas = nullptr;
    /** The pan and zoom controls beside the canvas; owned as a child pane. */
    PView2Pane* viewPane = nullptr;
    PPopup menuComic, menuHelp;
    juce::File programFolder;
    /** The comic-open dialog: answers the comic to open, or null when cancelled. Without it
        the comic offered at start is opened. */
    std::function<PComic*()> chooseComic;

private:
    void createFirstComic();
    void setCurrentComic(PComic* chosen);
    void updateTitle();
    void showAbout();
    PComic* defaultChoice() const;
};
