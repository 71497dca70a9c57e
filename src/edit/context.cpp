#include "edit/context.h"

#include <algorithm>

#include "model/comic.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/shape.h"

namespace
{
/** Where the last chain of each mode stood: page, panel, layer, clip, decor. */
std::array<int, 5> positions{};

int positionIndex(uint16_t classId)
{
    switch (classId)
    {
    case PClass::page: return 0;
    case PClass::panel: return 1;
    case PClass::layer: return 2;
    case PClass::clip: return 3;
    case PClass::decor: return 4;
    default: return -1;
    }
}

bool isOneOf(uint16_t id, std::initializer_list<uint16_t> ids)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

/** The list of parent that holds children of a class, for the kinds a chain remembers. */
const PArray* childList(const PBase* parent, uint16_t childClass)
{
    if (parent == nullptr)
        return nullptr;
    if (auto* comic = dynamic_cast<const PComic*>(parent))
        return childClass == PClass::page    ? &comic->pages
               : childClass == PClass::clip  ? &comic->clips
               : childClass == PClass::decor ? &comic->decor
                                             : nullptr;
    if (auto* page = dynamic_cast<const PPage*>(parent))
        return childClass == PClass::panel ? &page->panels : nullptr;
    if (auto* panel = dynamic_cast<const PPanel*>(parent))
        return childClass == PClass::layer ? &panel->layers : nullptr;
    return nullptr;
}

void clearCurrent(PBase* object)
{
    if (object != nullptr)
        object->flags &= ~PFlag::current;
}

void setCurrent(PBase* object)
{
    if (object != nullptr)
        object->flags |= PFlag::current;
}
} // namespace

void PContext::copyFrom(const PBase* other)
{
    auto* context = dynamic_cast<const PContext*>(other);
    if (context == nullptr || context == this)
        return;
    PBase::copyFrom(other);
    mode = context->mode;
    viewScale = context->viewScale;
    viewX = context->viewX;
    viewY = context->viewY;
    zoomCentreX = context->zoomCentreX;
    zoomCentreY = context->zoomCentreY;
    viewCode = context->viewCode;
    targets = context->targets;
}

int PContext::slotOf(PPaneKind mode, uint16_t classId)
{
    const uint16_t id = classId == PClass::project ? PClass::comic : classId;
    if (id == PClass::comic)
        return 0;
    switch (mode)
    {
    case PPaneKind::pages:
        return id == PClass::page ? 1 : isOneOf(id, {PClass::curve, PClass::panel}) ? 2 : id == PClass::point ? 3 : -1;
    case PPaneKind::layers:
        return id == PClass::page                                                                        ? 1
               : id == PClass::panel                                                                     ? 2
               : id == PClass::layer                                                                     ? 3
               : isOneOf(id, {PClass::curve, PClass::group, PClass::image, PClass::shape, PClass::text}) ? 4
               : id == PClass::point                                                                     ? 5
                                                                                                         : -1;
    case PPaneKind::clips:
        return id == PClass::clip                                                         ? 1
               : id == PClass::card                                                       ? 2
               : isOneOf(id, {PClass::curve, PClass::group, PClass::shape, PClass::text}) ? 3
               : id == PClass::point                                                      ? 4
                                                                                          : -1;
    case PPaneKind::decor:
        return id == PClass::decor                                                                       ? 1
               : isOneOf(id, {PClass::curve, PClass::group, PClass::shape, PClass::text, PClass::brush}) ? 2
               : id == PClass::point                                                                     ? 3
                                                                                                         : -1;
    default: return -1;
    }
}

PBase* PContext::target(uint16_t classId) const
{
    const int slot = slotOf(classId);
    PBase* object = slot >= 0 ? targets[static_cast<size_t>(slot)] : nullptr;
    if (object == nullptr)
        return nullptr;
    if (classId == PClass::shape)
        return isShape(object) ? object : nullptr;
    if (classId == PClass::project)
        return object->classId() == PClass::comic ? object : nullptr;
    return object->classId() == classId ? object : nullptr;
}

PComic* PContext::comic() const
{
    return static_cast<PComic*>(target(PClass::comic));
}

PBase* PContext::pointOwner() const
{
    const int pointSlot = slotOf(PClass::point);
    PBase* owner = pointSlot > 0 ? targets[static_cast<size_t>(pointSlot) - 1] : nullptr;
    return isShape(owner) ? owner : nullptr;
}

PBase* PContext::container() const
{
    switch (mode)
    {
    case PPaneKind::pages: return target(PClass::page);
    case PPaneKind::layers: return target(PClass::layer);
    case PPaneKind::clips: return target(PClass::clip);
    case PPaneKind::decor: return target(PClass::decor);
    default: return nullptr;
    }
}

void PContext::setTarget(PBase* object, uint16_t classId)
{
    const int slot = slotOf(classId);
    if (slot < 0)
        return;
    for (int i = slot; i < slotCount; ++i)
    {
        clearCurrent(targets[static_cast<size_t>(i)]);
        targets[static_cast<size_t>(i)] = nullptr;
    }
    if (object == nullptr)
        return;
    targets[static_cast<size_t>(slot)] = object;
    setCurrent(object);
    remember(object, slot);
}

void PContext::remember(PBase* object, int slot)
{
    const int kind = positionIndex(object->classId());
    if (mode == PPaneKind::none || kind < 0 || slot == 0)
        return;
    if (const PArray* list = childList(targets[static_cast<size_t>(slot) - 1], object->classId()))
        if (const int at = list->indexOf(object); at >= 0)
            positions[static_cast<size_t>(kind)] = at;
}

void PContext::clear()
{
    for (auto& object : targets)
    {
        clearCurrent(object);
        object = nullptr;
    }
}

void PContext::assign(const PContext& other)
{
    if (&other == this)
        return;
    for (auto* object : targets)
        clearCurrent(object);
    copyFrom(&other);
    for (auto* object : targets)
        setCurrent(object);
}

void PContext::startChain(PComic* chainComic, PPaneKind newMode)
{
    clear();
    mode = newMode;
    setTarget(chainComic, PClass::comic);
    if (chainComic == nullptr)
        return;
    switch (mode)
    {
    case PPaneKind::pages: startAt(1, PClass::page); break;
    case PPaneKind::layers:
        startAt(1, PClass::page);
        startAt(2, PClass::panel);
        startAt(3, PClass::layer);
        break;
    case PPaneKind::clips: startAt(1, PClass::clip); break;
    case PPaneKind::decor: startAt(1, PClass::decor); break;
    default: break;
    }
}

void PContext::startAt(int slot, uint16_t classId)
{
    const PArray* list = childList(targets[static_cast<size_t>(slot) - 1], classId);
    if (list == nullptr || list->isEmpty())
        return;
    const int at = std::clamp(positions[static_cast<size_t>(positionIndex(classId))], 0, list->size() - 1);
    setTarget(list->at(at), classId);
}

int PContext::rememberedPosition(uint16_t classId)
{
    const int kind = positionIndex(classId);
    return kind >= 0 ? positions[static_cast<size_t>(kind)] : 0;
}

void PContext::forgetPositions()
{
    positions.fill(0);
}
