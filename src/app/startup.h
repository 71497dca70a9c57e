#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "model/result.h"
#include <juce_core/juce_core.h>

class POption;
class PComic;
class PWorld;

/** The start-up steps that only touch files: where the program and the user's comics live,
    the options file, the language file and the sample comics. The two folders are given to
    it, so that the steps can run on a temporary account as well as on the real one. */
class PStartup
{
public:
    /** How the comics of the user folder loaded. */
    enum class WorldLoad
    {
        ok,
        /** A comic was written by a newer version of the program: better not to run. */
        newer,
        /** A comic could not be read; the others loaded. */
        damaged
    };

    PStartup(const juce::File& programFolder, const juce::File& userFolder);

    /** The folder of the program's files for the running executable (programFolderFor). */
    static juce::File defaultProgramFolder();
    /** The executable's own folder when it holds the language files (the build tree, a copy
        carried around), else share/plumet-comics beside the executable's bin folder, where an
        installation keeps them. */
    static juce::File programFolderFor(const juce::File& executableFolder);
    /** "Plumet" in the user's documents folder. */
    static juce::File defaultUserFolder();
    /** The language that the answer of the first-start box chooses: its first button
        English, its second German, anything else (third button, Escape, closing) French. */
    static int languageFromAnswer(int answer);

    juce::File imagesFolder() const;
    juce::File optionsFile() const;
    juce::File languageFile(int language) const;
    juce::File iconFile() const;

    /** Creates the user folder and its images folder when missing; false when the user
        folder cannot be had (a missing images folder only costs the image import). */
    bool prepareFolders() const;
    /** Loads the options file. A first start asks for the language and writes a new file;
        a file that does not load is replaced by defaults without asking. */
    std::unique_ptr<POption> loadOptions(const std::function<int()>& askLanguage) const;
    /** Copies each sample comic of the program folder that the user folder lacks, and makes
        the copies read-only. A file already there is never replaced: the user may have
        edited it. Answers the number of comics copied. */
    int copySamples() const;
    /** Loads every comic of the user folder into the world. */
    static WorldLoad loadWorld(PWorld& world);
    /** The name by which to report the comic that failed to load: its title, or its file's
        name when the file broke off before the title. */
    static juce::String failedComicName(const PWorld& world);
    /** The comic of a file named on the command line: the world's own when it already holds that
        file, else the file loaded and added at its own path, so that saving writes back there.
        Null when it cannot be loaded; result says why. */
    static PComic* openNamedComic(PWorld& world, const juce::File& file, PLoadResult& result);
    /** The text keys of the title and message that tell why a comic could not be loaded. */
    static std::pair<const char*, const char*> loadMessageKeys(PLoadResult result);

    juce::File programFolder;
    juce::File userFolder;
};
