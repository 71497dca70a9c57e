#pragma once

#include <cstdint>
#include <memory>

#include "model/brush.h"

/** What a freehand line is drawn with: the line and fill colours last chosen in the shape pane
    and the brush kind and parameters last set in the brush pane, so that one line after another
    comes out alike without a trip to the panes. */
struct PDrawStyle
{
    uint32_t lineColour = PCurve::opaqueBlack;
    uint32_t fillColour = PCurve::opaqueWhite;
    /** The brush whose kind and parameters the next drawn brush stroke copies; a fresh brush
        until the brush pane sets one. */
    std::unique_ptr<PBrush> brush = std::make_unique<PBrush>();

    /** Keeps kind, parameters, pattern and colours of a brush the artist just set up. */
    void rememberBrush(const PBrush& from)
    {
        brush->copyFrom(&from);
        brush->points.deleteAll();
        brush->strokes.deleteAll();
    }
};
