#pragma once

#include "model/comic.h"
#include "ui/widgets/pane.h"

class PButton;
class PCheck;
class PCombo;
class PEdit;
class PLabel;
class PNumber;

/** The comic settings: title, author, page format, landscape and the page size and margin. Every
    change goes into the comic at once, so that the page behind the dialog follows it; Cancel (or
    closing the window) puts back the comic as it was when the dialog opened.

        if (PComicSetting::run(comic, contentPane))
            ...   // accepted: the comic is marked modified
*/
class PComicSetting : public PPane
{
public:
    static constexpr int columns = 16, rows = 10;
    /** The page left between the margins, in centimetres: less, and the margin is dropped. */
    static constexpr float smallestInnerSize = 0.1f;
    /** The smallest side a page may have, in centimetres. */
    static constexpr float smallestSide = 1.0f;

    /** A settings pane for comic; opener (may be null) is told when the page changed. */
    PComicSetting(PComic& comic, POption* options, PPane* opener = nullptr);

    /** Shows the settings of comic modally over opener's window; true when accepted. */
    static bool run(PComic& comic, PPane& opener);

    void onChange(PWidget* source) override;
    void onClick(PWidget* source) override;
    /** The window's close button: a cancel. */
    bool canClose() override;

    /** Takes the controls into the comic, marks it modified and closes with acceptance. */
    void accept();
    /** Puts the comic back as it was at opening and closes; nothing after accept or cancel. */
    void cancel();

    /** Whether a margin leaves enough of a width x height page between its sides. */
    static bool marginFits(float width, float height, float margin);

    PComic& comic;
    PPane* opener;
    /** The settings at opening: copySettings' fields, and the title and landscape flag it leaves out. */
    PComic backup;
    bool finished = false;

    PEdit* titleEdit = nullptr;
    PEdit* authorEdit = nullptr;
    PCombo* formatCombo = nullptr;
    PCheck* rotateCheck = nullptr;
    PNumber* widthNumber = nullptr;
    PNumber* heightNumber = nullptr;
    PNumber* marginNumber = nullptr;
    PLabel* widthUnit = nullptr;
    PLabel* heightUnit = nullptr;
    PLabel* marginUnit = nullptr;
    /** Says why the margin is not what was typed; empty while it is. */
    PLabel* marginNote = nullptr;
    PButton* acceptButton = nullptr;
    PButton* cancelButton = nullptr;

private:
    /** Shows the comic's settings in the controls, in the units of its format. */
    void fillControls();
    /** Takes every control into the comic and brings the page size in line with the format. */
    /** Takes the controls into the comic; a margin that leaves no page between its sides is
        refused when typed (the old one stays) and dropped to 0 when the page shrank under it. */
    void readControls(const PWidget* changed = nullptr);
    void pageChanged();
    void finish(int result);
};
