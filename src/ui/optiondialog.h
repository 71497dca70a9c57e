#pragma once

#include <array>
#include <functional>
#include <memory>

#include "ui/widgets/pane.h"

class PButton;
class PCheck;
class PCombo;
class PIdent;
class PImage;
class PLabel;
class PNumber;
class POption;
class PPreview;
class PSlider;
class PTint;

/** The options dialog: four pages (general, wallpaper, interface, colours) chosen by four
    buttons at the top. The widgets are loaded from the options; Accept writes them back,
    recomputes the metrics and saves the file, and Cancel puts back the backup taken on opening, the
    wallpaper included. A wallpaper loaded or removed shows on the options at once; the one it
    replaced is kept aside until the dialog ends, since the canvas and the undo list may still
    refer to it.

        const auto outcome = POptionDialog::run(options);
        if (outcome.accepted) ...   // refresh the panes' look, and their layout when
                                    // outcome.guiSizeChanged
*/
class POptionDialog : public PPane
{
public:
    static constexpr int columns = 21, rows = 12;
    enum Page
    {
        misc,
        wall,
        gui,
        colour,
        pageCount
    };

    /** What the caller must answer after the dialog closed. */
    struct Outcome
    {
        bool accepted = false;
        /** The GUI size changed: every pane needs a new layout, not only a new look. */
        bool guiSizeChanged = false;
        /** The wallpaper was loaded or removed and accepted. */
        bool wallpaperChanged = false;
        /** The wallpaper that an accepted load or removal replaced (null when none): whoever
            let the user edit it must forget it before it goes. */
        std::unique_ptr<PImage> replacedWall;
    };

    explicit POptionDialog(POption* options);
    ~POptionDialog() override;

    /** Shows the dialog modally on options. */
    static Outcome run(POption& options);

    void onClick(PWidget* source) override;
    void onChange(PWidget* source) override;
    /** Closing through the title bar or Escape cancels. */
    bool canClose() override;

    void showPage(int page);
    int currentPage() const { return shownPage; }
    /** Writes every page's values into the options. */
    void store();
    /** Puts back the options as they were on opening, wallpaper included, but for palette
        colours and font presets that the editors stored on the user's explicit request. */
    void revert();
    /** Makes the image at file the wallpaper; false (and the old one kept) when it cannot be read. */
    bool loadWallpaper(const juce::File& file);
    void clearWallpaper();

    /** Asks for the wallpaper image; empty when cancelled. */
    std::function<juce::File()> chooseImage;
    /** Tells the user of a failure (a text already translated). */
    std::function<void(const juce::String&)> reportError;

    std::unique_ptr<POption> backup;
    bool wallpaperChanged = false;
    /** The wallpaper of the opening, set aside at the first load or removal; null before that
        or when there was none. */
    std::unique_ptr<PImage> originalWall;

    std::array<PButton*, pageCount> pageButtons{};
    std::array<PPane*, pageCount> pages{};
    PButton* accept = nullptr;
    PButton* cancel = nullptr;
    // Misc: a pair of boxes for centimetres and one for inches; the pair of the unit in use shows.
    PCombo *sizeCm = nullptr, *divsCm = nullptr, *sizeIn = nullptr, *divsIn = nullptr;
    PLabel *sizeUnit = nullptr, *divsUnit = nullptr;
    PCombo* angle = nullptr;
    PCheck* useInch = nullptr;
    PCombo* exportDpi = nullptr;
    PNumber* smoothing = nullptr;
    PCheck* taper = nullptr;
    // Wall
    PPreview* wallPreview = nullptr;
    PButton* wallFile = nullptr;
    PButton* wallClear = nullptr;
    PSlider* wallOpacity = nullptr;
    // Gui
    PCombo *guiSize = nullptr, *pointSize = nullptr;
    PSlider* trackSpeed = nullptr;
    PIdent* autosave = nullptr;
    PCheck *lockCursor = nullptr, *tooltips = nullptr;
    // Colour: ground, grid, selection 1 and 2, handle, lock; then light and dark per side pane.
    std::array<PTint*, 6> editorTints{};
    std::array<PTint*, 8> themeTints{};

private:
    void buildMisc(PPane* page);
    void buildWall(PPane* page);
    void buildGui(PPane* page);
    void buildColour(PPane* page);
    void load();
    void showUnitPair();
    void showWallpaper();
    /** Sets the opening's wallpaper aside, once, so that Cancel can bring it back. */
    void setOriginalAside();
    void save();
    void close(int result);
    /** The colour words of the options that the colour page edits, in its order. */
    std::array<uint32_t*, 6> editorColours() const;
    std::array<uint32_t*, 8> themeColours() const;

    int shownPage = misc;
};
