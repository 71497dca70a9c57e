#include "ui/canvasrenderer.h"

#include <algorithm>
#include <cmath>

#include "edit/world.h"
#include "model/brush.h"
#include "model/clip.h"
#include "model/curve.h"
#include "model/decor.h"
#include "model/deform.h"
#include "model/group.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/stream.h"
#include "ui/canvas2.h"
#include "ui/pointoverlay.h"

namespace
{
constexpr float frameWidth = 3;
constexpr float bandLine = 1;
constexpr int16_t canvasDpi = 100;
constexpr uint32_t opaqueBlack = 0xFF000000u;
constexpr uint32_t opaqueWhite = 0xFF0000FFu;

/** The editing look of each mode; the screen view knows looks, not modes. */
uint32_t looksOf(PEditMode mode)
{
    switch (mode)
    {
    case PEditMode::point: return PViewState::seeThroughCurrentFill;
    case PEditMode::deform: return PViewState::shapesSelected;
    case PEditMode::marking: return PViewState::fixedGroupsSelected;
    default: return 0;
    }
}
} // namespace

PCanvasRenderer::PCanvasRenderer(PCanvas2& pane, PCanvasSelection& shown) : canvas(pane), selection(shown) {}

PCanvasRenderer::~PCanvasRenderer() = default;

// ---------------------------------------------------------------- the view

uint32_t PCanvasRenderer::viewFlags() const
{
    const PWorld* world = selection.world;
    if (world == nullptr)
        return 0;
    // With the wallpaper shown the fills stand aside; with the lock only the current shape is
    // drawn plainly.
    const POption* o = canvas.getOptions();
    const bool outlines = o != nullptr && o->brushOutlines;
    return (world->wallFlag ? PViewState::noFills : 0u) | (world->lockFlag ? PViewState::currentOnly : 0u) |
           (outlines ? PViewState::brushOutlines : 0u) | looksOf(world->editMode);
}

void PCanvasRenderer::prepareView(PView2gui& view)
{
    view.options = canvas.getOptions();
    view.flags = viewFlags();
    view.dpi = canvasDpi;
    view.flipY = 0;
    view.secondFlag = 0;
    view.fitSource = selection.fitSource();
    float zoom = 1, panX = 0, panY = 0;
    if (PWorld* world = selection.world)
    {
        PContext& context = world->context;
        if (needsFit && selection.container != nullptr)
        {
            context.viewScale = 1, context.viewX = 0, context.viewY = 0;
            needsFit = false;
            canvas.gestures.forgetHits();
        }
        zoom = context.viewScale, panX = context.viewX, panY = context.viewY;
    }
    view.setViewport(0, 0, static_cast<float>(canvas.getWidth()), static_cast<float>(canvas.getHeight()), panX, panY,
                     zoom);
    if (PWorld* world = selection.world)
    {
        PContext& context = world->context;
        context.fitFactor = view.fitFactor;
        context.fitX = view.fitOffsetX;
        context.fitY = view.fitOffsetY;
        // The view pane zooms about the same point as the wheel: the pane's centre.
        context.zoomCentreX = view.fitOffsetX;
        context.zoomCentreY = view.fitOffsetY;
    }
}

juce::Point<float> PCanvasRenderer::toPage(float sx, float sy) const
{
    softView.deviceInverse.transform(sx, sy);
    return {sx, sy};
}

juce::Point<float> PCanvasRenderer::toScreen(float px, float py) const
{
    softView.device.transform(px, py);
    return {px, py};
}

float PCanvasRenderer::pixelsToPage(float pixels) const
{
    return softView.pixelsPerUnitX > 0 ? pixels / softView.pixelsPerUnitX : pixels;
}

juce::Point<float> PCanvasRenderer::paneCentre() const
{
    return toPage(static_cast<float>(canvas.getWidth()) / 2, static_cast<float>(canvas.getHeight()) / 2);
}

void PCanvasRenderer::repaintWith(Frame next)
{
    frame = next;
    canvas.repaint();
}

bool PCanvasRenderer::rowsShown() const
{
    const POption* o = canvas.getOptions();
    return o != nullptr && o->spareByte != 0;
}

// ---------------------------------------------------------------- frames

