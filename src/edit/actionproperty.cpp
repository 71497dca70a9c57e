#include "edit/actionproperty.h"

#include "model/brush.h"
#include "model/image.h"
#include "model/item.h"
#include "model/layer.h"
#include "model/point.h"
#include "model/text.h"

namespace
{
uint16_t classOf(const PBase* target)
{
    return target != nullptr ? target->classId() : PClass::base;
}

/** Groups are re-coloured by shading instead, so a colour leaves every class but these alone. */
bool writeColour(PBase& target, uint32_t colour, bool fill)
{
    switch (target.classId())
    {
    case PClass::panel:
    case PClass::curve:
    case PClass::brush:
    {
        auto& curve = static_cast<PCurve&>(target);
        (fill ? curve.fillColour : curve.lineColour) = colour;
        // A brush lays its strokes in its own colours: they are generated again.
        return true;
    }
    case PClass::text: static_cast<PText&>(target).colour = colour; return true;
    default: return false;
    }
}

bool writeString(PAction& action, PBase& target, const PName& text)
{
    switch (target.classId())
    {
    case PClass::image: static_cast<PImage&>(target).setFile(text.toString()); return true;
    case PClass::text: static_cast<PText&>(target).text = text; return true;
    default:
        // A page, layer, clip or decor: its name, which only the lists show.
        if (auto* item = dynamic_cast<PItem*>(&target))
        {
            item->name = text;
            action.notify(PNotify::itemList);
        }
        return false;
    }
}

const char* stringKey(const PBase* target)
{
    const uint16_t id = classOf(target);
    return id == PClass::image ? "Action.Image" : id == PClass::text ? "Action.Text" : "Action.Rename";
}

bool writeVariant(PAction& action, PBase& target, const uint16_t& value)
{
    if (target.classId() != PClass::point)
        return false;
    static_cast<PPoint&>(target).variant = value;
    // The generators read the variants from the points: the stroke of the chain is laid again.
    if (PBase* brush = action.pointOwner())
        brush->invalidate();
    return true;
}

/** A value held in a field of the class classId. */
template <uint16_t classId, class Target, class Value, Value Target::*field>
bool writeField(PAction&, PBase& target, const Value& value)
{
    if (target.classId() != classId)
        return false;
    static_cast<Target&>(target).*field = value;
    return true;
}

bool writeSeed(PAction&, PBase& target, const uint16_t& value)
{
    if (target.classId() != PClass::brush)
        return false;
    static_cast<PBrush&>(target).seed = static_cast<int16_t>(value);
    return true;
}
} // namespace

namespace PProperties
{
const PProperty<uint32_t> fillColour{"Action.Color", [](PAction&, PBase& target, const uint32_t& colour)
                                     { return writeColour(target, colour, true); }};
const PProperty<uint32_t> lineColour{"Action.Color", [](PAction&, PBase& target, const uint32_t& colour)
                                     { return writeColour(target, colour, false); }};
const PProperty<PFontSpec> font{"Action.Font", writeField<PClass::text, PText, PFontSpec, &PText::fontSpec>};
const PProperty<PName> string{"Action.Rename", writeString, stringKey};
const PProperty<uint16_t> variant{"Action.Variant", writeVariant};
const PProperty<uint16_t> stroke{"Action.Stroke", writeField<PClass::layer, PLayer, uint16_t, &PLayer::stroke>};
const PProperty<uint16_t> kind{"Action.Kind", writeField<PClass::brush, PBrush, uint16_t, &PBrush::kind>};
const PProperty<uint16_t> seed{"Action.Seed", writeSeed};
const PProperty<uint16_t> align{"Action.Align", writeField<PClass::text, PText, uint16_t, &PText::align>};
const PProperty<float> density{"Action.Density", writeField<PClass::brush, PBrush, float, &PBrush::density>};
const PProperty<float> thickness{"Action.Thickness", writeField<PClass::brush, PBrush, float, &PBrush::thickness>};
const PProperty<float> largeness{"Action.Largeness", writeField<PClass::brush, PBrush, float, &PBrush::largeness>};
const PProperty<float> distribute{"Action.Distribute", writeField<PClass::brush, PBrush, float, &PBrush::distribute>};
const PProperty<float> oscillate{"Action.Oscillate", writeField<PClass::brush, PBrush, float, &PBrush::oscillate>};
} // namespace PProperties
