#include "draw/view2ogl.h"

#include <juce_opengl/juce_opengl.h>

// The library's GL header stands in for the system one; the tessellator's header only needs its types.
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <memory>
#include <optional>

#include "model/curve.h"
#include "model/image.h"
#include "model/option.h"

using namespace juce::gl;

namespace
{
constexpr uint32_t opaqueWhite = 0xFF0000FFu;
constexpr float channelScale = 255.0f;
/** Circles below this radius in pixels are drawn with coarse steps: handles are small. */
constexpr float smallCircleRadius = 20.0f;
constexpr int coarseStepDegrees = 30, fineStepDegrees = 10, fullTurnDegrees = 360;
constexpr float radiansPerDegree = juce::MathConstants<float>::pi / 180.0f;
constexpr int quadCorners = 4;
constexpr GLint rowAlignment = 4;

void colourOf(uint32_t hsla, float (&out)[4])
{
    const uint32_t argb = hslaToArgb(hsla);
    out[0] = static_cast<float>(highByteOf(argb)) / channelScale;
    out[1] = static_cast<float>(middleByteOf(argb)) / channelScale;
    out[2] = static_cast<float>(lowByteOf(argb)) / channelScale;
    out[3] = static_cast<float>(alphaOf(argb)) / channelScale;
}

void loadMatrix(const PMatrix* m)
{
    glMatrixMode(GL_MODELVIEW);
    if (m == nullptr)
    {
        glLoadIdentity();
        return;
    }
    // GL wants the columns: x' = e0 x + e4 y + e12, y' = e1 x + e5 y + e13.
    const GLfloat columns[16] = {m->m[0], m->m[1], 0, 0, m->m[3], m->m[4], 0, 0, 0, 0, 1, 0, m->m[6], m->m[7], 0, 1};
    glLoadMatrixf(columns);
}

/** A path as runs of device points, one run per sub-path, with curves flattened as finely as the
    software view flattens them. The points are mapped here rather than through GL's matrix
    because how finely a curve is cut depends on its size on screen. */
struct Runs
{
    std::vector<GLdouble> xyz; // x, y, 0 for every point: the tessellator takes the triples as they are
    std::vector<size_t> firsts;