void PCanvasRenderer::paint(juce::Graphics& g)
{
    prepareView(softView);
    if (frame == Frame::highQuality)
    {
        // One frame at the finest resampling and without the editing furniture.
        softView.flags = PViewState::outputMode;
        softView.setTarget(&g);
        drawFrame(softView);
        softView.setTarget(nullptr);
        frame = Frame::withOverlay;
        picture.invalidateAll();
        return;
    }
    // The page is kept as a picture; a drag redraws only the shape it moves over it.
    PShape* moving = canvas.gestures.movingShape();
    refreshPicture(moving);
    g.drawImageAt(pagePicture, 0, 0);
    softView.setTarget(&g);
    if (moving != nullptr)
        drawMoving(softView, *moving);
    drawFurniture(softView);
    softView.setTarget(nullptr);
}

bool PCanvasRenderer::wallShown() const
{
    const POption* o = canvas.getOptions();
    const PWorld* world = selection.world;
    const bool editing = frame == Frame::withOverlay || frame == Frame::withStroke || frame == Frame::withBand;
    return world != nullptr && world->wallFlag && editing && o != nullptr && o->wall != nullptr;
}

PCanvasPicture::Key PCanvasRenderer::pictureKey() const
{
    const POption* o = canvas.getOptions();
    const bool wall = wallShown();
    return PCanvasPicture::keyOf({canvas.getWidth(), canvas.getHeight()}, softView, selection.container,
                                 selection.sidePane, selection.page, wall ? o->wall.get() : nullptr,
                                 o != nullptr && o->showGrid);
}

PCanvasPicture::Plan PCanvasRenderer::planPicture(const PShape* moving, bool kept)
{
    return picture.plan(
        pictureKey(), kept, moving, [this, moving](PCanvasPicture::Inked& inked) { measureShapes(inked, moving); },
        selection.container);
}

void PCanvasRenderer::refreshPicture(const PShape* moving)
{
    const bool kept = pagePicture.getWidth() == canvas.getWidth() && pagePicture.getHeight() == canvas.getHeight();
    auto plan = planPicture(moving, kept);
    switch (plan.redraw)
    {
    case PCanvasPicture::Redraw::nothing: picture.takeRedrawn(std::move(plan), moving); return;
    case PCanvasPicture::Redraw::scaled: drawScaledPicture(); return;
    case PCanvasPicture::Redraw::area:
        if (redrawInScratch(plan, moving))
        {
            PCanvasPicture::copyArea(scratch, pagePicture, plan.area);
            picture.takeRedrawn(std::move(plan), moving);
            return;
        }
        break;
    case PCanvasPicture::Redraw::everything: break;
    }
    drawPicture(moving);
}

void PCanvasRenderer::drawPicture(const PShape* moving)
{
    const int w = canvas.getWidth(), h = canvas.getHeight();
    if (pagePicture.getWidth() != w || pagePicture.getHeight() != h)
        pagePicture = PView2gui::makeImage(juce::Image::RGB, std::max(1, w), std::max(1, h));
    if (!pagePicture.isValid())
        return;
    juce::Graphics pictureContext(pagePicture);
    softView.setTarget(&pictureContext);
    softView.leftOut = moving;
    PCanvasPicture::Inked inked;
    softView.ink.log = &inked;
    softView.clear();
    drawContent(softView);
    softView.ink.log = nullptr;
    softView.leftOut = nullptr;
    softView.setTarget(nullptr);
    picture.takeDrawn(pictureKey(), std::move(inked), moving, selection.container);
}

void PCanvasRenderer::drawScaledPicture()
{
    // The old picture, moved from the old view to the new one: the artist sees the zoom at once,
    // and the sharp picture follows as soon as the message loop comes back.
    const auto key = pictureKey();
    const POption* o = canvas.getOptions();
    juce::Image scaled = PCanvasPicture::scaledCopy(pagePicture, picture.key, key,
                                                    hslaToArgb(o != nullptr ? o->groundColour : opaqueWhite));
    if (!scaled.isValid())
        return drawPicture(picture.leftOut);
    pagePicture = scaled;
    picture.takeScaled(key);
    askForSharpFrame();
}

void PCanvasRenderer::askForSharpFrame()
{
    if (auto* c = canvas.getComponent())
        juce::MessageManager::callAsync(
            [safe = juce::Component::SafePointer<juce::Component>(c)]
            {
                if (safe != nullptr)
                    safe->repaint();
            });
}

void PCanvasRenderer::measureShapes(PCanvasPicture::Inked& inked, const PShape* moving)
{
    if (selection.container == nullptr)
        return;
    softView.setTarget(nullptr);
    softView.measuring = true;
    softView.leftOut = moving;
    softView.ink.log = &inked;
    drawShown(softView);
    softView.ink.log = nullptr;
    softView.leftOut = nullptr;
    softView.measuring = false;
}

