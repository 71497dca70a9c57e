// The canvas on the busy page in a 1920 x 1080 pane. Software view: a frame drawn from scratch
// (after any change to the document), a frame over the kept picture of the page (the overlay,
// the band), a frame while one curve is dragged, and the press that picks a curve. OpenGL view,
// which keeps no picture: a frame and a drag frame, on a real surface (under Xvfb, Mesa's
// software renderer); without a display with GLX these two report an error and are skipped.

#include <juce_opengl/juce_opengl.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "busypage.h"
#include "edit/world.h"
#include "model/option.h"
#include "ui/canvas2.h"
#include "ui/widgets/opane.h"

/** Whether the X server offers GLX (glxprobe.cpp); false without a display. */
bool displayHasGLX();

namespace
{
using namespace busypage;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

/** The busy page open in the Layers pane of a canvas of screen size. */
struct CanvasOnBusyPage
{
    explicit CanvasOnBusyPage(bool openGL = false) : canvas(new PCanvas2(&root, 0, 0, -1, -1, openGL))
    {
        canvas->getComponent()->setSize(screenWidth, screenHeight);
        world.options = &options;
        world.context.startChain(&busy.comic, PPaneKind::layers);
        world.editMode = PEditMode::shape;
        canvas->setWorld(&world);
        if (openGL)
            return;
        // The panel the view fits is measured as drawn from the second frame on.
        for (int i = 0; i < 2; ++i)
            canvas->paint(g);
    }
    ~CanvasOnBusyPage() { world.context.clear(); }

    /** The screen position of the first anchor of curve i. */
    juce::Point<float> onCurve(int i)
    {
        const auto* curve = busy.page->panels.get<PPanel>(0)->layerAt(0)->shapes.get<PCurve>(i);
        return canvas->toScreen(curve->pointAt(0)->x, curve->pointAt(0)->y);
    }

    POption options;
    PWorld world;
    BusyPage busy;
    PPane root{80, 45, &options};
    PCanvas2* canvas;
    juce::Image screen{juce::Image::RGB, screenWidth, screenHeight, true};
    juce::Graphics g{screen};
};

/** The canvas as an OpenGL pane filling a window of screen size, its surface attached, the panel
    fitted. A frame is handed to the surface's GL thread as a job while this thread waits for it,
    so the frame reads the document as safely as under the message lock that the library's own
    frames take, and no dispatch loop has to run to grant that lock (its latency would be timed
    too). The time is taken on the GL thread, from the call into the canvas to the end of
    glFinish: the submit alone would say little on a software renderer, whose threads rasterise
    after the commands are flushed. The library's compositing of its (empty) component layer and
    the buffer swap, which follow the job, are not counted. */
struct GLCanvasOnBusyPage : CanvasOnBusyPage
{
    GLCanvasOnBusyPage() : CanvasOnBusyPage(true)
    {
        const auto* screenDisplay = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
        if (screenDisplay == nullptr)
        {
            problem = "no display: run under xvfb-run -s \"-screen 0 1920x1200x24 +extension GLX\"";
            return;
        }
        if (screenDisplay->totalArea.getWidth() < screenWidth || screenDisplay->totalArea.getHeight() < screenHeight)
        {
            problem = "the screen is smaller than 1920 x 1080";
            return;
        }
        if (!displayHasGLX())
        {
            problem = "the display has no GLX";
            return;
        }
        auto* window = root.getComponent();
        window->setBounds(0, 0, screenWidth, screenHeight);
        canvas->getComponent()->setBounds(0, 0, screenWidth, screenHeight);
        window->addToDesktop(0);
        window->setVisible(true);
        // The surface attaches once the window shows; its context exists once the GL thread has
        // set it up.
        const auto deadline = juce::Time::getMillisecondCounter() + surfaceWait;
        while (surface().getRawContext() == nullptr && juce::Time::getMillisecondCounter() < deadline)
            juce::MessageManager::getInstance()->runDispatchLoopUntil(pumpMillis);
        if (surface().getRawContext() == nullptr)
        {
            problem = "no OpenGL context came up on the display";
            return;
        }
        frame();
        frame();
        // Screen positions convert through the software view, which on an OpenGL pane only mouse
        // events prepare: a release with nothing pressed prepares it and changes nothing.
        canvas->onMouseUp(0, 0);
        if (!drewPage())
            problem = "the OpenGL frame shows nothing";
    }

