#include "model/panel.h"

#include "model/layer.h"
#include "model/stream.h"

PPanel::PPanel()
{
    flags |= closed;
}

PPanel::~PPanel()
{
    layers.deleteAll();
}

PLayer* PPanel::layerAt(int i) const
{
    return layers.get<PLayer>(i);
}

void PPanel::adoptLayers()
{
    for (PBase* layer : layers)
        static_cast<PLayer*>(layer)->panel = this;
}

void PPanel::copyFrom(const PBase* other)
{
    if (other == this)
        return;
    PCurve::copyFrom(other);
    const auto* panel = dynamic_cast<const PPanel*>(other);
    if (panel == nullptr)
        return;
    layers.deepCopy(panel->layers);
    adoptLayers();
    attachment.reset(panel->attachment != nullptr ? static_cast<PShape*>(panel->attachment->clone()) : nullptr);
}

void PPanel::write(PStream& s) const
{
    PCurve::write(s);
    s.writeList(layers);
    s.writeObject(attachment.get());
}

void PPanel::read(PStream& s)
{
    PCurve::read(s);
    s.readList(layers, PClass::layer);
    adoptLayers();
    // The canvas edits the attachment as a shape, so nothing else may come in its place.
    PBase* object = s.readObject();
    if (object != nullptr && !isShape(object))
    {
        delete object;
        object = nullptr;
        s.failed = true;
    }
    attachment.reset(static_cast<PShape*>(object));
}

void PPanel::clearMark()
{
    PCurve::clearMark();
    for (PBase* layer : layers)
        layer->clearMark();
    if (attachment != nullptr)
        attachment->clearMark();
}

void PPanel::invalidate()
{
    PCurve::invalidate();
    for (PBase* layer : layers)
        layer->invalidate();
    if (attachment != nullptr)
        attachment->invalidate();
}

bool PPanel::hasNoArtwork() const
{
    for (PBase* layer : layers)
        if (!static_cast<PLayer*>(layer)->shapes.isEmpty())
            return false;
    return true;
}

void PPanel::setOrigin(float px, float py)
{
    if (hasNoArtwork())
        PCurve::setOrigin(px, py);
}

void PPanel::centreOrigin()
{
    if (hasNoArtwork())
        PCurve::centreOrigin();
}

void PPanel::collectShadeUsers(PArray& shades)
{
    for (PBase* layer : layers)
        for (PBase* shape : static_cast<PLayer*>(layer)->shapes)
            static_cast<PShape*>(shape)->collectShadeUsers(shades);
}