void PCanvasRenderer::drawContentIn(PView2gui& view, const PCanvasPicture::Plan& plan, const PShape* moving)
{
    view.leftOut = moving;
    view.ink.redrawArea = &plan.area;
    view.ink.knownInk = &plan.inkOf;
    view.clear();
    drawContent(view);
    view.ink.knownInk = nullptr;
    view.ink.redrawArea = nullptr;
    view.leftOut = nullptr;
}

bool PCanvasRenderer::redrawInScratch(const PCanvasPicture::Plan& plan, const PShape* moving)
{
    // Drawn unclipped, as in a full frame, and copied where needed: the library's rasteriser
    // rounds translucent edges differently at the border of a clip, which would leave seams.
    if (scratch.getBounds() != pagePicture.getBounds())
        scratch = PView2gui::makeImage(juce::Image::RGB, pagePicture.getWidth(), pagePicture.getHeight());
    if (!scratch.isValid())
        return false;
    juce::Graphics scratchContext(scratch);
    softView.setTarget(&scratchContext);
    drawContentIn(softView, plan, moving);
    softView.setTarget(nullptr);
    return true;
}

void PCanvasRenderer::drawMoving(PView2gui& view, PShape& moving)
{
    view.resetMatrices();
    PPanel* panel = selection.panel;
    if (selection.sidePane == PPaneKind::pages)
        view.drawPanel(static_cast<PPanel&>(moving));
    else if (selection.sidePane == PPaneKind::layers && panel != nullptr)
    {
        const PLayer* layer = selection.layer();
        view.drawPanelShape(*panel, layer != nullptr ? layer->stroke : PLayer::defaultStroke, moving);
    }
    else
        view.drawShape(moving);
}

void PCanvasRenderer::renderGL()
{
    if (juce::ModifierKeys::currentModifiers.isShiftDown())
        frame = Frame::highQuality;
    if (frame == Frame::highQuality)
    {
        drawHighQualityFrame();
        return;
    }
    glView.options = canvas.getOptions();
    prepareView(glView);
    // Changes are found through the software view, which maps the page as the GL view does.
    prepareView(softView);
    PShape* moving = canvas.gestures.movingShape();
    renderKeptGL(moving);
    if (moving != nullptr)
        drawMoving(glView, *moving);
    drawFurniture(glView);
    glView.endFrame();
}

void PCanvasRenderer::renderKeptGL(const PShape* moving)
{
    // The page is kept as a texture, as the software canvas keeps its picture.
    const auto key = pictureKey();
    const juce::Rectangle<int> whole(key.width, key.height);
    auto plan = planPicture(moving, glView.hasKeptFrame());
    switch (plan.redraw)
    {
    case PCanvasPicture::Redraw::nothing:
        glView.drawKeptFrame({});
        picture.takeRedrawn(std::move(plan), moving);
        return;
    case PCanvasPicture::Redraw::scaled:
        glView.clear();
        glView.drawKeptFrame(PCanvasPicture::placement(picture.key, key));
        picture.takeScaled(key);
        askForSharpFrame();
        return;
    case PCanvasPicture::Redraw::area:
    {
        // The scissor is one box, so every shape inking into the box is drawn again.
        const auto box = plan.area.getBounds();
        plan.area = juce::RectangleList<int>(box);
        glView.drawKeptFrame({});
        glView.beginScissor(box);
        drawContentIn(glView, plan, moving);
        glView.endScissor();
        glView.keepFrame(box);
        picture.takeRedrawn(std::move(plan), moving);
        return;
    }
    case PCanvasPicture::Redraw::everything: break;
    }
    glView.leftOut = moving;
    glView.clear();
    drawContent(glView);
    glView.leftOut = nullptr;
    glView.keepFrame(whole);
    PCanvasPicture::Inked inked;
    measureShapes(inked, moving);
    picture.takeDrawn(key, std::move(inked), moving, selection.container);
}

void PCanvasRenderer::drawHighQualityFrame()
{
    // The page through the software view at its finest resampling and without the editing
    // furniture, copied into the GL frame.
    softView.setBackBuffered(true);
    prepareView(softView);
    softView.flags = PViewState::outputMode;
    frame = Frame::plain;
    drawFrame(softView);
    glView.options = canvas.getOptions();
    prepareView(glView);
    glView.flags = PViewState::outputMode;
    if (softView.hasBackBuffer())
        glView.blit(softView.getBackBuffer());
    drawBorder(glView);
    glView.endFrame();
    softView.setBackBuffered(false);
    frame = Frame::withOverlay;
}