    size_t count() const { return firsts.size(); }
    size_t begin(size_t run) const { return firsts[run]; }
    size_t end(size_t run) const { return run + 1 < firsts.size() ? firsts[run + 1] : xyz.size() / 3; }
    GLdouble* point(size_t i) { return xyz.data() + 3 * i; }
};

Runs runsOf(const juce::Path& p, const juce::AffineTransform& transform)
{
    Runs runs;
    auto pointsInLastRun = [&] { return runs.firsts.empty() ? 0 : runs.xyz.size() / 3 - runs.firsts.back(); };
    auto add = [&](float x, float y)
    {
        const size_t n = runs.xyz.size();
        // A repeated point adds nothing to a line and gives the tessellator a zero-length edge.
        if (pointsInLastRun() > 0 && runs.xyz[n - 3] == x && runs.xyz[n - 2] == y)
            return;
        runs.xyz.insert(runs.xyz.end(), {x, y, 0.0});
    };
    auto startRun = [&](float x, float y)
    {
        if (pointsInLastRun() == 1) // a lone point draws nothing
            runs.xyz.resize(runs.xyz.size() - 3);
        else
            runs.firsts.push_back(runs.xyz.size() / 3);
        add(x, y);
    };
    juce::PathFlatteningIterator it(p, transform);
    while (it.next())
    {
        // The first line of a sub-path has index 0. A close that returns to the start keeps the
        // index of the line before it, so it is told apart by having a length: only a first line
        // that goes nowhere can end on the start point.
        const bool returnsToStart = it.closesSubPath && (it.x1 != it.x2 || it.y1 != it.y2);
        if (it.subPathIndex == 0 && !returnsToStart)
            startRun(it.x1, it.y1);
        add(it.x2, it.y2);
    }
    if (pointsInLastRun() == 1)
    {
        runs.xyz.resize(runs.xyz.size() - 3);
        runs.firsts.pop_back();
    }
    return runs;
}

// ---------------------------------------------------------------- the tessellator's callbacks

/** Points the tessellator makes where edges cross; they must live until the polygon ends. */
struct Crossings
{
    std::deque<std::array<GLdouble, 3>> points;
};

void tessBegin(GLenum mode)
{
    glBegin(mode);
}

void tessVertex(void* xyz)
{
    glVertex3dv(static_cast<const GLdouble*>(xyz));
}

void tessEnd()
{
    glEnd();
}

void tessCombine(GLdouble xyz[3], void* [4], GLfloat[4], void** out, void* polygon)
{
    auto& crossings = static_cast<Crossings*>(polygon)->points;
    crossings.push_back({xyz[0], xyz[1], xyz[2]});
    *out = crossings.back().data();
}

template <typename Function> _GLUfuncptr callback(Function* f)
{
    return reinterpret_cast<_GLUfuncptr>(f);
}

struct TessDeleter
{
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

/** Fills the runs as one polygon of as many contours, under the path's own winding rule so that
    crossing outlines and glyph holes come out as the software view fills them. */
void tessellate(Runs& runs, bool nonZero)
{
    const std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
    if (tess == nullptr || runs.count() == 0)
        return;
    gluTessCallback(tess.get(), GLU_TESS_BEGIN, callback(&tessBegin));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX, callback(&tessVertex));
    gluTessCallback(tess.get(), GLU_TESS_END, callback(&tessEnd));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, callback(&tessCombine));
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, nonZero ? GLU_TESS_WINDING_NONZERO : GLU_TESS_WINDING_ODD);
    gluTessNormal(tess.get(), 0, 0, 1);
    Crossings crossings;
    gluTessBeginPolygon(tess.get(), &crossings);
    for (size_t run = 0; run < runs.count(); ++run)
    {
        gluTessBeginContour(tess.get());
        for (size_t i = runs.begin(run); i < runs.end(run); ++i)
            gluTessVertex(tess.get(), runs.point(i), runs.point(i));
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
}

/** Where the stencil test lets drawing through: inside every open clip. */
void passInside(size_t depth)
{
    if (depth == 0)
    {
        glDisable(GL_STENCIL_TEST);
        return;
    }
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, static_cast<GLint>(depth), ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

/** Raises (or lowers) the stencil by one inside a clip outline, only where all outer clips pass. */
void markClip(const juce::Path& pagePath, const juce::AffineTransform& transform, size_t outerDepth, GLenum step)
{
    Runs runs = runsOf(pagePath, transform);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, static_cast<GLint>(outerDepth), ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, step);
    tessellate(runs, pagePath.isUsingNonZeroWinding());
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

/** How locked pixels lie in memory, in the terms GL unpacks them with. */
struct PixelLayout
{
    GLenum format = GL_BGRA;
    GLint alignment = rowAlignment;
    GLint rowLength = 0;
};

/** The layout of pixels GL can take as they are, or none. */
std::optional<PixelLayout> layoutOf(const juce::Image::BitmapData& pixels)
{
    PixelLayout layout;
    if (pixels.pixelFormat == juce::Image::ARGB)
        layout.format = GL_BGRA;
    else if (pixels.pixelFormat == juce::Image::RGB)
        layout.format = GL_BGR;
    else
        return std::nullopt;
    const int packed = pixels.pixelStride * pixels.width;
    if (pixels.lineStride == (packed + rowAlignment - 1) / rowAlignment * rowAlignment)
        return layout;
    if (pixels.lineStride % pixels.pixelStride != 0)
        return std::nullopt;
    layout.alignment = 1;
    layout.rowLength = pixels.lineStride / pixels.pixelStride;
    return layout;
}

void unpackAs(const PixelLayout& layout)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, layout.alignment);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, layout.rowLength);
}

