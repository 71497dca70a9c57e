#pragma once

#include <functional>
#include <memory>

#include <juce_gui_basics/juce_gui_basics.h>

#include "app/window.h"
#include "edit/notifier.h"
#include "ui/exportrunner.h"
#include "ui/popup.h"
#include "ui/widgets/pane.h"
#include "ui/widgets/requests.h"

class PCanvas2;
class PHelpPane;
class PStatusbar;
class PSidePane;
class PToolbar;
class PView2Pane;
class PComic;
class PImage;
class POption;
class PWorld;

/** The root pane of the main window: it holds the comic that is open, the two menus of the
    menu bar, and carries out the document commands (open, close, save, the guide and decor
    documents, the language). */
class PContent : public PPane, public PNotifier, public PRequests
{
public:
    /** Comic flag: the comic is offered when the program starts. Saved with the comic. */
    static constexpr uint32_t openAtStart = 0x10;
    /** The window's size in grid cells when it is not maximised. */
    static constexpr int defaultColumns = 52, defaultRows = 30;
    static constexpr int sidePaneCount = 4;
    /** Milliseconds the pointer rests on a widget before its tooltip shows. */
    static constexpr int tooltipDelay = 700;
    explicit PContent(POption* options);
    ~PContent() override;

    void onMenu(PCommand code) override;
    /** Enables the menu lines that make sense now; the menu bar calls it before a menu opens. */
    void onMenuUpdate() override;
    /** Asks once whether modified comics are to be saved and saves the options. False when
        the user cancelled the question, or wanted to save and the save failed, so that nothing
        is lost. */
    bool canClose() override;
    void onNotify(PNotify code) override;
    /** The editing session's notifications, passed on to the panes. */
    void notify(PNotify code, PBase* source) override;
    void requestSave() override;
    void requestUndo() override;
    void requestRedo() override;
    /** Switches the help on; the status bar's switch follows. */
    void requestHelp() override;
    void requestPageStep(int step) override { stepPage(step); }

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
    /** A comic to open at start instead of asking (one named on the command line), or null. */
    PComic* startComic = nullptr;
    /** The page canvas; owned as a child pane. */
    PCanvas2* canvas = nullptr;
    /** The pan and zoom controls beside the canvas; owned as a child pane. */
    PView2Pane* viewPane = nullptr;
    PToolbar* toolbar = nullptr;
    PStatusbar* statusbar = nullptr;
    PHelpPane* helpPane = nullptr;
    /** The Pages, Layers, Clips and Decor panes; exactly one shows while a comic is open. */
    PSidePane* sidePanes[sidePaneCount]{};
    std::unique_ptr<juce::TooltipWindow> tooltipWindow;
    PPopup menuComic, menuHelp;
    juce::File programFolder;
    /** The comic-open dialog: answers the comic to open, or null when cancelled. Without it
        the comic offered at start is opened. */
    std::function<PComic*()> chooseComic;
    /** The comic settings and the colour tuning of the open comic; true when accepted. A menu
        line whose dialog is missing stays disabled. */
    std::function<bool(PComic&)> editSettings, tuneColours;
    /** Answers of the save question. */
    static constexpr int answerNo = 0, answerYes = 1, answerCancel = 2;
    /** Asks the save question by its text key: answerYes, answerNo or answerCancel (the box
        closed without an answer). Without it the window's message box asks, and without a
        window nothing is asked. */
    std::function<int(const char*)> askYesNo;
    /** Asks for a file to write (a PWindow chooser kind and the title's key); true with the path.
        Without it the window's file chooser asks. */
    std::function<bool(PWindow::ChooserKind, const char*, juce::String&)> chooseFile;
    /** The key and the whole text of the last failure told to the user, for whoever needs to
        know what went wrong. */
    juce::String lastMessageKey, lastMessageText;

    /** After the options dialog: the undo list and the canvas let go of a wallpaper it replaced
        (null when none: nothing to do), and the wallpaper switch goes off when there is none any more. */
    void forgetWallpaper(const PImage* replaced);
    /** Creates or removes the tooltip window after the options' tooltip switch. */
    void updateTooltips();
    /** Shows the side pane of a notification code (25 Pages ... 28 Decor). */
    void showSidePane(PPaneKind code);
    /** Shows the help lines under the canvas while help is on, the canvas shortened to make room. */
    void placeHelp();
    /** The whole comic as PDF, after asking for the file. */
    void exportComic();
    /** The whole comic as a comic book archive (CBZ) at the export resolution, after asking for the file. */
    void exportComicBook();
    /** The current page as PDF, SVG, JPG, PNG or a PNG series (the page popup's command codes). */
    void exportPage(PCommand command);

private:
    bool askForFile(PWindow::ChooserKind chooser, const char* titleKey, juce::String& path);
    /** Runs an export of several pages with the progress window, or at once without a window. */
    PResult runExport(const char* titleKey, const PExportRunner::Job& job);
    /** Tells an export's failure; a stop asked for by the user is no failure to tell. */
    void report(const PResult& result);
    /** Shows a failure's message in the window and remembers its key; a path names the file. */
    void tell(const juce::String& key, const juce::String& path = {});
    /** Whether modified comics are to be saved: answerYes, answerNo or answerCancel. */
    int askSave();
    /** Sets the dialog hooks to the program's comic chooser, settings, tuning and options dialogs. */
    void useDialogs();
    void createFirstComic();
    /** Gives a comic without pages its first page and shows it. */
    void addFirstPage(PComic& empty);
    /** Drops the edits of a comic the user chose not to save. */
    void discardChanges(PComic* edited);
    /** Makes the next (1) or previous (-1) page current. */
    void stepPage(int step);
    void setCurrentComic(PComic* chosen);
    void updateTitle();
    void showAbout();
    PComic* defaultChoice() const;
};