void PCanvasRenderer::drawFrame(PView2gui& view)
{
    view.clear();
    drawContent(view);
    drawFurniture(view);
}

void PCanvasRenderer::drawContent(PView2gui& view)
{
    const POption* o = canvas.getOptions();
    if (selection.container == nullptr)
        return;
    const PWorld* world = selection.world;
    const bool editing = frame == Frame::withOverlay || frame == Frame::withStroke;
    if (world != nullptr && world->wallFlag && editing && o != nullptr && o->wall != nullptr)
        view.drawReferenceImage(*o->wall);
    drawShown(view);
    if (o != nullptr && o->showGrid)
        view.drawGrid(0);
}

void PCanvasRenderer::drawFurniture(PView2gui& view)
{
    if (selection.container != nullptr && frame == Frame::withOverlay)
        drawOverlay(view);
    if (frame == Frame::withBand)
        drawBand(view);
    if (frame == Frame::withStroke)
        canvas.drawing.drawLive(view);
    drawBorder(view);
}

void PCanvasRenderer::drawShown(PView2gui& view)
{
    PPage* page = selection.page;
    switch (selection.sidePane)
    {
    case PPaneKind::clips: view.drawClip(*static_cast<PClip*>(selection.container)); break;
    case PPaneKind::decor: view.drawDecor(*static_cast<PDecor*>(selection.container)); break;
    case PPaneKind::layers:
        if (page != nullptr)
            view.drawPageOutline(page->width, page->height, 0);
        if (selection.panel != nullptr)
            view.drawSinglePanel(*selection.panel);
        break;
    default:
        if (page == nullptr)
            break;
        // The sheet the artist draws on, also while it holds no panel yet.
        view.drawPageOutline(page->width, page->height, 0);
        view.drawPage(*page);
        break;
    }
}

void PCanvasRenderer::drawBand(PView2gui& view)
{
    const POption* o = canvas.getOptions();
    view.setColour(o != nullptr ? o->handleColour : opaqueBlack);
    const auto band = canvas.gestures.band();
    view.rectangle(band.getX(), band.getY(), band.getWidth(), band.getHeight(), bandLine);
}

void PCanvasRenderer::drawBorder(PView2gui& view)
{
    // The frame tells which pane the keys go to.
    const POption* o = canvas.getOptions();
    const auto* paneComponent = canvas.getComponent();
    const bool focused = paneComponent != nullptr && paneComponent->hasKeyboardFocus(true);
    view.setColour(o == nullptr ? opaqueBlack : focused ? o->selectionColour1 : o->handleColour);
    // Both views draw a rectangle's line inside it, so the frame sits flush with the pane's edge.
    view.rectangle(0, 0, static_cast<float>(canvas.getWidth()), static_cast<float>(canvas.getHeight()), frameWidth);
}

// ---------------------------------------------------------------- handles

juce::Rectangle<float> PCanvasRenderer::screenBounds() const
{
    const PShape* shape = selection.shape;
    if (shape == nullptr || shape->bounds.isEmpty())
        return {};
    const PRect& b = shape->bounds;
    float x1 = b.left, y1 = b.top, x2 = b.right, y2 = b.bottom;
    softView.device.transform(x1, y1);
    softView.device.transform(x2, y2);
    return juce::Rectangle<float>::leftTopRightBottom(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                                                      std::max(y1, y2));
}

juce::Point<float> PCanvasRenderer::handlePosition(PHitKind handle) const
{
    const auto b = screenBounds();
    switch (handle)
    {
    case PHitKind::rotate: return {b.getCentreX(), b.getY() - rotationHandleLift};
    case PHitKind::scaleX: return {b.getRight(), b.getCentreY()};
    case PHitKind::scaleY: return {b.getCentreX(), b.getY()};
    default: return b.getTopRight();
    }
}

juce::Point<float> PCanvasRenderer::deformHandle(int i) const
{
    const auto* group = static_cast<const PGroup*>(selection.shape);
    const auto rest = PDeform::restPointsOf(*group);
    const auto k = static_cast<size_t>(i);
    float px = static_cast<float>(rest[k].x) + group->gridTo[k].x;
    float py = static_cast<float>(rest[k].y) + group->gridTo[k].y;
    selection.shapeToPage().transform(px, py);
    softView.device.transform(px, py);
    return {px, py};
}

