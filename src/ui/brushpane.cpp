#include "ui/brushpane.h"

#include <algorithm>

#include "edit/actionflag.h"
#include "edit/actionpattern.h"
#include "edit/actionproperty.h"
#include "edit/notifier.h"
#include "edit/world.h"
#include "model/brush.h"
#include "model/choicelists.h"
#include "model/clip.h"
#include "model/group.h"
#include "model/translate.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/label.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int fullWidth = PBrushPane::columns, half = fullWidth / 2, labelWidth = 4,
              fieldWidth = fullWidth - labelWidth;
constexpr int tintWidth = 3, clipWidth = 5, identWidth = 4, clearWidth = 3;
constexpr int titleRow = 0, headingRow = 1, firstKindRow = 2;

template <class W> W* captioned(W* widget, const char* key)
{
    widget->setText(key);
    return widget;
}

float& parameterOf(PBrush& brush, const PProperty<float>* property)
{
    return property == &PProperties::density      ? brush.density
           : property == &PProperties::largeness  ? brush.largeness
           : property == &PProperties::distribute ? brush.distribute
           : property == &PProperties::oscillate  ? brush.oscillate
                                                  : brush.thickness;
}

bool holds(const PAttributePane::Section& section, const PWidget* widget)
{
    return std::find(section.widgets.begin(), section.widgets.end(), widget) != section.widgets.end();
}

/** The pattern's clip name on its button; a pattern that came without one is still named a clip,
    never "none". */
void showPattern(PButton& button, const PClip* pattern)
{
    auto* caption = dynamic_cast<juce::Button*>(button.getComponent());
    if (pattern == nullptr || caption == nullptr)
    {
        button.setText("Text.Unknown");
        return;
    }
    button.captionKey.clear();
    caption->setButtonText(pattern->name.isEmpty() ? ::translate("Target.15") : pattern->name.toString());
}
} // namespace

PBrushPane::PBrushPane(PPane* parentPane, int gx, int gy, int gw, int gh) : PAttributePane(parentPane, gx, gy, gw, gh)
{
    title = heading.add(new PTitle(this, 0, titleRow, fullWidth - clipWidth, 0));
    clipCheck = heading.add(captioned(new PCheck(this, fullWidth - clipWidth, titleRow, clipWidth, 0), "Group.Clip"));
    clipCheck->setTooltip("Group.TipClip");
    buildCurveSection();
    kindLabel = brushHeading.add(captioned(new PLabel(this, 0, headingRow, labelWidth, 0), "Brush.Kind"));
    kindCombo = brushHeading.add(new PCombo(this, labelWidth, headingRow, fieldWidth, 0));
    kindCombo->fill(PChoiceList::brush);
    buildKindSections();
    showValues();
}

void PBrushPane::buildCurveSection()
{
    constexpr int row = headingRow;
    curveLineLabel = curveSection.add(captioned(new PLabel(this, 0, row, half, 0), "Curve.Color"));
    curveColoursLabel = curveSection.add(captioned(new PLabel(this, 0, row, half, 0), "Curve.Colors"));
    curveLineTint = curveSection.add(new PTint(this, half, row, tintWidth, 0));
    curveFillTint = curveSection.add(new PTint(this, half + tintWidth, row, tintWidth, 0));
    curveClosed = curveSection.add(captioned(new PCheck(this, 0, row + 1, half, 0), "Curve.Closed"));
    targets[curveLineTint] = {Edit::lineColour};
    targets[curveFillTint] = {Edit::fillColour};
    targets[curveClosed] = {Edit::closedFlag};
}

