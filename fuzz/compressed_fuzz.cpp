// Feeds bytes as a whole project file, zlib layer included. Mutated compressed bytes rarely
// inflate, so this target stays small; project_fuzz reaches the object reader.
#include "fuzzinput.h"
#include "model/comic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PComic comic;
    (void) comic.load(std::make_unique<juce::MemoryInputStream>(data, size, false));
    return 0;
}
