#include "ui/canvas2.h"

#include <algorithm>
#include <cmath>

#include "edit/actionpoint.h"
#include "edit/actionremove.h"
#include "edit/snap.h"
#include "edit/world.h"
#include "model/curve.h"
#include "model/geometry.h"
#include "model/option.h"
#include "model/page.h"
#include "model/point.h"

namespace
{
constexpr float frameWidth = 3;
constexpr float bandLine = 1;
constexpr float smallestBand = 10;
constexpr float shortestLever = 1.2e-7f;
constexpr int16_t canvasDpi = 100;
constexpr uint32_t wallpaperFlag = 0x8, lockedFlag = 0x10;
/** Key commands as the pane delivers them. */
constexpr uint16_t deleteKey = 5, markAllKey = 6, saveKey = 7, undoKey = 8, redoKey = 9, helpKey = 10;

bool isCurveLike(const PBase* object)
{
    const uint16_t id = object != nullptr ? object->classId() : PClass::base;
    return id == PClass::curve || id == PClass::panel || id == PClass::brush;
}

float distance(juce::Point<float> a, juce::Point<float> b)
{
    return a.getDistanceFrom(b);
}
} // namespace

PCanvas2::PCanvas2(PPane* parentPane, int gx, int gy, int gw, int gh, bool openGLPane)
    : PPane(parentPane, gx, gy, gw, gh, openGLPane ? openGL : inset)
{
    setWantsKeys(true);
}

void PCanvas2::setWorld(PWorld* session)
{
    world = session;
    readSelection();
}

uint16_t PCanvas2::editMode() const
{
    return world != nullptr ? world->editMode : 0;
}

bool PCanvas2::snapping() const
{
    const POption* o = getOptions();
    return o != nullptr && o->snap;
}

void PCanvas2::readSelection()
{
    PPage* before = page;
    page = nullptr, shape = nullptr, point = nullptr;
    if (world != nullptr)
    {
        const PContext& context = world->context;
        page = static_cast<PPage*>(context.target(PClass::page));
        shape = static_cast<PShape*>(context.target(PClass::shape));
        if (shape == nullptr)
            shape = static_cast<PShape*>(context.target(PClass::panel));
        point = static_cast<PPoint*>(context.target(PClass::point));
    }
    if (page != before)
    {
        needsFit = true;
        clearDragState();
    }
    if (auto* c = getComponent())
        c->setEnabled(page != nullptr);
}

void PCanvas2::clearDragState()
{
    hits.clear();
    hitKind = hitNothing;
}

// ---------------------------------------------------------------- the view

void PCanvas2::prepareView(PView2gui& view)
{
    view.options = getOptions();
    view.flags =
        world != nullptr ? (world->wallFlag ? wallpaperFlag : 0u) | (world->lockFlag ? lockedFlag : 0u) : 0u;
    view.mode = editMode();
    view.dpi = canvasDpi;
    view.flipY = 0;
    view.secondFlag = 0;
    view.fitSource = page;
    float zoom = 1, panX = 0, panY = 0;
    if (world != nullptr)
    {
        PContext& context = world->context;
        if (needsFit && page != nullptr)
        {
            context.viewScale = 1, context.viewX = 0, context.viewY = 0;
            needsFit = false;
        }
        zoom = context.viewScale, panX = context.viewX, panY = context.viewY;
    }
    view.setViewport(0, 0, static_cast<float>(getWidth()), static_cast<float>(getHeight()), panX, panY, zoom);
    if (world != nullptr)
    {
        world->context.fitFactor = view.fitFactor;
        world->context.fitX = view.fitOffsetX;
        world->context.fitY = view.fitOffsetY;
    }
}

juce::Point<float> PCanvas2::toPage(float sx, float sy)
{
    softView.deviceInverse.transform(sx, sy);
    return {sx, sy};
}

juce::Point<float> PCanvas2::toScreen(float px, float py)
{
    softView.device.transform(px, py);
    return {px, py};
}