void PBrushPane::buildKindSections()
{
    for (int brushKind = PBrushGenerator::area; brushKind <= PBrushGenerator::fine; ++brushKind)
    {
        KindSection& s = *sectionOf(brushKind);
        const bool area = brushKind == PBrushGenerator::area, thick = brushKind == PBrushGenerator::thick;
        const bool spray = brushKind == PBrushGenerator::spray, fine = brushKind == PBrushGenerator::fine;
        int row = firstKindRow;
        auto label = [&](const char* key, int width = labelWidth)
        { return s.add(captioned(new PLabel(this, 0, row, width, 0), key)); };
        auto check = [&](const char* key, Edit edit)
        {
            auto* c = s.add(captioned(new PCheck(this, 0, row++, fullWidth, 0), key));
            targets[c] = {edit};
            return c;
        };
        auto ident = [&](const char* key, const char* tip, Edit edit, PLabel** itsLabel)
        {
            *itsLabel = label(key);
            auto* i = s.add(new PIdent(this, labelWidth, row++, identWidth));
            i->setTooltip(tip);
            targets[i] = {edit};
            return i;
        };
        // Every slider but the fine line's thickness returns to the middle on a double click.
        auto slider = [&](const char* key, const PProperty<float>& property)
        {
            label(key);
            auto* sl = s.add(new PSlider(this, labelWidth, row++, fieldWidth, 0, PSlider::Kind::unit));
            // A click only grabs the thumb, so that the first click of a double click edits nothing.
            if (auto* track = dynamic_cast<juce::Slider*>(sl->getComponent()))
                track->setSliderSnapsToMousePosition(false);
            if (!fine)
                sl->setResetPosition(resetPosition);
            targets[sl] = {Edit::parameter, &property};
            return sl;
        };

        if (!spray)
        {
            if (!thick)
                s.lineLabel = label("Curve.Color", half);
            s.coloursLabel = label("Curve.Colors", half);
            s.lineTint = s.add(new PTint(this, half, row, tintWidth, 0));
            s.fillTint = s.add(new PTint(this, half + tintWidth, row++, tintWidth, 0));
            targets[s.lineTint] = {Edit::lineColour};
            targets[s.fillTint] = {Edit::fillColour};
        }
        if (area || fine)
            s.closed = check("Curve.Closed", Edit::closedFlag);
        if (spray)
            s.align = check("Brush.Align", Edit::alignFlag);

        label("Brush.Pattern");
        s.pattern = s.add(new PButton(this, labelWidth, row, thick ? fieldWidth - clearWidth : fieldWidth, 0));
        s.pattern->setText("Text.Unknown");
        s.pattern->setTooltip("Brush.TipPattern");
        if (thick)
            s.clear = s.add(captioned(new PButton(this, fullWidth - clearWidth, row, clearWidth, 0), "Brush.Clear"));
        ++row;

        s.thickness = slider(spray ? "Brush.Scaling" : "Brush.Thickness", PProperties::thickness);
        if (thick)
            s.largeness = slider("Brush.Largeness", PProperties::largeness);
        if (spray)
        {
            s.density = slider("Brush.Density", PProperties::density);
            s.distribute = slider("Brush.Distribute", PProperties::distribute);
            s.oscillate = slider("Brush.Oscillate", PProperties::oscillate);
        }
        if (fine)
        {
            s.gravity = check("Brush.Gravity", Edit::gravityFlag);
            s.gravity->setTooltip("Brush.TipGravity");
            s.variant = ident("Brush.Variant", "Brush.TipVariant", Edit::variant, &s.variantLabel);
        }
        else
        {
            PLabel* seedLabel = nullptr;
            s.seed = ident("Brush.Seed", "Brush.TipSeed", Edit::seed, &seedLabel);
        }
    }
}

PBrushPane::KindSection* PBrushPane::sectionOf(int brushKind)
{
    if (brushKind < PBrushGenerator::area || brushKind > PBrushGenerator::fine)
        return nullptr;
    return &kinds[static_cast<size_t>(brushKind - PBrushGenerator::area)];
}

void PBrushPane::showValues()
{
    const uint16_t id = shape != nullptr ? shape->classId() : PClass::base;
    auto* brush = id == PClass::brush ? static_cast<PBrush*>(shape) : nullptr;
    heading.show(shape != nullptr);
    title->setText(titleKeyFor(id));
    title->setEnabled(shape != nullptr);
    clipCheck->setEnabled(id == PClass::group);
    clipCheck->setOn(id == PClass::group && shape->hasFlag(PGroup::framed));

    curveSection.show(id == PClass::curve);
    curveSection.enable(id == PClass::curve);
    if (id == PClass::curve)
        showCurve(*static_cast<PCurve*>(shape), curveLineLabel, curveColoursLabel, curveLineTint, curveFillTint,
                  curveClosed);

    brushHeading.show(brush != nullptr);
    brushHeading.enable(brush != nullptr);
    if (brush != nullptr)
        kindCombo->select(brush->kind);
    for (int brushKind = PBrushGenerator::area; brushKind <= PBrushGenerator::fine; ++brushKind)
    {
        KindSection& section = *sectionOf(brushKind);
        const bool on = brush != nullptr && brush->kind == brushKind;
        section.show(on);
        section.enable(on);
        if (on)
            showKind(section, *brush);
    }
    showPoint();
}

