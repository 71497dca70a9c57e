#include "ui/canvas2.h"

#include "edit/world.h"
#include "model/page.h"

PCanvas2::PCanvas2(PPane* parentPane, int gx, int gy, int gw, int gh, bool openGLPane)
    : PPane(parentPane, gx, gy, gw, gh, openGLPane ? Kind::openGL : Kind::inset)
{
    setWantsKeys(true);
}

PCanvas2::~PCanvas2() = default;

void PCanvas2::setWorld(PWorld* session)
{
    selection.world = session;
    readSelection();
}

void PCanvas2::readSelection()
{
    renderer.invalidate();
    const PBase* before = selection.container;
    selection.read(getOptions());
    // Without a wallpaper there is nothing to edit in this mode.
    if (selection.editMode() == PEditMode::wallpaper && selection.shape == nullptr)
    {
        selection.world->editMode = PEditMode::shape;
        broadcast(PNotify::modeChanged);
    }
    if (selection.container != before)
    {
        renderer.needsFit = true;
        gestures.clearDragState();
    }
    if (auto* c = getComponent())
        c->setEnabled(selection.container != nullptr);
}

void PCanvas2::paint(juce::Graphics& g)
{
    if (kind != Kind::openGL)
        renderer.paint(g);
}

void PCanvas2::renderGL(juce::OpenGLContext&)
{
    renderer.renderGL();
}

void PCanvas2::onMouseDown(float sx, float sy)
{
    renderer.invalidate();
    if (drawing.draws())
        drawing.press(sx, sy);
    else
        gestures.press(sx, sy);
}

void PCanvas2::onMouseDrag(float sx, float sy)
{
    if (drawing.isDrawing())
        drawing.drag(sx, sy);
    else
        gestures.drag(sx, sy);
}

void PCanvas2::onMouseUp(float sx, float sy)
{
    renderer.invalidate();
    if (drawing.isDrawing())
        drawing.release(sx, sy);
    else
        gestures.release(sx, sy);
}

void PCanvas2::onWheel(bool up)
{
    renderer.invalidate();
    renderer.picture.zoomed();
    gestures.wheel(up);
}

void PCanvas2::onCommand(PWidget* source, PKeyCommand key)
{
    renderer.invalidate();
    commands.onKey(source, key);
}

void PCanvas2::onPopup(PWidget*)
{
    commands.onPopup();
}

void PCanvas2::onMenu(PCommand code)
{
    renderer.invalidate();
    commands.onMenu(code);
}

void PCanvas2::onNotify(PNotify code)
{
    renderer.invalidate();
    switch (code)
    {
    case PNotify::modeChanged:
    case PNotify::switchChanged: readSelection(); break;
    case PNotify::selection:
    {
        const PBase* before = selection.container;
        readSelection();
        if (selection.container != before && selection.page != nullptr)
            selection.page->setFlag(PFlag::selected, false);
        break;
    }
    case PNotify::refit:
        renderer.needsFit = true;
        gestures.clearDragState();
        break;
    case PNotify::pagesShown:
    case PNotify::layersShown:
    case PNotify::clipsShown:
    case PNotify::decorShown:
        readSelection();
        renderer.needsFit = selection.container != nullptr;
        break;
    case PNotify::viewChanging: return; // the software and this GL view need no preparing
    case PNotify::viewChanged: renderer.picture.zoomed(); break;
    case PNotify::lookChanged:
    case PNotify::wallpaperChanged:
        // A new or cleared wallpaper: the old one may be about to go, so nothing may hold it.
        // Colours, the wallpaper's opacity and the like are not part of the shapes.
        renderer.invalidateAll();
        readSelection();
        break;
    case PNotify::plainFrame: repaintWith(PCanvasRenderer::Frame::plain); return;
    case PNotify::highQualityFrame: repaintWith(PCanvasRenderer::Frame::highQuality); return;
    default: break;
    }
    repaintWith(PCanvasRenderer::Frame::withOverlay);
}
