#pragma once

#include <functional>
#include <memory>

#include <juce_gui_basics/juce_gui_basics.h>

class NDialog;
class PPane;

/** A modal dialog window around a pane tree. The root pane learns its dialog (so that its
    widgets can close it through findDialog), and a notification broadcast inside the tree
    stays inside the dialog.

        PPane* pane = new PMyDialogPane(options);    // a root pane: PPane(w, h, options)
        PDialog dialog(pane, "ComicSetting.Title", true);
        if (dialog.run() == 1) ...                   // the pane's Accept calls findDialog()->close(1)
*/
class PDialog
{
public:
    static constexpr int accepted = 1, cancelled = 0;

    /** A dialog showing root, titled with the translation of titleKey. With ownsPane the
        dialog deletes the pane tree with itself. */
    PDialog(PPane* root, const juce::String& titleKey, bool ownsPane = false);
    virtual ~PDialog();
    PDialog(const PDialog&) = delete;
    PDialog& operator=(const PDialog&) = delete;

    /** Shows the dialog modally, centred over the active window, until close is called;
        answers the result given to close. */
    int run();
    /** Ends run with a result (or, when not running, keeps it as the result). */
    void close(int result);
    /** The title bar's close button or Escape: closes with closeResult when the pane's
        canClose agrees. */
    void closeRequested();
    /** Return that no widget took: closes with returnResult when there is one; true when it
        closed. */
    bool returnRequested();
    void setTitle(const juce::String& key);
    bool isRunning() const;

    /** When set, run hands the dialog to it instead of showing the window, and answers the
        result that its buttons closed it with: tests play the user this way. */
    static std::function<void(PDialog&)> scriptedRun;

    PPane* pane;
    /** The result of closing through the title bar or Escape. */
    int closeResult = cancelled;
    /** The result of Return at the window, or noReturn where Return does nothing there (a
        dialog whose fields want it). */
    static constexpr int noReturn = -1;
    int returnResult = noReturn;
    int result = cancelled;

private:
    void fitToPane();

    std::unique_ptr<NDialog> peer;
    std::unique_ptr<PPane> ownedPane;
    juce::Component::SafePointer<juce::Component> paneComponent;
};