void PBrushPane::showCurve(PCurve& curve, PLabel* lineLabel, PLabel* coloursLabel, PTint* lineTint, PTint* fillTint,
                           PCheck* closed)
{
    const bool isClosed = curve.isClosed();
    // A section without a line-only caption is the thick stroke's: its ribbon is always filled.
    const bool filled = isClosed || lineLabel == nullptr;
    if (lineLabel != nullptr)
        lineLabel->setVisible(!filled);
    coloursLabel->setVisible(filled);
    lineTint->setColour(curve.lineColour);
    fillTint->setColour(curve.fillColour);
    fillTint->setEnabled(filled);
    if (closed != nullptr)
        closed->setOn(isClosed);
}

void PBrushPane::showKind(KindSection& section, PBrush& brush)
{
    if (section.lineTint != nullptr)
        showCurve(brush, section.lineLabel, section.coloursLabel, section.lineTint, section.fillTint, section.closed);
    if (section.align != nullptr)
        section.align->setOn(brush.hasFlag(PBrush::alignStamps));
    if (section.gravity != nullptr)
        section.gravity->setOn(brush.hasFlag(PBrush::hangVertically));
    showPattern(*section.pattern, brush.pattern.get());
    if (section.clear != nullptr)
        section.clear->setEnabled(brush.pattern != nullptr);
    for (auto* widget : section.widgets)
        if (auto found = targets.find(widget); found != targets.end() && found->second.edit == Edit::parameter)
            static_cast<PSlider*>(widget)->setValue(parameterOf(brush, found->second.property));
    if (section.seed != nullptr)
        section.seed->setValue(brush.seed);
}

void PBrushPane::showPoint()
{
    KindSection& fine = *sectionOf(PBrushGenerator::fine);
    const bool on = shape != nullptr && shape->classId() == PClass::brush &&
                    static_cast<PBrush*>(shape)->kind == PBrushGenerator::fine && point != nullptr;
    fine.variantLabel->setEnabled(on);
    fine.variant->setEnabled(on);
    fine.variant->setValue(point != nullptr ? point->variant : 0);
}

void PBrushPane::onChange(PWidget* source)
{
    if (!canEdit())
        return;
    const uint16_t id = shape->classId();
    if (source == clipCheck)
    {
        if (id == PClass::group)
            switchFrame();
        return;
    }
    if (source == kindCombo)
    {
        if (id == PClass::brush)
        {
            changeKind(*static_cast<PBrush*>(shape));
            world->drawStyle.rememberBrush(*static_cast<PBrush*>(shape));
        }
        return;
    }
    const auto found = targets.find(source);
    if (found == targets.end())
        return;
    // Hidden sections cannot be used; the checks only keep a stray report from editing the wrong shape.
    if (id == PClass::curve && holds(curveSection, source))
    {
        auto& curve = *static_cast<PCurve*>(shape);
        editCurve(curve, found->second, source);
        world->drawStyle.lineColour = curve.lineColour, world->drawStyle.fillColour = curve.fillColour;
    }
    else if (id == PClass::brush)
    {
        auto& brush = *static_cast<PBrush*>(shape);
        if (const KindSection* section = sectionOf(brush.kind); section != nullptr && holds(*section, source))
            editBrush(brush, found->second, source);
        // A brush drawn by hand next is set up like the one just edited.
        world->drawStyle.rememberBrush(brush);
    }
}

