#include "ui/attributepane.h"

#include "edit/action.h"
#include "edit/notifier.h"
#include "edit/world.h"
#include "model/point.h"
#include "model/shape.h"

namespace
{
}

void PAttributePane::Section::show(bool on) const
{
    for (auto* widget : widgets)
        widget->setVisible(on);
}

void PAttributePane::Section::enable(bool on) const
{
    for (auto* widget : widgets)
        widget->setEnabled(on);
}

PAttributePane::PAttributePane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PPane(parentPane, gx, gy, gw, gh, Kind::plain)
{
}

void PAttributePane::setWorld(PWorld* session)
{
    world = session;
    context = session != nullptr ? &session->context : nullptr;
    rebuild();
}

const char* PAttributePane::titleKeyFor(uint16_t classId)
{
    switch (classId)
    {
    case PClass::group: return "Group.Label";
    case PClass::text: return "Text.Label";
    case PClass::image: return "Image.Label";
    case PClass::brush: return "Brush.Label";
    default: return "Curve.Label";
    }
}

PShape* PAttributePane::currentShape() const
{
    return context != nullptr ? static_cast<PShape*>(context->target(PClass::shape)) : nullptr;
}

PPoint* PAttributePane::currentPoint(const PShape* ofShape) const
{
    if (context == nullptr || ofShape == nullptr || context->pointOwner() != ofShape)
        return nullptr;
    return static_cast<PPoint*>(context->target(PClass::point));
}

void PAttributePane::refresh()
{
    comic = context != nullptr ? context->comic() : nullptr;
    shape = currentShape();
    point = currentPoint(shape);
    showValues();
}

void PAttributePane::rebuild()
{
    shape = nullptr;
    point = nullptr;
    refresh();
}

void PAttributePane::onNotify(PNotify code)
{
    if (code == PNotify::modeChanged || code == PNotify::attribute)
        refresh();
    else if (code == PNotify::rebuild)
        rebuild();
    else if (code == PNotify::selection && context != nullptr)
    {
        if (context->comic() != comic)
            rebuild();
        else if (currentShape() != shape)
            refresh();
        else if (PPoint* now = currentPoint(shape); now != point)
        {
            point = now;
            showPoint();
        }
    }
}

bool PAttributePane::canEdit() const
{
    return world != nullptr && context != nullptr && comic != nullptr && shape != nullptr &&
           context->comic() == comic && currentShape() == shape;
}

void PAttributePane::perform(std::unique_ptr<PAction> action)
{
    if (world != nullptr)
        world->record(std::move(action));
}
