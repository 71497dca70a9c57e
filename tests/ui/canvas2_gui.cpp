// The OpenGL canvas keeps the page as a texture: a frame after an edit redraws only where it
// changed and shows what a full frame shows (run under xvfb-run with GLX).

#include <juce_opengl/juce_opengl.h>

#include <gtest/gtest.h>

#include "../support/curveedits.h"
#include "../support/exportsample.h"
#include "../support/testfiles.h"
#include "edit/world.h"
#include "model/layer.h"
#include "model/option.h"
#include "ui/canvas2.h"
#include "ui/widgets/opane.h"

using namespace juce::gl;

namespace
{
constexpr int width = 640, height = 480;

/** The picture comic's panel in the Layers pane of an OpenGL canvas in a window. */
struct GLArtDesk
{
    TempFolder tmp;
    POption options;
    PWorld world;
    PComic* comic = new PComic();
    PPane root{40, 30, &options};
    PCanvas2* canvas = new PCanvas2(&root, 0, 0, -1, -1, true);

    GLArtDesk()
    {
        const auto picture = tmp.file("p.png");
        EXPECT_TRUE(exportsample::writePicture(picture, 40, 30));
        exportsample::pictureComic(*comic, picture);
        comic->path = tmp.path("c.plm");
        world.comics.append(comic);
        world.options = &options;
        world.context.startChain(comic, PPaneKind::layers);
        world.editMode = PEditMode::shape;
        canvas->setWorld(&world);
        auto* window = root.getComponent();
        window->setBounds(0, 0, width, height);
        canvas->getComponent()->setBounds(0, 0, width, height);
        window->addToDesktop(0);
        window->setVisible(true);
        const auto deadline = juce::Time::getMillisecondCounter() + 10000;
        while (surface().getRawContext() == nullptr && juce::Time::getMillisecondCounter() < deadline)
            juce::MessageManager::getInstance()->runDispatchLoopUntil(20);
    }
    ~GLArtDesk()
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil(100);
        root.getComponent()->removeFromDesktop();
        world.context.clear();
    }

    juce::OpenGLContext& surface() { return canvas->glComponent->context; }

    /** One frame drawn on the GL thread and read back. */
    juce::Image frame()
    {
        juce::Image shot(juce::Image::RGB, width, height, false);
        surface().executeOnGLThread(
            [this, &shot](juce::OpenGLContext& gl)
            {
                canvas->renderGL(gl);
                const juce::Image::BitmapData pixels(shot, juce::Image::BitmapData::writeOnly);
                for (int y = 0; y < height; ++y)
                    glReadPixels(0, height - 1 - y, width, 1, GL_BGR, GL_UNSIGNED_BYTE, pixels.getLinePointer(y));
            },
            true);
        return shot;
    }
    int partialAgainstFull()
    {
        const auto partial = frame();
        canvas->renderer.invalidateAll();
        const auto full = frame();
        int differing = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                differing += partial.getPixelAt(x, y) != full.getPixelAt(x, y) ? 1 : 0;
        frame(); // a repaint with nothing changed, before the next edit
        return differing;
    }
};
} // namespace

TEST(GLCanvasPicture, AnEditRedrawsOnlyWhereItChangedAndLooksExactlyLikeAFullFrame)
{
    GLArtDesk d;
    ASSERT_NE(d.surface().getRawContext(), nullptr) << "no OpenGL context on the display";
    // The fit is measured from the first frame on.
    for (int i = 0; i < 2; ++i)
        d.frame();
    PLayer* layer = d.canvas->selection.layer();
    ASSERT_NE(layer, nullptr);
    PCurve* curve = firstCurve(*layer);
    ASSERT_NE(curve, nullptr);
    // Reading the selection marks the current shapes, which the first frame after it redraws.
    d.canvas->onNotify(PNotify::selection);
    d.frame();
    const int fullBefore = d.canvas->renderer.picture.fullPictures;
    editCurveFourWays(d.world, *d.canvas, *curve,
                      [&d](const char* what) { EXPECT_EQ(d.partialAgainstFull(), 0) << what; });

    EXPECT_GE(d.canvas->renderer.picture.partialPictures, 4);
    EXPECT_EQ(d.canvas->renderer.picture.fullPictures - fullBefore, 4) << "only the comparisons drew in full";
}
