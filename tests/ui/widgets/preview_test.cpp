#include <gtest/gtest.h>

#include "support/samplecomic.h"
#include "ui/widgets/preview.h"
#include "ui/widgets/recorder.h"

namespace
{
/** How many pixels inside the frame are not white. */
int inkedPixels(PPreview& preview)
{
    auto* c = preview.getComponent();
    const auto picture = c->createComponentSnapshot(c->getLocalBounds(), false, 1.0f);
    int count = 0;
    for (int y = 2; y < picture.getHeight() - 2; ++y)
        for (int x = 2; x < picture.getWidth() - 2; ++x)
            if (picture.getPixelAt(x, y).getPerceivedBrightness() < 0.95f)
                ++count;
    return count;
}

TEST(Preview, DrawsItsSubjectOrItsPictureInsideTheFrame)
{
    POption options;
    RecordingPane root(&options);
    auto* preview = new PPreview(&root, 0, 0, 8, 6);
    EXPECT_EQ(inkedPixels(*preview), 0) << "nothing to show";

    PComic comic;
    sample::fill(comic);
    preview->setSubject(comic.pages.get<PPage>(0));
    EXPECT_GT(inkedPixels(*preview), 0);

    juce::Image black(juce::Image::RGB, 4, 4, true);
    preview->setPicture(black, 1.0f);
    EXPECT_EQ(preview->subject, nullptr);
    EXPECT_GT(inkedPixels(*preview), 100);
}
} // namespace
