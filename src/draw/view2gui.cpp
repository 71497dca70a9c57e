#include "draw/view2gui.h"

#include <algorithm>
#include <cmath>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"
#include "model/typeface.h"

namespace
{
constexpr uint32_t opaqueWhite = 0xFF0000FFu;
constexpr uint32_t opaqueBlack = 0xFF000000u;
constexpr uint32_t alphaMask = 0xFF000000u;
constexpr float thinLine = 1.0f, markedLine = 3.0f, panelFrameLine = 2.0f;
constexpr float pageTolerance = 0.1f, panelTolerance = 0.01f, toleranceDivisor = 50.0f;
constexpr float smallestGridStep = 10.0f;
constexpr int maxGridLines = 2000;
/** A current curve being point-edited shows its fill see-through, so the layers below stay visible. */
constexpr uint32_t editedFillAlpha = 0x99000000u;
constexpr float handleHalfSide = 3.0f;
constexpr double percent = 100.0;
/** Underline thickness as a share of the font's descent. */
constexpr float underlineFactor = 0.3f, thinnestUnderline = 0.05f;

// Defaults of the editor colours, for a view that has no options.
constexpr uint32_t defaultSelection = 0xFF00BF99u, defaultHighlight = 0xFF55BF99u, defaultGrid = 0xFFAA0099u;
constexpr uint32_t defaultHandle = 0xFF004D99u, missingPictureFrame = 0xFF000080u;

// The display grid steps in centimetres, by the options' grid code 1 to 9.
constexpr float gridSteps[] = {0.1f, 0.2f, 0.5f, 1.0f, 2.0f, 5.0f, 10.0f, 20.0f, 50.0f};
constexpr float centimetresPerInch = 2.54f;

bool isVisible(uint32_t hsla)
{
    return (hsla & alphaMask) != 0;
}

juce::Colour colourOf(uint32_t hsla)
{
    return juce::Colour(hslaToArgb(hsla));
}

bool isFiniteWidth(float w)
{
    return std::isfinite(w) && w > 0;
}

/** The library's rasteriser holds positions as 24.8 fixed point, so a path reaching further than
    this from the origin overflows it, and a damaged file's astronomic coordinates would make it
    allocate gigabytes of edge tables. Such a path is far beyond any zoom the canvas offers. */
constexpr float farthestDevicePosition = 4.0e6f;

/** A copy of a path with every point moved by map. */
template <typename Map> juce::Path mappedPath(const juce::Path& source, Map map)
{
    juce::Path out;
    juce::Path::Iterator it(source);
    while (it.next())
    {
        float x1 = it.x1, y1 = it.y1, x2 = it.x2, y2 = it.y2, x3 = it.x3, y3 = it.y3;
        map(x1, y1), map(x2, y2), map(x3, y3);
        // A point warped to nowhere leaves the whole path out rather than a broken piece of it.
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
            !std::isfinite(x3) || !std::isfinite(y3))
            return {};
        switch (it.elementType)
        {
        case juce::Path::Iterator::startNewSubPath: out.startNewSubPath(x1, y1); break;
        case juce::Path::Iterator::lineTo: out.lineTo(x1, y1); break;
        case juce::Path::Iterator::quadraticTo: out.quadraticTo(x1, y1, x2, y2); break;
        case juce::Path::Iterator::cubicTo: out.cubicTo(x1, y1, x2, y2, x3, y3); break;
        case juce::Path::Iterator::closePath: out.closeSubPath(); break;
        }
    }
    return out;
}

PLayer* currentLayerOf(const PPanel& panel)
{
    for (int i = 0; i < panel.layers.size(); ++i)
        if (panel.layerAt(i)->hasFlag(PFlag::current))
            return panel.layerAt(i);
    return nullptr;
}

const PCard* cardNumbered(const PClip& clip, uint16_t number)
{
    for (int i = 0; i < clip.cards.size(); ++i)
        if (clip.cardAt(i)->cardNo == number)
            return clip.cardAt(i);
    return nullptr;
}
} // namespace

PView2gui::PView2gui(POption* viewOptions)
{
    options = viewOptions;
}

PView2gui::~PView2gui() = default;

