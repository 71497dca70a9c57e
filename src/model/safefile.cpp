#include "model/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace
{
bool syncFolder(const juce::File& folder)
{
    const int fd = ::open(folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
} // namespace

/** Sits between the writer and the file so that no failed write, not even one made while a
    compressor on top finishes, goes unnoticed. */
struct PSafeFile::CheckedOutput : juce::OutputStream
{
    explicit CheckedOutput(juce::FileOutputStream& f) : file(f) {}
    bool write(const void* data, size_t n) override
    {
        const bool done = file.write(data, n);
        ok = ok && done;
        written += static_cast<juce::int64>(n);
        return done;
    }
    void flush() override { file.flush(); }
    juce::int64 getPosition() override { return written; }
    bool setPosition(juce::int64) override { return false; }

    juce::FileOutputStream& file;
    juce::int64 written = 0;
    bool ok = true;
};

PSafeFile::PSafeFile(const juce::File& target) : targetFile(target) {}

PSafeFile::~PSafeFile()
{
    abort();
}

bool PSafeFile::isWriteProtected(const juce::File& f)
{
    struct stat info;
    if (::stat(f.getFullPathName().toRawUTF8(), &info) != 0)
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || !f.hasWriteAccess();
}

void PSafeFile::removeLeftovers(const juce::File& folder, const juce::String& pattern, juce::RelativeTime olderThan)
{
    const auto before = juce::Time::getCurrentTime() - olderThan;
    for (const auto& entry : juce::RangedDirectoryIterator(folder, false, pattern, juce::File::findFiles))
        if (entry.getFile().getFileName().endsWith(temporaryEnding) && entry.getModificationTime() <= before)
            (void) entry.getFile().deleteFile(); // one that stays is only skipped by every reader
}

bool PSafeFile::open()
{
    abort();
    if (targetFile == juce::File() || targetFile.isDirectory())
        return false;
    if (targetFile.existsAsFile() && isWriteProtected(targetFile))
        return false;
    removeLeftovers(targetFile.getParentDirectory(), targetFile.getFileName() + "*" + temporaryEnding);
    temporary = targetFile.getSiblingFile(targetFile.getFileName() + temporaryEnding).getNonexistentSibling(false);
    file = std::make_unique<juce::FileOutputStream>(temporary, bufferSize);
    if (!file->openedOk())
    {
        abort();
        return false;
    }
    checked = std::make_unique<CheckedOutput>(*file);
    return true;
}

juce::OutputStream& PSafeFile::stream()
{
    jassert(checked != nullptr);
    return *checked;
}

bool PSafeFile::commit()
{
    if (file == nullptr)
        return false;
    file->flush(); // also fsyncs the file
    const bool written = checked->ok && file->getStatus().wasOk();
    const juce::int64 expected = checked->written;
    checked.reset();
    file.reset();
    if (!written || temporary.getSize() != expected)
    {
        abort();
        return false;
    }
    const auto from = temporary.getFullPathName(), to = targetFile.getFullPathName();
    // rename() replaces the old file in one step: there is never a moment without it.
    if (std::rename(from.toRawUTF8(), to.toRawUTF8()) != 0)
    {
        abort();
        return false;
    }
    temporary = juce::File();
    syncFolder(targetFile.getParentDirectory());
    return true;
}

void PSafeFile::abort()
{
    checked.reset();
    file.reset();
    if (temporary != juce::File())
        temporary.deleteFile();
    temporary = juce::File();
}
