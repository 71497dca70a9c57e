#pragma once

#include <unordered_map>
#include <vector>

#include <juce_graphics/juce_graphics.h>

class PShape;

/** Where the shapes at the top of a drawing walk (a layer's, a clip card's, the decor's) put ink,
    in device pixels, so that a canvas can redraw only where a changed shape was and is; and, for
    such a redraw, which of them can be passed over.

        PInkLog::List inked;
        view.ink.log = &inked;      // the view notes each top shape and its box while it draws
*/
class PInkLog
{
public:
    struct Inked
    {
        const PShape* shape;
        juce::Rectangle<int> box;
    };
    using List = std::vector<Inked>;

    /** A top shape begins; false when it lies outside `redrawArea` and is passed over. */
    bool begin(const PShape& shape);
    void end(const PShape& shape);
    /** Widens the ink of the top shape being drawn by a box and a line of the given width around it. */
    void add(const juce::Rectangle<float>& box, float lineWidth);
    /** Whether a top shape is being noted, so that its ink is worth measuring. */
    bool isNoting() const { return noting; }

    /** While set, every top shape is noted here, in drawing order. */
    List* log = nullptr;
    /** While set, top shapes whose ink (looked up in `knownInk`) misses this area are passed
        over: nothing they draw could show through it. */
    const juce::RectangleList<int>* redrawArea = nullptr;
    const std::unordered_map<const PShape*, juce::Rectangle<int>>* knownInk = nullptr;

private:
    juce::Rectangle<float> box;
    bool inked = false;
    bool noting = false;
};
