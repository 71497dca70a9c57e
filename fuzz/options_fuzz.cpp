// Feeds bytes as the decompressed stream of an options file: whatever loads must recompute its
// GUI metrics and save again without a fault.
#include "fuzzinput.h"
#include "model/option.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    POption options;
    if (options.load(fuzzinput::compressed(data, size)) != PLoadResult::ok)
        return 0;
    options.recompute();
    options.path = fuzzinput::scratchPath(".opt");
    (void) options.save();
    juce::File(options.path).deleteFile();
    return 0;
}