std::unique_ptr<PPointOverlay> PCanvasRenderer::pointOverlay() const
{
    if (!selection.hasPointOverlay())
        return nullptr;
    const auto& curve = static_cast<const PCurve&>(*selection.shape);
    const int selected = selection.point != nullptr ? curve.points.indexOf(selection.point) : -1;
    return std::make_unique<PPointOverlay>(curve, selected, softView.device * selection.shapeToPage());
}

std::vector<juce::Point<float>> PCanvasRenderer::handlePositions()
{
    std::vector<juce::Point<float>> at;
    const PShape* shape = selection.shape;
    if (shape == nullptr || selection.world == nullptr)
        return at;
    prepare();
    if (auto overlay = pointOverlay())
    {
        const auto& curve = static_cast<const PCurve&>(*shape);
        const PMatrix shapeToScreen = softView.device * selection.shapeToPage();
        for (int i = 0; i < curve.points.size(); ++i)
        {
            float px = curve.pointAt(i)->x, py = curve.pointAt(i)->y;
            shapeToScreen.transform(px, py);
            at.emplace_back(px, py);
        }
        if (selection.point != nullptr)
            for (auto control = PHitKind::showRows; control <= PHitKind::lastSharpness; control = hitAfter(control, 1))
                if (const auto box = overlay->controlBox(control); !box.isEmpty())
                    at.push_back(box.getCentre());
        return at;
    }
    if (selection.decorDeforming())
    {
        if (shape->classId() == PClass::group)
            for (int i = 0; i < PGroup::gridPoints; ++i)
                at.push_back(deformHandle(i));
        return at;
    }
    if (!screenBounds().isEmpty())
        for (PHitKind handle : {PHitKind::scaleX, PHitKind::scaleY, PHitKind::scaleBoth, PHitKind::rotate})
            at.push_back(handlePosition(handle));
    return at;
}

void PCanvasRenderer::drawOverlay(PView2gui& view)
{
    if (selection.shape == nullptr)
        return;
    const POption* o = canvas.getOptions();
    const uint32_t handle = o != nullptr ? o->handleColour : opaqueBlack;
    drawBrushGuide(view);
    if (auto overlay = pointOverlay())
        overlay->draw(view, handle, o != nullptr ? o->selectionColour1 : handle, rowsShown());
    else if (selection.decorDeforming())
        drawDeformHandles(view);
    else if (selection.placesShapes() && !screenBounds().isEmpty())
        drawShapeHandles(view);
}

void PCanvasRenderer::drawBrushGuide(PView2gui& view)
{
    // Brushes show as they print; the selected one shows the line its strokes follow, unless every
    // brush shows its guide already.
    const POption* o = canvas.getOptions();
    if (selection.shape == nullptr || selection.shape->classId() != PClass::brush || (o != nullptr && o->brushOutlines))
        return;
    view.setColour(o != nullptr ? o->handleColour : opaqueBlack);
    view.path(static_cast<PBrush*>(selection.shape)->centrePath, bandLine, &view.device);
}

void PCanvasRenderer::drawShapeHandles(PView2gui& view)
{
    const POption* o = canvas.getOptions();
    view.setColour(o != nullptr ? o->handleColour : opaqueBlack);
    const auto b = screenBounds();
    view.rectangle(b.getX(), b.getY(), b.getWidth(), b.getHeight(), bandLine);
    for (PHitKind kindOfHandle : {PHitKind::scaleX, PHitKind::scaleY, PHitKind::scaleBoth})
        view.squareMarker(handlePosition(kindOfHandle).x, handlePosition(kindOfHandle).y, handleReach, 0);
    const auto turn = handlePosition(PHitKind::rotate);
    view.circle(turn.x, turn.y, handleReach, bandLine);
}

void PCanvasRenderer::drawDeformHandles(PView2gui& view)
{
    PRect raw;
    selection.shape->getBounds(raw, true);
    if (!(raw.right > raw.left) || !(raw.bottom > raw.top))
        return;
    const POption* o = canvas.getOptions();
    view.setColour(o != nullptr ? o->handleColour : opaqueBlack);
    for (int i = 0; i < PGroup::gridPoints; ++i)
        view.circle(deformHandle(i).x, deformHandle(i).y, handleReach, bandLine);
}
