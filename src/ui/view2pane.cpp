#include "ui/view2pane.h"

#include <algorithm>

#include "edit/notifier.h"
#include "edit/snap.h"
#include "edit/world.h"
#include "model/option.h"
#include "ui/widgets/button.h"
#include "ui/widgets/track.h"

namespace
{
constexpr float actualSize = 1;
/** Grid rows of the controls: the pad on top, the zoom buttons together, then the page buttons. */
constexpr int padRow = 0, zoomInRow = 3, zoomOffRow = 4, zoomOutRow = 5, resetRow = 7, drawRow = 8;
constexpr int padColumn = (PView2Pane::columns - 2) / 2;
constexpr int fullWidth = -1;

PButton* makeButton(PPane* pane, int row, const char* key)
{
    auto* button = new PButton(pane, 0, row, fullWidth, 0);
    button->setText(key);
    return button;
}
} // namespace

PView2Pane::PView2Pane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PPane(parentPane, gx, gy, gw, gh, Kind::plain)
{
    pad = new PTrack(this, padColumn, padRow);
    pad->setText("View2Pane.Pan");
    zoomInButton = makeButton(this, zoomInRow, "View2Pane.ZoomIn");
    zoomOffButton = makeButton(this, zoomOffRow, "View2Pane.ZoomOff");
    zoomOutButton = makeButton(this, zoomOutRow, "View2Pane.ZoomOut");
    resetButton = makeButton(this, resetRow, "View2Pane.Reset");
    drawButton = makeButton(this, drawRow, "View2Pane.Draw");
}

void PView2Pane::setWorld(PWorld* session)
{
    world = session;
}

void PView2Pane::layout()
{
    // The controls start level with the top of the canvas beside it, which its inset frame lowers.
    if (options != nullptr)
    {
        insetTop = insetsForKind(Kind::inset, options->u, options->half).top;
        insetBottom = -insetTop;
    }
    PPane::layout();
}

void PView2Pane::announceViewChange()
{
    if (const POption* o = getOptions(); o != nullptr && o->openGLCanvas)
        broadcast(PNotify::viewChanging);
}

void PView2Pane::zoomTo(float newZoom)
{
    PContext& context = world->context;
    // A zoom that came from elsewhere at zero would make the pan infinite.
    const float ratio = newZoom / std::max(context.viewScale, PSnap::smallestZoom);
    context.viewX = ratio * (context.viewX + context.zoomCentreX) - context.zoomCentreX;
    context.viewY = ratio * (context.viewY + context.zoomCentreY) - context.zoomCentreY;
    context.viewScale = newZoom;
}

void PView2Pane::onClick(PWidget* source)
{
    if (world == nullptr)
        return;
    if (source == drawButton)
    {
        broadcast(PNotify::highQualityFrame);
        return;
    }
    if (source == resetButton)
    {
        announceViewChange();
        broadcast(PNotify::refit);
        rememberedZoom = world->context.viewScale;
        return;
    }
    const float zoom = world->context.viewScale;
    float newZoom = 0;
    if (source == zoomInButton)
        newZoom = PSnap::zoomed(zoom, true);
    else if (source == zoomOutButton)
        newZoom = PSnap::zoomed(zoom, false);
    else if (source == zoomOffButton)
        newZoom = actualSize;
    else
        return;
    announceViewChange();
    zoomTo(newZoom);
    broadcast(PNotify::viewChanged);
}

void PView2Pane::onView(PTrackPhase phase, float dx, float dy)
{
    if (world == nullptr)
        return;
    PContext& context = world->context;
    if (phase == PTrackPhase::press)
    {
        padStartX = context.viewX;
        padStartY = context.viewY;
        return;
    }
    context.viewX = padStartX + dx * panPerPadUnit;
    context.viewY = padStartY - dy * panPerPadUnit;
    broadcast(phase == PTrackPhase::release ? PNotify::viewChanged : PNotify::plainFrame);
}