juce::AffineTransform PView2gui::affineOf(const PMatrix& m)
{
    return juce::AffineTransform(m.m[0], m.m[3], m.m[6], m.m[1], m.m[4], m.m[7]);
}

bool PView2gui::isDrawable(const juce::Path& p, const juce::AffineTransform& transform)
{
    const auto b = p.getBoundsTransformed(transform);
    const float reach =
        std::max({std::abs(b.getX()), std::abs(b.getY()), std::abs(b.getRight()), std::abs(b.getBottom())});
    return std::isfinite(reach) && reach < farthestDevicePosition;
}

bool PView2gui::isSmoothed(const PImage& image) const
{
    return isOutput() || image.hasFlag(PImage::highQuality);
}

float PView2gui::imageOpacity(const PImage& image) const
{
    return std::isfinite(image.opacity) ? std::clamp(image.opacity * opacityFactor, 0.0f, 1.0f) : 1.0f;
}

void PView2gui::setViewport(float vx, float vy, float vw, float vh, float panDx, float panDy, float zoomFactor)
{
    PView2::setViewport(vx, vy, vw, vh, panDx, panDy, zoomFactor);
    drawingTarget.fitViewport(viewX, viewY, viewW, viewH);
}

void PView2gui::endFrame()
{
    drawingTarget.endFrame();
}

uint32_t PView2gui::selectionColour() const
{
    return options != nullptr ? options->selectionColour1 : defaultSelection;
}

uint32_t PView2gui::highlightColour() const
{
    return options != nullptr ? options->selectionColour2 : defaultHighlight;
}

uint32_t PView2gui::outlineColour() const
{
    return options != nullptr ? options->gridColour : defaultGrid;
}

// ---------------------------------------------------------------- primitives

void PView2gui::fillAll(uint32_t hsla)
{
    auto* g = context();
    if (g == nullptr || !isVisible(hsla))
        return;
    g->setColour(colourOf(hsla));
    g->fillAll();
}

void PView2gui::setColour(uint32_t hsla)
{
    if (auto* g = context())
        g->setColour(colourOf(hsla));
}

void PView2gui::setFont(const PTypeface& face)
{
    if (auto* g = context())
        g->setFont(juce::Font(face.name.toString(), g->getCurrentFont().getHeight(), juce::Font::plain));
}

void PView2gui::squareMarker(float cx, float cy, float halfSide, float lineWidth)
{
    rectangle(cx - halfSide, cy - halfSide, 2 * halfSide, 2 * halfSide, lineWidth);
}

bool PView2gui::beginTopShape(const PShape& shape)
{
    return ink.begin(shape);
}

void PView2gui::endTopShape(const PShape& shape)
{
    ink.end(shape);
}

void PView2gui::circle(float cx, float cy, float radius, float lineWidth)
{
    ink.add({cx - radius, cy - radius, 2 * radius, 2 * radius}, lineWidth);
    auto* g = context();
    if (g == nullptr)
        return;
    if (lineWidth <= 0)
        g->fillEllipse(cx - radius, cy - radius, 2 * radius, 2 * radius);
    else
        g->drawEllipse(cx - radius, cy - radius, 2 * radius, 2 * radius, lineWidth);
}

void PView2gui::line(float x1, float y1, float x2, float y2, float width)
{
    ink.add(juce::Rectangle<float>(juce::Point<float>(x1, y1), juce::Point<float>(x2, y2)), width);
    if (auto* g = context())
        g->drawLine(x1, y1, x2, y2, width);
}

void PView2gui::rectangle(float rx, float ry, float rw, float rh, float lineWidth)
{
    ink.add({rx, ry, rw, rh}, lineWidth);
    auto* g = context();
    if (g == nullptr)
        return;
    if (lineWidth <= 0)
        g->fillRect(rx, ry, rw, rh);
    else
        g->drawRect(juce::Rectangle<float>(rx, ry, rw, rh), lineWidth);
}

void PView2gui::roundedRectangle(float rx, float ry, float rw, float rh, float corner, float lineWidth)
{
    ink.add({rx, ry, rw, rh}, lineWidth);
    auto* g = context();
    if (g == nullptr)
        return;
    if (lineWidth <= 0)
        g->fillRoundedRectangle(rx, ry, rw, rh, corner);
    else
        g->drawRoundedRectangle(rx, ry, rw, rh, corner, lineWidth);
}