/** A picture GL can take as it is: a mask, or rows laid out oddly, become plain ARGB. */
juce::Image uploadable(const juce::Image& picture)
{
    if (layoutOf(juce::Image::BitmapData(picture, juce::Image::BitmapData::readOnly)))
        return picture;
    return picture.convertedToFormat(juce::Image::ARGB);
}
} // namespace

PView2ogl::PView2ogl(POption* viewOptions) : PView2gui(viewOptions) {}

PView2ogl::~PView2ogl() = default;

void PView2ogl::setViewport(float vx, float vy, float vw, float vh, float panDx, float panDy, float zoomFactor)
{
    PView2gui::setViewport(vx, vy, vw, vh, panDx, panDy, zoomFactor);
    // The library renders a high-density display at its own pixels; device pixels stay the page's unit.
    const auto* context = juce::OpenGLContext::getCurrentContext();
    pixelScale = context != nullptr ? static_cast<float>(context->getRenderingScale()) : 1.0f;
    surfaceWidth = roundHalfAway(viewW * pixelScale), surfaceHeight = roundHalfAway(viewH * pixelScale);
    glViewport(0, 0, surfaceWidth, surfaceHeight);
    // The library's own drawing may have left a shader or another texture in place.
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(viewX, viewX + viewW, viewY + viewH, viewY, -1, 1); // y points down, as in the software view
    loadMatrix(nullptr);

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_LINE_SMOOTH);
    // Smoothed polygons blended this way leave a seam along every inner edge of a tessellated fill.
    glDisable(GL_POLYGON_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    unpackAs({});

    openClips.clear();
    passInside(0);
    glStencilMask(~0u);
    glClearStencil(0);
    glClear(GL_STENCIL_BUFFER_BIT);
    applyColour();
}

void PView2ogl::endFrame()
{
    passInside(0);
    glFlush();
}

void PView2ogl::setDepthTest(bool on)
{
    if (on)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
}

// ---------------------------------------------------------------- colours and furniture

void PView2ogl::applyColour()
{
    glColor4f(colour[0], colour[1], colour[2], colour[3]);
}

void PView2ogl::setLineWidth(float width)
{
    glLineWidth(width * pixelScale);
}