    ~GLCanvasOnBusyPage()
    {
        // Frames the library asked for while the benchmark held this thread are served first.
        juce::MessageManager::getInstance()->runDispatchLoopUntil(settleMillis);
        root.getComponent()->removeFromDesktop();
    }

    juce::OpenGLContext& surface() { return canvas->glComponent->context; }

    /** Draws one frame and waits for GL to finish it; the seconds it took on the GL thread. */
    double frame()
    {
        double seconds = 0;
        surface().executeOnGLThread(
            [this, &seconds](juce::OpenGLContext& gl)
            {
                const auto start = Clock::now();
                canvas->renderGL(gl);
                juce::gl::glFinish();
                seconds = secondsSince(start);
            },
            true);
        return seconds;
    }

    /** Whether a frame holds more than the background: a hundredth of its pixels differ from
        the corner's. */
    bool drewPage()
    {
        std::vector<uint32_t> pixels(static_cast<size_t>(screenWidth) * screenHeight);
        surface().executeOnGLThread(
            [this, &pixels](juce::OpenGLContext& gl)
            {
                canvas->renderGL(gl);
                juce::gl::glReadPixels(0, 0, screenWidth, screenHeight, juce::gl::GL_BGRA, juce::gl::GL_UNSIGNED_BYTE,
                                       pixels.data());
            },
            true);
        const auto differing = std::count_if(pixels.begin(), pixels.end(), [&](uint32_t p) { return p != pixels[0]; });
        return differing > static_cast<std::ptrdiff_t>(pixels.size() / 100);
    }