void PView2gui::drawImageShape(PImage& image, const PMatrix* matrix)
{
    if (matrix != nullptr && image.hasImage())
        ink.add(image.getImage().getBounds().toFloat().transformedBy(affineOf(*matrix)), 0);
    auto* g = context();
    if (g == nullptr || !image.hasImage())
        return;
    g->setOpacity(imageOpacity(image));
    g->setImageResamplingQuality(isSmoothed(image) ? juce::Graphics::highResamplingQuality
                                                   : juce::Graphics::lowResamplingQuality);
    if (matrix != nullptr)
        g->drawImageTransformed(image.getImage(), affineOf(*matrix));
    g->setOpacity(1.0f);
    g->setImageResamplingQuality(juce::Graphics::lowResamplingQuality);
}

void PView2gui::drawBitmap(const juce::Image& image, const PMatrix& matrix)
{
    if (image.isValid())
        ink.add(image.getBounds().toFloat().transformedBy(affineOf(matrix)), 0);
    if (auto* g = context(); g != nullptr && image.isValid())
        g->drawImageTransformed(image, affineOf(matrix));
}

void PView2gui::path(const juce::Path& p, float lineWidth, const PMatrix* matrix)
{
    if (p.isEmpty())
        return;
    const juce::AffineTransform transform = matrix != nullptr ? affineOf(*matrix) : juce::AffineTransform();
    if (!isDrawable(p, transform))
        return;
    // A stroke's width is in device pixels, whatever the transform.
    if (ink.isNoting())
        ink.add(p.getBoundsTransformed(transform), isFiniteWidth(lineWidth) ? lineWidth : 0);
    auto* g = context();
    if (g == nullptr)
        return;
    if (lineWidth <= 0)
        g->fillPath(p, transform);
    else if (isFiniteWidth(lineWidth))
        // Round ends and corners, as the PDF and SVG files draw them, so a line looks alike everywhere.
        g->strokePath(p, juce::PathStrokeType(lineWidth, juce::PathStrokeType::curved, juce::PathStrokeType::rounded),
                      transform);
}

void PView2gui::fillIn(const juce::Path& p, uint32_t hsla)
{
    if (!isVisible(hsla))
        return;
    setColour(hsla);
    path(p, 0, &device);
}

void PView2gui::strokeIn(const juce::Path& p, uint32_t hsla, float width)
{
    if (!isVisible(hsla) || !isFiniteWidth(width))
        return;
    setColour(hsla);
    path(p, width, &device);
}

// ---------------------------------------------------------------- editor furniture

void PView2gui::clear()
{
    fillAll(options != nullptr ? options->groundColour : opaqueWhite);
}

void PView2gui::drawGrid(float spacing)
{
    if (spacing <= 0)
    {
        const int code = options != nullptr ? options->gridSize : 4;
        spacing = code >= 1 && code <= 9 ? gridSteps[code - 1] : gridSteps[3];
        if (options != nullptr && options->useInch)
            spacing *= centimetresPerInch;
    }
    const float step = spacing * std::abs(pixelsPerUnitX);
    if (!std::isfinite(step) || step < smallestGridStep || (viewW / step) + (viewH / step) > maxGridLines)
        return;
    setColour(options != nullptr ? options->gridColour : defaultGrid);
    // Lines stand on whole multiples of the spacing in page units, wherever the page has been panned.
    const float firstX = originX - std::floor((originX - viewX) / step) * step;
    for (float x = firstX; x <= viewX + viewW; x += step)
        line(x, viewY, x, viewY + viewH, thinLine);
    const float firstY = originY - std::floor((originY - viewY) / step) * step;
    for (float y = firstY; y <= viewY + viewH; y += step)
        line(viewX, y, viewX + viewW, y, thinLine);
}

void PView2gui::drawPageOutline(float width, float height, float corner)
{
    if (isOutput())
        return;
    juce::Path outline;
    outline.addRoundedRectangle(-width / 2, -height / 2, width, height, std::max(corner, 0.0f));
    strokeIn(outline, outlineColour(), thinLine);
}

