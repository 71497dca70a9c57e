#pragma once

// What the fuzz targets share: turning the fuzzer's bytes into a file's compressed stream, and
// a scratch file for saving whatever loaded.

#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include <unistd.h>

namespace fuzzinput
{
/** The bytes compressed as a project file holds them, so that the fuzzer reaches the tag and
    object reader without having to forge deflate blocks and Adler-32 checksums. */
inline std::unique_ptr<juce::InputStream> compressed(const uint8_t* data, size_t size)
{
    juce::MemoryOutputStream packed;
    {
        juce::GZIPCompressorOutputStream zip(packed);
        if (size > 0)
            zip.write(data, size);
    }
    return std::make_unique<juce::MemoryInputStream>(packed.getMemoryBlock(), true);
}

/** A file of this process only, so that parallel fuzz jobs never meet; in memory where the
    system offers a memory file system, since every save syncs its file to disk. */
inline juce::String scratchPath(const char* extension)
{
    const juce::File memory("/dev/shm");
    const juce::File folder = memory.isDirectory() && memory.hasWriteAccess()
                                  ? memory
                                  : juce::File::getSpecialLocation(juce::File::tempDirectory);
    return folder.getChildFile("plumet-fuzz-" + juce::String((int) ::getpid()) + extension).getFullPathName();
}
} // namespace fuzzinput
