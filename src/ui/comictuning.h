#pragma once

#include <utility>
#include <vector>

#include "model/array.h"
#include "ui/widgets/pane.h"

class PButton;
class PComic;
class PCurve;
class PLabel;
class PPalette;
class PShade;

/** The colour tuning: one palette entry per fill colour used anywhere in the comic; changing an
    entry recolours every shape filled with it at once. The page behind the dialog shows the result
    and can be stepped through; Cancel (or closing the window) puts every fill back. Tuning is no
    undoable step: accepting only marks the comic modified.

        PComicTuning::run(comic, contentPane);
*/
class PComicTuning : public PPane
{
public:
    static constexpr int columns = 18, rows = 6;

    /** A tuning pane for comic; opener (may be null) is the pane tree that shows its pages. */
    PComicTuning(PComic& comic, POption* options, PPane* opener = nullptr);
    ~PComicTuning() override;

    /** Shows the tuning modally over opener's window; true when accepted. */
    static bool run(PComic& comic, PPane& opener);

    void onChange(PWidget* source) override;
    /** The colour editor open on an entry changed its colour: the page shows it at once. */
    void onChanging(PWidget* source) override;
    void onClick(PWidget* source) override;
    /** The window's close button: a cancel. */
    bool canClose() override;

    /** Gives every shape of shade `index` the colour `hsla` as its fill. */
    void setShadeColour(int index, uint32_t hsla);
    /** Asks the opener's panes for the previous or next page and redraws it. */
    void step(bool forward);
    /** Keeps the new colours, marks the comic modified and closes with acceptance. */
    void accept();
    /** Puts every fill back as it was at opening and closes; nothing after accept or cancel. */
    void cancel();

    PComic& comic;
    PPane* opener;
    /** One PShade per distinct fill colour, its members the filled shapes that use it. */
    PArray shades;
    bool finished = false;

    PLabel* hint = nullptr;
    PPalette* palette = nullptr;
    PButton* previousButton = nullptr;
    PButton* drawButton = nullptr;
    PButton* nextButton = nullptr;
    PButton* acceptButton = nullptr;
    PButton* cancelButton = nullptr;

private:
    void collectShades();
    /** Fills every member of shade with colour and asks for a fresh frame of the page. */
    void paintMembers(PShade& shade, uint32_t colour);
    void showPaletteColours();
    /** Shows the stepping buttons only where there is a page to step to. */
    void updateStepButtons();
    void tell(PNotify code);
    void askPageStep(int step);
    void finish(int result);

    /** Each filled shape's own fill at opening: shades group colours that only look alike (every
        pure white, whatever its hue), so their `from` cannot give each member its colour back. */
    std::vector<std::pair<PCurve*, uint32_t>> originals;
    /** While the colour editor is open: the entry it edits and the colour it writes live. */
    PWidget* editedEntry = nullptr;
    const uint32_t* editedColour = nullptr;
    /** The page shows the editor's colour rather than the entry's. */
    bool shownLive = false;
};