void PView2gui::drawPageGuides(const PPage& page)
{
    const float w = page.width - 2 * page.margin, h = page.height - 2 * page.margin;
    if (!(w > 0) || !(h > 0))
        return;
    juce::Path margin;
    margin.addRectangle(-w / 2, -h / 2, w, h);
    strokeIn(margin, options != nullptr ? options->handleColour : defaultHandle, thinLine);
}

void PView2gui::drawReferenceImage(PImage& image)
{
    if (isOutput())
        return;
    opacityFactor = options != nullptr ? options->wallOpacity : 1.0f;
    drawImage(image, false, true);
    opacityFactor = 1.0f;
}

void PView2gui::drawEditOverlay(PBase& object)
{
    if (isOutput() || !isDrawing())
        return;
    setColour(options != nullptr ? options->handleColour : defaultHandle);
    const uint16_t id = object.classId();
    if (id == PClass::curve || id == PClass::panel || id == PClass::brush)
    {
        auto& curve = static_cast<PCurve&>(object);
        pushShape(curve);
        for (int i = 0; i < curve.points.size(); ++i)
        {
            float px = curve.pointAt(i)->x, py = curve.pointAt(i)->y;
            mapPoint(px, py);
            squareMarker(px, py, handleHalfSide, curve.pointAt(i)->hasFlag(PFlag::current) ? 0 : thinLine);
        }
        pop();
    }
    else if (isShape(&object) && !static_cast<PShape&>(object).bounds.isEmpty())
    {
        const PRect& b = static_cast<PShape&>(object).bounds;
        juce::Path frame;
        frame.addRectangle(b.left, b.top, b.width(), b.height());
        strokeIn(frame, options != nullptr ? options->handleColour : defaultHandle, thinLine);
    }
}

// ---------------------------------------------------------------- page, panels, layers

void PView2gui::drawPage(PPage& page)
{
    resetMatrices();
    tolerance = std::max(std::min(page.width, page.height) / toleranceDivisor, pageTolerance);
    if (page.panels.isEmpty() && isOutput())
        fillAll(opaqueWhite);
    for (int i = 0; i < page.panels.size(); ++i)
        if (page.panels.get<PPanel>(i) != leftOut)
            drawPanel(*page.panels.get<PPanel>(i));
    if ((flags & pageGuides) != 0)
        drawPageGuides(page);
}

bool PView2gui::passesFilter(const PLayer& layer) const
{
    return !layer.isHidden() && !layer.shapes.isEmpty() && (layerFilter == 0 || layer.tag == layerFilter);
}

void PView2gui::fillPanel(PPanel& panel)
{
    // The panel's fill is its paper, not artwork: the colour substitutions of the fill modes leave it alone.
    if (panel.hasFill() && (flags & noFills) == 0)
        fillIn(panel.centrePath, panel.fillColour);
}

bool PView2gui::beginClip(const juce::Path& pagePath)
{
    auto* g = context();
    if (g == nullptr)
        return measuring;
    g->saveState();
    // An outline beyond the rasteriser's reach clips everything away.
    const juce::AffineTransform transform = affineOf(device);
    if (isDrawable(pagePath, transform))
        g->reduceClipRegion(pagePath, transform);
    else
        g->reduceClipRegion(juce::Rectangle<int>());
    return !g->isClipEmpty();
}

void PView2gui::endClip()
{
    if (auto* g = context())
        g->restoreState();
}

void PView2gui::drawPanelLine(PPanel& panel)
{
    drawLine(panel);
}

void PView2gui::drawLayers(PPanel& panel, PLayer* last)
{
    if (beginClip(panel.centrePath) && pushPanelFrame(panel))
    {
        for (PLayer* layer : sortedLayers(panel))
            if (layer != last && passesFilter(*layer))
                drawLayer(*layer);
        if (last != nullptr && passesFilter(*last))
            drawLayer(*last);
        pop();
    }
    endClip();
}

void PView2gui::drawPanel(PPanel& panel)
{
    panel.build(*this);
    if (panel.centrePath.isEmpty())
        return;
    fillPanel(panel);
    drawLayers(panel, nullptr);
    drawLine(panel);
}

