#pragma once

#include <functional>

#include "model/stream.h"

/** A document that lives in one file: a comic or the options. Carries the settings every
    project file has, the file's path and whether there are unsaved changes. */
class PProject : public PStream
{
public:
    static constexpr const char* optionsFileName = "comics_options.opt";
    static constexpr const char* comicExtension = ".plm";

    /** Where the user's comics, options and pictures live: a folder in the documents folder. */
    static juce::File defaultUserFolder();
    /** The folder of a user folder that pictures stored by name are looked up in. */
    static juce::File imagesFolderOf(const juce::File& userFolder);

    /** An empty project to load into. */
    PProject();
    /** A new project whose file will live in folder; its name is taken from the clock. */
    PProject(const juce::String& folder, uint16_t fileClass);

    uint16_t classId() const override { return PClass::project; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void invalidate() override { modified = true; }
    bool statusText(PName& out) const override;

    virtual void applySettings() {}
    virtual void copySettings(const PProject* other);
    virtual void propagateSettings() {}

    [[nodiscard]] PLoadResult load(const juce::String& filePath);
    /** Loads from the compressed bytes of a file; the path stays as it is. */
    [[nodiscard]] PLoadResult load(std::unique_ptr<juce::InputStream> compressed);
    /** Fails with "Message.SaveProtected" when the file or its folder is write-protected, else
        with "Message.SaveError"; the previous file stays as it was. */
    PResult save();

    /** "comics_YYYYMMDD_hhmmss.plm" for the given local time, or the options file's name. */
    static juce::String fileNameFor(uint16_t fileClass, juce::Time when);
    /** Adds "_2", "_3" ... before the extension while the path exists on disk or `taken` claims it. */
    void makePathUnique(const std::function<bool(const juce::String&)>& taken = {});

    PName author;
    int32_t setting1 = 0;
    uint16_t setting2 = 0, setting3 = 0, setting4 = 0;
    /** Full path of the file; not saved in it, and not limited to a name's length. */
    juce::String path;
    bool modified = false;

private:
    PLoadResult finishLoad(PLoadResult opened);
};
