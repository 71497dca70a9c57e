#include "ui/canvas2.h"

#include <algorithm>
#include <cmath>

#include "app/command.h"
#include "app/popup.h"
#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/actionflip.h"
#include "edit/actioninsert.h"
#include "edit/actionlower.h"
#include "edit/actionnew.h"
#include "edit/actionraise.h"
#include "edit/actionremove.h"
#include "edit/actions.h"
#include "edit/snap.h"
#include "edit/world.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/curve.h"
#include "model/decor.h"
#include "model/deform.h"
#include "model/geometry.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"
#include "model/translate.h"
#include "ui/pointoverlay.h"

namespace
{
constexpr float frameWidth = 3;
constexpr float bandLine = 1;
constexpr float smallestBand = 10;
constexpr float shortestLever = 1.2e-7f;
constexpr int16_t canvasDpi = 100;
constexpr uint32_t wallpaperFlag = 0x8, lockedFlag = 0x10;
constexpr uint32_t opaqueBlack = 0xFF000000u;
/** Key commands as the pane delivers them. */
constexpr uint16_t cutKey = 2, copyKey = 3, pasteKey = 4, deleteKey = 5, markAllKey = 6, saveKey = 7, undoKey = 8,
                   redoKey = 9, helpKey = 10, homeKey = 11, endKey = 12, pageUpKey = 13, pageDownKey = 14,
                   returnKey = 15, firstDigitKey = 16, lastDigitKey = 20;
constexpr uint16_t thicknessStep = 25;

bool isCurveLike(const PBase* object)
{
    const uint16_t id = object != nullptr ? object->classId() : PClass::base;
    return id == PClass::curve || id == PClass::panel || id == PClass::brush;
}

/** A deformed group's members cannot be marked one by one: the warp belongs to the whole group. */
bool isLockedGroup(const PBase* object)
{
    return object != nullptr && object->classId() == PClass::group && object->hasFlag(PGroup::deformed);
}

/** A gentle arc: three points show at once that the line is smooth and can be bent. */
void addArc(PCurve& curve, float half)
{
    curve.points.append(new PPoint(-half, 0));
    curve.points.append(new PPoint(0, half / 2));
    curve.points.append(new PPoint(half, 0));
}

/** The card of a clip that the editor shows; made when create is set and it is missing. Drawing
    and picking never add one. */
PCard* shownCard(PClip& clip, bool create)
{
    if (create)
        return clip.cardFor(clip.currentKey);
    for (int i = 0; i < clip.cards.size(); ++i)
        if (clip.cardAt(i)->cardNo == clip.currentKey)
            return clip.cardAt(i);
    return nullptr;
}

/** The top shape list of what a side pane shows (a page's panels, a layer's, a card's or a decor's
    shapes) and the list's owner. */
PArray* shapesOf(PBase* container, PBase*& owner, bool create)
{
    owner = container;
    if (container == nullptr)
        return nullptr;
    switch (container->classId())
    {
    case PClass::page: return &static_cast<PPage*>(container)->panels;
    case PClass::layer: return &static_cast<PLayer*>(container)->shapes;
    case PClass::clip:
    {
        PCard* card = shownCard(*static_cast<PClip*>(container), create);
        owner = card;
        return card != nullptr ? &card->shapes : nullptr;
    }
    case PClass::decor:
    {
        auto* decor = static_cast<PDecor*>(container);
        if (!create && decor->content == nullptr)
            return nullptr;
        owner = &decor->contentForEdit();
        return &decor->contentForEdit().children;
    }
    default: return nullptr;
    }
}
} // namespace

PCanvas2::PCanvas2(PPane* parentPane, int gx, int gy, int gw, int gh, bool openGLPane)
    : PPane(parentPane, gx, gy, gw, gh, openGLPane ? openGL : inset), popupMain(std::make_unique<PPopup>(this)),
      popupPanel(std::make_unique<PPopup>(this))
{
    popupMain->build(PPopup::canvasSecond);
    popupPanel->build(PPopup::canvasFirst);
    setWantsKeys(true);
}

PCanvas2::~PCanvas2() = default;

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

bool PCanvas2::rowsShown() const
{
    const POption* o = getOptions();
    return o != nullptr && o->spareByte != 0;
}

PDecor* PCanvas2::shownDecor() const
{
    if (sidePane != PContext::decorMode || container == nullptr || container->classId() != PClass::decor)
        return nullptr;
    return static_cast<PDecor*>(container);
}

bool PCanvas2::decorDeforming() const
{
    return sidePane == PContext::decorMode && (editMode() == deformMode || editMode() == deformBothMode);
}

void PCanvas2::readSelection()
{
    pictureValid = false;
    const PBase* before = container;
    page = nullptr, container = nullptr, panel = nullptr, shape = nullptr, point = nullptr, sidePane = 0;
    if (world != nullptr)
    {
        const PContext& context = world->context;
        sidePane = context.mode;
        container = context.container();
        page = static_cast<PPage*>(context.target(PClass::page));
        panel = static_cast<PPanel*>(context.target(PClass::panel));
        shape = static_cast<PShape*>(context.target(PClass::shape));
        if (sidePane == PContext::pageMode)
            shape = editMode() == attachmentMode && panel != nullptr ? panel->attachment.get() : panel;
        // Deforming needs a decor item: with none (a comic without decor, an empty group tab, the
        // shown item just cut) there is nothing to deform and the handles stay away.
        if (decorDeforming())
            shape = shownDecor() != nullptr ? shownDecor()->content.get() : nullptr;
        point = static_cast<PPoint*>(context.target(PClass::point));
        if (editMode() == wallpaperMode)
        {
            POption* o = getOptions();
            shape = o != nullptr ? o->wall.get() : nullptr;
            // Without a wallpaper there is nothing to edit in this mode.
            if (shape == nullptr)
            {
                world->editMode = shapeMode;
                broadcast(PNotify::modeChanged);
            }
        }
    }
    if (container != before)
    {
        needsFit = true;
        clearDragState();
    }
    if (auto* c = getComponent())
        c->setEnabled(container != nullptr);
}

