#pragma once

#include <memory>

#include <juce_gui_basics/juce_gui_basics.h>

#include "model/name.h"
#include "ui/alert.h"
#include "ui/error.h"

class NWindow;
class PContent;
class POption;
class PPopup;

/** The main window: its menus, its size on the cell grid, and the message box, error box
    and file chooser that every pane reaches through it. Owns the content pane. */
class PWindow
{
public:
    static constexpr int maxMenus = 10;

    /** File chooser kinds: open an image, or save a PNG, JPG, PDF or SVG file. */
    enum class ChooserKind : uint16_t
    {
        openImage = 0,
        savePng = 2,
        saveJpg = 3,
        savePdf = 4,
        saveSvg = 5,
        saveCbz = 6
    };

    /** The window's size in cells and pixels. */
    struct Layout
    {
        int columns, rows, width, height;
    };

    /** Takes the content pane, whose options and default size the window follows. */
    explicit PWindow(std::unique_ptr<PContent> content);
    virtual ~PWindow();
    PWindow(const PWindow&) = delete;
    PWindow& operator=(const PWindow&) = delete;

    /** Titles the window with the translation of key; null leaves the title. */
    void setTitle(const char* key);
    void setTitleText(const juce::String& text);
    /** Gives the window the icon in the image file at path; a missing file changes nothing. */
    void setIcon(const juce::String& path);
    void setVisible(bool on);
    /** Sizes the window to its cells, or to the main display when the options say maximised. */
    void layoutWindow(bool centre);
    /** Asks the content pane whether the window may close and, when it may, ends the program. */
    void requestClose();

    void clearMenus();
    /** Adds a menu at the right of the menu bar; more than maxMenus are ignored. */
    void addMenu(PPopup* menu);
    /** Tells the menu bar that its menus changed. */
    void menusChanged();

    /** A modal message box of the given type with the translation of key;
        answers PAlert::firstButton, secondButton or, from a yesNoCancel box, thirdButton, which
        its title-bar button and Escape give too. */
    int16_t message(PAlert::Type type, const char* key);
    int16_t messageText(PAlert::Type type, const juce::String& text);
    /** A modal error box with the translation of key. */
    void error(const char* key);
    void errorText(const juce::String& text);
    /** Asks for a file of the kind; true with the full path when one was chosen. */
    bool chooseFile(ChooserKind kind, const char* titleKey, juce::String& path);

    /** The size for the options' metrics: the default cells, or as many cells as the
        display's usable area holds when maximised. The title bar comes on top of the cells. */
    static Layout computeLayout(const POption& options, int defaultColumns, int defaultRows,
                                juce::Rectangle<int> display, int titleBarHeight);
    /** The chosen path with the extension that the kind of file needs. */
    static juce::String withExtension(ChooserKind kind, const juce::String& path);
    /** The file pattern that the chooser of a kind shows; empty for an unknown kind. */
    static juce::String filterFor(ChooserKind kind);
    /** The height of the menu bar for a GUI unit. */
    static int menuBarHeight(int u) { return 4 * u; }

    std::unique_ptr<NWindow> peer;
    POption* options;
    std::unique_ptr<PContent> content;
    PPopup* menus[maxMenus] = {};
    int menuCount = 0;
    int defaultColumns, defaultRows;
    int columns, rows;
    PAlert alertPane;
    PError errorPane;
    PName lastFolder;
    bool closing = false;
};