void PCanvas2::paint(juce::Graphics& g)
{
    if (kind == openGL)
        return;
    prepareView(softView);
    softView.setTarget(&g);
    drawFrame(softView);
    softView.setTarget(nullptr);
}

void PCanvas2::renderGL(juce::OpenGLContext&)
{
    if (juce::ModifierKeys::currentModifiers.isShiftDown())
        renderMode = highQuality;
    if (renderMode == highQuality)
    {
        drawHighQualityFrame();
        return;
    }
    glView.options = getOptions();
    prepareView(glView);
    drawFrame(glView);
    glView.endFrame();
}

void PCanvas2::drawHighQualityFrame()
{
    // The page through the software view at its finest resampling and without the editing
    // furniture, copied into the GL frame.
    softView.setBackBuffered(true);
    prepareView(softView);
    softView.flags = PViewState::outputMode;
    softView.mode = 0;
    renderMode = plainFrame;
    drawFrame(softView);
    glView.options = getOptions();
    prepareView(glView);
    glView.flags = PViewState::outputMode;
    if (softView.hasBackBuffer())
        glView.blit(softView.getBackBuffer());
    drawBorder(glView);
    glView.endFrame();
    softView.setBackBuffered(false);
    renderMode = withOverlay;
}

void PCanvas2::drawFrame(PView2gui& view)
{
    view.clear();
    if (page != nullptr)
    {
        // The sheet the artist draws on, also while it holds no panel yet.
        view.drawPageOutline(page->width, page->height, 0);
        view.drawPage(*page);
        if (const POption* o = getOptions(); o != nullptr && o->showGrid)
            view.drawGrid(0);
        if (renderMode == withOverlay)
            drawOverlay(view);
    }
    const POption* o = getOptions();
    if (renderMode == withBand)
    {
        view.setColour(o != nullptr ? o->handleColour : 0xFF000000);
        view.rectangle(std::min(pressX, bandX), std::min(pressY, bandY), std::abs(bandX - pressX),
                       std::abs(bandY - pressY), bandLine);
    }
    drawBorder(view);
}

void PCanvas2::drawBorder(PView2gui& view)
{
    // The frame tells which pane the keys go to.
    const POption* o = getOptions();
    const auto* paneComponent = getComponent();
    const bool focused = paneComponent != nullptr && paneComponent->hasKeyboardFocus(true);
    view.setColour(o == nullptr ? 0xFF000000 : focused ? o->selectionColour1 : o->handleColour);
    const float half = frameWidth / 2;
    view.rectangle(half, half, static_cast<float>(getWidth()) - frameWidth, static_cast<float>(getHeight()) - frameWidth,
                   frameWidth);
}

// ---------------------------------------------------------------- the overlay

juce::Rectangle<float> PCanvas2::screenBounds() const
{
    if (shape == nullptr || shape->bounds.isEmpty())
        return {};
    const PRect& b = shape->bounds;
    float x1 = b.left, y1 = b.top, x2 = b.right, y2 = b.bottom;
    softView.device.transform(x1, y1);
    softView.device.transform(x2, y2);
    return juce::Rectangle<float>::leftTopRightBottom(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2),
                                                      std::max(y1, y2));
}

juce::Point<float> PCanvas2::handlePosition(uint16_t handle) const
{
    const auto b = screenBounds();
    switch (handle)
    {
    case hitRotate: return {b.getCentreX(), b.getY() - rotationHandleLift};
    case hitScaleX: return {b.getRight(), b.getCentreY()};
    case hitScaleY: return {b.getCentreX(), b.getY()};
    default: return b.getTopRight();
    }
}

