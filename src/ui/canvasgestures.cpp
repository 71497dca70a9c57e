#include "ui/canvasgestures.h"

#include <algorithm>
#include <cmath>

#include "edit/actioninsert.h"
#include "edit/snap.h"
#include "edit/world.h"
#include "model/curve.h"
#include "model/deform.h"
#include "model/group.h"
#include "model/option.h"
#include "model/panel.h"
#include "model/point.h"
#include "ui/canvas2.h"
#include "ui/pointoverlay.h"

namespace
{
constexpr float smallestBand = 10;
constexpr float shortestLever = 1.2e-7f;

bool holds(const PBase* object, const PShape* target)
{
    if (object->classId() != PClass::group)
        return false;
    for (const PBase* child : static_cast<const PGroup*>(object)->children)
        if (child == target || holds(child, target))
            return true;
    return false;
}

bool isPlacing(PHitKind kind)
{
    return hitWithin(kind, PHitKind::body, PHitKind::scaleBoth);
}

bool isDeforming(PHitKind kind)
{
    return hitWithin(kind, PHitKind::firstDeform, PHitKind::lastDeform);
}
} // namespace

PCanvasGestures::PCanvasGestures(PCanvas2& pane, PCanvasSelection& shown, PCanvasRenderer& view)
    : canvas(pane), selection(shown), renderer(view)
{
}

void PCanvasGestures::clearDragState()
{
    hits.clear();
    hitKind = PHitKind::nothing;
}

PShape* PCanvasGestures::movingShape() const
{
    PShape* shape = selection.shape;
    const bool dragging = hitKind == PHitKind::point || isPlacing(hitKind) || isDeforming(hitKind);
    if (!buttonDown || !dragging || shape == nullptr)
        return nullptr;
    if (selection.sidePane == PPaneKind::pages)
        return shape == selection.panel ? shape : nullptr;
    if (selection.decorDeforming())
        return shape;
    const auto place = selection.insertionPlace();
    if (place.list == nullptr)
        return nullptr;
    for (PBase* object : *place.list)
        if (object == shape || holds(object, shape))
            return static_cast<PShape*>(object);
    return nullptr;
}

juce::Rectangle<float> PCanvasGestures::band() const
{
    return {std::min(pressX, bandX), std::min(pressY, bandY), std::abs(bandX - pressX), std::abs(bandY - pressY)};
}

bool PCanvasGestures::snapping() const
{
    const POption* o = canvas.getOptions();
    return o != nullptr && o->snap;
}

// ---------------------------------------------------------------- hit tests

PHitKind PCanvasGestures::handleAt(float sx, float sy, int& index)
{
    index = -1;
    PShape* shape = selection.shape;
    if (shape == nullptr)
        return PHitKind::nothing;
    if (selection.hasPointOverlay())
        return overlayHandleAt(sx, sy, index);
    const juce::Point<float> at(sx, sy);
    if (selection.decorDeforming())
        return deformHandleAt(at, index);
    if (!selection.placesShapes())
        return PHitKind::nothing;
    if (!renderer.screenBounds().isEmpty())
        for (PHitKind handle : {PHitKind::rotate, PHitKind::scaleBoth, PHitKind::scaleX, PHitKind::scaleY})
            if (renderer.handlePosition(handle).getDistanceFrom(at) <= PCanvasRenderer::handleReach)
                return handle;
    const auto p = renderer.toPage(sx, sy);
    return shape->hitTest(p.x, p.y, renderer.softView.pixelsPerUnitX, selection.editMode()) ? PHitKind::body
                                                                                            : PHitKind::nothing;
}

PHitKind PCanvasGestures::overlayHandleAt(float sx, float sy, int& index)
{
    const POption* o = canvas.getOptions();
    const auto hit = renderer.pointOverlay()->hitAt(sx, sy, o != nullptr && o->spareByte != 0);
    index = hit.index;
    if (hit.kind != PHitKind::segment)
        return hit.kind;
    // The new point goes where the press found the chord; the drag then moves it.
    auto made = std::make_unique<PPoint>(hit.x, hit.y);
    PPoint* point = made.get();
    auto* curve = static_cast<PCurve*>(selection.shape);
    if (const PPoint* neighbour = curve->pointAt(std::max(0, hit.index - 1)))
        made->thickness = neighbour->thickness;
    PWorld& world = *selection.world;
    world.record(std::make_unique<PActionInsert>(world, curve->points, curve, std::move(made), hit.index));
    selection.point = point;
    return PHitKind::point;
}

PHitKind PCanvasGestures::deformHandleAt(juce::Point<float> at, int& index) const
{
    for (int i = 0; i < PGroup::gridPoints; ++i)
        if (renderer.deformHandle(i).getDistanceFrom(at) <= PCanvasRenderer::handleReach)
        {
            index = i;
            return hitAfter(PHitKind::firstDeform, i);
        }
    return PHitKind::nothing;
}

