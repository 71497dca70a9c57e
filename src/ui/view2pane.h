#pragma once

#include "ui/widgets/pane.h"

class PButton;
class PTrack;
class PWorld;

/** The small control block beside the page canvas: a drag pad that pans the page, buttons that
    zoom in, out and back to actual size about the zoom centre, one that re-centres the page and
    one that asks for a high-quality frame. It changes only the view fields of the world's live
    edit context and tells the canvas through notifications.

        auto* view = new PView2Pane(&content, -6, 0, -1, -1);
        view->setWorld(&world);   // without a world every control does nothing
*/
class PView2Pane : public PPane
{
public:
    /** The pan, in pixels, that a full unit of pad movement is worth. */
    static constexpr float panPerPadUnit = 200;
    /** The columns the pane's controls need, so that its parent can leave room for it. */
    static constexpr int columns = 6;

    PView2Pane(PPane* parent, int x, int y, int w, int h);

    void setWorld(PWorld* session);

    void layout() override;
    void onClick(PWidget* source) override;
    void onView(PTrackPhase phase, float dx, float dy) override;

    /** Sets a new zoom and moves the pan so that the page under the zoom centre stays put. */
    void zoomTo(float newZoom);

    PWorld* world = nullptr;
    /** The zoom at the last re-centring. */
    float rememberedZoom = 1;
    PTrack* pad = nullptr;
    PButton *drawButton = nullptr, *zoomInButton = nullptr, *zoomOffButton = nullptr, *zoomOutButton = nullptr,
            *resetButton = nullptr;

private:
    /** Warns an OpenGL canvas that its view is about to change. */
    void announceViewChange();

    float padStartX = 0, padStartY = 0;
};