void PCanvas2::drawOverlay(PView2gui& view)
{
    if (shape == nullptr)
        return;
    if (editMode() == pointMode && isCurveLike(shape))
    {
        view.drawEditOverlay(*shape);
        return;
    }
    if (editMode() != shapeMode || screenBounds().isEmpty())
        return;
    const POption* o = getOptions();
    view.setColour(o != nullptr ? o->handleColour : 0xFF000000);
    const auto b = screenBounds();
    view.rectangle(b.getX(), b.getY(), b.getWidth(), b.getHeight(), bandLine);
    for (uint16_t handle : {hitScaleX, hitScaleY, hitScaleBoth})
        view.squareMarker(handlePosition(handle).x, handlePosition(handle).y, handleReach, 0);
    view.circle(handlePosition(hitRotate).x, handlePosition(hitRotate).y, handleReach, bandLine);
}

uint16_t PCanvas2::handleAt(float sx, float sy, int& index)
{
    index = -1;
    if (shape == nullptr)
        return hitNothing;
    const juce::Point<float> at(sx, sy);
    if (editMode() == pointMode && isCurveLike(shape))
    {
        const auto& curve = static_cast<const PCurve&>(*shape);
        const PMatrix m = shape->transform();
        for (int i = 0; i < curve.points.size(); ++i)
        {
            float px = curve.pointAt(i)->x, py = curve.pointAt(i)->y;
            m.transform(px, py);
            if (distance(toScreen(px, py), at) <= handleReach)
            {
                index = i;
                return hitPoint;
            }
        }
        return hitNothing;
    }
    if (editMode() != shapeMode)
        return hitNothing;
    for (uint16_t handle : {hitRotate, hitScaleBoth, hitScaleX, hitScaleY})
        if (!screenBounds().isEmpty() && distance(handlePosition(handle), at) <= handleReach)
            return handle;
    const auto p = toPage(sx, sy);
    return shape->hitTest(p.x, p.y, softView.pixelsPerUnitX, editMode()) ? hitBody : hitNothing;
}

// ---------------------------------------------------------------- picking and selecting

PShape* PCanvas2::pick(float px, float py)
{
    PArray found;
    page->collectHits(px, py, softView.pixelsPerUnitX, editMode(), found);
    std::vector<PShape*> eligible;
    for (PBase* object : found)
    {
        if (!isShape(object) || object->hasFlag(PFlag::hidden))
            continue;
        if (editMode() == pointMode && !isCurveLike(object))
            continue;
        eligible.push_back(static_cast<PShape*>(object));
    }
    if (eligible.empty())
        return nullptr;
    // Repeated clicks at one spot step through every shape there, then start again.
    for (PShape* candidate : eligible)
        if (std::find(hits.begin(), hits.end(), candidate) == hits.end())
        {
            hits.push_back(candidate);
            return candidate;
        }
    hits.assign(1, eligible.back());
    return eligible.back();
}

void PCanvas2::select(PShape* picked, PPoint* pickedPoint)
{
    if (world == nullptr)
        return;
    PContext& context = world->context;
    if (picked != nullptr)
        context.setTarget(picked, picked->classId());
    else if (shape != nullptr)
        context.setTarget(nullptr, shape->classId());
    if (pickedPoint != nullptr)
        context.setTarget(pickedPoint, PClass::point);
    shape = picked;
    point = pickedPoint;
    world->broadcast(PNotify::selection);
}

// ---------------------------------------------------------------- gestures

void PCanvas2::onMouseDown(float sx, float sy)
{
    buttonDown = true;
    if (page == nullptr || world == nullptr)
        return;
    pressX = bandX = sx;
    pressY = bandY = sy;
    prepareView();
    int index = -1;
    hitKind = handleAt(sx, sy, index);
    if (hitKind == hitPoint)
    {
        auto* p = static_cast<PCurve*>(shape)->pointAt(index);
        select(shape, p);
        savedX = p->x, savedY = p->y;
        float px = p->x, py = p->y;
        shape->transform().transform(px, py);
        const auto s = toScreen(px, py);
        grabDX = s.x - sx, grabDY = s.y - sy;
        return;
    }
    if (hitKind != hitNothing)
    {
        savedTransform = PActionShape::Placement::of(*shape);
        const auto s = toScreen(shape->x, shape->y);
        grabDX = s.x - sx, grabDY = s.y - sy;
        return;
    }
    if (editMode() == markingMode)
    {
        const auto p = toPage(sx, sy);
        if (PShape* picked = pick(p.x, p.y))
            picked->setFlag(PFlag::selected, !picked->hasFlag(PFlag::selected));
        else
            renderMode = withBand;
        repaint();
        return;
    }
    if (shape != nullptr && world->lockFlag)
    {
        hitKind = hitShape;
        return;
    }
    const auto p = toPage(sx, sy);
    PShape* picked = pick(p.x, p.y);
    hitKind = picked != nullptr ? hitShape : hitNothing;
    select(picked, nullptr);
    repaint();
}