void PCanvas2::clearDragState()
{
    hits.clear();
    hitKind = hitNothing;
}

// ---------------------------------------------------------------- where things are

PCanvas2::Place PCanvas2::locate(const PShape* target) const
{
    Place place;
    if (target == nullptr || container == nullptr)
        return place;
    PBase* topOwner = nullptr;
    PArray* top = shapesOf(container, topOwner, false);
    PMatrix base = PMatrix::identity();
    if (sidePane == PContext::layerMode && panel != nullptr)
        base = panel->transform();
    // Depth first through groups, carrying each group's matrix down.
    struct Level
    {
        PArray* list;
        PBase* owner;
        PMatrix toPage;
        PGroup* group;
    };
    std::vector<Level> open{{top, topOwner, base, nullptr}};
    while (!open.empty())
    {
        const Level level = open.back();
        open.pop_back();
        if (level.list == nullptr)
            continue;
        for (PBase* object : *level.list)
        {
            if (object == target)
                return {level.list, level.owner, level.toPage, level.group};
            if (object->classId() == PClass::group)
            {
                auto* group = static_cast<PGroup*>(object);
                open.push_back({&group->children, group, level.toPage * group->transform(), group});
            }
        }
    }
    if (panel != nullptr && target == panel->attachment.get())
        return {nullptr, panel, panel->transform(), nullptr};
    if (shownDecor() != nullptr && target == shownDecor()->content.get())
        return {nullptr, container, PMatrix::identity(), nullptr};
    return {nullptr, nullptr, PMatrix::identity(), nullptr};
}

PCanvas2::Place PCanvas2::insertionPlace(bool create) const
{
    Place place;
    if (sidePane == PContext::layerMode)
    {
        auto* layer = world != nullptr ? static_cast<PLayer*>(world->context.target(PClass::layer)) : nullptr;
        if (layer == nullptr || panel == nullptr)
            return place;
        return {&layer->shapes, layer, panel->transform(), nullptr};
    }
    place.list = shapesOf(container, place.owner, create);
    return place;
}

PMatrix PCanvas2::shapeToPage() const
{
    return shape != nullptr ? locate(shape).parentToPage * shape->transform() : PMatrix::identity();
}

// ---------------------------------------------------------------- the view

