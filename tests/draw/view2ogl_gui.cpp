// The OpenGL view against the software view on a real GL surface (run under xvfb-run with GLX):
// the same drawing through both must give the same picture.

#include <juce_opengl/juce_opengl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>

#include "../support/exportsample.h"
#include "../support/samplecomic.h"
#include "../support/testfiles.h"
#include "draw/view2ogl.h"
#include "ui/widgets/opane.h"

using namespace juce::gl;

namespace
{
constexpr int side = 400; // the 25.4 cm sample page at 40 dpi
constexpr int16_t dpi = 40;
constexpr float pixelsPerCm = dpi / 2.54f;
constexpr uint32_t red = 0xFF00FF80, blue = 0xFFA0FF80;
const juce::Colour white = juce::Colours::white;

/** A window with a GL surface set up as the canvas's: one frame is drawn by a job, then read back. */
class Surface : public juce::Component, private juce::OpenGLRenderer
{
public:
    Surface()
    {
        setOpaque(true);
        OPane::prepareContext(context);
        context.setRenderer(this);
        setBounds(0, 0, side, side);
        addToDesktop(0);
        setVisible(true);
        context.attachTo(*this);
    }
    ~Surface() override { context.detach(); }

    /** The frame the job draws; invalid when no frame came within the time allowed. */
    juce::Image render(std::function<void(PView2ogl&)> drawing)
    {
        job = std::move(drawing);
        armed = true;
        const auto deadline = juce::Time::getMillisecondCounter() + 30000;
        while (armed && juce::Time::getMillisecondCounter() < deadline)
        {
            context.triggerRepaint();
            juce::MessageManager::getInstance()->runDispatchLoopUntil(20);
        }
        return armed ? juce::Image() : frame;
    }

private:
    void newOpenGLContextCreated() override {}
    void openGLContextClosing() override {}
    void renderOpenGL() override
    {
        // No message lock: the test's thread only waits while a frame is drawn, and a lock taken
        // here could deadlock with detaching the context.
        if (!armed)
            return;
        PView2ogl view;
        view.dpi = dpi;
        view.setViewport(0, 0, side, side, 0, 0, 1);
        job(view);
        view.endFrame();
        // GL's rows run upwards; the surface's own alpha is left out, as blending lowers it.
        frame = juce::Image(juce::Image::RGB, side, side, false);
        const juce::Image::BitmapData pixels(frame, juce::Image::BitmapData::writeOnly);
        for (int y = 0; y < side; ++y)
            glReadPixels(0, side - 1 - y, side, 1, GL_BGR, GL_UNSIGNED_BYTE, pixels.getLinePointer(y));
        armed = false;
    }

    juce::OpenGLContext context;
    std::function<void(PView2ogl&)> job;
    juce::Image frame;
    /** Set while a job waits for its frame; the job and the frame belong to the GL thread then. */
    std::atomic<bool> armed{false};
};

juce::Image software(const std::function<void(PView2gui&)>& drawing)
{
    juce::Image picture(juce::Image::ARGB, side, side, true);
    juce::Graphics g(picture);
    PView2gui view;
    view.setTarget(&g);
    view.dpi = dpi;
    view.setViewport(0, 0, side, side, 0, 0, 1);
    drawing(view);
    return picture;
}

bool near(juce::Colour a, juce::Colour b, int tolerance = 48)
{
    return std::abs(a.getRed() - b.getRed()) <= tolerance && std::abs(a.getGreen() - b.getGreen()) <= tolerance &&
           std::abs(a.getBlue() - b.getBlue()) <= tolerance;
}

double agreement(const juce::Image& a, const juce::Image& b)
{
    int same = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            same += near(a.getPixelAt(x, y), b.getPixelAt(x, y)) ? 1 : 0;
    return static_cast<double>(same) / (side * side);
}

/** Set PLUMET_GL_SHOTS to a folder to look at the frames. */
void keep(const juce::Image& picture, const juce::String& name)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable("PLUMET_GL_SHOTS", {});
    if (folder.isEmpty())
        return;
    const juce::File file = juce::File(folder).getChildFile(name + ".png");
    file.deleteFile();
    juce::FileOutputStream out(file);
    juce::PNGImageFormat().writeImageToStream(picture, out);
}

size_t pointCount(const juce::Path& p)
{
    size_t n = 0;
    for (juce::Path::Iterator it(p); it.next();)
        n += it.elementType == juce::Path::Iterator::closePath ? 0 : 1;
    return n;
}
} // namespace

