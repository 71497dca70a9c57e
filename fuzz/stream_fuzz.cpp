// Feeds arbitrary bytes to the comic loader. Every input is tried twice: as a project file
// (so the zlib layer is exercised) and, compressed here first, as the decompressed object
// stream itself, which lets the fuzzer reach the tag and object reader without having to
// forge deflate blocks and Adler-32 checksums.
#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "model/comic.h"

namespace
{
void loadComic(std::unique_ptr<juce::InputStream> compressed)
{
    PComic comic;
    if (comic.openForRead(std::move(compressed)) == PLoadResult::ok)
        comic.read(comic);
    comic.close();
}

std::unique_ptr<juce::InputStream> compress(const uint8_t* data, size_t size)
{
    juce::MemoryOutputStream packed;
    {
        juce::GZIPCompressorOutputStream zip(packed);
        if (size > 0)
            zip.write(data, size);
    }
    return std::make_unique<juce::MemoryInputStream>(packed.getMemoryBlock(), true);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    loadComic(std::make_unique<juce::MemoryInputStream>(data, size, false));
    loadComic(compress(data, size));
    return 0;
}
