#pragma once

#include <memory>

#include "model/array.h"
#include "model/comic.h"

class POption;

/** The editing session: every comic of the projects folder, the folders, the options
    and the state that the canvas and the status bar share. */
class PWorld
{
public:
    PWorld() = default;
    ~PWorld();
    PWorld(const PWorld&) = delete;
    PWorld& operator=(const PWorld&) = delete;

    /** Loads every comic file of the projects folder; answers 1, or the first failure's result. */
    int loadAll();
    /** Saves every modified comic; false when any failed (the first is kept in loadFailure). */
    bool saveAll();
    bool anyModified() const;

    /** Takes a new comic into the list, renaming its file when another comic already claims the name. */
    void adoptNewComic(PComic* comic);
    PComic* comicAt(int i) const { return comics.get<PComic>(i); }

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

    uint16_t editMode = 0;
    bool lockFlag = false, wallFlag = false, helpFlag = false;
};

/** Whether the language filter lets a comic file with this name (no extension) be listed. */
bool isListedForLanguage(const juce::String& nameWithoutExtension, int language);
