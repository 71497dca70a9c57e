#pragma once

#include <memory>

#include <juce_core/juce_core.h>

#include "model/curve.h"

class PBrush;
class PCurve;
class PGroup;
class PImage;
class PItem;
class PPanel;
class PText;

/** The shapes the editor adds, made without a display so that the canvas, the command-line tool
    and the tests build the same ones. Every shape is centred on (x, y) in the coordinates of the
    list it goes into, and `size` is how far across it is in page units.

        auto curve = PShapeFactory::curve({0, 0, 1.5f});
        world.record(std::make_unique<PActionInsert>(world, layer.shapes, &layer, std::move(curve), -1));
*/
class PShapeFactory
{
public:
    /** Where a new shape stands and how large it is. */
    struct Placing
    {
        float x = 0, y = 0, size = 1;
    };

    /** Strokes are laid a set width around the guide, so a brush's guide is this many sizes long:
        one as short as a new curve would vanish inside its own ribbon. */
    static constexpr float brushGuideLengths = 4;

    /** A gentle arc of three points, `size` from end to end. */
    static std::unique_ptr<PCurve> curve(const Placing& at);
    /** A brush stroke along an arc brushGuideLengths sizes long. */
    static std::unique_ptr<PBrush> brush(const Placing& at);
    /** A closed square panel with sharp corners and its attachment; its first layer is added by
        the caller's action, so that undo takes both away. */
    static std::unique_ptr<PPanel> panel(const Placing& at);
    static std::unique_ptr<PText> text(const Placing& at, const juce::String& words);
    /** A line drawn by hand through anchors given in the coordinates of the list it goes into;
        its position is their centre, so that it turns and scales about its middle. */
    static std::unique_ptr<PCurve> drawnCurve(const PCurve::ControlList& anchors, bool closed, uint32_t lineColour,
                                              uint32_t fillColour);
    /** A brush stroke like `like` (kind, parameters, pattern and colours) along drawn anchors. */
    static std::unique_ptr<PBrush> drawnBrush(const PCurve::ControlList& anchors, bool closed, const PBrush& like);
    /** A closed rectangular panel with sharp corners between two opposite corners, with its
        attachment; as for panel(), the caller's action adds its first layer. */
    static std::unique_ptr<PPanel> panelBetween(float x1, float y1, float x2, float y2);
    /** The picture of a file, scaled so that its longer side is `size`; null when it cannot be loaded. */
    static std::unique_ptr<PImage> image(const Placing& at, const juce::File& file);
    /** One group holding a copy of a clip's card or a decor item's artwork; null when the item
        holds none. The card is the one the clip is worked on, or the first with artwork. */
    static std::unique_ptr<PGroup> artwork(const Placing& at, const PItem& item);
};