void PView2gui::drawSinglePanel(PPanel& panel)
{
    resetMatrices();
    panel.build(*this);
    if (panel.centrePath.isEmpty())
        return;
    tolerance = std::max(std::min(panel.bounds.width(), panel.bounds.height()) / toleranceDivisor, panelTolerance);
    fillPanel(panel);
    drawLayers(panel, currentLayerOf(panel));
    strokeIn(panel.centrePath, isOutput() ? panel.lineColour : outlineColour(), panelFrameLine);
}

void PView2gui::drawLayer(PLayer& layer)
{
    penSetting = layer.stroke;
    drawShapes(layer.shapes);
    penSetting = PLayer::defaultStroke;
}

bool PView2gui::isSelectedLook(const PShape& shape) const
{
    if (inheritedSelected)
        return true;
    if ((flags & currentOnly) != 0)
        return !shape.hasFlag(PFlag::current);
    if (shape.classId() != PClass::group)
        return (flags & shapesSelected) != 0;
    const auto& group = static_cast<const PGroup&>(shape);
    return (flags & fixedGroupsSelected) != 0 && (group.findPanel() != nullptr || group.hasFlag(PGroup::deformed));
}

void PView2gui::drawClip(PClip& clip)
{
    resetMatrices();
    penSetting = PLayer::defaultStroke;
    // Looking a card up must not add one: drawing never changes the document.
    if (const PCard* card = cardNumbered(clip, clip.currentKey))
        drawShapes(card->shapes);
}

void PView2gui::drawDecor(PDecor& decor)
{
    resetMatrices();
    penSetting = PLayer::defaultStroke;
    if (decor.content != nullptr)
        drawShape(*decor.content);
}

// ---------------------------------------------------------------- curves

void PView2gui::drawGuide(PCurve& brush, bool selected)
{
    if (selected)
        strokeIn(brush.centrePath, selectionColour(), thinLine);
    else if (brush.hasFlag(PFlag::selected))
        strokeIn(brush.centrePath, highlightColour(), markedLine);
    else
        strokeIn(brush.centrePath, brush.lineColour, thinLine);
}

void PView2gui::drawSimplified(PCurve& curve, bool selected)
{
    if (curve.hasFill() && !selected)
        fillIn(curve.centrePath, curve.fillColour);
    if (curve.hasLine())
        strokeIn(curve.centrePath, selected ? selectionColour() : curve.lineColour, thinLine);
}

void PView2gui::fillVaryingLine(PCurve& curve)
{
    fillIn(curve.outlinePath, curve.lineColour);
}

float PView2gui::widestLinePixels(const PCurve& curve) const
{
    float thickest = 0;
    for (const PBase* p : curve.points)
        thickest = std::max(thickest, static_cast<float>(static_cast<const PPoint*>(p)->thickness / percent));
    return penWidth() * thickest * std::abs(pixelsPerUnitX);
}

void PView2gui::drawLine(PCurve& curve)
{
    if (!isOutput() && curve.hasFlag(PFlag::selected))
    {
        strokeIn(curve.centrePath, highlightColour(), markedLine);
        return;
    }
    if (!curve.hasLine() || (flags & blackFills) != 0)
        return;
    if (curve.lineVaries())
    {
        fillVaryingLine(curve);
        return;
    }
    const float thickness = curve.points.isEmpty() ? 0.0f : static_cast<float>(curve.pointAt(0)->thickness / percent);
    strokeIn(curve.centrePath, curve.lineColour, penWidth() * thickness * pixelsPerUnitX);
}

void PView2gui::drawCurve(PCurve& curve, bool selected)
{
    curve.build(*this);
    if (curve.centrePath.isEmpty())
        return;
    if (curve.classId() == PClass::brush)
    {
        drawGuide(curve, selected);
        return;
    }
    if ((flags & (simplifiedLines | simplifiedAll)) != 0)
    {
        drawSimplified(curve, selected);
        return;
    }
    if (selected)
    {
        strokeIn(curve.centrePath, selectionColour(), thinLine);
        return;
    }
    if (curve.hasFill() && (flags & noFills) == 0)
    {
        uint32_t fill = curve.fillColour;
        if ((flags & blackFills) != 0)
            fill = opaqueBlack;
        else if ((flags & whiteFills) != 0)
            fill = opaqueWhite;
        else if (!isOutput() && (flags & seeThroughCurrentFill) != 0 && curve.hasFlag(PFlag::current))
            fill = (fill & ~alphaMask) | editedFillAlpha;
        fillIn(curve.centrePath, fill);
    }
    drawLine(curve);
}

