// Feeds bytes as the decompressed object stream of a project file. Whatever loads is drawn,
// every page, into a small picture and saved again, so that the geometry, the brush generator,
// the software view and the writer all meet damaged data.
#include "draw/view2gui.h"
#include "fuzzinput.h"
#include "model/comic.h"
#include "model/page.h"

namespace
{
constexpr int pictureSide = 64;

/** Each page fitted into a small picture, as the page pane's previews show it. */
void drawEveryPage(PComic& comic)
{
    juce::Image picture(juce::Image::ARGB, pictureSide, pictureSide, true);
    juce::Graphics g(picture);
    for (int i = 0; i < comic.pages.size(); ++i)
    {
        auto* page = comic.pages.get<PPage>(i);
        PView2gui view;
        view.setTarget(&g);
        view.fitSource = page;
        view.setViewport(0, 0, pictureSide, pictureSide, 0, 0, 1);
        view.drawPage(*page);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PComic comic;
    if (comic.load(fuzzinput::compressed(data, size)) != PLoadResult::ok)
        return 0;
    drawEveryPage(comic);
    comic.path = fuzzinput::scratchPath(".plm");
    (void) comic.save();
    juce::File(comic.path).deleteFile();
    return 0;
}
