#pragma once

#include <juce_core/juce_core.h>

#include <memory>

/** A file that is written in full or not at all. The bytes go to a temporary file beside the
    target; commit() checks every write, syncs the data to disk and renames the temporary over
    the target in one step. Until then the old file stays untouched, and a safe file dropped
    without commit() removes its temporary.

        PSafeFile out(file);
        if (out.open()) { out.stream().write(bytes, n); ok = out.commit(); }
*/
class PSafeFile
{
public:
    static constexpr int bufferSize = 16384;

    explicit PSafeFile(const juce::File& target);
    ~PSafeFile();
    PSafeFile(const PSafeFile&) = delete;
    PSafeFile& operator=(const PSafeFile&) = delete;

    /** False when the target is write-protected or the temporary cannot be created. */
    bool open();
    bool isOpen() const { return file != nullptr; }
    /** Counts every byte and remembers any failed write. Valid between open() and commit(). */
    juce::OutputStream& stream();
    /** True only when every byte reached the disk and the target now holds them. */
    bool commit();
    /** Drops the temporary; the target keeps its old contents. */
    void abort();

    const juce::File& target() const { return targetFile; }

    /** The ending of a temporary: a file that ends so is never a document. */
    static constexpr const char* temporaryEnding = ".saving";
    /** Deletes the temporaries in folder whose names match pattern and that have not been
        written for olderThan: what a save killed half-way left behind. A younger one may
        belong to a save in progress in another instance of the program. */
    static void removeLeftovers(const juce::File& folder, const juce::String& pattern,
                                juce::RelativeTime olderThan = juce::RelativeTime::minutes(1));

    /** True for a file that no write permission bit allows, even for a user (root) whom the
        system would let write anyway: its owner protected it. */
    static bool isWriteProtected(const juce::File& file);

private:
    struct CheckedOutput;

    juce::File targetFile, temporary;
    std::unique_ptr<juce::FileOutputStream> file;
    std::unique_ptr<CheckedOutput> checked;
};