// ---------------------------------------------------------------- text and images

juce::Path PView2gui::textOutline(const PText& text) const
{
    const PText::Layout layout = text.layout();
    const juce::Font font = text.fontSpec.getFont(false);
    juce::Path glyphs;
    for (int i = 0; i < layout.lineCount(); ++i)
    {
        juce::GlyphArrangement arrangement;
        arrangement.addLineOfText(font, layout.lines[i], 0, 0);
        juce::Path linePath;
        arrangement.createPath(linePath);
        // Glyphs come with y pointing down from the baseline; the layout's y points up.
        linePath.applyTransform(juce::AffineTransform(1, 0, layout.lineLeft(i, text.align), 0, -1, layout.baseline(i)));
        glyphs.addPath(linePath);
        if (font.isUnderlined())
        {
            // Glyph outlines carry no underline; it is placed the way the library places its own, but
            // kept visible for the typefaces that report no descent.
            const float thickness = std::max(font.getDescent() * underlineFactor, font.getHeight() * thinnestUnderline);
            glyphs.addRectangle(layout.lineLeft(i, text.align), layout.baseline(i) - 3 * thickness,
                                layout.widths[static_cast<size_t>(i)], thickness);
        }
    }
    const auto pointSize = static_cast<float>(PText::pointsToCentimetres);
    const PMatrix own = text.transform() * PMatrix::scale(pointSize, pointSize);
    // Point by point, so that a text inside a deformed group bends with it.
    return mappedPath(glyphs,
                      [&](float& x, float& y)
                      {
                          own.transform(x, y);
                          mapToPage(x, y);
                      });
}

void PView2gui::drawText(PText& text, bool selected)
{
    text.build(*this);
    const uint32_t colour = text.drawColour(options, selected, !isOutput());
    if (!isVisible(colour) || !isDrawing())
        return;
    fillIn(textOutline(text), colour);
}

PMatrix PView2gui::pictureToDevice(const PImage& image) const
{
    const juce::Image& picture = image.getImage();
    const auto w = static_cast<float>(picture.getWidth()), h = static_cast<float>(picture.getHeight());
    const auto k = static_cast<float>(PImage::pointsToCentimetres);
    const PMatrix own = image.transform();
    // Three corners of the picture through the shape, any warp and the device give the affine frame
    // it is drawn in; inside a deformed group this follows the warp as closely as an affine map can.
    float xs[] = {-w / 2 * k, w / 2 * k, -w / 2 * k};
    float ys[] = {h / 2 * k, h / 2 * k, -h / 2 * k};
    for (int i = 0; i < 3; ++i)
    {
        own.transform(xs[i], ys[i]);
        mapToPage(xs[i], ys[i]);
        device.transform(xs[i], ys[i]);
    }
    PMatrix m;
    m.m[0] = (xs[1] - xs[0]) / w;
    m.m[1] = (ys[1] - ys[0]) / w;
    m.m[3] = (xs[2] - xs[0]) / h;
    m.m[4] = (ys[2] - ys[0]) / h;
    m.m[6] = xs[0];
    m.m[7] = ys[0];
    return m;
}

void PView2gui::drawImage(PImage& image, bool selected, bool reference)
{
    (void) reference;
    image.build(*this);
    if (!image.hasImage() || image.getImage().getWidth() < 1 || image.getImage().getHeight() < 1)
    {
        // A missing picture shows as its empty box while editing; an export leaves its place blank.
        if (!isOutput())
            strokeIn(image.getBox(), image.hasFlag(PFlag::selected) ? highlightColour() : missingPictureFrame,
                     thinLine);
        return;
    }
    const PMatrix m = pictureToDevice(image);
    drawImageShape(image, &m);
    if (selected)
        strokeIn(image.getBox(), selectionColour(), thinLine);
    else if (!isOutput() && image.hasFlag(PFlag::selected))
        strokeIn(image.getBox(), highlightColour(), markedLine);
}