std::vector<PShape*> PCanvasGestures::eligibleAt(float px, float py) const
{
    const PEditMode mode = selection.editMode();
    std::vector<PShape*> eligible;
    PBase* searched = selection.searched();
    if (searched == nullptr)
        return eligible;
    PArray found;
    searched->collectHits(px, py, renderer.softView.pixelsPerUnitX, mode, found);
    for (PBase* object : found)
    {
        if (!isShape(object) || object->hasFlag(PFlag::hidden))
            continue;
        if ((mode == PEditMode::point && !isCurveLike(object)) ||
            (mode == PEditMode::deform && object->classId() != PClass::group))
            continue;
        eligible.push_back(static_cast<PShape*>(object));
    }
    found.clear();
    return eligible;
}

PShape* PCanvasGestures::pick(float px, float py)
{
    const PEditMode mode = selection.editMode();
    if (mode < PEditMode::attachment || mode > PEditMode::deform)
    {
        hits.clear();
        return nullptr;
    }
    const auto eligible = eligibleAt(px, py);
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

// ---------------------------------------------------------------- presses

void PCanvasGestures::press(float sx, float sy)
{
    buttonDown = true;
    PWorld* world = selection.world;
    if (selection.container == nullptr || world == nullptr)
        return;
    pressX = bandX = sx;
    pressY = bandY = sy;
    renderer.prepare();
    if (selection.editMode() == PEditMode::marking)
    {
        pressMarking(sx, sy);
        return;
    }
    int index = -1;
    hitKind = handleAt(sx, sy, index);
    if (hitKind != PHitKind::nothing)
    {
        pressHandle(hitKind, index, sx, sy);
        return;
    }
    if ((selection.hasPointOverlay() && world->lockFlag) || selection.editMode() == PEditMode::wallpaper)
    {
        hitKind = PHitKind::shape;
        return;
    }
    const auto p = renderer.toPage(sx, sy);
    PShape* picked = pick(p.x, p.y);
    hitKind = picked != nullptr ? PHitKind::shape : PHitKind::nothing;
    selection.select(picked, nullptr);
    canvas.repaint();
}

void PCanvasGestures::pressMarking(float sx, float sy)
{
    const auto p = renderer.toPage(sx, sy);
    PShape* picked = pick(p.x, p.y);
    if (picked != nullptr && !isLockedGroup(picked))
        picked->setFlag(PFlag::selected, !picked->hasFlag(PFlag::selected));
    else if (picked == nullptr)
        renderer.frame = PCanvasRenderer::Frame::withBand;
    canvas.repaint();
}

void PCanvasGestures::pressHandle(PHitKind handle, int index, float sx, float sy)
{
    PShape* shape = selection.shape;
    juce::Point<float> grabbed;
    if (handle == PHitKind::point)
    {
        auto* curve = static_cast<PCurve*>(shape);
        PPoint* current = selection.point;
        PPoint* p =
            current != nullptr && curve->points.indexOf(current) >= 0 && index < 0 ? current : curve->pointAt(index);
        selection.select(shape, p);
        savedPoint = PActionPoint::Values::of(*p);
        float px = p->x, py = p->y;
        selection.shapeToPage().transform(px, py);
        grabbed = renderer.toScreen(px, py);
    }
    else if (handle == PHitKind::showRows || handle == PHitKind::hideRows)
    {
        if (POption* o = canvas.getOptions())
            o->spareByte = handle == PHitKind::showRows ? 1 : 0;
        hitKind = PHitKind::nothing;
        renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
        return;
    }
    else if (handle == PHitKind::removeControl)
    {
        hitKind = PHitKind::nothing;
        canvas.commands.removeSelection();
        return;
    }
    else if (hitWithin(handle, PHitKind::firstThickness, PHitKind::lastSharpness))
    {
        hitKind = PHitKind::nothing;
        setPointValue(handle);
        return;
    }
    else if (isDeforming(handle))
    {
        savedGrids = PActionDeform::Grids::of(*static_cast<PGroup*>(shape));
        grabbed = renderer.deformHandle(index);
    }
    else
    {
        savedTransform = PActionShape::Placement::of(*shape);
        float px = shape->x, py = shape->y;
        selection.locate(shape).parentToPage.transform(px, py);
        grabbed = renderer.toScreen(px, py);
    }
    grabDX = grabbed.x - sx, grabDY = grabbed.y - sy;
}

void PCanvasGestures::setPointValue(PHitKind button)
{
    PPoint* point = selection.point;
    if (point == nullptr)
        return;
    const auto before = PActionPoint::Values::of(*point);
    auto after = before;
    if (button >= PHitKind::firstSharpness)
        after.sharpness = PPointOverlay::valueOf(button);
    else
        after.thickness = PPointOverlay::valueOf(button);
    if (after.thickness != before.thickness || after.sharpness != before.sharpness)
        selection.world->record(
            std::make_unique<PActionPoint>(*selection.world, point, before, after, selection.shape));
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

// ---------------------------------------------------------------- drags

juce::Point<float> PCanvasGestures::snappedPage(float sx, float sy)
{
    auto p = renderer.toPage(sx + grabDX, sy + grabDY);
    if (!snapping())
        return p;
    const POption* o = canvas.getOptions();
    const float step = PSnap::gridStep(o->gridDivisions, o->useInch);
    const auto s = renderer.toScreen(PSnap::position(p.x, step), PSnap::position(p.y, step));
    return renderer.toPage(static_cast<float>(roundHalfAway(s.x)), static_cast<float>(roundHalfAway(s.y)));
}

void PCanvasGestures::drag(float sx, float sy)
{
    if (selection.container == nullptr || selection.world == nullptr)
        return;
    if (renderer.frame == PCanvasRenderer::Frame::withBand)
    {
        bandX = sx, bandY = sy;
        canvas.repaint();
        return;
    }
    if (selection.shape == nullptr)
        return;
    renderer.prepare();
    if (hitKind == PHitKind::point)
        dragPoint(sx, sy);
    else if (isPlacing(hitKind))
        dragShape(sx, sy);
    else if (isDeforming(hitKind))
        dragDeform(sx, sy);
    else
        return;
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

void PCanvasGestures::dragShape(float sx, float sy)
{
    PShape* shape = selection.shape;
    const PMatrix parentMatrix = selection.locate(shape).parentToPage;
    float ox = savedTransform.x, oy = savedTransform.y;
    parentMatrix.transform(ox, oy);
    const juce::Point<float> origin(ox, oy);
    if (hitKind == PHitKind::body)
    {
        // The position is the parent's: take the page point back through the parent's matrix.
        auto p = snappedPage(sx, sy);
        if (!parentMatrix.transformBack(p.x, p.y))
            return;
        shape->x = p.x, shape->y = p.y;
    }
    else if (hitKind == PHitKind::rotate)
        turnShape(renderer.toPage(sx, sy), renderer.toPage(pressX, pressY), origin);
    else
        scaleShape(renderer.toPage(sx, sy), renderer.toPage(pressX, pressY), origin);
    shape->normalize();
    shape->invalidate();
}

void PCanvasGestures::turnShape(juce::Point<float> centre, juce::Point<float> press, juce::Point<float> origin)
{
    const float turn =
        std::atan2(centre.y - origin.y, centre.x - origin.x) - std::atan2(press.y - origin.y, press.x - origin.x);
    float rotation = savedTransform.rotation + turn;
    if (snapping())
        rotation = PSnap::angle(rotation, PSnap::angleStep(canvas.getOptions()->snapAngle));
    selection.shape->rotation = rotation;
}

void PCanvasGestures::scaleShape(juce::Point<float> centre, juce::Point<float> press, juce::Point<float> origin)
{
    const auto a = press - origin, b = centre - origin;
    const float dot = a.x * b.x + a.y * b.y;
    // Dragged through or behind the shape's position, the scale would flip or vanish: it stays.
    if (a.getDistanceFromOrigin() < shortestLever || b.getDistanceFromOrigin() < shortestLever || dot <= 0)
        return;
    const float f = dot / (a.x * a.x + a.y * a.y);
    auto scaled = [this](float s) { return snapping() ? PSnap::scale(s) : s; };
    if (hitKind != PHitKind::scaleY)
        selection.shape->scaleX = scaled(savedTransform.scaleX * f);
    if (hitKind != PHitKind::scaleX)
        selection.shape->scaleY = scaled(savedTransform.scaleY * f);
}

void PCanvasGestures::dragPoint(float sx, float sy)
{
    PPoint* point = selection.point;
    if (point == nullptr)
        return;
    auto p = snappedPage(sx, sy);
    if (!selection.shapeToPage().transformBack(p.x, p.y))
        return;
    point->x = p.x, point->y = p.y;
    selection.shape->invalidate();
}

void PCanvasGestures::dragDeform(float sx, float sy)
{
    auto* group = static_cast<PGroup*>(selection.shape);
    auto p = snappedPage(sx, sy);
    if (!selection.shapeToPage().transformBack(p.x, p.y))
        return;
    const auto rest = PDeform::restPointsOf(*group);
    const auto k = static_cast<size_t>(hitOffset(hitKind, PHitKind::firstDeform));
    const PGroup::GridPoint offset{p.x - static_cast<float>(rest[k].x), p.y - static_cast<float>(rest[k].y)};
    group->gridTo[k] = offset;
    if (selection.editMode() == PEditMode::deformBoth)
        group->gridFrom[k] = offset;
    group->invalidate();
}

// ---------------------------------------------------------------- releases

void PCanvasGestures::release(float sx, float sy)
{
    buttonDown = false;
    if (selection.container == nullptr || selection.world == nullptr)
        return;
    renderer.prepare();
    if (renderer.frame == PCanvasRenderer::Frame::withBand)
    {
        finishBand(sx, sy);
        return;
    }
    const bool moved = sx != pressX || sy != pressY;
    const bool clickedBody = hitKind == PHitKind::body && !moved;
    finishGesture(moved);
    // A click on the selected shape steps on to the next shape under it, so that every shape of a
    // pile can be reached; a drag moves it.
    const PEditMode mode = selection.editMode();
    if (clickedBody && mode != PEditMode::wallpaper && mode != PEditMode::attachment)
    {
        const auto p = renderer.toPage(sx, sy);
        if (hits.empty() && selection.shape != nullptr)
            hits.push_back(selection.shape);
        selection.select(pick(p.x, p.y), nullptr);
    }
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

void PCanvasGestures::finishBand(float sx, float sy)
{
    renderer.frame = PCanvasRenderer::Frame::withOverlay;
    PBase* searched = selection.searched();
    if (searched != nullptr && std::abs(sx - pressX) >= smallestBand && std::abs(sy - pressY) >= smallestBand)
    {
        const auto a = renderer.toPage(pressX, pressY), b = renderer.toPage(sx, sy);
        const PRect area = PRect::of(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
        PArray inside;
        searched->collectInside(area, inside);
        for (PBase* object : inside)
            if (!isLockedGroup(object))
                object->setFlag(PFlag::selected, true);
        inside.clear();
    }
    canvas.repaint();
}

void PCanvasGestures::finishGesture(bool moved)
{
    const PHitKind handle = hitKind;
    hitKind = PHitKind::nothing;
    if (selection.shape == nullptr)
        return;
    if (handle == PHitKind::point)
        finishPoint(moved);
    else if (isDeforming(handle))
        finishDeform(moved);
    else if (isPlacing(handle))
        finishShape(moved);
}

// The drag has already written the change; the action takes it over as done, so that undo
// and redo have it without the release applying it a second time.

void PCanvasGestures::finishShape(bool moved)
{
    PShape* shape = selection.shape;
    const auto after = PActionShape::Placement::of(*shape);
    if (after == savedTransform)
        return;
    if (!moved)
    {
        // A click never creates an action: the shape goes back to where it was.
        savedTransform.applyTo(*shape);
        shape->invalidate();
        return;
    }
    const auto place = selection.locate(shape);
    const bool withPanel = selection.sidePane == PPaneKind::pages && selection.editMode() == PEditMode::attachment;
    PWorld& world = *selection.world;
    world.recordApplied(std::make_unique<PActionShape>(world, shape, savedTransform, after, place.group,
                                                       withPanel ? selection.panel : nullptr));
    hits.clear();
}

void PCanvasGestures::finishPoint(bool moved)
{
    PPoint* point = selection.point;
    if (point == nullptr)
        return;
    const auto after = PActionPoint::Values::of(*point);
    if (after.x == savedPoint.x && after.y == savedPoint.y)
        return;
    if (!moved)
    {
        savedPoint.applyTo(*point);
        selection.shape->invalidate();
        return;
    }
    PWorld& world = *selection.world;
    world.recordApplied(std::make_unique<PActionPoint>(world, point, savedPoint, after, selection.shape));
}

void PCanvasGestures::finishDeform(bool moved)
{
    auto* group = static_cast<PGroup*>(selection.shape);
    const auto after = PActionDeform::Grids::of(*group);
    if (!moved || (after.from == savedGrids.from && after.to == savedGrids.to))
    {
        savedGrids.applyTo(*group);
        group->invalidate();
        return;
    }
    PWorld& world = *selection.world;
    world.recordApplied(std::make_unique<PActionDeform>(world, group, savedGrids, after));
}

void PCanvasGestures::wheel(bool up)
{
    if (selection.container == nullptr || selection.world == nullptr)
        return;
    PContext& context = selection.world->context;
    // The page point at the pane's centre stays there: the pan scales with the zoom.
    const float before = context.viewScale;
    context.viewScale = PSnap::zoomed(before, up);
    const float ratio = context.viewScale / before;
    // The fit's offset does not grow with the zoom, so it takes part in keeping the centre still.
    context.viewX = ratio * (context.viewX + context.fitX) - context.fitX;
    context.viewY = ratio * (context.viewY + context.fitY) - context.fitY;
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}
