#include "ui/canvasdrawing.h"

#include <cmath>

#include "draw/view2gui.h"
#include "edit/shapefactory.h"
#include "edit/snap.h"
#include "edit/world.h"
#include "model/brush.h"
#include "model/option.h"
#include "model/panel.h"
#include "ui/canvas2.h"

namespace
{
constexpr float liveLine = 2;

double now()
{
    return juce::Time::getMillisecondCounterHiRes();
}

float pointerPressure()
{
    const auto source = juce::Desktop::getInstance().getMainMouseSource();
    return source.isPressureValid() ? source.getCurrentPressure() : -1.0f;
}
} // namespace

PCanvasDrawing::PCanvasDrawing(PCanvas2& pane, PCanvasSelection& shown, PCanvasRenderer& view)
    : clock(now), pressure(pointerPressure), canvas(pane), selection(shown), renderer(view)
{
}

bool PCanvasDrawing::draws() const
{
    return selection.world != nullptr && selection.container != nullptr && selection.editMode() == PEditMode::draw;
}

bool PCanvasDrawing::drawsPanels() const
{
    return selection.sidePane == PPaneKind::pages;
}

void PCanvasDrawing::press(float sx, float sy)
{
    samples.clear();
    drawing = draws() && (!drawsPanels() || selection.page != nullptr);
    if (!drawing)
        return;
    addSample(sx, sy);
    renderer.repaintWith(PCanvasRenderer::Frame::withStroke);
}

void PCanvasDrawing::drag(float sx, float sy)
{
    if (!drawing)
        return;
    addSample(sx, sy);
    renderer.repaintWith(PCanvasRenderer::Frame::withStroke);
}

void PCanvasDrawing::release(float sx, float sy)
{
    if (!drawing)
        return;
    addSample(sx, sy);
    drawing = false;
    renderer.prepare();
    if (drawsPanels())
        finishPanel();
    else
        finishStroke();
    samples.clear();
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

void PCanvasDrawing::addSample(float sx, float sy)
{
    // A panel needs only where the drag began and where it is now.
    if (drawsPanels() && samples.size() > 1)
        samples.pop_back();
    samples.push_back({sx, sy, clock(), pressure()});
}

void PCanvasDrawing::finishStroke()
{
    const POption* o = canvas.getOptions();
    PStrokeFit::Options fitting;
    if (o != nullptr)
        fitting.tolerance = o->smoothing, fitting.taper = o->taper;
    auto fitted = PStrokeFit::fit(samples, fitting);
    const auto place = selection.insertionPlace(true);
    if (fitted.anchors.empty() || place.list == nullptr)
        return;
    for (auto& anchor : fitted.anchors)
    {
        auto p = renderer.toPage(anchor.x, anchor.y);
        // A flattened panel keeps the page point.
        (void) place.parentToPage.transformBack(p.x, p.y);
        anchor.x = p.x, anchor.y = p.y;
    }
    const PDrawStyle& style = selection.world->drawStyle;
    std::unique_ptr<PShape> made;
    if (selection.sidePane == PPaneKind::decor)
        made = PShapeFactory::drawnBrush(fitted.anchors, fitted.closed, *style.brush);
    else
        made = PShapeFactory::drawnCurve(fitted.anchors, fitted.closed, style.lineColour, style.fillColour);
    if (PShape* added = canvas.commands.addShape(std::move(made), "Action.Draw"))
        selection.select(added, nullptr);
}

void PCanvasDrawing::finishPanel()
{
    const auto from = juce::Point<float>(samples.front().x, samples.front().y);
    const auto to = juce::Point<float>(samples.back().x, samples.back().y);
    if (std::abs(to.x - from.x) < smallestPanel || std::abs(to.y - from.y) < smallestPanel)
        return;
    const auto a = snapped(from), b = snapped(to);
    if (a.x == b.x || a.y == b.y)
        return;
    if (PShape* added = canvas.commands.addShape(PShapeFactory::panelBetween(a.x, a.y, b.x, b.y)))
        selection.select(added, nullptr);
}

juce::Point<float> PCanvasDrawing::snapped(juce::Point<float> screen) const
{
    auto p = renderer.toPage(screen.x, screen.y);
    const POption* o = canvas.getOptions();
    if (o == nullptr || !o->snap)
        return p;
    const float step = PSnap::gridStep(o->gridDivisions, o->useInch);
    return {PSnap::position(p.x, step), PSnap::position(p.y, step)};
}

void PCanvasDrawing::drawLive(PView2gui& view) const
{
    if (!drawing || samples.empty())
        return;
    const POption* o = canvas.getOptions();
    if (drawsPanels())
    {
        const auto pa = snapped({samples.front().x, samples.front().y});
        const auto pb = snapped({samples.back().x, samples.back().y});
        const auto a = renderer.toScreen(pa.x, pa.y), b = renderer.toScreen(pb.x, pb.y);
        view.setColour(o != nullptr ? o->handleColour : PCurve::opaqueBlack);
        view.rectangle(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y), 1);
        return;
    }
    juce::Path stroke;
    stroke.startNewSubPath(samples.front().x, samples.front().y);
    for (const auto& s : samples)
        stroke.lineTo(s.x, s.y);
    const uint32_t colour = selection.world->drawStyle.lineColour;
    // A line the artist chose to draw without colour still shows where the hand went.
    view.setColour((colour >> 24) != 0 ? colour : (o != nullptr ? o->handleColour : PCurve::opaqueBlack));
    view.path(stroke, liveLine, nullptr);
}