    static constexpr juce::uint32 surfaceWait = 10000;
    static constexpr int pumpMillis = 20, settleMillis = 100;
    const char* problem = nullptr;
};

/** Pointer steps along a line, back to its start every hundred pixels. */
float nextStep(float step)
{
    return step > 100 ? 0 : step + 1;
}

void canvasFrameFromScratch(benchmark::State& state)
{
    CanvasOnBusyPage c;
    for (auto _ : state)
    {
        c.canvas->renderer.invalidateAll();
        c.canvas->paint(c.g);
    }
}

/** The first frame of a page: its geometry is built, and the page drawn, from nothing. */
void canvasFirstFrame(benchmark::State& state)
{
    CanvasOnBusyPage c;
    for (auto _ : state)
    {
        c.busy.page->invalidate();
        c.canvas->renderer.invalidateAll();
        c.canvas->paint(c.g);
    }
}

/** The frame after an edit moved one curve: the canvas finds the change and redraws where the
    curve was and is. */
void canvasFrameAfterMove(benchmark::State& state)
{
    CanvasOnBusyPage c;
    auto* curve = c.busy.page->panels.get<PPanel>(0)->layerAt(0)->shapes.get<PCurve>(500);
    float step = 0;
    for (auto _ : state)
    {
        step = nextStep(step);
        curve->x = step / 100;
        curve->invalidate();
        c.canvas->onNotify(PNotify::selection);
        c.canvas->paint(c.g);
    }
    if (c.canvas->renderer.picture.partialPictures == 0)
        state.SkipWithError("every frame was drawn in full");
}

/** A zoom step, in and out in turn: the frame that shows the old picture scaled. */
void canvasZoomScaledFrame(benchmark::State& state)
{
    CanvasOnBusyPage c;
    bool in = true;
    for (auto _ : state)
    {
        state.PauseTiming();
        c.canvas->paint(c.g); // the sharp picture of the last step
        state.ResumeTiming();
        c.canvas->onWheel(in);
        in = !in;
        c.canvas->paint(c.g);
    }
}

void canvasFrameOverKeptPage(benchmark::State& state)
{
    CanvasOnBusyPage c;
    for (auto _ : state)
        c.canvas->paint(c.g);
}

/** Presses on curve 500 so that the next drags move it; false when nothing was picked. */
bool grabCurve(CanvasOnBusyPage& c, juce::Point<float> at)
{
    c.canvas->onMouseDown(at.x, at.y);
    c.canvas->onMouseUp(at.x, at.y);
    if (c.canvas->selection.shape == nullptr)
        return false;
    c.canvas->onMouseDown(at.x, at.y);
    return true;
}

void canvasDragFrame(benchmark::State& state)
{
    CanvasOnBusyPage c;
    const auto at = c.onCurve(500);
    if (!grabCurve(c, at))
        state.SkipWithError("no curve picked");
    float step = 0;
    for (auto _ : state)
    {
        step = nextStep(step);
        c.canvas->onMouseDrag(at.x + step, at.y);
        c.canvas->paint(c.g);
    }
    c.canvas->onMouseUp(at.x, at.y);
}

void canvasPick(benchmark::State& state)
{
    CanvasOnBusyPage c;
    const auto at = c.onCurve(500);
    for (auto _ : state)
    {
        c.canvas->onMouseDown(at.x, at.y);
        c.canvas->onMouseUp(at.x, at.y);
    }
}

/** False, with the reason given to the benchmark, when the OpenGL canvas could not come up. */
bool usable(const GLCanvasOnBusyPage& c, benchmark::State& state)
{
    if (c.problem != nullptr)
        state.SkipWithError(c.problem);
    return c.problem == nullptr;
}

void glCanvasFrameFromScratch(benchmark::State& state)
{
    GLCanvasOnBusyPage c;
    if (!usable(c, state))
        return;
    for (auto _ : state)
    {
        c.canvas->renderer.invalidateAll();
        state.SetIterationTime(c.frame());
    }
}

void glCanvasFirstFrame(benchmark::State& state)
{
    GLCanvasOnBusyPage c;
    if (!usable(c, state))
        return;
    for (auto _ : state)
    {
        c.busy.page->invalidate();
        c.canvas->renderer.invalidateAll();
        state.SetIterationTime(c.frame());
    }
}

void glCanvasZoomScaledFrame(benchmark::State& state)
{
    GLCanvasOnBusyPage c;
    if (!usable(c, state))
        return;
    bool in = true;
    for (auto _ : state)
    {
        c.frame(); // the sharp texture of the last step, not timed
        c.canvas->onWheel(in);
        in = !in;
        state.SetIterationTime(c.frame());
    }
}

/** A frame over the kept texture: the furniture is all that is drawn. */
void glCanvasFrameOverTexture(benchmark::State& state)
{
    GLCanvasOnBusyPage c;
    if (!usable(c, state))
        return;
    for (auto _ : state)
        state.SetIterationTime(c.frame());
}

void glCanvasFrameAfterMove(benchmark::State& state)
{
    GLCanvasOnBusyPage c;
    if (!usable(c, state))
        return;
    auto* curve = c.busy.page->panels.get<PPanel>(0)->layerAt(0)->shapes.get<PCurve>(500);
    float step = 0;
    for (auto _ : state)
    {
        step = nextStep(step);
        curve->x = step / 100;
        curve->invalidate();
        c.canvas->onNotify(PNotify::selection);
        state.SetIterationTime(c.frame());
    }
    if (c.canvas->renderer.picture.partialPictures == 0)
        state.SkipWithError("every frame was drawn in full");
}

void glCanvasDragFrame(benchmark::State& state)
{
    GLCanvasOnBusyPage c;
    if (!usable(c, state))
        return;
    const auto at = c.onCurve(500);
    if (!grabCurve(c, at))
    {
        state.SkipWithError("no curve picked");
        return;
    }
    float step = 0;
    for (auto _ : state)
    {
        step = nextStep(step);
        const auto start = Clock::now();
        c.canvas->onMouseDrag(at.x + step, at.y);
        const double moving = secondsSince(start);
        state.SetIterationTime(moving + c.frame());
    }
    c.canvas->onMouseUp(at.x, at.y);
}

juce::JUCEApplicationBase* noApplication()
{
    return nullptr;
}
} // namespace

BENCHMARK(canvasFrameFromScratch)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasFrameOverKeptPage)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasFrameAfterMove)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasZoomScaledFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasDragFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(canvasPick)->Unit(benchmark::kMicrosecond);
BENCHMARK(glCanvasFrameFromScratch)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(glCanvasFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(glCanvasZoomScaledFrame)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(glCanvasFrameOverTexture)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(glCanvasFrameAfterMove)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(glCanvasDragFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The library installs its forgiving X error handlers only for a program with an application
    // object; without them the first window property a bare X server does not know yet (there is
    // no window manager under Xvfb) ends the program. Naming a factory that is never used counts.
    juce::JUCEApplicationBase::createInstance = &noApplication;
    // The panes are components: the library's GUI side must be up, though the software cases
    // show nothing.
    const juce::ScopedJuceInitialiser_GUI library;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
