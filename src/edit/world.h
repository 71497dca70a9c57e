#pragma once

#include <map>
#include <memory>

#include "edit/context.h"
#include "edit/drawstyle.h"
#include "edit/notifier.h"
#include "model/array.h"
#include "model/comic.h"
#include "model/editmode.h"
#include "model/pagerecorder.h"

class PAction;
class POption;

/** The editing session: every comic of the projects folder, the folders, the options, the live
    edit context, the undo and redo history, the clipboard and the state that the canvas and the
    status bar share. */
class PWorld : public PPageRecorder
{
public:
    PWorld() = default;
    ~PWorld();
    PWorld(const PWorld&) = delete;
    PWorld& operator=(const PWorld&) = delete;

    /** Loads every comic file of the projects folder; answers 1, or the first failure's result. */
    [[nodiscard]] PLoadResult loadAll();
    /** Saves every modified comic; false when any failed (the first is kept in loadFailure). */
    PResult saveAll();
    bool anyModified() const;

    /** Takes a new comic into the list, renaming its file when another comic already claims the name. */
    void adoptNewComic(PComic* comic);
    PComic* comicAt(int i) const { return comics.get<PComic>(i); }

    /** Appends the action to the undo list, deletes the redo list, performs the action and saves
        every modified comic when the autosave interval is reached. */
    void record(std::unique_ptr<PAction> action);
    /** Like record, for an action whose after state the caller has already written into the
        document: it is kept and settled but not applied a second time. */
    void recordApplied(std::unique_ptr<PAction> action);
    /** Moves the top of the undo list to the redo list and takes it back; nothing when empty. */
    void undo();
    /** Moves the top of the redo list back to the undo list and performs it again. */
    void redo();
    void undoName(PName& out) const;
    void redoName(PName& out) const;
    /** Deletes both lists, and with them every object that only an action still held. */
    void clearHistory();
    /** Deletes the undo and redo entries that change object, an object outside the comics (the
        wallpaper) that is about to go; no other entry builds on such an object, so the rest of
        the history stays. The selection lets go of it too. */
    void forgetEntriesOn(const PBase* object);
    /** The Save command: saves every modified comic and, when all succeeded, clears the history,
        since nothing may be undone across a save. */
    PResult saveAllAndClearHistory();

    void recordNewPage(PComic& comic, PPage* page) override;

    /** Drops from the live context the shape and point that the edit mode cannot edit: a point
        outside point mode, anything but a panel in the Pages pane's point mode, any shape outside
        the attachment, shape and point modes (a group also in deform mode), a hidden shape in shape mode. Broadcasts
       the selection change and answers true when it dropped any. */
    bool dropUnfitSelection();
    /** Tells the panes through the content pane, when there is one. */
    void broadcast(PNotify code, PBase* source = nullptr);

    /** The clipboard kind of a class: every shape kind shares the entry of class 49. */
    static uint16_t clipboardKind(uint16_t classId);
    /** The clipboard entry of a kind, or null; it stays the clipboard's. */
    PBase* clipboardEntry(uint16_t classId) const;
    /** Takes the entry of a kind off the clipboard. */
    std::unique_ptr<PBase> takeClipboard(uint16_t classId);
    /** Stores object (or nothing) as the entry of a kind, deleting what was there; the stored
        object loses its current marks. */
    void putClipboard(uint16_t classId, std::unique_ptr<PBase> object);

    /** The language whose sample comics are listed; the options' language when there are options. */
    int language() const;

    PArray comics;
    juce::String dataFolder;
    juce::String projectsFolder;
    POption* options = nullptr;
    /** The first comic whose load or save failed, or null. A comic that failed to load is
        not in `comics`: the world keeps it in failedLoad. */
    PComic* loadFailure = nullptr;
    std::unique_ptr<PComic> failedLoad;

    PContext context;
    PArray undoList;
    PArray redoList;
    /** The content pane, which passes notifications down the pane tree; null without a window. */
    PNotifier* notifier = nullptr;

    PEditMode editMode = PEditMode::none;
    PDrawStyle drawStyle;
    bool lockFlag = false, wallFlag = false, helpFlag = false;

private:
    void autosave();

    std::map<uint16_t, std::unique_ptr<PBase>> clipboard;
};

/** Whether the language filter lets a comic file with this name (no extension) be listed. */
bool isListedForLanguage(const juce::String& nameWithoutExtension, int language);
