#include "ui/shapepane.h"

#include "edit/actionflag.h"
#include "edit/actionproperty.h"
#include "edit/actionshade.h"
#include "edit/world.h"
#include "model/choicelists.h"
#include "model/curve.h"
#include "model/group.h"
#include "model/image.h"
#include "model/option.h"
#include "model/shade.h"
#include "model/text.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/style.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/title.h"
#include "ui/widgets/widgethost.h"

namespace
{
constexpr int fullWidth = PShapePane::columns, half = fullWidth / 2, labelWidth = 5,
              fieldWidth = fullWidth - labelWidth;
constexpr int tintWidth = 3, textLines = 4;
constexpr int titleRow = 0, firstRow = 1, secondRow = 2, thirdRow = 3, textRow = 4, applyRow = textRow + textLines;
constexpr int applyWidth = 5;

/** The several-line field of a text shape: an editor stretched over some grid rows. */
class PTextBox : public PEdit
{
public:
    PTextBox(PPane* parentPane, int gx, int gy, int gw, int lines) : PEdit(parentPane, gx, gy, gw, 0), lineCount(lines)
    {
        if (auto* editor = dynamic_cast<juce::TextEditor*>(getComponent()))
        {
            editor->setMultiLine(true, true);
            editor->setReturnKeyStartsNewLine(true);
        }
        layout();
    }

    void layout() override
    {
        const POption* o = getOptions();
        insetBottom = (lineCount - 1) * (o != nullptr ? o->cell : 0);
        PEdit::layout();
    }

private:
    int lineCount;
};

bool isCurveClass(uint16_t id)
{
    return id == PClass::curve || id == PClass::panel || id == PClass::brush;
}

/** The fill colours that shading can replace inside a group: those of its closed curves and
    panels, members of inner groups included, each colour once. */
void collectFills(const PGroup& group, std::vector<uint32_t>& out)
{
    for (auto* child : group.children)
    {
        const uint16_t id = child->classId();
        if (id == PClass::group)
            collectFills(*static_cast<const PGroup*>(child), out);
        if (id != PClass::curve && id != PClass::panel)
            continue;
        auto* curve = static_cast<const PCurve*>(child);
        if (!curve->hasFill())
            continue;
        bool known = false;
        for (uint32_t colour : out)
            known = known || PCurve::coloursMatch(colour, curve->fillColour);
        if (!known)
            out.push_back(curve->fillColour);
    }
}

template <class W> W* captioned(W* widget, const char* key)
{
    widget->setText(key);
    return widget;
}
} // namespace

PShapePane::PShapePane(PPane* parentPane, int gx, int gy, int gw, int gh) : PAttributePane(parentPane, gx, gy, gw, gh)
{
    title = new PTitle(this, 0, titleRow, fullWidth, 0);

    shades = groupSection.add(new PPalette(this, (fullWidth - PPalette::strip - 2) / 2, firstRow));
    shades->setTooltip("Group.TipShade");

    lineLabel = curveSection.add(captioned(new PLabel(this, 0, firstRow, half, 0), "Curve.Color"));
    coloursLabel = curveSection.add(captioned(new PLabel(this, 0, firstRow, half, 0), "Curve.Colors"));
    lineTint = curveSection.add(new PTint(this, half, firstRow, tintWidth, 0));
    fillTint = curveSection.add(new PTint(this, half + tintWidth, firstRow, tintWidth, 0));
    closed = curveSection.add(captioned(new PCheck(this, 0, secondRow, half, 0), "Curve.Closed"));
    skip = curveSection.add(captioned(new PCheck(this, half, secondRow, half, 0), "Point.Skip"));

    textColourLabel = textSection.add(captioned(new PLabel(this, 0, firstRow, labelWidth, 0), "Text.Color"));
    textTint = textSection.add(new PTint(this, labelWidth, firstRow, fieldWidth, 0));
    fontLabel = textSection.add(captioned(new PLabel(this, 0, secondRow, labelWidth, 0), "Text.Font"));
    font = textSection.add(new PStyle(this, labelWidth, secondRow, fieldWidth, 0));
    alignLabel = textSection.add(captioned(new PLabel(this, 0, thirdRow, labelWidth, 0), "Text.Align"));
    align = textSection.add(new PCombo(this, labelWidth, thirdRow, fieldWidth, 0));
    align->fill(PChoiceList::align);
    textEdit = textSection.add(new PTextBox(this, 0, textRow, fullWidth, textLines));
    apply =
        textSection.add(captioned(new PButton(this, fullWidth - applyWidth, applyRow, applyWidth, 0), "Text.Apply"));

    imageLabel = imageSection.add(captioned(new PLabel(this, 0, firstRow, labelWidth, 0), "Image.File"));
    imageFile = imageSection.add(new PLabel(this, labelWidth, firstRow, fieldWidth, 0));

    showValues();
}

PShape* PShapePane::currentShape() const
{
    if (context == nullptr)
        return nullptr;
    // The Pages pane edits panels: its current panel is the shape whose attributes are shown.
    const uint16_t shownClass = context->mode == PPaneKind::pages ? PClass::panel : PClass::shape;
    return static_cast<PShape*>(context->target(shownClass));
}

void PShapePane::showValues()
{
    const uint16_t id = shape != nullptr ? shape->classId() : PClass::base;
    title->setVisible(shape != nullptr);
    title->setEnabled(shape != nullptr);
    title->setText(titleKeyFor(id));
    groupSection.show(id == PClass::group);
    curveSection.show(isCurveClass(id));
    textSection.show(id == PClass::text);
    imageSection.show(id == PClass::image);
    groupSection.enable(id == PClass::group);
    textSection.enable(id == PClass::text);

    if (id == PClass::group)
        showShades();
    if (isCurveClass(id))
        showCurve();
    showText(shape == textShape);
    textShape = id == PClass::text ? shape : nullptr;
    if (id == PClass::image)
        imageFile->setPlainText(static_cast<PImage*>(shape)->file.toString());
}

