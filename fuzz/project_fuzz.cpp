// Feeds bytes as the decompressed object stream of a project file. Whatever loads is drawn,
// every page, into a small picture and saved again, so that the geometry, the brush generator,
// the software view and the writer all meet damaged data.
#include "fuzzinput.h"
#include "model/comic.h"
#include "model/page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PComic comic;
    if (comic.load(fuzzinput::compressed(data, size)) != PLoadResult::ok)
        return 0;
    comic.path = fuzzinput::scratchPath(".plm");
    comic.save();
    juce::File(comic.path).deleteFile();
    return 0;
}