void PCanvas2::prepareView(PView2gui& view)
{
    view.options = getOptions();
    view.flags = world != nullptr ? (world->wallFlag ? wallpaperFlag : 0u) | (world->lockFlag ? lockedFlag : 0u) : 0u;
    view.mode = editMode();
    view.dpi = canvasDpi;
    view.flipY = 0;
    view.secondFlag = 0;
    view.fitSource = fitSource();
    float zoom = 1, panX = 0, panY = 0;
    if (world != nullptr)
    {
        PContext& context = world->context;
        if (needsFit && container != nullptr)
        {
            context.viewScale = 1, context.viewX = 0, context.viewY = 0;
            needsFit = false;
            hits.clear();
        }
        zoom = context.viewScale, panX = context.viewX, panY = context.viewY;
    }
    view.setViewport(0, 0, static_cast<float>(getWidth()), static_cast<float>(getHeight()), panX, panY, zoom);
    if (world != nullptr)
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

const PBase* PCanvas2::fitSource() const
{
    switch (sidePane)
    {
    case PContext::layerMode: return panel;
    case PContext::decorMode: return shownDecor() != nullptr ? shownDecor()->content.get() : nullptr;
    case PContext::clipMode: return nullptr;
    default: return page;
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

float PCanvas2::pixelsToPage(float pixels) const
{
    return softView.pixelsPerUnitX > 0 ? pixels / softView.pixelsPerUnitX : pixels;
}

juce::Point<float> PCanvas2::paneCentre()
{
    return toPage(static_cast<float>(getWidth()) / 2, static_cast<float>(getHeight()) / 2);
}

void PCanvas2::repaintWith(uint16_t mode)
{
    renderMode = mode;
    repaint();
}

// ---------------------------------------------------------------- frames

void PCanvas2::paint(juce::Graphics& g)
{
    if (kind == openGL)
        return;
    prepareView(softView);
    if (renderMode == highQuality)
    {
        // One frame at the finest resampling and without the editing furniture.
        softView.flags = PViewState::outputMode;
        softView.mode = 0;
        softView.setTarget(&g);
        drawFrame(softView);
        softView.setTarget(nullptr);
        renderMode = withOverlay;
        pictureValid = false;
        return;
    }
    // The page is kept as a picture; a drag redraws only the shape it moves over it.
    PShape* moving = movingShape();
    if (!pictureFits(moving))
        drawPicture(moving);
    g.drawImageAt(pagePicture, 0, 0);
    softView.setTarget(&g);
    if (moving != nullptr)
        drawMoving(softView, *moving);
    drawFurniture(softView);
    softView.setTarget(nullptr);
}

PShape* PCanvas2::movingShape() const
{
    const bool dragging = hitKind == hitPoint || (hitKind >= hitBody && hitKind <= hitScaleBoth) ||
                          (hitKind >= hitDeform && hitKind <= hitLastDeform);
    if (!buttonDown || !dragging || shape == nullptr)
        return nullptr;
    if (sidePane == PContext::pageMode)
        return shape == panel ? shape : nullptr;
    if (decorDeforming())
        return shape;
    const Place place = insertionPlace();
    if (place.list == nullptr)
        return nullptr;
    for (PBase* object : *place.list)
        if (object == shape || holds(object, shape))
            return static_cast<PShape*>(object);
    return nullptr;
}

bool PCanvas2::holds(const PBase* object, const PShape* target)
{
    if (object->classId() != PClass::group)
        return false;
    for (const PBase* child : static_cast<const PGroup*>(object)->children)
        if (child == target || holds(child, target))
            return true;
    return false;
}

bool PCanvas2::pictureFits(const PShape* moving) const
{
    return pictureValid && pagePicture.getWidth() == getWidth() && pagePicture.getHeight() == getHeight() &&
           picturedDevice == softView.device && picturedLeftOut == moving && picturedFlags == softView.flags &&
           picturedMode == softView.mode && picturedRender == renderMode;
}

void PCanvas2::drawPicture(const PShape* moving)
{
    if (pagePicture.getWidth() != getWidth() || pagePicture.getHeight() != getHeight())
        pagePicture = PView2gui::makeImage(juce::Image::RGB, std::max(1, getWidth()), std::max(1, getHeight()));
    if (!pagePicture.isValid())
        return;
    juce::Graphics pictureContext(pagePicture);
    softView.setTarget(&pictureContext);
    softView.leftOut = moving;
    softView.clear();
    drawContent(softView);
    softView.leftOut = nullptr;
    softView.setTarget(nullptr);
    pictureValid = true;
    picturedDevice = softView.device, picturedLeftOut = moving, picturedFlags = softView.flags;
    picturedMode = softView.mode, picturedRender = renderMode;
}

void PCanvas2::drawMoving(PView2gui& view, PShape& moving)
{
    view.resetMatrices();
    if (sidePane == PContext::pageMode)
        view.drawPanel(static_cast<PPanel&>(moving));
    else if (sidePane == PContext::layerMode && panel != nullptr)
    {
        const auto* layer = static_cast<const PLayer*>(world->context.target(PClass::layer));
        view.drawPanelShape(*panel, layer != nullptr ? layer->stroke : PLayer::defaultStroke, moving);
    }
    else
        view.drawShape(moving);
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
    drawContent(view);
    drawFurniture(view);
}

void PCanvas2::drawContent(PView2gui& view)
{
    const POption* o = getOptions();
    if (container == nullptr)
        return;
    if (world != nullptr && world->wallFlag && renderMode == withOverlay && o != nullptr && o->wall != nullptr)
        view.drawReferenceImage(*o->wall);
    drawShown(view);
    if (o != nullptr && o->showGrid)
        view.drawGrid(0);
}

void PCanvas2::drawFurniture(PView2gui& view)
{
    const POption* o = getOptions();
    if (container != nullptr && renderMode == withOverlay)
        drawOverlay(view);
    if (renderMode == withBand)
    {
        view.setColour(o != nullptr ? o->handleColour : opaqueBlack);
        view.rectangle(std::min(pressX, bandX), std::min(pressY, bandY), std::abs(bandX - pressX),
                       std::abs(bandY - pressY), bandLine);
    }
    drawBorder(view);
}

void PCanvas2::drawShown(PView2gui& view)
{
    switch (sidePane)
    {
    case PContext::clipMode: view.drawClip(*static_cast<PClip*>(container)); break;
    case PContext::decorMode: view.drawDecor(*static_cast<PDecor*>(container)); break;
    case PContext::layerMode:
        if (page != nullptr)
            view.drawPageOutline(page->width, page->height, 0);
        if (panel != nullptr)
            view.drawSinglePanel(*panel);
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

void PCanvas2::drawBorder(PView2gui& view)
{
    // The frame tells which pane the keys go to.
    const POption* o = getOptions();
    const auto* paneComponent = getComponent();
    const bool focused = paneComponent != nullptr && paneComponent->hasKeyboardFocus(true);
    view.setColour(o == nullptr ? opaqueBlack : focused ? o->selectionColour1 : o->handleColour);
    // Both views draw a rectangle's line inside it, so the frame sits flush with the pane's edge.
    view.rectangle(0, 0, static_cast<float>(getWidth()), static_cast<float>(getHeight()), frameWidth);
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

juce::Point<float> PCanvas2::deformHandle(int i) const
{
    auto* group = static_cast<const PGroup*>(shape);
    const auto rest = PDeform::restPointsOf(*group);
    const auto k = static_cast<size_t>(i);
    float px = static_cast<float>(rest[k].x) + group->gridTo[k].x;
    float py = static_cast<float>(rest[k].y) + group->gridTo[k].y;
    shapeToPage().transform(px, py);
    softView.device.transform(px, py);
    return {px, py};
}

std::vector<juce::Point<float>> PCanvas2::handlePositions()
{
    std::vector<juce::Point<float>> at;
    if (shape == nullptr || world == nullptr)
        return at;
    prepareView();
    if (auto overlay = pointOverlay())
    {
        const auto& curve = static_cast<const PCurve&>(*shape);
        const PMatrix toScreen = softView.device * shapeToPage();
        for (int i = 0; i < curve.points.size(); ++i)
        {
            float px = curve.pointAt(i)->x, py = curve.pointAt(i)->y;
            toScreen.transform(px, py);
            at.emplace_back(px, py);
        }
        constexpr int lastControl = PPointOverlay::firstSharpness + PPointOverlay::buttonsPerRow - 1;
        if (point != nullptr)
            for (int control = PPointOverlay::showRows; control <= lastControl; ++control)
                if (const auto box = overlay->controlBox(static_cast<uint16_t>(control)); !box.isEmpty())
                    at.push_back(box.getCentre());
        return at;
    }
    if (decorDeforming())
    {
        if (shape->classId() == PClass::group)
            for (int i = 0; i < PGroup::gridPoints; ++i)
                at.push_back(deformHandle(i));
        return at;
    }
    if (!screenBounds().isEmpty())
        for (uint16_t handle : {hitScaleX, hitScaleY, hitScaleBoth, hitRotate})
            at.push_back(handlePosition(handle));
    return at;
}

bool PCanvas2::hasPointOverlay() const
{
    return editMode() == pointMode && isCurveLike(shape);
}

std::unique_ptr<PPointOverlay> PCanvas2::pointOverlay() const
{
    if (!hasPointOverlay())
        return nullptr;
    const auto& curve = static_cast<const PCurve&>(*shape);
    const int selected = point != nullptr ? curve.points.indexOf(point) : -1;
    return std::make_unique<PPointOverlay>(curve, selected, softView.device * shapeToPage());
}

void PCanvas2::drawOverlay(PView2gui& view)
{
    if (shape == nullptr)
        return;
    const POption* o = getOptions();
    const uint32_t handle = o != nullptr ? o->handleColour : opaqueBlack;
    if (auto overlay = pointOverlay())
    {
        overlay->draw(view, handle, o != nullptr ? o->selectionColour1 : handle, rowsShown());
        return;
    }
    if (decorDeforming())
    {
        drawDeformHandles(view);
        return;
    }
    const uint16_t mode = editMode();
    if ((mode != shapeMode && mode != attachmentMode && mode != wallpaperMode) || screenBounds().isEmpty())
        return;
    view.setColour(handle);
    const auto b = screenBounds();
    view.rectangle(b.getX(), b.getY(), b.getWidth(), b.getHeight(), bandLine);
    for (uint16_t kindOfHandle : {hitScaleX, hitScaleY, hitScaleBoth})
        view.squareMarker(handlePosition(kindOfHandle).x, handlePosition(kindOfHandle).y, handleReach, 0);
    view.circle(handlePosition(hitRotate).x, handlePosition(hitRotate).y, handleReach, bandLine);
}

void PCanvas2::drawDeformHandles(PView2gui& view)
{
    PRect raw;
    shape->getBounds(raw, true);
    if (!(raw.right > raw.left) || !(raw.bottom > raw.top))
        return;
    const POption* o = getOptions();
    view.setColour(o != nullptr ? o->handleColour : opaqueBlack);
    for (int i = 0; i < PGroup::gridPoints; ++i)
        view.circle(deformHandle(i).x, deformHandle(i).y, handleReach, bandLine);
}

uint16_t PCanvas2::handleAt(float sx, float sy, int& index)
{
    index = -1;
    if (shape == nullptr)
        return hitNothing;
    const juce::Point<float> at(sx, sy);
    if (auto overlay = pointOverlay())
    {
        const auto hit = overlay->hitAt(sx, sy, rowsShown());
        index = hit.index;
        if (hit.kind == hitSegment)
        {
            // The new point goes where the press found the chord; the drag then moves it.
            auto* made = new PPoint(hit.x, hit.y);
            auto* curve = static_cast<PCurve*>(shape);
            if (const PPoint* neighbour = curve->pointAt(std::max(0, hit.index - 1)))
                made->thickness = neighbour->thickness;
            world->record(new PActionInsert(*world, curve->points, curve, made, hit.index));
            point = made;
            return hitPoint;
        }
        return hit.kind;
    }
    if (decorDeforming())
    {
        for (int i = 0; i < PGroup::gridPoints; ++i)
            if (deformHandle(i).getDistanceFrom(at) <= handleReach)
            {
                index = i;
                return static_cast<uint16_t>(hitDeform + i);
            }
        return hitNothing;
    }
    const uint16_t mode = editMode();
    if (mode != shapeMode && mode != attachmentMode && mode != wallpaperMode)
        return hitNothing;
    if (!screenBounds().isEmpty())
        for (uint16_t handle : {hitRotate, hitScaleBoth, hitScaleX, hitScaleY})
            if (handlePosition(handle).getDistanceFrom(at) <= handleReach)
                return handle;
    const auto p = toPage(sx, sy);
    return shape->hitTest(p.x, p.y, softView.pixelsPerUnitX, mode) ? hitBody : hitNothing;
}

// ---------------------------------------------------------------- picking and selecting

void PCanvas2::collectHits(float px, float py, PArray& found)
{
    const float scale = softView.pixelsPerUnitX;
    if (sidePane == PContext::layerMode)
    {
        if (auto* layer = static_cast<PLayer*>(world->context.target(PClass::layer)))
            layer->collectHits(px, py, scale, editMode(), found);
        return;
    }
    if (sidePane == PContext::clipMode)
    {
        if (PCard* card = shownCard(*static_cast<PClip*>(container), false))
            card->collectHits(px, py, scale, editMode(), found);
        return;
    }
    container->collectHits(px, py, scale, editMode(), found);
}

PShape* PCanvas2::pick(float px, float py)
{
    const uint16_t mode = editMode();
    if (mode < attachmentMode || mode > deformMode)
    {
        hits.clear();
        return nullptr;
    }
    PArray found;
    collectHits(px, py, found);
    std::vector<PShape*> eligible;
    for (PBase* object : found)
    {
        if (!isShape(object) || object->hasFlag(PFlag::hidden))
            continue;
        if ((mode == pointMode && !isCurveLike(object)) || (mode == deformMode && object->classId() != PClass::group))
            continue;
        eligible.push_back(static_cast<PShape*>(object));
    }
    found.clear();
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
    const uint16_t slotClass = sidePane == PContext::pageMode ? PClass::panel : PClass::shape;
    if (picked != nullptr)
        context.setTarget(picked, slotClass);
    else if (shape != nullptr && editMode() != wallpaperMode)
        context.setTarget(nullptr, slotClass);
    if (pickedPoint != nullptr)
        context.setTarget(pickedPoint, PClass::point);
    shape = picked;
    point = pickedPoint;
    world->broadcast(PNotify::selection);
}

// ---------------------------------------------------------------- presses

void PCanvas2::onMouseDown(float sx, float sy)
{
    pictureValid = false;
    buttonDown = true;
    if (container == nullptr || world == nullptr)
        return;
    pressX = bandX = sx;
    pressY = bandY = sy;
    prepareView();
    if (editMode() == markingMode)
    {
        pressMarking(sx, sy);
        return;
    }
    int index = -1;
    hitKind = handleAt(sx, sy, index);
    if (hitKind != hitNothing)
    {
        pressHandle(hitKind, index, sx, sy);
        return;
    }
    if ((hasPointOverlay() && world->lockFlag) || editMode() == wallpaperMode)
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

void PCanvas2::pressMarking(float sx, float sy)
{
    const auto p = toPage(sx, sy);
    PShape* picked = pick(p.x, p.y);
    if (picked != nullptr && !isLockedGroup(picked))
        picked->setFlag(PFlag::selected, !picked->hasFlag(PFlag::selected));
    else if (picked == nullptr)
        renderMode = withBand;
    repaint();
}

void PCanvas2::pressHandle(uint16_t handle, int index, float sx, float sy)
{
    if (handle == hitPoint)
    {
        auto* curve = static_cast<PCurve*>(shape);
        PPoint* p = point != nullptr && curve->points.indexOf(point) >= 0 && index < 0 ? point : curve->pointAt(index);
        select(shape, p);
        savedPoint = PActionPoint::Values::of(*p);
        float px = p->x, py = p->y;
        shapeToPage().transform(px, py);
        const auto s = toScreen(px, py);
        grabDX = s.x - sx, grabDY = s.y - sy;
        return;
    }
    if (handle == hitShowRows || handle == hitHideRows)
    {
        if (POption* o = getOptions())
            o->spareByte = handle == hitShowRows ? 1 : 0;
        hitKind = hitNothing;
        repaintWith(withOverlay);
        return;
    }
    if (handle == hitRemove)
    {
        hitKind = hitNothing;
        removeSelection();
        return;
    }
    if (handle >= hitThickness && handle < hitBody)
    {
        hitKind = hitNothing;
        setPointValue(handle);
        return;
    }
    if (handle >= hitDeform)
    {
        savedGrids = PActionDeform::Grids::of(*static_cast<PGroup*>(shape));
        const auto s = deformHandle(index);
        grabDX = s.x - sx, grabDY = s.y - sy;
        return;
    }
    savedTransform = PActionShape::Placement::of(*shape);
    float px = shape->x, py = shape->y;
    locate(shape).parentToPage.transform(px, py);
    const auto s = toScreen(px, py);
    grabDX = s.x - sx, grabDY = s.y - sy;
}

void PCanvas2::setPointValue(uint16_t button)
{
    if (point == nullptr)
        return;
    const auto before = PActionPoint::Values::of(*point);
    auto after = before;
    if (button >= hitSharpness)
        after.sharpness = PPointOverlay::valueOf(button);
    else
        after.thickness = PPointOverlay::valueOf(button);
    if (after.thickness != before.thickness || after.sharpness != before.sharpness)
        world->record(new PActionPoint(*world, point, before, after, shape));
    repaintWith(withOverlay);
}

// ---------------------------------------------------------------- drags

juce::Point<float> PCanvas2::snappedPage(float sx, float sy)
{
    auto p = toPage(sx + grabDX, sy + grabDY);
    if (!snapping())
        return p;
    const POption* o = getOptions();
    const float step = PSnap::gridStep(o->gridDivisions, o->useInch);
    const auto s = toScreen(PSnap::position(p.x, step), PSnap::position(p.y, step));
    return toPage(static_cast<float>(roundHalfAway(s.x)), static_cast<float>(roundHalfAway(s.y)));
}

void PCanvas2::dragShape(float sx, float sy)
{
    const PMatrix parentMatrix = locate(shape).parentToPage;
    auto centre = toPage(sx, sy);
    auto press = toPage(pressX, pressY);
    float ox = savedTransform.x, oy = savedTransform.y;
    parentMatrix.transform(ox, oy);
    const juce::Point<float> origin(ox, oy);
    if (hitKind == hitBody)
    {
        // The position is the parent's: take the page point back through the parent's matrix.
        auto p = snappedPage(sx, sy);
        if (!parentMatrix.transformBack(p.x, p.y))
            return;
        shape->x = p.x, shape->y = p.y;
    }
    else if (hitKind == hitRotate)
    {
        const float turn =
            std::atan2(centre.y - origin.y, centre.x - origin.x) - std::atan2(press.y - origin.y, press.x - origin.x);
        float rotation = savedTransform.rotation + turn;
        if (snapping())
            rotation = PSnap::angle(rotation, PSnap::angleStep(getOptions()->snapAngle));
        shape->rotation = rotation;
    }
    else
    {
        const auto a = press - origin, b = centre - origin;
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
    if (!shapeToPage().transformBack(p.x, p.y))
        return;
    point->x = p.x, point->y = p.y;
    shape->invalidate();
}

void PCanvas2::dragDeform(float sx, float sy)
{
    auto* group = static_cast<PGroup*>(shape);
    auto p = snappedPage(sx, sy);
    if (!shapeToPage().transformBack(p.x, p.y))
        return;
    const float gx = p.x, gy = p.y;
    const auto rest = PDeform::restPointsOf(*group);
    const auto k = static_cast<size_t>(hitKind - hitDeform);
    const PGroup::GridPoint offset{gx - static_cast<float>(rest[k].x), gy - static_cast<float>(rest[k].y)};
    group->gridTo[k] = offset;
    if (editMode() == deformBothMode)
        group->gridFrom[k] = offset;
    group->invalidate();
}

void PCanvas2::onMouseDrag(float sx, float sy)
{
    if (container == nullptr || world == nullptr)
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
    else if (hitKind >= hitDeform && hitKind <= hitLastDeform)
        dragDeform(sx, sy);
    else
        return;
    repaintWith(withOverlay);
}

// ---------------------------------------------------------------- releases

void PCanvas2::onMouseUp(float sx, float sy)
{
    pictureValid = false;
    buttonDown = false;
    if (container == nullptr || world == nullptr)
        return;
    prepareView();
    if (renderMode == withBand)
    {
        finishBand(sx, sy);
        return;
    }
    const bool moved = sx != pressX || sy != pressY;
    const bool clickedBody = hitKind == hitBody && !moved;
    finishGesture(moved);
    // A click on the selected shape steps on to the next shape under it, so that every shape of a
    // pile can be reached; a drag moves it.
    if (clickedBody && editMode() != wallpaperMode && editMode() != attachmentMode)
    {
        const auto p = toPage(sx, sy);
        if (hits.empty() && shape != nullptr)
            hits.push_back(shape);
        select(pick(p.x, p.y), nullptr);
    }
    repaintWith(withOverlay);
}

void PCanvas2::finishBand(float sx, float sy)
{
    renderMode = withOverlay;
    if (std::abs(sx - pressX) >= smallestBand && std::abs(sy - pressY) >= smallestBand)
    {
        const auto a = toPage(pressX, pressY), b = toPage(sx, sy);
        const PRect area = PRect::of(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
        PArray inside;
        if (sidePane == PContext::layerMode)
        {
            if (auto* layer = static_cast<PLayer*>(world->context.target(PClass::layer)))
                layer->collectInside(area, inside);
        }
        else if (sidePane == PContext::clipMode)
        {
            if (PCard* card = shownCard(*static_cast<PClip*>(container), false))
                card->collectInside(area, inside);
        }
        else
            container->collectInside(area, inside);
        for (PBase* object : inside)
            if (!isLockedGroup(object))
                object->setFlag(PFlag::selected, true);
        inside.clear();
    }
    repaint();
}

void PCanvas2::finishGesture(bool moved)
{
    const uint16_t handle = hitKind;
    hitKind = hitNothing;
    if (shape == nullptr)
        return;
    if (handle == hitPoint)
        finishPoint(moved);
    else if (handle >= hitDeform && handle <= hitLastDeform)
        finishDeform(moved);
    if (handle < hitBody || handle > hitScaleBoth)
        return;
    const auto after = PActionShape::Placement::of(*shape);
    if (after == savedTransform)
        return;
    // The action moves the shape again from where the press found it.
    savedTransform.applyTo(*shape);
    shape->invalidate();
    if (!moved)
        return;
    const Place place = locate(shape);
    PBase* related = sidePane == PContext::pageMode && editMode() == attachmentMode ? panel : nullptr;
    world->record(new PActionShape(*world, shape, savedTransform, after, place.group, related));
    hits.clear();
}

void PCanvas2::finishPoint(bool moved)
{
    if (point == nullptr)
        return;
    const auto after = PActionPoint::Values::of(*point);
    if (after.x == savedPoint.x && after.y == savedPoint.y)
        return;
    // A click never creates an action: the point goes back to where it was.
    savedPoint.applyTo(*point);
    shape->invalidate();
    if (moved)
        world->record(new PActionPoint(*world, point, savedPoint, after, shape));
}

void PCanvas2::finishDeform(bool moved)
{
    auto* group = static_cast<PGroup*>(shape);
    const auto after = PActionDeform::Grids::of(*group);
    savedGrids.applyTo(*group);
    group->invalidate();
    if (moved && !(after.from == savedGrids.from && after.to == savedGrids.to))
        world->record(new PActionDeform(*world, group, savedGrids, after));
}

void PCanvas2::onWheel(bool up)
{
    pictureValid = false;
    if (container == nullptr || world == nullptr)
        return;
    PContext& context = world->context;
    // The page point at the pane's centre stays there: the pan scales with the zoom.
    const float before = context.viewScale;
    context.viewScale = PSnap::zoomed(before, up);
    const float ratio = context.viewScale / before;
    // The fit's offset does not grow with the zoom, so it takes part in keeping the centre still.
    context.viewX = ratio * (context.viewX + context.fitX) - context.fitX;
    context.viewY = ratio * (context.viewY + context.fitY) - context.fitY;
    repaintWith(withOverlay);
}

// ---------------------------------------------------------------- keys

void PCanvas2::removeSelection()
{
    if (editMode() == pointMode && point != nullptr && isCurveLike(shape))
    {
        PPoint* removed = point;
        point = nullptr;
        world->record(new PActionRemove(*world, static_cast<PCurve*>(shape)->points, shape, removed));
    }
    else if (editMode() == shapeMode && shape != nullptr)
    {
        const Place place = locate(shape);
        if (place.list == nullptr)
            return;
        PShape* removed = shape;
        select(nullptr, nullptr);
        world->record(new PActionRemove(*world, *place.list, place.owner, removed));
    }
    readSelection();
    repaintWith(withOverlay);
}

void PCanvas2::markAll()
{
    if (container == nullptr)
        return;
    Place place = insertionPlace();
    if (place.list != nullptr)
        for (PBase* object : *place.list)
            if (!isLockedGroup(object))
                object->setFlag(PFlag::selected, true);
    repaintWith(withOverlay);
}

void PCanvas2::setAllThickness(uint16_t value)
{
    // A quick way to even out a line: no undo step, as the key is a drawing aid.
    auto* curve = static_cast<PCurve*>(shape);
    for (int i = 0; i < curve->points.size(); ++i)
        curve->pointAt(i)->thickness = value;
    curve->invalidate();
    broadcast(PNotify::geometry);
}

void PCanvas2::onCommand(PWidget* source, uint16_t code)
{
    pictureValid = false;
    // A key in the middle of a drag would act on a half-made gesture.
    if (buttonDown || world == nullptr)
        return;
    const bool passes = code >= saveKey && code <= helpKey;
    if (decorDeforming() && !passes)
        return;
    if (code != deleteKey && !passes && point != nullptr)
    {
        world->context.setTarget(nullptr, PClass::point);
        point = nullptr;
    }
    const bool editing = editMode() == shapeMode || editMode() == pointMode;
    switch (code)
    {
    case cutKey:
        if (editing && shape != nullptr)
            onMenu(PCommand::cut);
        break;
    case copyKey:
        if (editing && shape != nullptr)
            onMenu(PCommand::copy);
        break;
    case pasteKey:
        if (editing)
            onMenu(PCommand::paste);
        break;
    case deleteKey: removeSelection(); break;
    case markAllKey:
        if (editMode() == markingMode)
            markAll();
        break;
    case saveKey:
    case undoKey:
    case redoKey:
    case helpKey: PPane::onCommand(source, code); break;
    case homeKey:
        if (editing)
            onMenu(PCommand::front);
        break;
    case endKey: onMenu(PCommand::back); break;
    case pageUpKey: onMenu(PCommand::raise); break;
    case pageDownKey: onMenu(PCommand::lower); break;
    case returnKey:
        if (sidePane == PContext::pageMode && panel != nullptr)
            broadcast(PContext::layerMode);
        break;
    default:
        if (code >= firstDigitKey && code <= lastDigitKey && editMode() == pointMode && isCurveLike(shape))
            setAllThickness(static_cast<uint16_t>((code - firstDigitKey) * thicknessStep));
        break;
    }
}

// ---------------------------------------------------------------- popup and its commands

PPopup& PCanvas2::currentPopup()
{
    return sidePane == PContext::pageMode ? *popupPanel : *popupMain;
}

void PCanvas2::onPopup(PWidget*)
{
    if (world == nullptr || container == nullptr)
        return;
    const auto at = getComponent() != nullptr ? getComponent()->getMouseXYRelative() : juce::Point<int>();
    lastPopupX = static_cast<float>(at.x), lastPopupY = static_cast<float>(at.y);
    PPopup& popup = currentPopup();
    const bool editing = editMode() == shapeMode || editMode() == pointMode;
    const bool withShape = editing && shape != nullptr && locate(shape).list != nullptr;
    const PBase* clip = world->clipboardEntry(sidePane == PContext::pageMode ? PClass::panel : PClass::shape);
    for (int id : {PCommand::cut, PCommand::copy, PCommand::raise, PCommand::lower, PCommand::front, PCommand::back,
                   PCommand::flipH, PCommand::flipV, PCommand::flipD})
        popup.setEnabled(id, withShape);
    popup.setEnabled(PCommand::paste, editing && clip != nullptr);
    popup.setEnabled(PCommand::init, shape != nullptr);
    popup.rebuild();
    if (auto* c = getComponent())
        c->setEnabled(false);
    const int chosen = popup.show();
    if (auto* c = getComponent())
        c->setEnabled(true);
    if (chosen != 0)
        onMenu(chosen);
    lastPopupX = lastPopupY = 0;
}

void PCanvas2::onMenu(int code)
{
    pictureValid = false;
    if (world == nullptr || container == nullptr || (decorDeforming() && code != PCommand::init))
        return;
    if (point != nullptr)
    {
        world->context.setTarget(nullptr, PClass::point);
        point = nullptr;
    }
    const uint16_t mode = editMode();
    const bool editing = mode == shapeMode || mode == pointMode;
    const Place place = locate(shape);
    const bool withShape = editing && shape != nullptr && place.list != nullptr;
    prepareView();
    switch (code)
    {
    case PCommand::cut:
        if (withShape)
        {
            PShape* cut = shape;
            select(nullptr, nullptr);
            world->record(new PActionCut(*world, *place.list, cut, place.owner));
        }
        break;
    case PCommand::copy:
        if (withShape)
            world->record(new PActionCopy(*world, shape));
        break;
    case PCommand::paste:
        if (editing)
            paste();
        break;
    case PCommand::front:
    case PCommand::raise:
        if (withShape)
            world->record(new PActionRaise(*world, *place.list, shape, code == PCommand::front));
        break;
    case PCommand::back:
    case PCommand::lower:
        if (withShape)
            world->record(new PActionLower(*world, *place.list, shape, code == PCommand::back));
        break;
    case PCommand::flipH:
    case PCommand::flipV:
        if (withShape)
            world->record(new PActionFlip(*world, shape,
                                          code == PCommand::flipH ? PActionFlip::horizontal : PActionFlip::vertical));
        break;
    case PCommand::flipD:
        if (withShape)
            mirror(place);
        break;
    case PCommand::init: resetTransform(); break;
    default: break;
    }
    if (mode == pointMode)
    {
        world->editMode = shapeMode;
        broadcast(PNotify::modeChanged);
    }
    readSelection();
    repaintWith(withOverlay);
}

void PCanvas2::paste()
{
    const uint16_t kindOfEntry = sidePane == PContext::pageMode ? PClass::panel : PClass::shape;
    const PBase* entry = world->clipboardEntry(kindOfEntry);
    Place place = insertionPlace(true);
    if (entry == nullptr || place.list == nullptr || !isShape(entry))
        return;
    auto* copy = static_cast<PShape*>(entry->clone());
    // At the last right click, or the pane's centre for a key; in the coordinates of the list.
    const bool fromPopup = lastPopupX != 0 || lastPopupY != 0;
    auto at = fromPopup ? toPage(lastPopupX, lastPopupY) : paneCentre();
    (void) place.parentToPage.transformBack(at.x, at.y); // a flattened panel keeps the page point
    copy->x = at.x, copy->y = at.y;
    world->record(new PActionInsert(*world, *place.list, place.owner, copy, -1));
}

void PCanvas2::mirror(const Place& place)
{
    auto* copy = static_cast<PShape*>(shape->clone());
    auto* compound = new PActions(*world, "Action.Mirror");
    compound->add(new PActionInsert(*world, *place.list, place.owner, copy, place.list->indexOf(shape) + 1));
    compound->add(new PActionFlip(*world, copy, PActionFlip::horizontal));
    world->record(compound);
}

void PCanvas2::resetTransform()
{
    if (shape == nullptr)
        return;
    if (decorDeforming())
    {
        auto* group = static_cast<PGroup*>(shape);
        const auto before = PActionDeform::Grids::of(*group);
        PActionDeform::Grids after;
        if (!(before.from == after.from && before.to == after.to))
            world->record(new PActionDeform(*world, group, before, after));
        return;
    }
    const uint16_t mode = editMode();
    if (mode != wallpaperMode && mode != attachmentMode && mode != shapeMode)
        return;
    const auto before = PActionShape::Placement::of(*shape);
    PActionShape::Placement after;
    after.x = before.x, after.y = before.y;
    if (!(after == before))
        world->record(new PActionShape(*world, shape, before, after, locate(shape).group,
                                       mode == attachmentMode ? panel : nullptr));
}

// ---------------------------------------------------------------- new shapes

void PCanvas2::addShape(PShape* made, const char* compoundName)
{
    pictureValid = false;
    Place place = insertionPlace(true);
    if (world == nullptr || place.list == nullptr)
    {
        delete made;
        return;
    }
    auto centre = paneCentre();
    (void) place.parentToPage.transformBack(centre.x, centre.y); // a flattened panel keeps the page point
    made->x = centre.x, made->y = centre.y;
    if (compoundName == nullptr)
    {
        world->record(new PActionInsert(*world, *place.list, place.owner, made, -1));
        return;
    }
    // A panel comes with its first layer, as one step.
    auto* compound = new PActions(*world, compoundName);
    auto* newPanel = static_cast<PPanel*>(made);
    compound->add(new PActionInsert(*world, *place.list, place.owner, made, -1));
    compound->add(new PActionNew(*world, newPanel->layers, new PLayer()));
    world->record(compound);
}

void PCanvas2::addCurve()
{
    if (container == nullptr || sidePane == PContext::pageMode)
        return;
    prepareView();
    const float half = pixelsToPage(newShapePixels) / 2;
    auto* curve = new PCurve();
    addArc(*curve, half);
    addShape(curve);
}

void PCanvas2::addBrush()
{
    if (container == nullptr || sidePane == PContext::pageMode)
        return;
    prepareView();
    auto* brush = new PBrush();
    // Strokes are laid a set width around the guide, so a guide as short as a new curve would
    // vanish inside its own ribbon.
    constexpr float guideLengths = 4;
    addArc(*brush, pixelsToPage(newShapePixels * guideLengths) / 2);
    addShape(brush);
}

void PCanvas2::addArtwork(const PItem& item)
{
    if (container == nullptr || sidePane == PContext::pageMode || &item == container)
        return;
    auto made = std::make_unique<PGroup>();
    if (item.classId() == PClass::clip)
    {
        const auto& clip = static_cast<const PClip&>(item);
        // The card the clip is worked on, or, when that one is empty, the first that has artwork.
        const PCard* card = nullptr;
        for (int i = 0; i < clip.cards.size(); ++i)
        {
            const PCard* candidate = clip.cardAt(i);
            if (candidate->shapes.isEmpty())
                continue;
            if (card == nullptr || candidate->cardNo == clip.currentKey)
                card = candidate;
        }
        if (card != nullptr)
            for (PBase* member : card->shapes)
                made->children.append(member->clone());
    }
    else if (item.classId() == PClass::decor && static_cast<const PDecor&>(item).content != nullptr)
        made.reset(static_cast<PGroup*>(static_cast<const PDecor&>(item).content->clone()));
    if (made->children.isEmpty())
        return;
    prepareView();
    addShape(made.release());
}

PArray* PCanvas2::shownList() const
{
    return insertionPlace().list;
}

void PCanvas2::addPanel()
{
    if (page == nullptr || sidePane != PContext::pageMode)
        return;
    prepareView();
    const float half = pixelsToPage(newShapePixels) / 2;
    auto* made = new PPanel();
    for (auto [px, py] : {std::pair{-half, -half}, {half, -half}, {half, half}, {-half, half}})
    {
        auto* corner = new PPoint(px, py);
        corner->sharpness = 100;
        made->points.append(corner);
    }
    made->setClosed(true);
    made->attachment = std::make_unique<PShape>();
    addShape(made, "Action.Panel");
}

void PCanvas2::addText()
{
    if (container == nullptr || sidePane == PContext::pageMode)
        return;
    prepareView();
    auto* text = new PText();
    text->text.assign(::translate("Text.Sample"));
    addShape(text);
}

bool PCanvas2::addImage(const juce::File& file)
{
    if (container == nullptr || sidePane == PContext::pageMode)
        return false;
    auto image = std::make_unique<PImage>();
    image->setFile(file.getFullPathName());
    image->flags |= PImage::byFullPath;
    if (!image->loadImage(nullptr))
        return false;
    prepareView();
    const auto longest = static_cast<float>(std::max(image->pixelWidth, image->pixelHeight));
    if (longest > 0)
        image->scaleX = image->scaleY =
            pixelsToPage(newShapePixels) / (longest * static_cast<float>(PImage::pointsToCentimetres));
    image->normalize();
    addShape(image.release());
    return true;
}

void PCanvas2::chooseImage()
{
    juce::File chosen;
    if (askImageFile)
        chosen = askImageFile();
    else
    {
        juce::FileChooser chooser(::translate("FileChooser.Load"), {}, "*.jpg;*.jpeg;*.png;*.gif");
        if (chooser.browseForFileToOpen())
            chosen = chooser.getResult();
    }
    if (chosen == juce::File() || addImage(chosen))
        return;
    const auto text = ::translate("Message.ImageError") + "\n(" + chosen.getFullPathName() + ")";
    if (reportError)
        reportError(text);
    else
        juce::AlertWindow::showMessageBox(juce::MessageBoxIconType::WarningIcon, ::translate("Message.Error"), text,
                                          ::translate("Text.Close"));
}

// ---------------------------------------------------------------- notifications

void PCanvas2::onNotify(uint16_t code)
{
    pictureValid = false;
    switch (code)
    {
    case PNotify::modeChanged:
    case PNotify::switchChanged: readSelection(); break;
    case PNotify::selection:
    {
        const PBase* before = container;
        readSelection();
        if (container != before && page != nullptr)
            page->setFlag(PFlag::selected, false);
        break;
    }
    case PNotify::refit:
        needsFit = true;
        clearDragState();
        break;
    case PContext::pageMode:
    case PContext::layerMode:
    case PContext::clipMode:
    case PContext::decorMode:
        readSelection();
        needsFit = container != nullptr;
        break;
    case PNotify::viewChanging: return; // the software and this GL view need no preparing
    case PNotify::wallpaperChanged:
        // A new or cleared wallpaper: the old one may be about to go, so nothing may hold it.
        readSelection();
        break;
    case PNotify::plainFrame: repaintWith(plainFrame); return;
    case PNotify::highQualityFrame: repaintWith(highQuality); return;
    default: break;
    }
    repaintWith(withOverlay);
}
