#include "ui/canvasselection.h"

#include <vector>

#include "edit/world.h"
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

namespace
{
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

bool isCurveLike(const PBase* object)
{
    const uint16_t id = object != nullptr ? object->classId() : PClass::base;
    return id == PClass::curve || id == PClass::panel || id == PClass::brush;
}

bool isLockedGroup(const PBase* object)
{
    return object != nullptr && object->classId() == PClass::group && object->hasFlag(PGroup::deformed);
}

void PCanvasSelection::read(POption* options)
{
    page = nullptr, container = nullptr, panel = nullptr, shape = nullptr, point = nullptr, sidePane = PPaneKind::none;
    if (world == nullptr)
        return;
    const PContext& context = world->context;
    sidePane = context.mode;
    container = context.container();
    page = static_cast<PPage*>(context.target(PClass::page));
    panel = static_cast<PPanel*>(context.target(PClass::panel));
    shape = static_cast<PShape*>(context.target(PClass::shape));
    if (sidePane == PPaneKind::pages)
        shape = editMode() == PEditMode::attachment && panel != nullptr ? panel->attachment.get() : panel;
    // Deforming needs a decor item: with none (a comic without decor, an empty group tab, the
    // shown item just cut) there is nothing to deform and the handles stay away.
    if (decorDeforming())
        shape = shownDecor() != nullptr ? shownDecor()->content.get() : nullptr;
    point = static_cast<PPoint*>(context.target(PClass::point));
    if (editMode() == PEditMode::wallpaper)
        shape = options != nullptr ? options->wall.get() : nullptr;
}

PEditMode PCanvasSelection::editMode() const
{
    return world != nullptr ? world->editMode : PEditMode::none;
}

bool PCanvasSelection::placesShapes() const
{
    const PEditMode mode = editMode();
    return mode == PEditMode::shape || mode == PEditMode::attachment || mode == PEditMode::wallpaper;
}

PDecor* PCanvasSelection::shownDecor() const
{
    if (sidePane != PPaneKind::decor || container == nullptr || container->classId() != PClass::decor)
        return nullptr;
    return static_cast<PDecor*>(container);
}

bool PCanvasSelection::decorDeforming() const
{
    const PEditMode mode = editMode();
    return sidePane == PPaneKind::decor && (mode == PEditMode::deform || mode == PEditMode::deformBoth);
}

PLayer* PCanvasSelection::layer() const
{
    return world != nullptr ? static_cast<PLayer*>(world->context.target(PClass::layer)) : nullptr;
}

bool PCanvasSelection::hasPointOverlay() const
{
    return editMode() == PEditMode::point && isCurveLike(shape);
}

PCanvasSelection::Place PCanvasSelection::locate(const PShape* target) const
{
    if (target == nullptr || container == nullptr)
        return {};
    PBase* topOwner = nullptr;
    PArray* top = shapesOf(container, topOwner, false);
    PMatrix base = PMatrix::identity();
    if (sidePane == PPaneKind::layers && panel != nullptr)
        base = panel->transform();
    // Depth first through groups, carrying each group's matrix down.
    std::vector<Place> open{{top, topOwner, base, nullptr}};
    while (!open.empty())
    {
        const Place level = open.back();
        open.pop_back();
        if (level.list == nullptr)
            continue;
        for (PBase* object : *level.list)
        {
            if (object == target)
                return level;
            if (object->classId() == PClass::group)
            {
                auto* group = static_cast<PGroup*>(object);
                open.push_back({&group->children, group, level.parentToPage * group->transform(), group});
            }
        }
    }
    if (panel != nullptr && target == panel->attachment.get())
        return {nullptr, panel, panel->transform(), nullptr};
    if (shownDecor() != nullptr && target == shownDecor()->content.get())
        return {nullptr, container, PMatrix::identity(), nullptr};
    return {nullptr, nullptr, PMatrix::identity(), nullptr};
}

PCanvasSelection::Place PCanvasSelection::insertionPlace(bool create) const
{
    Place place;
    if (sidePane == PPaneKind::layers)
    {
        PLayer* shownLayer = layer();
        if (shownLayer == nullptr || panel == nullptr)
            return place;
        return {&shownLayer->shapes, shownLayer, panel->transform(), nullptr};
    }
    place.list = shapesOf(container, place.owner, create);
    return place;
}

PMatrix PCanvasSelection::shapeToPage() const
{
    return shape != nullptr ? locate(shape).parentToPage * shape->transform() : PMatrix::identity();
}

const PBase* PCanvasSelection::fitSource() const
{
    switch (sidePane)
    {
    case PPaneKind::layers: return panel;
    case PPaneKind::decor: return shownDecor() != nullptr ? shownDecor()->content.get() : nullptr;
    case PPaneKind::clips: return nullptr;
    default: return page;
    }
}

PBase* PCanvasSelection::searched() const
{
    if (sidePane == PPaneKind::layers)
        return layer();
    if (sidePane == PPaneKind::clips && container != nullptr)
        return shownCard(*static_cast<PClip*>(container), false);
    return container;
}

void PCanvasSelection::select(PShape* picked, PPoint* pickedPoint)
{
    if (world == nullptr)
        return;
    PContext& context = world->context;
    const uint16_t slotClass = sidePane == PPaneKind::pages ? PClass::panel : PClass::shape;
    if (picked != nullptr)
        context.setTarget(picked, slotClass);
    else if (shape != nullptr && editMode() != PEditMode::wallpaper)
        context.setTarget(nullptr, slotClass);
    if (pickedPoint != nullptr)
        context.setTarget(pickedPoint, PClass::point);
    shape = picked;
    point = pickedPoint;
    world->broadcast(PNotify::selection);
}

void PCanvasSelection::dropPoint()
{
    if (point == nullptr || world == nullptr)
        return;
    world->context.setTarget(nullptr, PClass::point);
    point = nullptr;
}