juce::Point<float> PCanvas2::snappedPage(float sx, float sy)
{
    auto p = toPage(sx + grabDX, sy + grabDY);
    if (!snapping())
        return p;
    const POption* o = getOptions();
    const float step = PSnap::gridStep(o->gridDivisions, o->useInch);
    const auto s = toScreen(PSnap::position(p.x, step), PSnap::position(p.y, step));
    return toPage(static_cast<float>(roundHalfAway(s.x)) - grabDX, static_cast<float>(roundHalfAway(s.y)) - grabDY);
}

void PCanvas2::dragShape(float sx, float sy)
{
    const auto centre = toPage(sx, sy);
    const auto origin = juce::Point<float>(savedTransform.x, savedTransform.y);
    if (hitKind == hitBody)
    {
        const auto p = snappedPage(sx, sy);
        shape->x = p.x, shape->y = p.y;
    }
    else if (hitKind == hitRotate)
    {
        const auto press = toPage(pressX, pressY);
        const float turn =
            std::atan2(centre.y - origin.y, centre.x - origin.x) - std::atan2(press.y - origin.y, press.x - origin.x);
        float rotation = savedTransform.rotation + turn;
        if (snapping())
            rotation = PSnap::angle(rotation, PSnap::angleStep(getOptions()->snapAngle));
        shape->rotation = rotation;
    }
    else
    {
        const auto a = toPage(pressX, pressY) - origin, b = centre - origin;
        const float dot = a.x * b.x + a.y * b.y;
        if (a.getDistanceFromOrigin() < shortestLever || b.getDistanceFromOrigin() < shortestLever || dot <= 0)
            return;
        const float f = dot / (a.x * a.x + a.y * a.y);
        auto scaled = [this](float s) { return snapping() ? PSnap::scale(s) : s; };
        if (hitKind != hitScaleY)
            shape->scaleX = scaled(savedTransform.scaleX * f);
        if (hitKind != hitScaleX)
            shape->scaleY = scaled(savedTransform.scaleY * f);
    }
    shape->normalize();
    shape->invalidate();
}

void PCanvas2::dragPoint(float sx, float sy)
{
    if (point == nullptr)
        return;
    auto p = snappedPage(sx, sy);
    shape->inverseTransform().transform(p.x, p.y);
    point->x = p.x, point->y = p.y;
    shape->invalidate();
}

void PCanvas2::onMouseDrag(float sx, float sy)
{
    if (page == nullptr || world == nullptr)
        return;
    if (renderMode == withBand)
    {
        bandX = sx, bandY = sy;
        repaint();
        return;
    }
    if (shape == nullptr)
        return;
    prepareView();
    if (hitKind == hitPoint)
        dragPoint(sx, sy);
    else if (hitKind >= hitBody && hitKind <= hitScaleBoth)
        dragShape(sx, sy);
    else
        return;
    renderMode = withOverlay;
    repaint();
}