void PShapePane::showCurve()
{
    auto* curve = static_cast<PCurve*>(shape);
    const bool isClosed = curve->isClosed();
    const bool plainCurve = curve->classId() == PClass::curve;
    lineLabel->setVisible(!isClosed);
    coloursLabel->setVisible(isClosed);
    lineTint->setEnabled(true);
    lineTint->setColour(curve->lineColour);
    fillTint->setEnabled(isClosed);
    fillTint->setColour(curve->fillColour);
    closed->setEnabled(plainCurve);
    closed->setOn(isClosed);
    showPoint();
}

void PShapePane::showPoint()
{
    const bool curveShown = shape != nullptr && isCurveClass(shape->classId());
    skip->setVisible(curveShown && point != nullptr);
    skip->setEnabled(curveShown && shape->classId() == PClass::curve);
    skip->setOn(point != nullptr && point->hasFlag(PPoint::gap));
}

void PShapePane::showText(bool sameShape)
{
    if (shape == nullptr || shape->classId() != PClass::text)
        return;
    auto* text = static_cast<PText*>(shape);
    textTint->setColour(text->colour);
    font->setFontSpec(text->fontSpec);
    align->select(text->align);
    // Unapplied typing survives a change of another attribute, but not an undo of the text.
    if (!sameShape || !(text->text == shownText))
    {
        shownText = text->text;
        textEdit->setValue(shownText.toString());
    }
}

void PShapePane::showShades()
{
    shadeColours.clear();
    collectFills(*static_cast<PGroup*>(shape), shadeColours);
    shades->setColours(shadeColours);
}

void PShapePane::onChange(PWidget* source)
{
    if (!canEdit() || source == textEdit)
        return;
    const uint16_t id = shape->classId();
    if (source == closed && id == PClass::curve)
    {
        auto* curve = static_cast<PCurve*>(shape);
        if (closed->isOn() != curve->isClosed())
            perform(std::make_unique<PActionFlag>(*world, curve, PCurve::closed, closed->isOn(), curve->isClosed()));
    }
    else if (source == skip && id == PClass::curve && point != nullptr)
    {
        const bool wasGap = point->hasFlag(PPoint::gap);
        if (skip->isOn() != wasGap)
            perform(std::make_unique<PActionFlag>(*world, point, PPoint::gap, skip->isOn(), wasGap, shape));
    }
    else if (source == lineTint || source == fillTint || source == textTint)
        changeColour(static_cast<PTint*>(source));
    else if (source == font && id == PClass::text)
    {
        auto* text = static_cast<PText*>(shape);
        if (!(font->fontSpec == text->fontSpec))
            perform(std::make_unique<PActionProperty<PFontSpec>>(*world, text, PProperties::font, text->fontSpec,
                                                                 font->fontSpec));
    }
    else if (source == align && id == PClass::text)
    {
        auto* text = static_cast<PText*>(shape);
        const auto chosen = static_cast<uint16_t>(align->selectedCode());
        if (chosen != 0 && chosen != text->align)
            perform(std::make_unique<PActionProperty<uint16_t>>(*world, text, PProperties::align, text->align, chosen));
    }
    else if (source == shades && id == PClass::group)
        changeShade();
}

void PShapePane::changeColour(PTint* tint)
{
    const uint16_t id = shape->classId();
    if (tint == textTint && id == PClass::text)
    {
        auto* text = static_cast<PText*>(shape);
        if (tint->colour != text->colour)
            perform(std::make_unique<PActionProperty<uint32_t>>(*world, text, PProperties::lineColour, text->colour,
                                                                tint->colour));
    }
    else if (tint != textTint && isCurveClass(id))
    {
        auto* curve = static_cast<PCurve*>(shape);
        const bool fill = tint == fillTint;
        const uint32_t old = fill ? curve->fillColour : curve->lineColour;
        if (tint->colour != old)
            perform(std::make_unique<PActionProperty<uint32_t>>(
                *world, curve, fill ? PProperties::fillColour : PProperties::lineColour, old, tint->colour));
        // The next line drawn by hand takes the colour chosen last.
        (fill ? world->drawStyle.fillColour : world->drawStyle.lineColour) = tint->colour;
    }
}

void PShapePane::changeShade()
{
    const int index = shades->chosen();
    const int shown = index - shades->firstShown();
    if (index < 0 || index >= static_cast<int>(shadeColours.size()) || shown < 0 || shown >= PPalette::strip)
        return;
    const uint32_t from = shadeColours[static_cast<size_t>(index)];
    auto* entry = shades->entries[static_cast<size_t>(shown)];
    // The editor works on the entry's own colour, so the swatch shows each change as it is made.
    const bool accepted = PWidgetHost::get().editColour(*entry, entry->colour);
    const uint32_t to = entry->colour;
    if (!accepted || to == from || !canEdit())
    {
        entry->setColour(from);
        return;
    }
    PArray pairs;
    pairs.append(new PShade(from, to));
    perform(std::make_unique<PActionShade>(*world, shape, pairs));
    pairs.deleteAll();
}

void PShapePane::onClick(PWidget* source)
{
    if (source == apply && canEdit() && shape->classId() == PClass::text)
        applyText();
}

void PShapePane::applyText()
{
    auto* text = static_cast<PText*>(shape);
    if (textEdit->text == text->text)
        return;
    perform(std::make_unique<PActionProperty<PName>>(*world, text, PProperties::string, text->text, textEdit->text));
}