void PView2ogl::clear()
{
    float ground[4];
    colourOf(options != nullptr ? options->groundColour : opaqueWhite, ground);
    glClearColor(ground[0], ground[1], ground[2], ground[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void PView2ogl::fillAll(uint32_t hsla)
{
    // Blended and clipped like the software view's, so not a clear.
    if (alphaOf(hsla) == 0)
        return;
    setColour(hsla);
    glRectf(viewX, viewY, viewX + viewW, viewY + viewH);
}

void PView2ogl::setColour(uint32_t hsla)
{
    colourOf(hsla, colour);
    applyColour();
}

void PView2ogl::squareMarker(float cx, float cy, float halfSide, float lineWidth)
{
    PView2gui::squareMarker(cx, cy, halfSide, lineWidth);
}

void PView2ogl::circle(float cx, float cy, float radius, float lineWidth)
{
    const int step = radius < smallCircleRadius ? coarseStepDegrees : fineStepDegrees;
    auto vertexAt = [&](int degrees)
    {
        const float a = static_cast<float>(degrees) * radiansPerDegree;
        glVertex2f(cx + radius * std::cos(a), cy + radius * std::sin(a));
    };
    if (lineWidth <= 0)
    {
        glBegin(GL_TRIANGLE_FAN);
        glVertex2f(cx, cy);
        for (int degrees = 0; degrees <= fullTurnDegrees; degrees += step)
            vertexAt(degrees);
        glEnd();
    }
    else if (std::isfinite(lineWidth))
    {
        setLineWidth(lineWidth);
        glBegin(GL_LINE_LOOP);
        for (int degrees = 0; degrees < fullTurnDegrees; degrees += step)
            vertexAt(degrees);
        glEnd();
    }
}

void PView2ogl::line(float x1, float y1, float x2, float y2, float width)
{
    if (!(width > 0) || !std::isfinite(width))
        return;
    setLineWidth(width);
    glBegin(GL_LINES);
    glVertex2f(x1, y1);
    glVertex2f(x2, y2);
    glEnd();
}

void PView2ogl::rectangle(float rx, float ry, float rw, float rh, float lineWidth)
{
    if (lineWidth <= 0)
    {
        glRectf(rx, ry, rx + rw, ry + rh);
        return;
    }
    if (!std::isfinite(lineWidth))
        return;
    // The border lies inside the rectangle, four bands as the software view fills them, so a
    // frame sits on the same pixels in either view.
    juce::Rectangle<float> r(rx, ry, rw, rh);
    for (const auto band : {r.removeFromTop(lineWidth), r.removeFromBottom(lineWidth), r.removeFromLeft(lineWidth),
                            r.removeFromRight(lineWidth)})
        if (!band.isEmpty())
            glRectf(band.getX(), band.getY(), band.getRight(), band.getBottom());
}

void PView2ogl::roundedRectangle(float rx, float ry, float rw, float rh, float corner, float lineWidth)
{
    // Filled for a width of 0, as the software view does.
    juce::Path outline;
    outline.addRoundedRectangle(rx, ry, rw, rh, corner);
    path(outline, lineWidth, nullptr);
}

// ---------------------------------------------------------------- paths

void PView2ogl::path(const juce::Path& p, float lineWidth, const PMatrix* matrix)
{
    if (p.isEmpty())
        return;
    const juce::AffineTransform transform = matrix != nullptr ? affineOf(*matrix) : juce::AffineTransform();
    if (!isDrawable(p, transform))
        return;
    // The same widths as the software view: none or less fills, a finite positive width strokes,
    // anything else (NaN, infinite) draws nothing.
    if (lineWidth <= 0)
        fill(p, transform);
    else if (std::isfinite(lineWidth))
        stroke(p, transform, lineWidth);
}

void PView2ogl::fill(const juce::Path& p, const juce::AffineTransform& transform)
{
    Runs runs = runsOf(p, transform);
    tessellate(runs, p.isUsingNonZeroWinding());
}

void PView2ogl::stroke(const juce::Path& p, const juce::AffineTransform& transform, float width)
{
    Runs runs = runsOf(p, transform);
    setLineWidth(width);
    for (size_t run = 0; run < runs.count(); ++run)
    {
        glBegin(GL_LINE_STRIP);
        for (size_t i = runs.begin(run); i < runs.end(run); ++i)
            glVertex2dv(runs.point(i));
        glEnd();
    }
}

void PView2ogl::quadFill(const juce::Path& p, const PMatrix* matrix)
{
    if (p.isEmpty())
        return;
    const juce::AffineTransform transform = matrix != nullptr ? affineOf(*matrix) : juce::AffineTransform();
    std::array<juce::Point<float>, quadCorners> corners;
    int stored = 0;
    glBegin(GL_QUADS);
    for (juce::Path::Iterator it(p); it.next();)
    {
        if (it.elementType == juce::Path::Iterator::startNewSubPath)
            stored = 0;
        if (it.elementType == juce::Path::Iterator::closePath)
        {
            if (stored == quadCorners)
                for (const auto& c : corners)
                    glVertex2f(c.x, c.y);
            stored = 0;
        }
        else if (stored < quadCorners && (it.elementType == juce::Path::Iterator::startNewSubPath ||
                                          it.elementType == juce::Path::Iterator::lineTo))
            corners[static_cast<size_t>(stored++)] = juce::Point<float>(it.x1, it.y1).transformedBy(transform);
    }
    glEnd();
}

// ---------------------------------------------------------------- clipping

bool PView2ogl::beginClip(const juce::Path& pagePath)
{
    const juce::AffineTransform transform = affineOf(device);
    const bool drawable = !pagePath.isEmpty() && isDrawable(pagePath, transform);
    // An outline beyond reach clips everything away: the level rises with nothing marked.
    openClips.push_back(drawable ? pagePath : juce::Path());
    if (drawable)
        markClip(pagePath, transform, openClips.size() - 1, GL_INCR);
    passInside(openClips.size());
    return drawable;
}

void PView2ogl::endClip()
{
    if (openClips.empty())
        return;
    if (!openClips.back().isEmpty())
        markClip(openClips.back(), affineOf(device), openClips.size(), GL_DECR);
    openClips.pop_back();
    passInside(openClips.size());
}

// ---------------------------------------------------------------- pictures

void PView2ogl::drawImageShape(PImage& image, const PMatrix* matrix)
{
    if (!image.hasImage() || matrix == nullptr)
        return;
    drawTexture(image.getImage(), *matrix, imageOpacity(image), isSmoothed(image));
}

void PView2ogl::drawBitmap(const juce::Image& image, const PMatrix& matrix)
{
    if (image.isValid())
        drawTexture(image, matrix, 1.0f, true);
}

void PView2ogl::drawTexture(const juce::Image& source, const PMatrix& matrix, float opacity, bool smooth)
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    juce::Image picture = uploadable(source);
    PMatrix toDevice = matrix;
    const int w = picture.getWidth(), h = picture.getHeight();
    if (largest > 0 && std::max(w, h) > largest)
    {
        // Larger than the driver takes: a smaller copy stretched over the same place.
        const double shrink = static_cast<double>(largest) / std::max(w, h);
        const int sw = std::clamp(static_cast<int>(w * shrink), 1, static_cast<int>(largest));
        const int sh = std::clamp(static_cast<int>(h * shrink), 1, static_cast<int>(largest));
        picture = uploadable(picture.rescaled(sw, sh));
        toDevice = matrix * PMatrix::scale(static_cast<float>(w) / static_cast<float>(sw),
                                           static_cast<float>(h) / static_cast<float>(sh));
    }
    {
        const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
        const auto layout = layoutOf(pixels);
        if (!layout)
            return;
        // No texture object is kept: the picture goes up again every frame, into the default one.
        glBindTexture(GL_TEXTURE_2D, 0);
        const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        unpackAs(*layout);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pixels.width, pixels.height, 0, layout->format, GL_UNSIGNED_BYTE,
                     pixels.data);
        unpackAs({});
    }
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // The library keeps pictures premultiplied, so the opacity scales every channel and the source
    // is not multiplied by its alpha a second time.
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(opacity, opacity, opacity, opacity);
    loadMatrix(&toDevice);
    const auto pw = static_cast<float>(picture.getWidth()), ph = static_cast<float>(picture.getHeight());
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(0, 0);
    glTexCoord2f(1, 0), glVertex2f(pw, 0);
    glTexCoord2f(1, 1), glVertex2f(pw, ph);
    glTexCoord2f(0, 1), glVertex2f(0, ph);
    glEnd();
    loadMatrix(nullptr);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    applyColour();
}

void PView2ogl::blit(const juce::Image& source)
{
    if (!source.isValid())
        return;
    const juce::Image picture = uploadable(source);
    const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
    const auto layout = layoutOf(pixels);
    if (!layout)
        return;
    // A copy, not a blend: the picture is the whole frame.
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    passInside(0);
    // Memory holds the top row first, GL draws upwards from the raster position: start at the
    // frame's top edge and step down.
    GLint frame[4] = {};
    glGetIntegerv(GL_VIEWPORT, frame);
    glWindowPos2i(frame[0], frame[1] + frame[3]);
    glPixelZoom(pixelScale, -pixelScale);
    unpackAs(*layout);
    glDrawPixels(pixels.width, pixels.height, layout->format, GL_UNSIGNED_BYTE, pixels.data);
    unpackAs({});
    glPixelZoom(1, 1);
    glEnable(GL_BLEND);
    passInside(openClips.size());
}

juce::Rectangle<int> PView2ogl::toSurface(const juce::Rectangle<int>& area) const
{
    const auto scaled = area.toFloat().translated(-viewX, -viewY) * pixelScale;
    const auto box = scaled.getSmallestIntegerContainer();
    return {box.getX(), surfaceHeight - box.getBottom(), box.getWidth(), box.getHeight()};
}

bool PView2ogl::hasKeptFrame() const
{
    return keptTexture != 0 && keptContext == juce::OpenGLContext::getCurrentContext() && keptWidth == surfaceWidth &&
           keptHeight == surfaceHeight;
}

void PView2ogl::keepFrame(const juce::Rectangle<int>& area)
{
    const auto* context = juce::OpenGLContext::getCurrentContext();
    if (context == nullptr || surfaceWidth <= 0 || surfaceHeight <= 0)
        return;
    if (keptContext != context)
        keptTexture = 0; // the old context took its textures with it
    keptContext = context;
    if (keptTexture == 0)
        glGenTextures(1, &keptTexture);
    glBindTexture(GL_TEXTURE_2D, keptTexture);
    if (keptWidth != surfaceWidth || keptHeight != surfaceHeight)
    {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 0, 0, surfaceWidth, surfaceHeight, 0);
        keptWidth = surfaceWidth, keptHeight = surfaceHeight;
    }
    else
    {
        const auto s = toSurface(area).getIntersection({surfaceWidth, surfaceHeight});
        if (!s.isEmpty())
            glCopyTexSubImage2D(GL_TEXTURE_2D, 0, s.getX(), s.getY(), s.getX(), s.getY(), s.getWidth(), s.getHeight());
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void PView2ogl::drawKeptFrame(const PMatrix& placement)
{
    if (keptTexture == 0)
        return;
    // A copy, not a blend, pixel for pixel where the placement is the identity.
    glDisable(GL_BLEND);
    passInside(0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, keptTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    loadMatrix(&placement);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1), glVertex2f(viewX, viewY);
    glTexCoord2f(1, 1), glVertex2f(viewX + viewW, viewY);
    glTexCoord2f(1, 0), glVertex2f(viewX + viewW, viewY + viewH);
    glTexCoord2f(0, 0), glVertex2f(viewX, viewY + viewH);
    glEnd();
    loadMatrix(nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    passInside(openClips.size());
    applyColour();
}

void PView2ogl::beginScissor(const juce::Rectangle<int>& area)
{
    const auto s = toSurface(area);
    glEnable(GL_SCISSOR_TEST);
    glScissor(s.getX(), s.getY(), s.getWidth(), s.getHeight());
}

void PView2ogl::endScissor()
{
    glDisable(GL_SCISSOR_TEST);
}

void PView2ogl::fillVaryingLine(PCurve& curve)
{
    // GL fills are not antialiased: an outline thinner than a pixel falls between pixel centres
    // and vanishes. A hairline along the centre, as faint as the line is thin, keeps it in sight
    // where the software view shows a faint line; the outline covers it where the line is wider.
    const float widest = widestLinePixels(curve);
    if (widest < 1.5f && alphaOf(curve.lineColour) != 0)
    {
        const float share = std::clamp(widest, 0.25f, 1.0f);
        const auto alpha = static_cast<uint32_t>(static_cast<float>(alphaOf(curve.lineColour)) * share);
        setColour((curve.lineColour & 0x00FFFFFFu) | (alpha << 24));
        path(curve.centrePath, 1.0f, &device);
    }
    PView2gui::fillVaryingLine(curve);
}