bool PBrushPane::editCurve(PCurve& curve, const Target& target, PWidget* source)
{
    switch (target.edit)
    {
    case Edit::lineColour:
    case Edit::fillColour:
    {
        const bool fill = target.edit == Edit::fillColour;
        const uint32_t old = fill ? curve.fillColour : curve.lineColour;
        const uint32_t chosen = static_cast<PTint*>(source)->colour;
        if (chosen != old)
            perform(std::make_unique<PActionProperty<uint32_t>>(
                *world, &curve, fill ? PProperties::fillColour : PProperties::lineColour, old, chosen));
        return true;
    }
    case Edit::closedFlag: switchFlag(curve, PCurve::closed, static_cast<PCheck*>(source)->isOn()); return true;
    default: return false;
    }
}

void PBrushPane::editBrush(PBrush& brush, const Target& target, PWidget* source)
{
    if (editCurve(brush, target, source))
        return;
    switch (target.edit)
    {
    case Edit::alignFlag: switchFlag(brush, PBrush::alignStamps, static_cast<PCheck*>(source)->isOn()); break;
    case Edit::gravityFlag: switchFlag(brush, PBrush::hangVertically, static_cast<PCheck*>(source)->isOn()); break;
    case Edit::parameter:
    {
        const float old = parameterOf(brush, target.property);
        const float chosen = static_cast<PSlider*>(source)->getValue();
        if (chosen != old)
            perform(std::make_unique<PActionProperty<float>>(*world, &brush, *target.property, old, chosen));
        break;
    }
    case Edit::seed:
    {
        const auto old = static_cast<uint16_t>(brush.seed);
        const auto chosen = static_cast<uint16_t>(static_cast<PIdent*>(source)->getValue());
        if (chosen != old)
            perform(std::make_unique<PActionProperty<uint16_t>>(*world, &brush, PProperties::seed, old, chosen));
        break;
    }
    case Edit::variant:
    {
        const auto chosen = static_cast<uint16_t>(static_cast<PIdent*>(source)->getValue());
        if (point != nullptr && chosen != point->variant)
            perform(std::make_unique<PActionProperty<uint16_t>>(*world, point, PProperties::variant, point->variant,
                                                                chosen));
        break;
    }
    default: break;
    }
}

void PBrushPane::switchFlag(PBase& object, uint32_t mask, bool on)
{
    const bool was = object.hasFlag(mask);
    if (on != was)
        perform(std::make_unique<PActionFlag>(*world, &object, mask, on, was));
}

void PBrushPane::changeKind(PBrush& brush)
{
    const auto chosen = static_cast<uint16_t>(kindCombo->selectedCode());
    const uint16_t old = brush.kind;
    if (chosen == 0 || chosen == old)
        return;
    // Only an area brush keeps a closed guide here: the guide opens first, as an undo step of its own.
    if (old == PBrushGenerator::area && brush.isClosed())
        perform(std::make_unique<PActionFlag>(*world, &brush, PCurve::closed, false, true));
    perform(std::make_unique<PActionProperty<uint16_t>>(*world, &brush, PProperties::kind, old, chosen));
}

void PBrushPane::switchFrame()
{
    const bool was = shape->hasFlag(PGroup::framed);
    if (clipCheck->isOn() == was)
        return;
    perform(std::make_unique<PActionFlag>(*world, shape, PGroup::framed, !was, was));
    // The canvas draws the group again, now with or without its clipping.
    broadcast(PNotify::highQualityFrame);
}

void PBrushPane::onClick(PWidget* source)
{
    if (!canEdit() || shape->classId() != PClass::brush)
        return;
    auto& brush = *static_cast<PBrush*>(shape);
    const KindSection* section = sectionOf(brush.kind);
    if (section == nullptr)
        return;
    if (source == section->pattern)
        choosePattern(brush);
    else if (source == section->clear && brush.pattern != nullptr)
        perform(std::make_unique<PActionPattern>(*world, &brush, nullptr));
    world->drawStyle.rememberBrush(brush);
}

void PBrushPane::choosePattern(PBrush& brush)
{
    auto* clip =
        dynamic_cast<PClip*>(PTableBrowse::choose(*world, comic, PClass::clip, getOptions(), "TableBrowse.Title"));
    // The chooser ran a loop of its own: the brush must still be the one shown.
    if (clip == nullptr || !canEdit() || shape != &brush)
        return;
    std::unique_ptr<PClip> copy(static_cast<PClip*>(clip->clone()));
    copy->clearMark();
    perform(std::make_unique<PActionPattern>(*world, &brush, std::move(copy)));
}
