#pragma once

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "model/editmode.h"
#include "ui/popup.h"
#include "ui/widgets/pane.h"

class PArray;
class PAttributePane;
class PBase;
class PButton;
class PCanvas2;
class PComic;
class PEdit;
class PItem;
class PList;
class PToggle;
class PWorld;

/** What the four side panes share: the ring of buttons that chooses how the canvas edits, the
    buttons that add shapes through the canvas, grouping and marking of what the canvas shows,
    and renaming the pane's item as one undoable step.

        auto* shapes = addModeButton(0, 12, 4, "Edit.Shape", PEditMode::shape);
        addCommandButton(0, 14, 6, "Edit.AddCurve", Command::addCurve);
        ...
        void onClick(PWidget* source) override { if (runCommand(source)) return; ... }
*/
class PSidePane : public PPane
{
public:
    /** The commands of the buttons every pane may have. */
    enum class Command
    {
        addPanel,
        addCurve,
        addText,
        addImage,
        addClip,
        addDecor,
        addBrush,
        doGroup,
        doUngroup,
        doSelectAll,
        doUnselect
    };

    /** paneMode: which of the side panes this is. */
    PSidePane(PPane* parent, int x, int y, int w, int h, PPaneKind paneMode);
    ~PSidePane() override;

    virtual void setWorld(PWorld* session, PCanvas2* pageCanvas);
    PComic* comic() const;

    /** The title button at the top, which shows the pane's menu of a popup kind; importClass is the
        class whose items of any comic the menu's import offers. */
    void addTitle(const char* key, PPopup::Kind popupKind, uint16_t importClass);
    /** A click on the title button shows the menu; any other click runs its button's command. */
    void onClick(PWidget* source) override;
    /** The title button or the list right-clicked: the menu, its chosen code handed to onMenu. */
    void onPopup(PWidget* source) override;
    /** Enables the menu's lines by what the comic, the current item and the clipboard allow. */
    virtual void updateMenu() {}

    /** A mode button of the ring, in the order the modes are tested: the first that is on decides. */
    PButton* addModeButton(int gx, int gy, int gw, const char* key, PEditMode mode);
    /** A button that runs a command when clicked. */
    PButton* addCommandButton(int gx, int gy, int gw, const char* key, Command command);
    /** Group, Ungroup, Select all and Select none: two rows of two from row on. */
    void addGroupButtons(int row);
    /** The mode the ring asks for: that of the first button that is on, else the last one's. */
    PEditMode ringMode() const;
    /** Lights the button of the world's edit mode (none when no button has it). */
    void showMode();
    /** The user chose a mode: marks go when marking ends, unfit selections are dropped, panes hear 6. */
    virtual void changeMode(PEditMode mode);
    /** Runs the command of a command button; false when source is none. */
    bool runCommand(PWidget* source);
    void run(Command command);
    /** A new name for an item, one undoable step for all the keys typed in a row; nothing when it
        is the same. */
    void rename(PItem* item, const PEdit& field);

    /** Asks for an item of any comic to import; the chooser by default, tests replace it. */
    std::function<PItem*()> chooseItem;

    PWorld* world = nullptr;
    PCanvas2* canvas = nullptr;
    /** The shape or brush pane below the controls; it hears the session the side pane is given. */
    PAttributePane* properties = nullptr;
    PButton* titleButton = nullptr;
    PList* list = nullptr;
    std::unique_ptr<PPopup> menu;
    PPaneKind paneMode = PPaneKind::none;
    std::vector<std::pair<PToggle*, PEditMode>> ring;
    std::map<PWidget*, Command> commands;

protected:
    /** The shape list the canvas shows (page, layer, clip card or decor group), or null. */
    PArray* shownList() const;
    /** Clears the marks of everything the canvas shows. */
    void clearMarks();

private:
    void add(Command command);
    /** The step the name field made last, while it may still be the newest. */
    PBase* lastRename = nullptr;
    void group(bool together);
};
