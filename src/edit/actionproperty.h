#pragma once

#include "edit/action.h"
#include "model/fontspec.h"

/** One value of the document objects that a PActionProperty sets: its undo name and how it is
    written. write answers true when the target took the value as a drawn attribute, whose
    geometry must be derived again and which the panes hear of; false when the target has no
    such value or write told the panes itself (a list shows a new name, nothing is drawn). */
template <class Value> struct PProperty
{
    /** The undo name's text key. */
    const char* key;
    bool (*write)(PAction& action, PBase& target, const Value& value);
    /** When set, gives the key by the target's class instead. */
    const char* (*keyFor)(const PBase* target) = nullptr;
};

/** The values that properties set. */
namespace PProperties
{
/** The fill and line colour of a panel, curve or brush; both are a text's one colour. */
extern const PProperty<uint32_t> fillColour, lineColour;
extern const PProperty<PFontSpec> font;
/** An image's file name, a text's content, or the name of a page, layer, clip or decor. */
extern const PProperty<PName> string;
/** The variant of a brush stroke's point, a layer's stroke setting, a brush's kind and random
    seed, and a text's alignment. */
extern const PProperty<uint16_t> variant, stroke, kind, seed, align;
/** The generator parameters of a brush stroke. */
extern const PProperty<float> density, thickness, largeness, distribute, oscillate;
} // namespace PProperties

/** A new value of one property of an object; a target without that property is left alone.

        world.record(std::make_unique<PActionProperty<PFontSpec>>(world, text, PProperties::font,
                                                                  text->fontSpec, bold));
*/
template <class Value> class PActionProperty : public PAction
{
public:
    PActionProperty(PWorld& session, PBase* changed, const PProperty<Value>& what, const Value& valueBefore,
                    const Value& valueAfter)
        : PAction(session), target(changed), property(&what), before(valueBefore), after(valueAfter)
    {
    }

    void name(PName& out) const override
    {
        nameFrom(property->keyFor != nullptr ? property->keyFor(target) : property->key, out);
    }

    PBase* target = nullptr;
    const PProperty<Value>* property;
    Value before, after;

protected:
    void apply(bool) override { write(after); }
    void revert() override { write(before); }

private:
    void write(const Value& value)
    {
        if (target == nullptr || !property->write(*this, *target, value))
            return;
        target->invalidate();
        notify(PNotify::attribute);
    }
};
