#pragma once

#include <vector>

#include "model/curve.h"

class PCard;
class PClip;

/** The four stroke generators of a brush. Each is a pure function of the guide, the
    parameters, the pattern and the seed, and appends new curves to a stroke list.

    The strokes are made in the brush's own coordinates, not in a view's: saved strokes must
    not depend on the zoom or the back-end that happened to draw the brush first.

        PBrushGenerator::Input in = brush.generatorInput();
        const bool made = PBrushGenerator::generate(in, brush.strokes);
*/
class PBrushGenerator
{
public:
    enum Kind : uint16_t
    {
        area = 1,
        thick = 2,
        spray = 3,
        fine = 4
    };

    /** Kinds 1 and 3 give a zero-length guide segment this length, so that it can be divided by. */
    static constexpr float shortestSegment = 1.2e-7f;
    static constexpr int maxAreaPoints = 1000;
    static constexpr int maxFinePointsPerHalf = 100;
    /** The order of a pattern with several elements: this many random picks, repeated. */
    static constexpr int areaSequenceLength = 20;
    /** Caps what a hostile file can ask for: stamp intervals of kind 3, strokes of one
        generation, and points of one kind-4 stroke. */
    static constexpr int maxStampIntervals = 5000;
    static constexpr int maxStrokes = 20000;
    static constexpr int maxFinePoints = 200000;

    /** What the generators read from a brush. `variants` runs parallel to `anchors`. */
    struct Input
    {
        PCurve::ControlList anchors;
        std::vector<uint16_t> variants;
        bool closed = false;
        uint32_t lineColour = PCurve::opaqueBlack;
        uint32_t fillColour = PCurve::opaqueWhite;
        uint16_t kind = 0;
        const PClip* pattern = nullptr;
        float density = 0, thickness = 0, largeness = 0, distribute = 0, oscillate = 0;
        int16_t seed = 0;
        bool alignStamps = false;
        bool hangVertically = false;
    };

    /** Runs the generator of in.kind; false for an unknown kind or a generator with nothing to lay. */
    static bool generate(const Input& in, PArray& strokes);

    /** Kind 1: the pattern's elements laid end to end along the guide, as one stroke. */
    static bool generateArea(const Input& in, PArray& strokes);
    /** Kind 2: a closed ribbon around the guide, or the pattern laid around that ribbon. */
    static bool generateThick(const Input& in, PArray& strokes);
    /** Kind 3: copies of the pattern's elements stamped at even steps along the guide. */
    static bool generateSpray(const Input& in, PArray& strokes);
    /** Kind 4: per half segment, the element whose tag is the governing anchor's variant. */
    static bool generateFine(const Input& in, PArray& strokes);

    /** An element can be laid along a guide when it holds one open curve of at least two points
        whose scaled horizontal extent is positive and at least half the pattern's size. */
    static bool isUsableElement(const PCard& card, float patternSize);
    /** The arc length of each segment of a control list, in page units (floats, like every
        stored coordinate), raised to `floor` where shorter. */
    static std::vector<float> segmentLengths(const PCurve::ControlList& list, float floor);
    /** The closed ribbon outline of kind 2 around a guide (its anchors in order, then back). */
    static PCurve::ControlList ribbonOutline(const Input& in);
};