void PCanvas2::onMouseUp(float sx, float sy)
{
    buttonDown = false;
    if (page == nullptr || world == nullptr)
        return;
    prepareView();
    if (renderMode == withBand)
    {
        renderMode = withOverlay;
        if (std::abs(sx - pressX) >= smallestBand && std::abs(sy - pressY) >= smallestBand)
        {
            const auto a = toPage(pressX, pressY), b = toPage(sx, sy);
            PArray inside;
            page->collectInside(
                PRect::of(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)), inside);
            for (PBase* object : inside)
                object->setFlag(PFlag::selected, true);
        }
        repaint();
        return;
    }
    const bool moved = sx != pressX || sy != pressY;
    const bool clickedBody = hitKind == hitBody && !moved;
    finishGesture(moved);
    // A click on the selected shape steps on to the next shape under it, so that every shape of a
    // pile can be reached; a drag moves it.
    if (clickedBody)
    {
        const auto p = toPage(sx, sy);
        if (hits.empty() && shape != nullptr)
            hits.push_back(shape);
        select(pick(p.x, p.y), nullptr);
    }
    renderMode = withOverlay;
    repaint();
}

void PCanvas2::finishGesture(bool moved)
{
    const uint16_t handle = hitKind;
    hitKind = hitNothing;
    if (shape == nullptr)
        return;
    if (handle == hitPoint && point != nullptr)
    {
        PActionPoint::Values before = PActionPoint::Values::of(*point), after = before;
        before.x = savedX, before.y = savedY;
        if (after.x == before.x && after.y == before.y)
            return;
        // A click never creates an action: the point goes back to where it was.
        if (!moved)
        {
            before.applyTo(*point);
            shape->invalidate();
            return;
        }
        before.applyTo(*point);
        world->record(new PActionPoint(*world, point, before, after, shape));
        return;
    }
    if (handle < hitBody || handle > hitScaleBoth)
        return;
    const auto after = PActionShape::Placement::of(*shape);
    if (after == savedTransform)
        return;
    // The action moves the shape again from where the press found it.
    savedTransform.applyTo(*shape);
    shape->invalidate();
    if (moved)
    {
        world->record(new PActionShape(*world, shape, savedTransform, after));
        hits.clear();
    }
}

void PCanvas2::onWheel(bool up)
{
    if (page == nullptr || world == nullptr)
        return;
    PContext& context = world->context;
    // The page point at the pane's centre stays there: the pan scales with the zoom.
    const float before = context.viewScale;
    context.viewScale = PSnap::zoomed(before, up);
    const float ratio = context.viewScale / before;
    context.viewX *= ratio;
    context.viewY *= ratio;
    renderMode = withOverlay;
    repaint();
}

// ---------------------------------------------------------------- keys and notifications

void PCanvas2::removeSelection()
{
    if (editMode() == pointMode && point != nullptr && isCurveLike(shape))
    {
        world->record(new PActionRemove(*world, static_cast<PCurve*>(shape)->points, shape, point));
        point = nullptr;
    }
    else if (editMode() == shapeMode && shape != nullptr && shape->classId() == PClass::panel)
    {
        PShape* removed = shape;
        select(nullptr, nullptr);
        world->record(new PActionRemove(*world, page->panels, page, removed));
    }
    readSelection();
    repaint();
}

void PCanvas2::onCommand(PWidget*, uint16_t code)
{
    // A key in the middle of a drag would act on a half-made gesture.
    if (buttonDown || world == nullptr)
        return;
    switch (code)
    {
    case deleteKey: removeSelection(); break;
    case markAllKey:
        if (editMode() == markingMode && page != nullptr)
            for (PBase* panel : page->panels)
                panel->setFlag(PFlag::selected, true);
        repaint();
        break;
    case saveKey: broadcast(PNotify::saveRequest); break;
    case undoKey: broadcast(PNotify::undoRequest); break;
    case redoKey: broadcast(PNotify::redoRequest); break;
    case helpKey: broadcast(PNotify::helpRequest); break;
    default: break;
    }
}

void PCanvas2::onNotify(uint16_t code)
{
    switch (code)
    {
    case PNotify::modeChanged:
    case PNotify::switchChanged:
    case PNotify::selection: readSelection(); break;
    case PNotify::refit: needsFit = true; break;
    case PNotify::plainFrame: renderMode = plainFrame; break;
    default: break;
    }
    if (code != PNotify::plainFrame)
        renderMode = withOverlay;
    repaint();
}