TEST(OpenGLView, SamplePageLooksAsInTheSoftwareView)
{
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("photo.png"), 40, 30));
    PComic comic;
    exportsample::pictureComic(comic, tmp.file("photo.png"));
    PPage& page = *comic.pages.get<PPage>(0);
    PLayer& back = *page.panels.get<PPanel>(0)->layerAt(0);
    // A wave of varying width, longer than any fixed vertex buffer, and a block over the panel's edge.
    auto* wave = new PCurve();
    for (int i = 0; i < 120; ++i)
    {
        auto* p =
            new PPoint(-10.5f + 0.175f * static_cast<float>(i), -6 + 1.2f * std::sin(0.5f * static_cast<float>(i)));
        p->thickness = static_cast<uint16_t>(i % 2 == 0 ? 30 : 150);
        wave->points.append(p);
    }
    wave->lineColour = red;
    back.shapes.append(wave);
    back.shapes.append(exportsample::curve({{-14, 2}, {-9, 2}, {-9, 6}, {-14, 6}}, true, red, blue));
    // Brush strokes as they print: filled ribbons and areas, no guides.
    back.shapes.append(sample::brushOfKind(PBrushGenerator::thick, -1));
    back.shapes.append(sample::brushOfKind(PBrushGenerator::area, 1));

    auto drawPage = [&](PView2& view)
    {
        view.clear();
        view.drawPageOutline(page.width, page.height, 0);
        view.drawPage(page);
    };
    const juce::Image expected = software(drawPage);
    Surface surface;
    const juce::Image frame = surface.render(drawPage);
    ASSERT_TRUE(frame.isValid()) << "no GL frame";
    keep(expected, "page-software"), keep(frame, "page-opengl");

    EXPECT_GT(pointCount(wave->outlinePath), 500u);
    EXPECT_GE(agreement(expected, frame), 0.97);
    // The block is cut at the panel's left edge (x = -11 cm).
    auto pixel = [&](float x, float y)
    {
        return frame.getPixelAt(juce::roundToInt(side / 2 + x * pixelsPerCm),
                                juce::roundToInt(side / 2 - y * pixelsPerCm));
    };
    EXPECT_EQ(pixel(-12.5f, 4), white);
    EXPECT_TRUE(near(pixel(-10, 4), juce::Colour(hslaToArgb(blue)), 8));
}

TEST(OpenGLView, SubPathsStayApartInFillsAndStrokes)
{
    auto draw = [](PView2& view)
    {
        view.clear();
        view.setColour(red);
        juce::Path triangles; // two closed triangles side by side
        triangles.addTriangle(20, 20, 80, 20, 50, 60);
        triangles.addTriangle(120, 20, 180, 20, 150, 60);
        view.path(triangles, 0, nullptr);
        juce::Path disc; // 600 corners; those past the 500th make its upper right sixth
        disc.startNewSubPath(370, 250);
        for (int i = 1; i < 600; ++i)
        {
            const float a = juce::MathConstants<float>::twoPi * static_cast<float>(i) / 600;
            disc.lineTo(250 + 120 * std::cos(a), 250 + 120 * std::sin(a));
        }
        disc.closeSubPath();
        view.path(disc, 0, nullptr);
        juce::Path strokes; // two separate lines
        strokes.startNewSubPath(20, 300), strokes.lineTo(100, 300);
        strokes.startNewSubPath(20, 380), strokes.lineTo(100, 380);
        view.path(strokes, 3, nullptr);
    };
    const juce::Image expected = software(draw);
    Surface surface;
    const juce::Image frame = surface.render(draw);
    ASSERT_TRUE(frame.isValid()) << "no GL frame";
    keep(expected, "parts-software"), keep(frame, "parts-opengl");

    struct Probe
    {
        const char* what;
        int x, y;
        bool painted;
    };
    for (const Probe& p : {Probe{"first triangle", 50, 30, true},
                           {"second triangle", 150, 30, true},
                           {"between the triangles", 100, 35, false},
                           {"disc beyond its 500th corner", 250 + 100, 250 - 58, true},
                           {"first line", 60, 300, true},
                           {"second line", 60, 380, true},
                           {"between the lines", 60, 340, false}})
    {
        EXPECT_EQ(expected.getPixelAt(p.x, p.y) != white, p.painted) << "software: " << p.what;
        EXPECT_EQ(frame.getPixelAt(p.x, p.y) != white, p.painted) << "OpenGL: " << p.what;
    }
    EXPECT_GE(agreement(expected, frame), 0.99);
}

TEST(OpenGLView, BlitShowsThePictureUpright)
{
    juce::Image picture = PView2gui::makeImage(juce::Image::RGB, side, side);
    {
        juce::Graphics g(picture);
        g.fillAll(white);
        g.setColour(juce::Colours::darkblue);
        g.fillRect(0, 0, side, side / 4); // a band along the top
        g.fillRect(0, 0, side / 8, side); // and down the left
    }
    Surface surface;
    const juce::Image frame = surface.render([&](PView2ogl& view) { view.blit(picture); });
    ASSERT_TRUE(frame.isValid()) << "no GL frame";
    keep(frame, "blit-opengl");
    for (const auto& [x, y] : {std::pair{0, 0},
                               {side - 1, 0},
                               {side / 2, side / 4 - 1},
                               {side / 2, side / 4},
                               {side - 1, side - 1},
                               {0, side - 1},
                               {side / 8, side - 1}})
        EXPECT_EQ(frame.getPixelAt(x, y), picture.getPixelAt(x, y)) << x << ", " << y;
}

TEST(OpenGLView, ALineThinnerThanAPixelStaysInSight)
{
    // A line whose width varies between a tenth and a half of a pixel at this scale.
    std::unique_ptr<PCurve> line(exportsample::curve({{-10, -8}, {0, 2}, {10, -6}}, false, 0xFF000000, 0, 40));
    line->pointAt(0)->thickness = 8;
    auto draw = [&line](PView2& view)
    {
        view.clear();
        view.drawShape(*line);
    };
    const juce::Image expected = software(draw);
    Surface surface;
    const juce::Image frame = surface.render(draw);
    ASSERT_TRUE(frame.isValid()) << "no GL frame";
    keep(expected, "thin-software"), keep(frame, "thin-opengl");
    int inked = 0, samples = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (expected.getPixelAt(x, y).getBrightness() < 0.9f)
            {
                ++samples;
                for (int dy = -1; dy <= 1; ++dy)
                    if (frame.getPixelAt(x, y + dy).getBrightness() < 0.9f)
                    {
                        ++inked;
                        break;
                    }
            }
    ASSERT_GT(samples, 100) << "the software view shows the line";
    EXPECT_GT(inked, samples / 2) << "where the software view shows the line faintly, so does GL";
}
